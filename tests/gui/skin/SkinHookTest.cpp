#include <stdexcept>

#include "SkinFixture.h"

namespace {

class SkinHook : public SkinTest {
 protected:
  SkinHook() {
    Button = new TButton(&Form);
    Button->SetParent(&Form);
    Button->SetBounds(10, 10, 100, 25);
  }
  TButton* Button = nullptr;
};

}  // namespace

TEST_F(SkinHook, TheControlsOwnHandlingStillRuns) {
  int clicks = 0;
  Button->OnClick = [&](TComponent*) { ++clicks; };
  ShowSkinned();
  ::SendMessageW(Button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  Button->SetCaption(L"New");
  EXPECT_EQ(Button->Caption(), L"New");
}

TEST_F(SkinHook, AnExceptionWhileAHandledMessageIsProcessedIsDiscarded) {
  const TWndMethod own = Button->WindowProc();
  Button->SetWindowProc([own](TMessage& message) {
    if (message.Msg == CM_TEXTCHANGED) throw std::runtime_error("control failed");
    own(message);
  });
  ShowSkinned();
  EXPECT_NO_THROW(Button->Perform(CM_TEXTCHANGED));
  MouseEnter(*Button);  // and the hook goes on working
  EXPECT_TRUE(HookOf(*Button)->MouseOver());
}

TEST_F(SkinHook, AnExceptionOfAnUnhandledMessagePassesOn) {
  const TWndMethod own = Button->WindowProc();
  Button->SetWindowProc([own](TMessage& message) {
    if (message.Msg == WM_APP) throw std::runtime_error("control failed");
    own(message);
  });
  ShowSkinned();
  EXPECT_THROW(Button->Perform(WM_APP), std::runtime_error);
}

TEST_F(SkinHook, DestroyingTheControlFreesItsHook) {
  ShowSkinned();
  ASSERT_NE(HookOf(*Button), nullptr);
  const int before = Skin->ComponentCount();
  delete Button;
  EXPECT_EQ(Skin->ComponentCount(), before - 1);
}

TEST_F(SkinHook, DestroyingTheSkinGivesTheControlItsOwnHandlerBack) {
  ShowSkinned();
  ASSERT_TRUE(THookWindowProc::IsTakenOver(*Button));
  delete Skin;
  EXPECT_FALSE(THookWindowProc::IsTakenOver(*Button));
  ::SendMessageW(Button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));  // nothing left to call
  Button->SetCaption(L"Still works");
  EXPECT_EQ(Button->Caption(), L"Still works");
}

TEST_F(SkinHook, AWrapperOverTheHookKeepsWorkingWhenTheSkinGoes) {
  ShowSkinned();
  int seen = 0;
  const TWndMethod hooked = Button->WindowProc();
  Button->SetWindowProc([hooked, &seen](TMessage& message) {
    ++seen;
    hooked(message);
  });
  delete Skin;
  Button->SetCaption(L"Passed on");
  EXPECT_GT(seen, 0);
  EXPECT_EQ(Button->Caption(), L"Passed on");
}

TEST_F(SkinHook, AControlTakenOverAgainStartsWithClearFlags) {
  ShowSkinned();
  MouseEnter(*Button);
  Send(*Button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  Send(*Button, WM_KEYDOWN, VK_SPACE, 0);
  ASSERT_TRUE(HookOf(*Button)->MouseOver());
  delete HookOf(*Button);
  EXPECT_FALSE(THookWindowProc::IsTakenOver(*Button));
  Skin->InitControls(&Form);
  THookWindowProc* hook = HookOf(*Button);
  ASSERT_NE(hook, nullptr);
  EXPECT_FALSE(hook->MouseOver());
  EXPECT_FALSE(hook->LButtonDown());
  EXPECT_FALSE(hook->Pressed());
  Send(*Button, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
}

TEST_F(SkinHook, StateIsTestedDisabledPressedHotNormal) {
  EXPECT_EQ(SkinStateOf(false, true, true, true), TSkinState::Disabled);
  EXPECT_EQ(SkinStateOf(true, true, true, false), TSkinState::Pressed);
  EXPECT_EQ(SkinStateOf(true, false, false, true), TSkinState::Pressed);
  EXPECT_EQ(SkinStateOf(true, true, false, false), TSkinState::Normal);
  EXPECT_EQ(SkinStateOf(true, false, true, false), TSkinState::Hot);
  EXPECT_EQ(SkinStateOf(true, false, false, false), TSkinState::Normal);
}
