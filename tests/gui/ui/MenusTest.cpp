#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "FormProbe.h"
#include "WindowDriver.h"
#include "ui/Forms.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"

namespace {

using M = TOwnerDrawStateMember;

class Menus : public ::testing::Test, protected TSampleMenuBar {
 protected:
  void SetUp() override {
    Form.SetBorderStyle(TFormBorderStyle::bsSingle);
    Form.SetBounds(40, 40, 320, 200);
  }
  TMenuItem* AddItem(TMenuItem* parent, const String& caption) {
    return AddMenuItem(Form, parent, caption);
  }
  static String MenuText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
  }
  static UINT ItemState(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, position, TRUE, &info);
    return info.fState | info.fType;
  }
  void SendDrawItem(TMenuItem* item, TBitmap& bitmap, UINT itemState) {
    ::SendDrawItem(Form, item, bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()}, itemState);
  }
  SIZE SendMeasureItem(TMenuItem* item) { return ::SendMeasureItem(Form, item); }
  TForm Form{nullptr};
};

// A 4x4 picture: red with a fuchsia (transparent) left column.
void FillPicture(TBitmap& bitmap, int left, TColor color) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = left; x < left + 4; ++x) bitmap.SetPixel(x, y, x == left ? clFuchsia : color);
  }
}

}  // namespace

TEST(ShortCutText, NamesModifiersAndKeys) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', TShiftState{TShiftStateMember::ssCtrl})), L"Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, TShiftState{TShiftStateMember::ssShift})), L"Shift+F5");
  EXPECT_EQ(ShortCutToText(VK_DELETE), L"Del");
  EXPECT_EQ(ShortCutToText(scShift | scCtrl | scAlt | '1'), L"Shift+Ctrl+Alt+1");
  EXPECT_EQ(ShortCutToText(0), L"");
}

TEST(ShortCutText, StripHotkeyDropsMarksAndKeepsDoubledAmpersand) {
  EXPECT_EQ(StripHotkey(L"&Arquivo"), L"Arquivo");
  EXPECT_EQ(StripHotkey(L"P&&D"), L"P&D");
  EXPECT_EQ(StripHotkey(L"Fim&"), L"Fim");
}

TEST(ShortCutText, AcceleratorIsTheLetterAfterASingleMark) {
  EXPECT_EQ(AcceleratorOf(L"A&juda"), L'j');
  EXPECT_EQ(AcceleratorOf(L"P&&D &Sair"), L'S');
  EXPECT_EQ(AcceleratorOf(L"P&&D"), 0);
  EXPECT_EQ(AcceleratorOf(L"Fim&"), 0);
}

TEST(ImageList, AddMaskedCutsAStripIntoPictures) {
  TImageList images(nullptr);
  images.SetSize(4, 4);
  TBitmap strip(8, 4);
  FillPicture(strip, 0, clRed);
  FillPicture(strip, 4, clBlue);
  EXPECT_EQ(images.AddMasked(strip, clFuchsia), 0);
  ASSERT_EQ(images.Count(), 2);
  TBitmap second;
  images.GetBitmap(1, second);
  EXPECT_EQ(second.Pixel(1, 1), clBlue);
  EXPECT_EQ(images.MaskColor(1), clFuchsia);
}

TEST(ImageList, RefusesABitmapOfAnotherSizeAndAWrongIndex) {
  TImageList images(nullptr);
  images.SetSize(4, 4);
  TBitmap wrong(5, 4);
  EXPECT_THROW(images.AddMasked(wrong, clFuchsia), EInvalidOperation);
  TBitmap out;
  EXPECT_THROW(images.GetBitmap(0, out), EInvalidOperation);
}

TEST(ImageList, DrawLeavesTheMaskColourOut) {
  TImageList images(nullptr);
  images.SetSize(4, 4);
  TBitmap picture(4, 4);
  FillPicture(picture, 0, clRed);
  images.AddMasked(picture, clFuchsia);
  TBitmap target(6, 6);  // white
  images.Draw(target.Canvas(), 1, 1, 0);
  EXPECT_EQ(target.Pixel(1, 2), clWhite);  // the transparent column
  EXPECT_EQ(target.Pixel(2, 2), clRed);
  EXPECT_EQ(target.Pixel(4, 4), clRed);
  EXPECT_EQ(target.Pixel(5, 5), clWhite);
}

