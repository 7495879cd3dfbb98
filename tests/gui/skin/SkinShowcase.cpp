// A program that shows the skin on a window with what the wizard lacks, to be looked at: a menu
// bar, a drawing of its first menu (pictures, a checked, a disabled and a default item, a
// separator, shortcuts), a group box and combo boxes of each style, one of them disabled.
//   skin_showcase FILE   writes a picture of the screen to FILE (a .bmp) and ends
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "components/skin/QoSkinPlus.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"

namespace {

// Writes the screen as a 32-bit bitmap file.
void SaveScreen(const char* path) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  TBitmap picture(width, height);
  TWindowDC screen(nullptr);
  ::BitBlt(picture.Canvas().Handle(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = -height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  const DWORD bytes = static_cast<DWORD>(width) * height * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + bytes;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const TColor c = picture.Pixel(x, y);
      const char bgra[4] = {char(GetBValue(c)), char(GetGValue(c)), char(GetRValue(c)), 0};
      out.write(bgra, 4);
    }
  }
}

// Two 16x16 pictures on a fuchsia (transparent) ground: a blue disc and a green square.
void AddPictures(TImageList& images) {
  images.SetSize(16, 16);
  TBitmap strip(32, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 32; ++x) {
      const int dx = x - 8;
      const int dy = y - 8;
      TColor c = clFuchsia;
      if (x < 16 && dx * dx + dy * dy < 40) c = RgbColor(30, 90, 200);
      if (x >= 19 && x < 29 && y >= 3 && y < 13) c = RgbColor(20, 150, 60);
      strip.SetPixel(x, y, c);
    }
  }
  images.AddMasked(strip, clFuchsia);
}

// Measures and draws the sub-items of parent, one under the other, into picture, through the
// form's WM_MEASUREITEM and WM_DRAWITEM; the first item is drawn selected.
void DrawMenu(TMenuItem& parent, TForm& form, TBitmap& picture) {
  int width = 0;
  std::vector<int> heights;
  for (int i = 0; i < parent.Count(); ++i) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = parent.Items(i)->Command();
    ::SendMessageW(form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    width = std::max(width, static_cast<int>(measure.itemWidth));
    heights.push_back(static_cast<int>(measure.itemHeight));
  }
  int total = 0;
  for (int h : heights) total += h;
  picture.SetSize(width, total);
  int top = 0;
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemState = (i == 0 ? ODS_SELECTED : 0) | (item->Enabled() ? 0 : ODS_GRAYED) |
                     (item->Checked() ? ODS_CHECKED : 0);
    draw.hDC = picture.Canvas().Handle();
    draw.rcItem = RECT{0, top, width, top + heights[static_cast<size_t>(i)]};
    draw.itemData = item->Command();
    ::SendMessageW(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    top = draw.rcItem.bottom;
  }
}

TMenuItem* AddItem(TForm& form, TMenuItem* parent, const String& caption) {
  auto* item = new TMenuItem(&form);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  UiApplication().SetTitle(L"skin_showcase");
  TForm form(nullptr);
  form.SetCaption(L"Skin showcase");
  form.SetBorderStyle(TFormBorderStyle::bsSingle);
  form.SetBounds(40, 40, 580, 320);
  TImageList images(&form);
  AddPictures(images);
  auto* bar = new TMainMenu(&form);
  bar->SetImages(&images);
  TMenuItem* file = AddItem(form, bar->Items(), L"&Arquivo");
  TMenuItem* open = AddItem(form, file, L"&Abrir...");
  open->SetImageIndex(0);
  open->SetShortCut(ShortCut('O', TShiftState{TShiftStateMember::ssCtrl}));
  open->SetDefault(true);
  TMenuItem* save = AddItem(form, file, L"&Salvar");
  save->SetImageIndex(1);
  save->SetEnabled(false);
  save->SetShortCut(ShortCut('S', TShiftState{TShiftStateMember::ssCtrl}));
  AddItem(form, file, L"Mostrar &log")->SetChecked(true);
  AddItem(form, file, L"-");
  AddItem(form, file, L"Sai&r")
      ->SetShortCut(ShortCut(VK_F4, TShiftState{TShiftStateMember::ssAlt}));
  AddItem(form, bar->Items(), L"&Editar");
  AddItem(form, bar->Items(), L"A&juda");
  form.SetMenu(bar);

  auto* group = new TGroupBox(&form);
  group->SetParent(&form);
  group->SetBounds(320, 10, 230, 120);
  group->SetCaption(L"Destino");
  auto* check = new TCheckBox(&form);
  check->SetParent(group);
  check->SetBounds(12, 24, 200, 17);
  check->SetCaption(L"Instalar para todos");
  const TComboBoxStyle styles[] = {TComboBoxStyle::csDropDown, TComboBoxStyle::csDropDownList,
                                   TComboBoxStyle::csDropDownList, TComboBoxStyle::csSimple};
  int top = 160;
  for (TComboBoxStyle style : styles) {
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(style);
    combo->SetBounds(10, top, 190, 21);
    combo->AddItem(L"RAD Studio 12 Athens");
    combo->AddItem(L"RAD Studio 13 Florence");
    combo->SetItemIndex(0);
    if (style == TComboBoxStyle::csSimple) combo->SetBounds(320, 160, 230, 80);
    if (top == 220) combo->SetEnabled(false);
    top += 30;
  }

  auto* skin = new TQoSkinPlus(&form);
  form.Show();
  skin->Loaded();
  ::UpdateWindow(form.Handle());

  // Popup menus do not show on the virtual screen: the open menu is drawn into a picture on
  // the form instead, item by item, the way the platform asks for it (the first item hot).
  auto* picture = new TImage(&form);
  picture->SetParent(&form);
  DrawMenu(*file, form, picture->Picture());
  picture->SetBounds(10, 10, picture->Picture().Width(), picture->Picture().Height());
  picture->Invalidate();
  ::RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  UiApplication().ProcessMessages();
  SaveScreen(argv[1]);
  return 0;
}
