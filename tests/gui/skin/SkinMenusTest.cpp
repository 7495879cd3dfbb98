#include <gtest/gtest.h>

#include "FormProbe.h"
#include "SkinFixture.h"
#include "SkinProbe.h"
#include "components/skin/SkinMenus.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"

namespace {

constexpr int ItemWidth = 200;
constexpr int ItemHeight = 24;

// A form with a menu bar "&Arquivo" (Novo, separator, Salvar Ctrl+S, Fechar) and "A&juda", and
// a skin whose menu colours are all distinct, so that each pixel tells where it comes from.
class SkinMenus : public SkinTest, protected TSampleMenuBar {
 protected:
  void SetUp() override {
    Form.SetBorderStyle(TFormBorderStyle::bsSingle);
    Form.SetBounds(20, 20, 360, 220);
    BuildMenuBar(Form);
    Close = AddItem(File, L"&Fechar");
    Form.SetMenu(Bar);
    TQoMenuItemColors& item = Colors->MenuItem();
    item.Light = RgbColor(250, 240, 230);
    item.Face = RgbColor(200, 210, 220);
    item.Text = RgbColor(0, 0, 160);
    item.TextOn = RgbColor(160, 0, 0);
    Skin->Loaded();  // the scheme becomes current and goes to every form, menus included
  }
  TMenuItem* AddItem(TMenuItem* parent, const String& caption) {
    return AddMenuItem(Form, parent, caption);
  }
  // Draws item as the platform would ask for it, into a white bitmap, at rect.
  void Draw(TMenuItem* item, TBitmap& bitmap, const RECT& rect, UINT itemState) {
    SendDrawItem(Form, item, bitmap, rect, itemState);
  }
  void Draw(TMenuItem* item, TBitmap& bitmap, UINT itemState) {
    bitmap.SetSize(ItemWidth, ItemHeight);
    Draw(item, bitmap, RECT{0, 0, ItemWidth, ItemHeight}, itemState);
  }
  SIZE Measure(TMenuItem* item) { return SendMeasureItem(Form, item); }
  TMenuItem* Close = nullptr;
};

// A 16x16 picture: red, with a fuchsia (transparent) border of one pixel.
void AddPicture(TImageList& images) {
  images.SetSize(16, 16);
  TBitmap picture(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool border = x == 0 || y == 0 || x == 15 || y == 15;
      picture.SetPixel(x, y, border ? clFuchsia : RgbColor(240, 30, 0));
    }
  }
  images.AddMasked(picture, clFuchsia);
}

}  // namespace

TEST_F(SkinMenus, InitMenusMakesEveryItemDrawnByTheSkin) {
  EXPECT_TRUE(Bar->OwnerDraw());
  for (TMenuItem* item : {File, New, Line, Save, Close, Help}) {
    EXPECT_TRUE(item->OnMeasureItem);
    EXPECT_TRUE(item->OnDrawItem);
  }
  HMENU file = ::GetSubMenu(Bar->Handle(), 0);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  ::GetMenuItemInfoW(file, 0, TRUE, &info);
  EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u);
}

TEST_F(SkinMenus, MenuWithTheSkipTagIsLeftAlone) {
  auto* popup = new TPopupMenu(&Form);
  TMenuItem* item = AddItem(popup->Items(), L"Copiar");
  popup->SetTag(7);
  Skin->SetSkipTag(7);
  Skin->InitMenus(&Form);
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_FALSE(item->OnDrawItem);
  popup->SetTag(0);
  Skin->InitMenus(&Form);
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_TRUE(item->OnDrawItem);
}

TEST_F(SkinMenus, InitMenusReplacesHandlersTheItemsHad) {
  auto* popup = new TPopupMenu(&Form);
  TMenuItem* item = AddItem(popup->Items(), L"Copiar");
  TMenuItem* inner = AddItem(item, L"Texto");
  int ownDraws = 0;
  inner->OnDrawItem = [&](TComponent*, TCanvas&, const RECT&, TOwnerDrawState) { ++ownDraws; };
  Skin->InitMenus(&Form);
  TBitmap bitmap;
  Draw(inner, bitmap, 0);
  EXPECT_EQ(ownDraws, 0);
  EXPECT_EQ(bitmap.Pixel(24, 2),
            Linear(Colors->MenuItem().Light, Colors->MenuItem().Face, ItemWidth - 24, 0));
}

TEST_F(SkinMenus, WithoutACurrentSchemeItemsTakeTheInitialColours) {
  SetCurrentSkinColors(nullptr);
  TBitmap bitmap;
  Draw(New, bitmap, 0);
  TQoSkinColors initial;
  EXPECT_EQ(bitmap.Pixel(24, 2),
            Linear(initial.MenuItem().Light, initial.MenuItem().Face, ItemWidth - 24, 0));
  EXPECT_NE(initial.MenuItem().Light, Colors->MenuItem().Light);  // the fixture changed it
}