TEST_F(Menus, PlatformMenuMirrorsTheItems) {
  BuildMenuBar(Form);
  Save->SetChecked(true);
  New->SetEnabled(false);
  New->SetDefault(true);
  HMENU bar = Bar->Handle();
  ASSERT_EQ(::GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0), L"&Arquivo");
  HMENU file = ::GetSubMenu(bar, 0);
  ASSERT_EQ(::GetMenuItemCount(file), 3);
  EXPECT_EQ(MenuText(file, 2), L"&Salvar\tCtrl+S");
  EXPECT_NE(ItemState(file, 2) & MFS_CHECKED, 0u);
  EXPECT_NE(ItemState(file, 0) & MFS_DISABLED, 0u);
  EXPECT_NE(ItemState(file, 0) & MFS_DEFAULT, 0u);
  EXPECT_NE(ItemState(file, 1) & MFT_SEPARATOR, 0u);
}

TEST_F(Menus, ChangesReachThePlatformMenu) {
  BuildMenuBar(Form);
  HMENU bar = Bar->Handle();
  Line->SetVisible(false);
  Save->SetChecked(true);
  HMENU file = ::GetSubMenu(bar, 0);
  ASSERT_EQ(::GetMenuItemCount(file), 2);
  EXPECT_NE(ItemState(file, 1) & MFS_CHECKED, 0u);
  Help->SetCaption(L"&Sobre");
  EXPECT_EQ(MenuText(bar, 1), L"&Sobre");
}

TEST_F(Menus, DestroyingItemsKeepsTheTreeSound) {
  BuildMenuBar(Form);
  HMENU bar = Bar->Handle();
  delete Save;
  EXPECT_EQ(File->Count(), 2);
  EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(bar, 0)), 2);
  delete File;  // its remaining sub-items are detached, not destroyed
  EXPECT_EQ(New->Parent(), nullptr);
  EXPECT_EQ(::GetMenuItemCount(bar), 1);
  EXPECT_EQ(Help->ParentComponent(), Bar);
  EXPECT_EQ(New->GetParentMenu(), nullptr);
}

TEST_F(Menus, InsertingAnItemInsideItselfIsRefused) {
  BuildMenuBar(Form);
  EXPECT_THROW(Save->Add(File), EInvalidOperation);
  EXPECT_THROW(File->Add(File), EInvalidOperation);
}

TEST_F(Menus, FormShowsItsMenuBarAndKeepsTheMenuWhenItsWindowGoes) {
  BuildMenuBar(Form);
  Form.SetMenu(Bar);
  Form.Show();
  EXPECT_EQ(::GetMenu(Form.Handle()), Bar->Handle());
  HMENU bar = Bar->Handle();
  Form.DestroyHandle();
  EXPECT_TRUE(::IsMenu(bar));
  Form.Show();
  EXPECT_EQ(::GetMenu(Form.Handle()), bar);
  Form.SetMenu(nullptr);
  EXPECT_EQ(::GetMenu(Form.Handle()), nullptr);
  EXPECT_EQ(Bar->Form(), nullptr);
}

TEST_F(Menus, DestroyingTheMenuTakesItOffTheForm) {
  BuildMenuBar(Form);
  Form.SetMenu(Bar);
  Form.Show();
  delete Bar;
  EXPECT_EQ(Form.Menu(), nullptr);
  EXPECT_EQ(::GetMenu(Form.Handle()), nullptr);
}

TEST_F(Menus, MenuCommandClicksTheEnabledItemOnly) {
  BuildMenuBar(Form);
  Form.SetMenu(Bar);
  int saves = 0;
  int news = 0;
  Save->OnClick = [&](TComponent* sender) {
    EXPECT_EQ(sender, Save);
    ++saves;
  };
  New->OnClick = [&](TComponent*) { ++news; };
  New->SetEnabled(false);
  Form.Show();
  ::SendMessageW(Form.Handle(), WM_COMMAND, MAKEWPARAM(Save->Command(), 0), 0);
  ::SendMessageW(Form.Handle(), WM_COMMAND, MAKEWPARAM(New->Command(), 0), 0);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(news, 0);
}

