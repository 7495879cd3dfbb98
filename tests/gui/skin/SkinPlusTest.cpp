#include <memory>

#include "SkinFixture.h"
#include "ui/ExtCtrls.h"

namespace {

class SkinPlus : public SkinTest {
 protected:
  SkinPlus() {
    Label = new TLabel(&Form);
    Label->SetParent(&Form);
    Label->SetCaption(L"Label");
    Edit = new TEdit(&Form);
    Edit->SetParent(&Form);
    Panel = new TPanel(&Form);
    Panel->SetParent(&Form);
    Inner = new TButton(&Form);
    Inner->SetParent(Panel);
  }
  int HookCount() const {
    int count = 0;
    for (int i = 0; i < Skin->ComponentCount(); ++i)
      count += dynamic_cast<THookWindowProc*>(Skin->Components(i)) != nullptr ? 1 : 0;
    return count;
  }
  TLabel* Label = nullptr;
  TEdit* Edit = nullptr;
  TPanel* Panel = nullptr;
  TButton* Inner = nullptr;
};

// Makes a form the application's main form for the life of the object.
class TMainFormScope {
 public:
  explicit TMainFormScope(TForm* form) : FOld(UiApplication().MainForm()) {
    UiApplication().SetMainForm(form);
  }
  ~TMainFormScope() { UiApplication().SetMainForm(FOld); }
  TMainFormScope(const TMainFormScope&) = delete;
  TMainFormScope& operator=(const TMainFormScope&) = delete;

 private:
  TForm* FOld;
};

}  // namespace

TEST_F(SkinPlus, LoadingMakesTheSchemeCurrentAndColoursTheForm) {
  Skin->Loaded();
  EXPECT_EQ(CurrentSkinColors(), Colors);
  EXPECT_EQ(Form.Color(), Rgb(235, 235, 235));
}

TEST_F(SkinPlus, TakesOverRecognisedControlsAtEveryDepth) {
  Skin->Loaded();
  EXPECT_TRUE(THookWindowProc::IsTakenOver(*Edit));
  EXPECT_TRUE(THookWindowProc::IsTakenOver(*Inner));
  EXPECT_FALSE(THookWindowProc::IsTakenOver(*Panel));
  EXPECT_EQ(HookCount(), 2);
}

TEST_F(SkinPlus, InitControlsTwiceTakesNoControlOverTwice) {
  Skin->InitControls(&Form);
  Skin->InitControls(&Form);
  EXPECT_EQ(HookCount(), 2);
}

TEST_F(SkinPlus, LabelInWindowTextTakesTheLabelColour) {
  Colors->Labels().Text = Rgb(1, 2, 3);
  auto* red = new TLabel(&Form);
  red->SetParent(&Form);
  red->Font().SetColor(clRed);
  Skin->InitControls(&Form);
  EXPECT_EQ(Label->Font().Color(), Rgb(1, 2, 3));
  EXPECT_EQ(red->Font().Color(), clRed);
}

TEST_F(SkinPlus, LabelColourNoneLeavesLabelsAlone) {
  Colors->Labels().Text = clNone;
  Skin->InitControls(&Form);
  EXPECT_EQ(Label->Font().Color(), clWindowText);
}

TEST_F(SkinPlus, EditInTheWindowColoursTakesTheEditColours) {
  Colors->Edit().Face = Rgb(250, 250, 200);
  Colors->Edit().Text = Rgb(0, 0, 90);
  Skin->InitControls(&Form);
  EXPECT_EQ(Edit->Color(), Rgb(250, 250, 200));
  EXPECT_EQ(Edit->Font().Color(), Rgb(0, 0, 90));
}

TEST_F(SkinPlus, EditWithItsOwnColoursKeepsThem) {
  Colors->Edit().Face = Rgb(250, 250, 200);
  Edit->SetColor(Rgb(7, 8, 9));
  Edit->Font().SetColor(clGreen);
  Skin->InitControls(&Form);
  EXPECT_EQ(Edit->Color(), Rgb(7, 8, 9));
  EXPECT_EQ(Edit->Font().Color(), clGreen);
}

TEST_F(SkinPlus, EditInTheResolvedWindowColourCountsAsWindowColoured) {
  Colors->Edit().Face = Rgb(250, 250, 200);
  Edit->SetColor(ColorToRGB(clWindow));  // explicit, but the same colour as the system's
  Skin->InitControls(&Form);
  EXPECT_EQ(Edit->Color(), Rgb(250, 250, 200));
}

TEST_F(SkinPlus, SkippedFormKeepsItsColourButItsControlsAreVisited) {
  Skin->SetSkipTag(7);
  Form.SetTag(7);
  Skin->Loaded();
  EXPECT_EQ(Form.Color(), Rgb(200, 210, 220));
  EXPECT_TRUE(THookWindowProc::IsTakenOver(*Edit));
}

TEST_F(SkinPlus, SkippedControlIsLeftAloneWithEverythingInside) {
  Skin->SetSkipTag(7);
  Panel->SetTag(7);
  Edit->SetTag(7);
  Skin->Loaded();
  EXPECT_FALSE(THookWindowProc::IsTakenOver(*Edit));
  EXPECT_FALSE(THookWindowProc::IsTakenOver(*Inner));
}

