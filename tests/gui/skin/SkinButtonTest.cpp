#include "SkinFixture.h"

namespace {

// A 100 by 25 push button: its glass face is cut at row 13 (rows 0-12 go from Light toward Face,
// rows 13-24 from Face back toward Light), outlined in row and column 0 and 24/99. Row 13 shows
// band 21 of the lower part's 12 rows: Face + (Light' - Face) * 21 / 255, Light' being
// Light + trunc((Face - Light) * 0.55); so the normal face reads (208, 208, 208) there, the hot
// one (174, 220, 247), the pressed one (108, 179, 217).
constexpr TColor NormalFace = Rgb(208, 208, 208);
constexpr TColor HotFace = Rgb(174, 220, 247);
constexpr TColor PressedFace = Rgb(108, 179, 217);
class SkinButton : public SkinTest {
 protected:
  SkinButton() {
    Button = new TButton(&Form);
    Button->SetParent(&Form);
    Button->SetBounds(10, 10, 100, 25);
    Button->SetCaption(L"OK");
    Other = new TButton(&Form);
    Other->SetParent(&Form);
    Other->SetBounds(10, 50, 100, 25);
    Other->SetCaption(L"Other");
  }
  std::unique_ptr<TBitmap> Shot() { return ShotOf(*Button); }
  // Pixels of row 2 inside the focus rectangle's span that differ from the face at column 1:
  // the dotted focus rectangle inverts every other one.
  static int FocusDots(const TBitmap& shot) {
    int dots = 0;
    for (int x = 2; x < 98; ++x) dots += shot.Pixel(x, 2) != shot.Pixel(1, 2) ? 1 : 0;
    return dots;
  }
  TButton* Button = nullptr;
  TButton* Other = nullptr;
};

}  // namespace

TEST_F(SkinButton, NormalFaceIsGlassFromLightToFace) {
  ShowSkinned();
  const auto shot = Shot();
  EXPECT_EQ(shot->Pixel(0, 0), Rgb(60, 127, 177));
  EXPECT_EQ(shot->Pixel(99, 24), Rgb(60, 127, 177));
  EXPECT_EQ(shot->Pixel(5, 13), NormalFace);
  // The upper part ends, in its last row, at band 254 of 252 -> 252 + trunc(-45 * 0.25).
  EXPECT_EQ(shot->Pixel(5, 12), Rgb(242, 242, 242));
  // Row 23 is band 233 of the lower part: 207 -> 252 + trunc(-45 * 0.55) = 228.
  EXPECT_EQ(shot->Pixel(5, 23), Rgb(226, 226, 226));
  EXPECT_GT(CountColor(*shot, RECT{3, 3, 97, 22}, Rgb(26, 24, 38)), 5);  // the caption in Text
}

TEST_F(SkinButton, WizardSchemeGivesBlueButtonsWithWhiteText) {
  TQoButtonColors& c = Colors->Button();
  c.Border = c.Face = c.Light = Rgb(37, 160, 218);
  c.Text = clWhite;
  ShowSkinned();
  const auto shot = Shot();
  EXPECT_EQ(shot->Pixel(0, 0), Rgb(37, 160, 218));
  EXPECT_EQ(shot->Pixel(5, 5), Rgb(37, 160, 218));
  EXPECT_EQ(shot->Pixel(5, 20), Rgb(37, 160, 218));
  EXPECT_GT(CountColor(*shot, RECT{3, 3, 97, 22}, clWhite), 5);
}

TEST_F(SkinButton, MouseOverShowsTheHotFaceAndLeavingTheNormalOne) {
  ShowSkinned();
  MouseEnter(*Button);
  EXPECT_TRUE(HookOf(*Button)->MouseOver());
  EXPECT_EQ(Shot()->Pixel(5, 13), HotFace);
  EXPECT_EQ(Shot()->Pixel(5, 0), Rgb(60, 127, 177));
  Send(*Button, WM_MOUSELEAVE);
  EXPECT_FALSE(HookOf(*Button)->MouseOver());
  EXPECT_EQ(Shot()->Pixel(5, 13), NormalFace);
}

TEST_F(SkinButton, MouseOverRepaintsThatButtonOnly) {
  ShowSkinned();
  ::ValidateRect(Form.Handle(), nullptr);
  ::ValidateRect(Button->Handle(), nullptr);
  ::ValidateRect(Other->Handle(), nullptr);
  MouseEnter(*Button);
  EXPECT_EQ(Shot()->Pixel(5, 13), HotFace);  // painted at once, not invalidated
  EXPECT_FALSE(::GetUpdateRect(Button->Handle(), nullptr, FALSE));
  EXPECT_FALSE(::GetUpdateRect(Other->Handle(), nullptr, FALSE));
  EXPECT_FALSE(::GetUpdateRect(Form.Handle(), nullptr, FALSE));
}

