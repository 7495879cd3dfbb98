#include "components/skin/SkinPainters.h"

#include <algorithm>

#include "components/skin/SkinGradient.h"
#include "core/LibFunctions.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

namespace {

void Shrink(RECT& r, int dx, int dy) {
  ::InflateRect(&r, -dx, -dy);
}

// DrawText in the control's font and the given colour; on a colour, or transparent when
// background is clNone.
int DrawCaption(HDC dc, const TFont& font, TColor color, TColor background, const String& text,
                RECT& rect, UINT format) {
  TSelection selection(dc, font.Handle());
  ::SetTextColor(dc, ColorToRGB(color));
  if (background == clNone) {
    ::SetBkMode(dc, TRANSPARENT);
  } else {
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, ColorToRGB(background));
  }
  return ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

// The platform's focus rectangle, drawn as it is on a default DC (black and white, XOR).
void DrawFocus(HDC dc, const RECT& rect) {
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(255, 255, 255));
  ::DrawFocusRect(dc, &rect);
}

bool IsDefaultButton(TWinControl& control) {
  const auto* button = dynamic_cast<const TButton*>(&control);
  return button != nullptr && button->Default();
}

}  // namespace

TSkinState SkinStateOf(bool enabled, bool lButtonDown, bool mouseOver, bool pressed) {
  if (!enabled) return TSkinState::Disabled;
  if ((lButtonDown && mouseOver) || pressed) return TSkinState::Pressed;
  if (mouseOver) return TSkinState::Hot;
  return TSkinState::Normal;
}

void PaintPushButton(HDC dc, const TSkinPaint& paint) {
  const TQoButtonColors& c = paint.Colors.Button();
  const TSkinState state = paint.State;
  const RECT client = paint.Control.ClientRect();
  RECT r = client;
  if (state == TSkinState::Disabled)
    SkinFillSolid(dc, r, c.FaceDisable);
  else
    SkinFillGlass(dc, r, ByState(state, c.Light, c.LightPress, c.LightOn, c.Light),
                  ByState(state, c.Face, c.FacePress, c.FaceOn, c.Face));
  SkinFrame(dc, r, ByState(state, c.BorderDisable, c.BorderPress, c.BorderOn, c.Border));
  Shrink(r, 1, 1);
  if (IsDefaultButton(paint.Control) && paint.Control.Enabled()) SkinFrame(dc, r, c.DefaultBorder);
  if (paint.Control.Focused() && !paint.LButtonDown && !paint.Pressed) {
    Shrink(r, 1, 1);
    DrawFocus(dc, r);
  }
  RECT text = client;
  Shrink(text, 3, 0);
  DrawCaption(dc, paint.Control.Font(),
              ByState(state, c.TextDisable, c.TextPress, c.TextOn, c.Text), clNone,
              paint.Control.Caption(), text,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
}

void PaintCheckBox(HDC dc, const TSkinPaint& paint) {
  const TQoCheckColors& c = paint.Colors.Check();
  const TSkinState state = paint.State;
  auto* checkBox = dynamic_cast<TCheckBox*>(&paint.Control);
  const bool boxRight = checkBox != nullptr && checkBox->Alignment() == TAlignment::taLeftJustify;
  const bool wordWrap = checkBox != nullptr && checkBox->WordWrap();
  const RECT client = paint.Control.ClientRect();
  RECT caption = client;
  int boxLeft = client.left;
  if (boxRight) {
    boxLeft = client.right - 13;
    caption.right = client.right - 16;
  } else {
    caption.left = client.left + 16;
  }
  const TColor own = paint.Control.Color();
  SkinFillSolid(dc, client, own);

  const int boxTop = client.top + (client.bottom - client.top - 13) / 2 - 1;
  RECT box{boxLeft, boxTop, boxLeft + 13, boxTop + 13};
  SkinFrame(dc, box, ByState(state, c.BorderDisable, c.BorderPress, c.BorderOn, c.Border));
  Shrink(box, 1, 1);
  SkinFrame(dc, box, ByState(state, c.FaceDisable, c.LightPress, c.LightOn, c.Light));
  Shrink(box, 1, 1);
  if (state == TSkinState::Disabled)
    SkinFillSolid(dc, box, c.FaceDisable);
  else
    SkinFillDiagonal(dc, box, ByState(state, c.Face, c.FacePress, c.FaceOn, c.Face),
                     ByState(state, c.Light, c.LightPress, c.LightOn, c.Light));
  const LRESULT check = ::SendMessageW(paint.Control.Handle(), BM_GETCHECK, 0, 0);
  if (check == BST_INDETERMINATE) {
    Shrink(box, 2, 2);
    SkinFillSolid(dc, box, paint.MouseOver ? c.Mark : c.MarkDisable);
  } else if (check == BST_CHECKED) {
    SkinDrawCheckMark(dc, boxLeft + 1, boxTop + 1,
                      state == TSkinState::Disabled ? c.MarkDisable : c.Mark);
  }

  const String text = paint.Control.Caption();
  if (IsBlank(text)) return;
  const UINT format = (wordWrap ? DT_WORDBREAK : DT_SINGLELINE) | DT_END_ELLIPSIS;
  const TColor color = ByState(state, c.TextDisable, c.TextPress, c.TextOn, c.Text);
  RECT measured = caption;
  DrawCaption(dc, paint.Control.Font(), color, own, text, measured, format | DT_CALCRECT);
  const int height = measured.bottom - measured.top;
  const int width = measured.right - measured.left;
  RECT placed;
  placed.left = caption.left + (boxRight ? 1 : 0);
  placed.top = (caption.top + caption.bottom - height) / 2 - 1;
  placed.right = placed.left + width;
  placed.bottom = placed.top + height;
  RECT drawn = placed;
  DrawCaption(dc, paint.Control.Font(), color, own, text, drawn, format);
  if (!paint.Control.Focused()) return;
  RECT focus = placed;
  ::InflateRect(&focus, 2, 1);
  RECT clipped;
  if (::IntersectRect(&clipped, &focus, &client)) DrawFocus(dc, clipped);
}

void SkinFlatFrame(HDC dc, const TSkinPaint& paint) {
  RECT r{0, 0, paint.Control.Width(), paint.Control.Height()};
  const TQoEditColors& c = paint.Colors.Edit();
  SkinFrame(dc, r, paint.Control.Enabled() ? c.Border : c.BorderDisable);
  Shrink(r, 1, 1);
  SkinFrame(dc, r, paint.Control.Color());
}

bool PaintFlatFrame(HDC dc, const TSkinPaint& paint) {
  HWND window = paint.Control.Handle();
  if ((::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0) return false;
  SkinFlatFrame(dc, paint);
  return true;
}

bool PaintGaugeFrame(HDC dc, const TSkinPaint& paint) {
  TWinControl& gauge = paint.Control;
  if (paint.Msg != WM_PAINT)
    gauge.SetTag(0);
  else if (gauge.Tag() < 2)
    gauge.SetTag(gauge.Tag() + 1);
  if (gauge.Tag() >= 2) return false;
  SkinFrame(dc, RECT{0, 0, gauge.Width(), gauge.Height()}, paint.Colors.ProgressBar().Border);
  return true;
}