TEST_F(SkinPlus, FormColourNoneLeavesFormsAsDesigned) {
  Colors->Form().Face = clNone;
  Skin->Loaded();
  EXPECT_EQ(Form.Color(), Rgb(200, 210, 220));
}

TEST_F(SkinPlus, AFormCreatedLaterWaitsForItsFirstActivation) {
  Form.Show();
  Skin->Loaded();
  auto dialog = std::make_unique<TForm>(nullptr);
  auto* button = new TButton(dialog.get());
  button->SetParent(dialog.get());
  ASSERT_EQ(Skin->FormList().size(), 1u);
  EXPECT_EQ(Skin->FormList()[0], dialog.get());
  EXPECT_FALSE(THookWindowProc::IsTakenOver(*button));
  dialog->Show();  // activation: the full treatment
  EXPECT_TRUE(Skin->FormList().empty());
  EXPECT_EQ(dialog->Color(), Rgb(235, 235, 235));
  EXPECT_TRUE(THookWindowProc::IsTakenOver(*button));
}

TEST_F(SkinPlus, AFormDestroyedBeforeActivationIsNeverTouched) {
  Skin->Loaded();
  auto dialog = std::make_unique<TForm>(nullptr);
  EXPECT_EQ(Skin->FormList().size(), 1u);
  EXPECT_EQ(Skin->FormMenuList().size(), 1u);
  dialog.reset();
  EXPECT_TRUE(Skin->FormList().empty());
  EXPECT_TRUE(Skin->FormMenuList().empty());
}

TEST_F(SkinPlus, AnInactiveSkinListsNoNewForms) {
  Skin->SetActive(false);
  TForm dialog(nullptr);
  EXPECT_TRUE(Skin->FormList().empty());
}

TEST_F(SkinPlus, AMessageToTheMainWindowColoursWaitingForms) {
  TMainFormScope main(&Form);
  Form.Show();
  Skin->Loaded();
  TForm dialog(nullptr);
  dialog.SetColor(clBtnFace);
  ::SendMessageW(Form.Handle(), WM_NULL, 0, 0);
  EXPECT_TRUE(Skin->FormMenuList().empty());
  EXPECT_EQ(dialog.Color(), Rgb(235, 235, 235));
  EXPECT_EQ(Skin->FormList().size(), 1u);  // the controls wait for the activation
}

TEST(SkinPlusChain, ThePreviousActiveFormChangeHandlerRunsFirstAndIsPutBack) {
  std::vector<String> calls;
  Screen().OnActiveFormChange = [&](TComponent*) { calls.push_back(L"previous"); };
  {
    TForm owner(nullptr);
    auto* skin = new TQoSkinPlus(&owner);
    skin->Loaded();
    TForm dialog(nullptr);
    ASSERT_EQ(skin->FormList().size(), 1u);
    dialog.Show();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0], L"previous");
    EXPECT_TRUE(skin->FormList().empty());
  }
  calls.clear();
  TForm after(nullptr);
  after.Show();
  EXPECT_FALSE(calls.empty());
  Screen().OnActiveFormChange = nullptr;
}

// Two wizards at once, the first closed first: the later skin must stay in the chain, and once
// both are gone the screen must call the original handler, not a destroyed skin.
TEST(SkinPlusChain, ASkinDestroyedBeforeALaterOneLeavesTheChainWhole) {
  int previousCalls = 0;
  Screen().OnActiveFormChange = [&](TComponent*) { ++previousCalls; };
  {
    auto firstOwner = std::make_unique<TForm>(nullptr);
    new TQoSkinPlus(firstOwner.get());
    TForm secondOwner(nullptr);
    auto* second = new TQoSkinPlus(&secondOwner);
    second->Loaded();
    firstOwner.reset();
    TForm dialog(nullptr);
    ASSERT_EQ(second->FormList().size(), 1u);
    dialog.Show();
    EXPECT_GE(previousCalls, 1);
    EXPECT_TRUE(second->FormList().empty());  // the later skin still hears the activation
  }
  previousCalls = 0;
  TForm after(nullptr);
  after.Show();
  EXPECT_GE(previousCalls, 1);
  Screen().OnActiveFormChange = nullptr;
}

TEST(SkinPlusActive, SwitchingOnAtRunTimeAppliesTheSchemeToEveryForm) {
  TForm owner(nullptr);
  TForm other(nullptr);
  auto* skin = new TQoSkinPlus(&owner);
  skin->SetActive(false);
  skin->Colors().Form().Face = RgbColor(1, 2, 3);
  skin->SetActive(true);
  EXPECT_EQ(CurrentSkinColors(), &skin->Colors());
  EXPECT_EQ(owner.Color(), RgbColor(1, 2, 3));
  EXPECT_EQ(other.Color(), RgbColor(1, 2, 3));
}

TEST(SkinPlusActive, TheLastSkinMadeCurrentWinsAndADestroyedOneLeavesNone) {
  TForm owner(nullptr);
  auto* first = new TQoSkinPlus(&owner);
  auto* second = new TQoSkinPlus(&owner);
  first->Loaded();
  second->Loaded();
  EXPECT_EQ(CurrentSkinColors(), &second->Colors());
  delete second;
  EXPECT_EQ(CurrentSkinColors(), nullptr);
  delete first;
}
