#include "components/skin/SkinMenus.h"

#include <memory>

#include "components/skin/QoSkinColors.h"
#include "components/skin/SkinGradient.h"
#include "ui/Forms.h"

namespace {

using M = TOwnerDrawStateMember;

constexpr int IconColumnWidth = 24;
constexpr int TextMargin = 6;

bool IsBarItem(const TMenuItem& item) {
  return dynamic_cast<const TMainMenu*>(item.ParentComponent()) != nullptr;
}

// The scheme to draw with: the current one, or the initial colours when no skin made one current
// (a skin destroyed before the menus it drew).
TQoSkinColors& SchemeColors() {
  TQoSkinColors* current = CurrentSkinColors();
  if (current != nullptr) return *current;
  // Made on first use (not a static object: that would be stored in the program's data).
  static const std::unique_ptr<TQoSkinColors> initial = std::make_unique<TQoSkinColors>();
  return *initial;
}

void Shrink(RECT& r, int dx, int dy) {
  ::InflateRect(&r, -dx, -dy);
}

TMenuItem* LastVisibleItem(const TMenuItem& parent) {
  for (int i = parent.Count() - 1; i >= 0; --i) {
    if (parent.Items(i)->Visible()) return parent.Items(i);
  }
  return nullptr;
}

// The last item of a form's menu bar fills the bar's empty rest, right of rect, up to the form's
// right frame (or beyond the screen's edge when the form is maximized).
void FillBarRest(HDC dc, TMenuItem& item, const RECT& rect, const TQoMainMenuColors& c) {
  auto* menu = dynamic_cast<TMainMenu*>(item.ParentComponent());
  auto* form = menu != nullptr ? dynamic_cast<TForm*>(menu->Owner()) : nullptr;
  if (form == nullptr || LastVisibleItem(*menu->Items()) != &item) return;
  const int right = form->WindowState() == TWindowState::wsMaximized
                        ? Screen().Width() + 20
                        : form->Width() - (form->Width() - form->ClientWidth()) / 2;
  const int width = right - rect.right;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap buffer(width, height);
  SkinFillVertical(buffer.Canvas().Handle(), RECT{0, 0, width, height}, c.Light, c.Face);
  ::BitBlt(dc, rect.right, rect.top, width, height, buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

void FillBarItem(HDC dc, RECT r, TOwnerDrawState state, const TQoMainMenuColors& c) {
  const bool hot = state.Contains(M::odHotLight);
  const bool selected = state.Contains(M::odSelected);
  if (hot || selected) {
    SkinFrame(dc, r, hot ? c.BorderOn : c.BorderPress);
    Shrink(r, 1, 1);
  }
  if (hot)
    SkinFillVertical(dc, r, c.LightOn, c.FaceOn);
  else if (!selected)
    SkinFillVertical(dc, r, c.Light, c.Face);
  else
    SkinFillVertical(dc, r, c.LightPress, c.FacePress);
}

void FillMenuItem(HDC dc, RECT r, const RECT& icon, const RECT& text, TOwnerDrawState state,
                  const TQoMenuItemColors& c) {
  if (state.Contains(M::odHotLight) || state.Contains(M::odSelected)) {
    SkinFrame(dc, r, c.BorderOn);
    Shrink(r, 1, 1);
    SkinFillGlass(dc, r, c.LightOn, c.FaceOn);
  } else {
    SkinFillHorizontal(dc, icon, c.IconLight, c.Icon);
    SkinFillHorizontal(dc, text, c.Light, c.Face);
  }
}

void DrawCheck(HDC dc, RECT icon, TColor mark) {
  Shrink(icon, (icon.right - icon.left - 9) / 2, (icon.bottom - icon.top - 10) / 2);
  SkinDrawCheckMark(dc, icon.left, icon.top, mark);
}

// The item's picture, grey when the item is disabled, centred in the icon column.
void DrawPicture(TCanvas& canvas, const TMenuItem& item, const RECT& icon) {
  TImageList* images = item.ImageList();
  TBitmap picture;
  images->GetBitmap(item.ImageIndex(), picture);
  const TColor transparent = images->MaskColor(item.ImageIndex());
  if (!item.Enabled()) SkinGreyPicture(picture, transparent);
  canvas.DrawTransparent(icon.left + (icon.right - icon.left - picture.Width()) / 2,
                         icon.top + (icon.bottom - icon.top - picture.Height()) / 2, picture,
                         transparent);
}

TColor CaptionColor(const TMenuItem& item, TOwnerDrawState state, TQoSkinColors& colors) {
  const bool hot = state.Contains(M::odHotLight);
  const bool selected = state.Contains(M::odSelected);
  if (IsBarItem(item)) {
    const TQoMainMenuColors& c = colors.MainMenu();
    if (!item.Enabled()) return c.TextDisable;
    if (hot) return c.TextOn;
    return selected ? c.TextPress : c.Text;
  }
  const TQoMenuItemColors& c = colors.MenuItem();
  if (!item.Enabled()) return c.TextDisable;
  return hot || selected ? c.TextOn : c.Text;
}

// Draws the item into canvas (a bitmap of the item's size) at rect = (0, 0, width, height).
void DrawItemFace(TCanvas& canvas, const TFont& menuFont, TMenuItem& item, const RECT& rect,
                  TOwnerDrawState state, TQoSkinColors& colors) {
  HDC dc = canvas.Handle();
  const bool bar = IsBarItem(item);
  const bool picture = item.HasImage();
  const int iconWidth = bar && !picture ? 0 : IconColumnWidth;
  const RECT icon{rect.left, rect.top, rect.left + iconWidth, rect.bottom};
  RECT text{icon.right, rect.top, rect.right, rect.bottom};
  if (bar) {
    FillBarItem(dc, rect, state, colors.MainMenu());
  } else {
    FillMenuItem(dc, rect, icon, text, state, colors.MenuItem());
    if (item.Checked()) DrawCheck(dc, icon, colors.MenuItem().Mark);
  }
  if (picture) DrawPicture(canvas, item, icon);
  if (item.IsLine()) {
    const int y = (text.top + text.bottom) / 2;
    canvas.Pen().SetColor(colors.MenuItem().Line);
    canvas.MoveTo(text.left + TextMargin, y);
    canvas.LineTo(text.right, y);
    return;
  }
  canvas.Font().Assign(menuFont);
  canvas.Font().SetStyle(item.Default() ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
  canvas.Font().SetColor(CaptionColor(item, state, colors));
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  Shrink(text, TextMargin, 0);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  if (state.Contains(M::odNoAccel)) format |= DT_HIDEPREFIX;
  RECT caption = text;
  canvas.DrawText(item.Caption(), caption, format);
  if (!bar && item.ShortCut() != 0) {
    RECT shortCut = text;
    canvas.DrawText(ShortCutToText(item.ShortCut()), shortCut,
                    DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

void GiveHandlers(TMenuItem& item) {
  item.OnMeasureItem = SkinMeasureMenuItem;
  item.OnDrawItem = SkinDrawMenuItem;
  for (int i = 0; i < item.Count(); ++i) GiveHandlers(*item.Items(i));
}

}  // namespace

void SkinInitMenus(TComponent& form, int32_t skipTag) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* menu = dynamic_cast<TMenu*>(form.Components(i));
    if (menu == nullptr || (skipTag != 0 && menu->Tag() == skipTag)) continue;
    menu->SetOwnerDraw(true);
    TMenuItem& items = *menu->Items();
    for (int k = 0; k < items.Count(); ++k) {
      TMenuItem& item = *items.Items(k);
      const bool remeasure = menu->IsBar() && item.Visible() && !item.OnDrawItem;
      GiveHandlers(item);
      if (remeasure) {
        item.SetVisible(false);
        item.SetVisible(true);
      }
    }
  }
}

void SkinMeasureMenuItem(TComponent* sender, TCanvas&, int& width, int& height) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (item == nullptr) return;
  if (!IsBarItem(*item)) {
    height += 5;
    width += 74;  // the icon column and room for the shortcut
  } else if (item->HasImage()) {
    width += 5;
  }
}

void SkinDrawMenuItem(TComponent* sender, TCanvas& canvas, const RECT& rect,
                      TOwnerDrawState state) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (item == nullptr || width <= 0 || height <= 0) return;
  TQoSkinColors& colors = SchemeColors();
  if (IsBarItem(*item)) FillBarRest(canvas.Handle(), *item, rect, colors.MainMenu());
  TBitmap buffer(width, height);
  DrawItemFace(buffer.Canvas(), canvas.Font(), *item, RECT{0, 0, width, height}, state, colors);
  ::BitBlt(canvas.Handle(), rect.left, rect.top, width, height, buffer.Canvas().Handle(), 0, 0,
           SRCCOPY);
}

void SkinGreyPicture(TBitmap& picture, TColor transparent) {
  const TColor clear = static_cast<TColor>(ColorToRGB(transparent));
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const TColor pixel = picture.Pixel(x, y);
      if (pixel == clear) continue;
      int level = (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3 + 20;
      if (level > 245) level = 246;
      const auto grey = static_cast<uint8_t>(level);
      picture.SetPixel(x, y, RgbColor(grey, grey, grey));
    }
  }
}