TEST_F(SkinMenus, MeasuringWidensMenuItemsAndBarItemsWithAPicture) {
  const SIZE skinned = Measure(New);
  New->OnMeasureItem = nullptr;
  const SIZE plain = Measure(New);
  EXPECT_EQ(skinned.cx, plain.cx + 74);
  EXPECT_EQ(skinned.cy, plain.cy + 5);
  const SIZE bar = Measure(Help);
  Help->OnMeasureItem = nullptr;
  EXPECT_EQ(bar.cx, Measure(Help).cx);  // no picture: unchanged
  TImageList images(nullptr);
  AddPicture(images);
  Bar->SetImages(&images);
  Help->SetImageIndex(0);
  const SIZE plainWithPicture = Measure(Help);
  Help->OnMeasureItem = SkinMeasureMenuItem;
  EXPECT_EQ(Measure(Help).cx, plainWithPicture.cx + 5);
  Bar->SetImages(nullptr);
}

TEST_F(SkinMenus, PlainItemShowsTwoHorizontalGradientsAndItsCaption) {
  TBitmap bitmap;
  Draw(New, bitmap, 0);
  const TQoMenuItemColors& c = Colors->MenuItem();
  const int textWidth = ItemWidth - 24;
  EXPECT_EQ(bitmap.Pixel(0, 12), Linear(c.IconLight, c.Icon, 24, 0));  // icon column
  EXPECT_EQ(bitmap.Pixel(23, 12), Linear(c.IconLight, c.Icon, 24, 23));
  EXPECT_EQ(bitmap.Pixel(24, 2), Linear(c.Light, c.Face, textWidth, 0));  // text area
  EXPECT_EQ(bitmap.Pixel(ItemWidth - 1, 2), Linear(c.Light, c.Face, textWidth, textWidth - 1));
  EXPECT_GT(CountColor(bitmap, RECT{30, 0, 100, ItemHeight}, c.Text), 0);
  EXPECT_EQ(CountColor(bitmap, RECT{0, 0, 30, ItemHeight}, c.Text), 0);  // left margin of 6
}

TEST_F(SkinMenus, HotItemHasAnOutlineAGlassFaceAndItsShortCutRightAligned) {
  TBitmap bitmap;
  Draw(Save, bitmap, ODS_SELECTED);
  const TQoMenuItemColors& c = Colors->MenuItem();
  EXPECT_EQ(bitmap.Pixel(0, 0), c.BorderOn);
  EXPECT_EQ(bitmap.Pixel(ItemWidth - 1, ItemHeight - 1), c.BorderOn);
  // Inside the outline, rows 1 to 22: a glass face, light at the top, FaceOn from the cut down.
  const TSkinGlass glass = SkinGlassSplit(1, ItemHeight - 1, c.LightOn, c.FaceOn);
  EXPECT_EQ(bitmap.Pixel(5, 1), Linear(c.LightOn, glass.UpperEnd, glass.Cut - 1, 0));
  EXPECT_EQ(bitmap.Pixel(5, glass.Cut),
            Linear(c.FaceOn, glass.LowerEnd, ItemHeight - 1 - glass.Cut, 0));
  EXPECT_EQ(
      bitmap.Pixel(5, ItemHeight - 2),
      Linear(c.FaceOn, glass.LowerEnd, ItemHeight - 1 - glass.Cut, ItemHeight - 2 - glass.Cut));
  EXPECT_GT(CountColor(bitmap, RECT{30, 0, 90, ItemHeight}, c.TextOn), 0);  // "Salvar"
  // "Ctrl+S" ends at the right margin of 6 (the outline took one more pixel).
  EXPECT_GT(CountColor(bitmap, RECT{ItemWidth - 30, 0, ItemWidth - 7, ItemHeight}, c.TextOn), 0);
  EXPECT_EQ(CountColor(bitmap, RECT{ItemWidth - 7, 0, ItemWidth, ItemHeight}, c.TextOn), 0);
}

TEST_F(SkinMenus, CheckedItemShowsTheCheckMarkInTheIconColumn) {
  Save->SetChecked(true);
  TBitmap bitmap;
  Draw(Save, bitmap, 0);
  const TColor mark = Colors->MenuItem().Mark;
  // Column 24 x 24 shrunk by 7 left and right and 7 top and bottom: the mark starts at (7, 7);
  // its first line runs from (9, 11) to (11, 13) and up to (16, 8).
  EXPECT_EQ(bitmap.Pixel(9, 11), mark);
  EXPECT_EQ(bitmap.Pixel(11, 13), mark);
  EXPECT_EQ(bitmap.Pixel(15, 9), mark);
  EXPECT_EQ(bitmap.Pixel(11, 15), mark);  // the third line, two rows lower
  EXPECT_NE(bitmap.Pixel(11, 16), mark);
}

