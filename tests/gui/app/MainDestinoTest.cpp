// The destination page's Change button: the folder dialog opens on the destination (or "C:\"
// when it does not exist), Cancel changes nothing, and a confirmed folder becomes the destination
// with the focus on Next. With QRV_SCREENSHOT set to a file, the screen with the dialog over the
// wizard is saved there as a BMP.
#include "WizardFixture.h"

#include <cstdlib>
#include <fstream>

#include "WindowDriver.h"
#include "components/ExSelectFolder.h"
#include "components/FrmExSelFolder.h"

namespace {

enum { kDestination = 2 };

String WindowText(HWND window) {
  wchar_t text[1024] = {};
  ::SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

String ShownPath() {
  return WindowText(TFrmExSelFolder::Shared().EdtCaminho->Handle());
}

// The whole screen as 32-bit pixels, top row first.
struct TScreenShot {
  int Width = ::GetSystemMetrics(SM_CXSCREEN);
  int Height = ::GetSystemMetrics(SM_CYSCREEN);
  std::vector<uint32_t> Pixels;

  TScreenShot() : Pixels(static_cast<size_t>(Width) * Height) {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, Width, Height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, Width, Height, screen, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB};
    ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(Height), Pixels.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
  }
  TColor Pixel(int x, int y) const {
    const uint32_t bgr = Pixels[static_cast<size_t>(y) * Width + x];
    return RgbColor((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  void SaveBmp(const char* path) const {
    const uint32_t bytes = static_cast<uint32_t>(Pixels.size() * 4);
    BITMAPFILEHEADER file{0x4D42, 54 + bytes, 0, 0, 54};
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), 14);
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(Pixels.data()), bytes);
  }
};

TEST_F(WizardWindow, ChangeOpensOnCWhenTheDestinationDoesNotExist) {
  OpenAt(kDestination);
  ASSERT_FALSE(platform::DirectoryExists(Form().LabCaminho->Caption()));
  const String before = Form().LabCaminho->Caption();
  Form().BtnAlterar->SetFocus();
  String shown;
  TWindowDriver driver(L"Selecionar Pasta", [&shown](HWND) {
    shown = ShownPath();
    ::SendMessageW(TFrmExSelFolder::Shared().BtnCancelar->Handle(), BM_CLICK, 0, 0);
  });
  Click(Form().BtnAlterar);
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(shown, L"C:\\");
  EXPECT_EQ(Form().LabCaminho->Caption(), before);
  EXPECT_TRUE(Form().BtnAlterar->Focused());
}

TEST_F(WizardWindow, AConfirmedFolderBecomesTheDestinationAndNextTakesTheFocus) {
  testing_support::ScratchFolder folder;
  platform::ForceDirectories(folder / L"Destino");
  const String chosen = folder / L"Destino";
  OpenAt(kDestination);
  Form().LabCaminho->SetCaption(chosen);
  String shown;
  TColor dialogBackground = clNone;
  TWindowDriver driver(L"Selecionar Pasta", [&](HWND window) {
    shown = ShownPath();
    RECT r{};
    ::GetWindowRect(window, &r);
    TScreenShot shot;
    POINT client{5, 5};
    ::ClientToScreen(window, &client);
    dialogBackground = shot.Pixel(client.x, client.y);
    if (const char* path = std::getenv("QRV_SCREENSHOT")) shot.SaveBmp(path);
    ::SendMessageW(TFrmExSelFolder::Shared().BtnOk->Handle(), BM_CLICK, 0, 0);
  });
  Click(Form().BtnAlterar);
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(shown, chosen);
  EXPECT_EQ(dialogBackground, RgbColor(245, 245, 245));  // the wizard's skin colours the dialog
  EXPECT_EQ(Form().LabCaminho->Caption(), chosen);
  EXPECT_TRUE(Form().BtnAvancar->Focused());
}

TEST_F(WizardWindow, FolderDialogHasTheWizardsSettings) {
  Open(SetupFile());
  EXPECT_EQ(Form().SelPasta1->Root(), L"rfDesktop");
  EXPECT_EQ(Form().SelPasta1->Caption(), L"Caminho:");
  EXPECT_EQ(Form().SelPasta1->Title(), L"Selecionar Pasta");
  EXPECT_TRUE(Form().SelPasta1->NewFolderVisible());
  EXPECT_EQ(Form().SelPasta1->NewFolderCaption(), L"Criar Pasta");
  EXPECT_EQ(Form().SelPasta1->Font().Name(), L"Segoe UI");
  EXPECT_EQ(Form().SelPasta1->Font().Size(), 9);
}

}  // namespace