TEST_F(Menus, ShortCutKeyOnTheFormClicksTheItem) {
  BuildMenuBar(Form);
  Save->SetShortCut(VK_F5);
  Form.SetMenu(Bar);
  int saves = 0;
  Save->OnClick = [&](TComponent*) { ++saves; };
  Form.Show();
  ::PostMessageW(Form.Handle(), WM_KEYDOWN, VK_F5, 0);
  UiApplication().ProcessMessages();
  EXPECT_EQ(saves, 1);
}

TEST_F(Menus, OwnerDrawnItemsAreMeasuredWithAProposalTheHandlerAdjusts) {
  BuildMenuBar(Form);
  Bar->SetOwnerDraw(true);
  Form.SetMenu(Bar);
  Form.Show();
  const SIZE plain = SendMeasureItem(New);
  const SIZE withShortCut = SendMeasureItem(Save);
  EXPECT_GT(plain.cx, 0);
  EXPECT_GT(plain.cy, 0);
  EXPECT_GT(withShortCut.cx, plain.cx);  // "Salvar" and "Ctrl+S"
  EXPECT_EQ(SendMeasureItem(Line).cy, 5);
  int proposedWidth = 0;
  New->OnMeasureItem = [&](TComponent*, TCanvas&, int& width, int& height) {
    proposedWidth = width;
    width += 74;
    height += 5;
  };
  const SIZE adjusted = SendMeasureItem(New);
  EXPECT_EQ(proposedWidth, plain.cx);
  EXPECT_EQ(adjusted.cx, plain.cx + 74);
  EXPECT_EQ(adjusted.cy, plain.cy + 5);
}

TEST_F(Menus, AcceleratorOfAnOwnerDrawnItemIsFoundByItsCaption) {
  BuildMenuBar(Form);
  Bar->SetOwnerDraw(true);
  Form.SetMenu(Bar);
  Form.Show();
  HMENU file = ::GetSubMenu(Bar->Handle(), 0);
  const auto menuChar = [&](wchar_t key) {
    return ::SendMessageW(Form.Handle(), WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP),
                          reinterpret_cast<LPARAM>(file));
  };
  EXPECT_EQ(menuChar(L's'), MAKELRESULT(2, MNC_EXECUTE));
  EXPECT_EQ(HIWORD(menuChar(L'x')), MNC_IGNORE);
  Save->SetEnabled(false);
  EXPECT_EQ(HIWORD(menuChar(L's')), MNC_IGNORE);
}

TEST_F(Menus, OwnerDrawnItemIsDrawnByItsHandlerWithTheState) {
  BuildMenuBar(Form);
  Bar->SetOwnerDraw(true);
  Form.Show();
  TOwnerDrawState seen;
  RECT seenRect{};
  Save->OnDrawItem = [&](TComponent*, TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
    seen = state;
    seenRect = rect;
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(rect);
  };
  TBitmap bitmap(60, 20);
  SendDrawItem(Save, bitmap, ODS_SELECTED | ODS_HOTLIGHT);
  EXPECT_TRUE(seen.Contains(M::odSelected));
  EXPECT_TRUE(seen.Contains(M::odHotLight));
  EXPECT_FALSE(seen.Contains(M::odDisabled));
  EXPECT_EQ(seenRect.right, 60);
  EXPECT_EQ(bitmap.Pixel(30, 10), clLime);
}

TEST_F(Menus, DefaultDrawingShowsThePictureWithoutItsMaskColour) {
  BuildMenuBar(Form);
  TImageList images(nullptr);
  images.SetSize(4, 4);
  TBitmap picture(4, 4);
  FillPicture(picture, 0, clRed);
  images.AddMasked(picture, clFuchsia);
  Bar->SetImages(&images);
  EXPECT_TRUE(Bar->IsOwnerDraw());
  New->SetImageIndex(0);
  Form.Show();
  TBitmap bitmap(120, 24);
  SendDrawItem(New, bitmap, 0);
  // The icon column is 24 pixels wide (16 + 8): the picture sits at (10, 10)..(13, 13).
  EXPECT_EQ(bitmap.Pixel(12, 11), clRed);
  const COLORREF menu = ::GetSysColor(COLOR_MENU);
  EXPECT_EQ(bitmap.Pixel(10, 11), RgbColor(GetRValue(menu), GetGValue(menu), GetBValue(menu)));
  Bar->SetImages(nullptr);
}