TEST_F(SkinMenus, DisabledItemShowsItsPictureGreyAndItsCaptionInTextDisable) {
  TImageList images(nullptr);
  AddPicture(images);
  Bar->SetImages(&images);
  Close->SetImageIndex(0);
  Close->SetEnabled(false);
  TBitmap bitmap;
  Draw(Close, bitmap, 0);
  const TQoMenuItemColors& c = Colors->MenuItem();
  // The picture is centred in the 24 x 24 column: (4, 4) to (19, 19); red (240, 30, 0) turns
  // into the grey level 270 / 3 + 20 = 110; its transparent border shows the column.
  EXPECT_EQ(bitmap.Pixel(12, 12), RgbColor(110, 110, 110));
  EXPECT_EQ(bitmap.Pixel(4, 12), bitmap.Pixel(4, 2));
  EXPECT_GT(CountColor(bitmap, RECT{30, 0, 100, ItemHeight}, c.TextDisable), 0);
  EXPECT_EQ(CountColor(bitmap, RECT{30, 0, 100, ItemHeight}, c.Text), 0);
  Bar->SetImages(nullptr);
}

TEST_F(SkinMenus, SubMenuImagesOfTheParentServeTheItem) {
  TImageList menuImages(nullptr);
  menuImages.SetSize(16, 16);
  TImageList fileImages(nullptr);
  AddPicture(fileImages);
  Bar->SetImages(&menuImages);  // empty: index 0 would show nothing
  File->SetSubMenuImages(&fileImages);
  New->SetImageIndex(0);
  TBitmap bitmap;
  Draw(New, bitmap, 0);
  EXPECT_EQ(bitmap.Pixel(12, 12), RgbColor(240, 30, 0));
  Bar->SetImages(nullptr);
  File->SetSubMenuImages(nullptr);
}

TEST_F(SkinMenus, GreyLevelsAboveTheLimitBecome246) {
  TBitmap picture(3, 1);
  picture.SetPixel(0, 0, RgbColor(250, 250, 250));  // 250 + 20 > 245
  picture.SetPixel(1, 0, RgbColor(0, 0, 0));
  picture.SetPixel(2, 0, clFuchsia);
  SkinGreyPicture(picture, clFuchsia);
  EXPECT_EQ(picture.Pixel(0, 0), RgbColor(246, 246, 246));
  EXPECT_EQ(picture.Pixel(1, 0), RgbColor(20, 20, 20));
  EXPECT_EQ(picture.Pixel(2, 0), clFuchsia);
}

TEST_F(SkinMenus, SeparatorIsOneLineFromTheTextAreaToTheRight) {
  TBitmap bitmap(ItemWidth, 10);
  Draw(Line, bitmap, RECT{0, 0, ItemWidth, 10}, 0);
  const TColor line = Colors->MenuItem().Line;
  EXPECT_EQ(bitmap.Pixel(30, 5), line);
  EXPECT_EQ(bitmap.Pixel(ItemWidth - 1, 5), line);
  EXPECT_NE(bitmap.Pixel(29, 5), line);
  EXPECT_NE(bitmap.Pixel(30, 4), line);
  EXPECT_NE(bitmap.Pixel(30, 6), line);
}

TEST_F(SkinMenus, DefaultItemIsBold) {
  TBitmap regular;
  Draw(New, regular, 0);
  New->SetDefault(true);
  TBitmap bold;
  Draw(New, bold, 0);
  const TColor text = Colors->MenuItem().Text;
  const RECT caption{24, 0, ItemWidth, ItemHeight};
  EXPECT_GT(CountColor(bold, caption, text), CountColor(regular, caption, text));
}

