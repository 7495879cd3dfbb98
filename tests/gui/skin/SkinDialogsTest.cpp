#include "SkinFixture.h"
#include "WindowDriver.h"
#include "components/QoMsgDlg.h"
#include "ui/Dialogs.h"

namespace {

// A skin with the wizard's button colours; each dialog opened while it lives is checked on the
// screen from the helper thread, then answered.
class SkinDialogs : public SkinTest {
 protected:
  SkinDialogs() {
    TQoButtonColors& c = Colors->Button();
    c.Border = c.Face = c.Light = Blue;
    c.Text = clWhite;
    Colors->Form().Face = Rgb(245, 245, 245);
    ShowSkinned();
  }
  // Reads the button's face and the dialog's background, then clicks the button.
  std::function<void(HWND)> InspectAndClick(const String& caption) {
    return [this, caption](HWND window) {
      HWND button = FindButton(window, caption);
      if (button == nullptr) return;
      // Whatever paint is pending is done by the dialog's thread before this returns.
      ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      ButtonFace = PixelOf(button, 5, 5);
      Background = PixelOf(window, 2, 2);
      ::SendMessageW(button, BM_CLICK, 0, 0);
    };
  }
  static TColor PixelOf(HWND window, int x, int y) {
    TWindowDC dc(window);
    return ::GetPixel(dc.Get(), x, y);
  }
  static constexpr TColor Blue = Rgb(37, 160, 218);
  TColor ButtonFace = clNone;
  TColor Background = clNone;
};

}  // namespace

TEST_F(SkinDialogs, TheInputBoxIsSkinnedWhenItShows) {
  TWindowDriver driver(L"Nova pasta", InspectAndClick(L"Cancelar"));
  String value = L"x";
  EXPECT_FALSE(InputQuery(L"Nova pasta", L"Nome:", value));
  ASSERT_TRUE(driver.Done());
  EXPECT_EQ(ButtonFace, Blue);
  EXPECT_EQ(Background, Rgb(245, 245, 245));
}

TEST_F(SkinDialogs, TheMessageDialogIsSkinnedWhenItShows) {
  auto* messages = new TQoMsgDlg(&Form);
  messages->SetTitle(L"Aviso");
  TWindowDriver driver(L"Aviso", InspectAndClick(L"&OK"));
  messages->SetText(L"Mensagem");
  messages->Execute();
  ASSERT_TRUE(driver.Done());
  EXPECT_EQ(ButtonFace, Blue);
  EXPECT_EQ(Background, Rgb(245, 245, 245));
}