TEST_F(Menus, ImageListsDestroyedFirstAreForgotten) {
  BuildMenuBar(Form);
  auto* menuImages = new TImageList(nullptr);
  auto* fileImages = new TImageList(nullptr);
  Bar->SetImages(menuImages);
  File->SetSubMenuImages(fileImages);
  Bar->Handle();
  delete menuImages;
  delete fileImages;
  EXPECT_EQ(Bar->Images(), nullptr);
  EXPECT_EQ(File->SubMenuImages(), nullptr);
  EXPECT_FALSE(Bar->IsOwnerDraw());
  EXPECT_EQ(Save->ImageList(), nullptr);
}

TEST_F(Menus, SubMenuImagesServeTheSubItems) {
  BuildMenuBar(Form);
  TImageList menuImages(nullptr);
  TImageList fileImages(nullptr);
  Bar->SetImages(&menuImages);
  File->SetSubMenuImages(&fileImages);
  EXPECT_EQ(Save->ImageList(), &fileImages);
  EXPECT_EQ(Help->ImageList(), &menuImages);
  EXPECT_FALSE(Save->HasImage());  // no picture at its index
  Bar->SetImages(nullptr);
  File->SetSubMenuImages(nullptr);
}

TEST_F(Menus, OwnerDrawnMenuBarIsDrawnOnTheWindow) {
  BuildMenuBar(Form);
  Bar->SetOwnerDraw(true);
  int drawn = 0;
  Help->OnDrawItem = [&](TComponent*, TCanvas& canvas, const RECT& rect, TOwnerDrawState) {
    ++drawn;
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(rect);
  };
  Form.SetMenu(Bar);
  Form.Show();
  ::DrawMenuBar(Form.Handle());
  ::UpdateWindow(Form.Handle());
  UiApplication().ProcessMessages();
  EXPECT_GT(drawn, 0);
  MENUBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetMenuBarInfo(Form.Handle(), OBJID_MENU, 2, &info));
  TWindowDC screen(nullptr);
  const int x = (info.rcBar.left + info.rcBar.right) / 2;
  const int y = (info.rcBar.top + info.rcBar.bottom) / 2;
  EXPECT_EQ(::GetPixel(screen.Get(), x, y), RGB(0, 255, 0));
}

TEST_F(Menus, PopupMenuClicksTheChosenItem) {
  auto* popup = new TPopupMenu(&Form);
  TMenuItem* first = AddItem(popup->Items(), L"&Copiar");
  AddItem(popup->Items(), L"C&olar");
  popup->SetOwnerDraw(true);
  int clicks = 0;
  int draws = 0;
  first->OnClick = [&](TComponent*) { ++clicks; };
  first->OnDrawItem = [&](TComponent*, TCanvas& canvas, const RECT& rect, TOwnerDrawState) {
    ++draws;
    canvas.FillRect(rect);
  };
  Form.Show();
  std::atomic<bool> stop{false};
  std::thread chooser([&] {
    // The open menu is a window of class "#32768"; keys posted to it drive its loop.
    HWND menu = nullptr;
    for (int i = 0; i < 500 && menu == nullptr && !stop; ++i) {
      menu = ::FindWindowW(L"#32768", nullptr);
      if (menu == nullptr || !::IsWindowVisible(menu)) {
        menu = nullptr;
        ::Sleep(10);
      }
    }
    if (menu == nullptr) return;
    ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  });
  popup->Popup(60, 60);
  stop = true;
  chooser.join();
  EXPECT_EQ(clicks, 1);
  EXPECT_GT(draws, 0);
}

TEST_F(Menus, PopupMenuWithoutAFormIsRefused) {
  TPopupMenu popup(nullptr);
  AddItem(popup.Items(), L"x");
  ASSERT_EQ(Screen().ActiveForm(), nullptr);
  EXPECT_THROW(popup.Popup(0, 0), EInvalidOperation);
}