TEST_F(SkinMenus, BarItemFacesFollowTheState) {
  const TQoMainMenuColors& c = Colors->MainMenu();
  TBitmap bitmap;
  const int inner = ItemHeight - 2;
  Draw(File, bitmap, 0);
  EXPECT_EQ(bitmap.Pixel(0, 0), Linear(c.Light, c.Face, ItemHeight, 0));
  EXPECT_EQ(bitmap.Pixel(0, ItemHeight - 1), Linear(c.Light, c.Face, ItemHeight, ItemHeight - 1));
  Draw(File, bitmap, ODS_HOTLIGHT);
  EXPECT_EQ(bitmap.Pixel(0, 0), c.BorderOn);
  EXPECT_EQ(bitmap.Pixel(1, 1), Linear(c.LightOn, c.FaceOn, inner, 0));
  EXPECT_EQ(bitmap.Pixel(1, ItemHeight - 2), Linear(c.LightOn, c.FaceOn, inner, inner - 1));
  Draw(File, bitmap, ODS_SELECTED);
  EXPECT_EQ(bitmap.Pixel(0, 0), c.BorderPress);
  EXPECT_EQ(bitmap.Pixel(1, 1), Linear(c.LightPress, c.FacePress, inner, 0));
  EXPECT_GT(CountColor(bitmap, RECT{0, 0, 60, ItemHeight}, c.TextPress), 0);
}

TEST_F(SkinMenus, LastBarItemFillsTheRestOfTheBarUpToTheFrame) {
  Form.Show();
  const int barEnd = Form.Width() - (Form.Width() - Form.ClientWidth()) / 2;
  TBitmap bitmap(Form.Width(), 20);
  const TQoMainMenuColors& c = Colors->MainMenu();
  Draw(Help, bitmap, RECT{60, 0, 100, 20}, 0);
  EXPECT_EQ(bitmap.Pixel(100, 0), Linear(c.Light, c.Face, 20, 0));
  EXPECT_EQ(bitmap.Pixel(barEnd - 1, 19), Linear(c.Light, c.Face, 20, 19));
  EXPECT_EQ(bitmap.Pixel(barEnd, 0), clWhite);
  bitmap.SetSize(Form.Width(), 20);
  Draw(File, bitmap, RECT{0, 0, 60, 20}, 0);  // not the last item
  EXPECT_EQ(bitmap.Pixel(100, 0), clWhite);
}

TEST_F(SkinMenus, LastBarItemOfAMaximizedFormFillsBeyondTheScreen) {
  Form.Show();
  Form.SetWindowState(TWindowState::wsMaximized);
  ASSERT_EQ(Form.WindowState(), TWindowState::wsMaximized);
  const int barEnd = Screen().Width() + 20;
  TBitmap bitmap(barEnd + 10, 20);
  Draw(Help, bitmap, RECT{60, 0, 100, 20}, 0);
  const TQoMainMenuColors& c = Colors->MainMenu();
  EXPECT_EQ(bitmap.Pixel(barEnd - 1, 0), Linear(c.Light, c.Face, 20, 0));
  EXPECT_EQ(bitmap.Pixel(barEnd, 0), clWhite);
  Form.SetWindowState(TWindowState::wsNormal);
}

TEST_F(SkinMenus, MenuBarOnTheScreenHasTheBarGradientRightOfItsLastItem) {
  Form.Show();
  ::DrawMenuBar(Form.Handle());
  ::UpdateWindow(Form.Handle());
  UiApplication().ProcessMessages();
  MENUBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetMenuBarInfo(Form.Handle(), OBJID_MENU, 2, &info));
  TWindowDC screen(nullptr);
  const int x = info.rcBar.right + 20;
  const int height = info.rcBar.bottom - info.rcBar.top;
  const TQoMainMenuColors& c = Colors->MainMenu();
  EXPECT_EQ(::GetPixel(screen.Get(), x, info.rcBar.top), Linear(c.Light, c.Face, height, 0));
  EXPECT_EQ(::GetPixel(screen.Get(), x, info.rcBar.bottom - 1),
            Linear(c.Light, c.Face, height, height - 1));
}

TEST_F(SkinMenus, FormMadeAfterTheSkinGetsItsMenusWhenTheMainWindowHearsAnything) {
  // The skin belongs to the application's tree; so does a form without an owner.
  UiApplication().SetMainForm(&Form);
  Form.Show();
  TForm later(nullptr);
  auto* menu = new TPopupMenu(&later);
  AddItem(menu->Items(), L"Copiar");
  EXPECT_FALSE(menu->OwnerDraw());
  ::SendMessageW(Form.Handle(), WM_NULL, 0, 0);
  EXPECT_TRUE(menu->OwnerDraw());
  UiApplication().SetMainForm(nullptr);
}

TEST_F(SkinMenus, FormMadeAfterTheSkinGetsItsMenusWhenItIsActivated) {
  TForm later(nullptr);
  later.SetBounds(60, 60, 200, 120);
  auto* menu = new TMainMenu(&later);
  TMenuItem* item = AddItem(menu->Items(), L"&Editar");
  later.SetMenu(menu);
  EXPECT_FALSE(menu->OwnerDraw());
  later.Show();
  ::SendMessageW(later.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_TRUE(item->OnDrawItem);
}