TEST_F(SkinButton, PressedByTheMouseNeedsTheMouseOverIt) {
  ShowSkinned();
  MouseEnter(*Button);
  Send(*Button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Shot()->Pixel(5, 13), PressedFace);
  EXPECT_EQ(Shot()->Pixel(0, 0), Rgb(44, 98, 139));
  Send(*Button, WM_MOUSELEAVE);  // dragged off while held: the normal face
  EXPECT_EQ(Shot()->Pixel(5, 13), NormalFace);
  MouseEnter(*Button);  // and back: pressed again
  EXPECT_EQ(Shot()->Pixel(5, 13), PressedFace);
  Send(*Button, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
  EXPECT_FALSE(HookOf(*Button)->LButtonDown());
  EXPECT_EQ(Shot()->Pixel(5, 13), HotFace);
}

TEST_F(SkinButton, SpaceKeyPressesWithoutTheFocusRectangle) {
  ShowSkinned();
  Button->SetFocus();
  PaintPending();
  EXPECT_GT(FocusDots(*Shot()), 20);
  Send(*Button, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(HookOf(*Button)->Pressed());
  const auto pressed = Shot();
  EXPECT_EQ(pressed->Pixel(5, 13), PressedFace);
  EXPECT_EQ(FocusDots(*pressed), 0);
  Send(*Button, WM_KEYUP, VK_SPACE, 0);
  EXPECT_FALSE(HookOf(*Button)->Pressed());
  const auto released = Shot();
  EXPECT_EQ(released->Pixel(5, 13), NormalFace);
  EXPECT_GT(FocusDots(*released), 20);
}

TEST_F(SkinButton, UnfocusedButtonHasNoFocusRectangle) {
  ShowSkinned();
  Other->SetFocus();
  PaintPending();
  EXPECT_EQ(FocusDots(*Shot()), 0);
}

TEST_F(SkinButton, DisabledButtonIsSolidAndIgnoresTheMouse) {
  Button->SetEnabled(false);
  ShowSkinned();
  MouseEnter(*Button);
  EXPECT_FALSE(HookOf(*Button)->MouseOver());
  const auto shot = Shot();
  EXPECT_EQ(shot->Pixel(5, 3), Rgb(244, 244, 244));
  EXPECT_EQ(shot->Pixel(5, 13), Rgb(244, 244, 244));
  EXPECT_EQ(shot->Pixel(5, 22), Rgb(244, 244, 244));
  EXPECT_EQ(shot->Pixel(0, 0), Rgb(173, 178, 181));
  EXPECT_GT(CountColor(*shot, RECT{3, 3, 97, 22}, Rgb(131, 131, 131)), 5);
  EXPECT_EQ(CountColor(*shot, RECT{3, 3, 97, 22}, Rgb(26, 24, 38)), 0);
}

TEST_F(SkinButton, DisablingClearsTheHotState) {
  ShowSkinned();
  MouseEnter(*Button);
  Button->SetEnabled(false);
  EXPECT_FALSE(HookOf(*Button)->MouseOver());
  EXPECT_EQ(Shot()->Pixel(5, 13), Rgb(244, 244, 244));
}

TEST_F(SkinButton, DefaultButtonHasAnInnerOutlineWhileEnabled) {
  Button->SetDefault(true);
  ShowSkinned();
  EXPECT_EQ(Shot()->Pixel(1, 12), Rgb(129, 163, 241));
  EXPECT_EQ(Shot()->Pixel(50, 1), Rgb(129, 163, 241));
  Button->SetEnabled(false);
  PaintPending();
  EXPECT_EQ(Shot()->Pixel(1, 12), Rgb(244, 244, 244));
}

TEST_F(SkinButton, ButtonWithoutDefaultHasNoInnerOutline) {
  ShowSkinned();
  EXPECT_NE(Shot()->Pixel(1, 12), Rgb(129, 163, 241));
  EXPECT_EQ(Shot()->Pixel(1, 13), NormalFace);
}

TEST_F(SkinButton, ACaptionTooLongEndsInAnEllipsisInsideTheButton) {
  Button->SetCaption(L"A caption far too long for a button of one hundred pixels");
  ShowSkinned();
  const auto shot = Shot();
  // Three pixels either side stay free of text.
  EXPECT_EQ(CountColor(*shot, RECT{1, 3, 3, 22}, Rgb(26, 24, 38)), 0);
  EXPECT_EQ(CountColor(*shot, RECT{97, 3, 99, 22}, Rgb(26, 24, 38)), 0);
  EXPECT_GT(CountColor(*shot, RECT{3, 3, 97, 22}, Rgb(26, 24, 38)), 20);
}

TEST_F(SkinButton, APaintAfterInvalidationShowsTheSkinNotThePlatformLook) {
  ShowSkinned();
  Button->Invalidate();
  PaintPending();
  EXPECT_EQ(Shot()->Pixel(5, 13), NormalFace);
  EXPECT_EQ(Shot()->Pixel(0, 0), Rgb(60, 127, 177));
}
