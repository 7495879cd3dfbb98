#include "components/skin/SkinBoxPainters.h"

#include "components/skin/SkinGradient.h"

namespace {

constexpr int CaptionIndent = 8;

bool IsMouseMessage(UINT msg) {
  return msg == WM_MOUSEMOVE || msg == WM_LBUTTONUP || msg == CM_MOUSEENTER || msg == CM_MOUSELEAVE;
}

LONG_PTR ComboStyle(TWinControl& combo) {
  return ::GetWindowLongPtrW(combo.Handle(), GWL_STYLE) & 3;
}

// The button is hot while the mouse is over it; over a drop-down list the whole control counts.
bool ComboButtonHot(const TSkinPaint& paint, const RECT& button) {
  if (!paint.MouseOver) return false;
  if (ComboStyle(paint.Control) == CBS_DROPDOWNLIST) return true;
  POINT mouse;
  ::GetCursorPos(&mouse);
  ::ScreenToClient(paint.Control.Handle(), &mouse);
  return ::PtInRect(&button, mouse) != FALSE;
}

}  // namespace

void SkinDrawArrow(HDC dc, int cx, int cy, int size, TSkinArrow direction, TColor color) {
  TPenHandle pen(::CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  TSelection selection(dc, pen.Get());
  for (int k = 0; k < size + 4; ++k) {
    switch (direction) {
      case TSkinArrow::Down:
      case TSkinArrow::Up: {
        const int y = direction == TSkinArrow::Down ? cy + size - k + 2 : cy + k - size - 1;
        ::MoveToEx(dc, cx - k, y, nullptr);
        ::LineTo(dc, cx + k + 1, y);
        break;
      }
      case TSkinArrow::Right:
      case TSkinArrow::Left: {
        const int x = direction == TSkinArrow::Right ? cx + size - k + 2 : cx + k - size - 2;
        ::MoveToEx(dc, x, cy - k, nullptr);
        ::LineTo(dc, x, cy + k + 1);
        break;
      }
    }
  }
}

bool PaintGroupBox(HDC dc, const TSkinPaint& paint) {
  if (IsMouseMessage(paint.Msg)) return false;
  TWinControl& box = paint.Control;
  const TQoGroupColors& c = paint.Colors.Group();
  const TColor own = box.Color();
  const String caption = box.Caption();
  TSelection font(dc, box.Font().Handle());
  SIZE letter{0, 0};
  ::GetTextExtentPoint32W(dc, L"H", 1, &letter);
  const int th = letter.cy;
  RECT r = box.ClientRect();
  if (!caption.empty()) {
    RECT measured{0, 0, 0, 0};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                DT_SINGLELINE | DT_CALCRECT);
    const int left = r.left + CaptionIndent;
    SkinFillSolid(dc, RECT{left, r.top, left + measured.right, r.top + th}, own);
  }
  r.top += th / 2 - 1;
  SkinFrame(dc, r, own);
  ::InflateRect(&r, -1, -1);
  SkinFrame(dc, r, box.Enabled() ? c.Border : c.BorderDisable);

  TColor text = c.TextDisable;
  if (box.Enabled()) text = c.Text != clNone ? c.Text : box.Font().Color();
  RECT area = box.ClientRect();
  ::InflateRect(&area, -CaptionIndent, 0);
  ::SetTextColor(dc, ColorToRGB(text));
  ::SetBkMode(dc, OPAQUE);
  ::SetBkColor(dc, ColorToRGB(own));
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS);
  return true;
}

RECT ComboBoxButtonRect(TWinControl& combo) {
  RECT button = combo.ClientRect();
  ::InflateRect(&button, -2, -2);
  button.left = button.right - ::GetSystemMetrics(SM_CXHTHUMB);
  return button;
}

void PaintComboBox(HDC dc, const TSkinPaint& paint) {
  TWinControl& combo = paint.Control;
  SkinFlatFrame(dc, paint);
  if (ComboStyle(combo) == CBS_SIMPLE) return;
  const TQoArrowBtnColors& c = paint.Colors.ArrowBtn();
  const RECT button = ComboBoxButtonRect(combo);
  const bool hot = ComboButtonHot(paint, button);
  if (!combo.Enabled()) {
    SkinFillSolid(dc, button, c.FaceDisable);
    SkinFrame(dc, button, c.BorderDisable);
  } else if (paint.LButtonDown) {
    SkinFillGlass(dc, button, c.LightPress, c.FacePress);
    SkinFrame(dc, button, c.BorderPress);
  } else if (hot) {
    SkinFillGlass(dc, button, c.LightOn, c.FaceOn);
    SkinFrame(dc, button, c.BorderOn);
  } else {
    SkinFillGlass(dc, button, c.Light, c.Face);
    SkinFrame(dc, button, c.Border);
  }
  SkinDrawArrow(dc, (button.left + button.right) / 2, (button.top + button.bottom) / 2, 1,
                TSkinArrow::Down, combo.Enabled() ? c.Mark : c.MarkDisable);
}
