#include "components/skin/QoSkinPlus.h"

#include <algorithm>

#include "components/skin/HookWindowProc.h"
#include "components/skin/SkinMenus.h"
#include "ui/StdCtrls.h"

namespace {

bool SameResolved(TColor a, TColor b) {
  return ColorToRGB(a) == ColorToRGB(b);
}

void Remove(std::vector<TForm*>& list, const TComponent* form) {
  list.erase(std::remove(list.begin(), list.end(), form), list.end());
}

// Takes the first form off a waiting list.
TForm* TakeFirst(std::vector<TForm*>& list) {
  TForm* form = list.front();
  list.erase(list.begin());
  return form;
}

}  // namespace

TQoSkinPlus::TQoSkinPlus(TComponent* owner)
    : TComponent(owner), FColors(std::make_unique<TQoSkinColors>()) {
  FOldNotifyFormChange = Screen().OnActiveFormChange;
  Screen().OnActiveFormChange = TFormChangeLink{this};
  FMainWindowHook = UiApplication().HookMainWindow([this](TMessage&) {
    MainWindowMessage();
    return false;
  });
}

TQoSkinPlus::~TQoSkinPlus() {
  BeginDestroy();
  UiApplication().UnhookMainWindow(FMainWindowHook);
  if (!Designing()) LeaveFormChangeChain();
  if (CurrentSkinColors() == FColors.get()) SetCurrentSkinColors(nullptr);
}

TQoSkinPlus* TQoSkinPlus::SkinOf(const TNotifyEvent& handler) {
  const auto* link = handler.target<TFormChangeLink>();
  return link != nullptr ? link->Skin : nullptr;
}

// At the head of the chain the skin puts the previous handler back. A skin further down (a later
// skin chained to it) is cut out instead: the skin after it takes over its previous handler.
// Putting the previous handler back there would drop the later skins from the chain and leave the
// screen calling this one once they are gone.
void TQoSkinPlus::LeaveFormChangeChain() {
  TNotifyEvent* link = &Screen().OnActiveFormChange;
  for (TQoSkinPlus* skin = SkinOf(*link); skin != nullptr && skin != this; skin = SkinOf(*link))
    link = &skin->FOldNotifyFormChange;
  if (SkinOf(*link) != this) link = &Screen().OnActiveFormChange;  // not found: the head
  *link = FOldNotifyFormChange;
}

void TQoSkinPlus::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (!value || Loading() || Designing()) return;
  SetCurrentSkinColors(FColors.get());
  ApplyToAllForms();
}

void TQoSkinPlus::Loaded() {
  TComponent::Loaded();
  SetCurrentSkinColors(FColors.get());
  if (FActive) ApplyToAllForms();
}

bool TQoSkinPlus::Skipped(const TComponent& component) const {
  return FSkipTag != 0 && component.Tag() == FSkipTag;
}

void TQoSkinPlus::InitForm(TForm* form) {
  const TColor face = FColors->Form().Face;
  if (face == clNone || Skipped(*form)) return;
  form->SetColor(face);
}

void TQoSkinPlus::InitControls(TWinControl* winCtl) {
  for (int i = 0; i < winCtl->ControlCount(); ++i) {
    TControl* control = winCtl->Controls(i);
    if (Skipped(*control)) continue;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed == nullptr || !THookWindowProc::IsTakenOver(*windowed)) {
      TakeOver(*control);
      control->Invalidate();
    }
    if (windowed != nullptr && windowed->ControlCount() > 0) InitControls(windowed);
  }
}

void TQoSkinPlus::InitMenus(TComponent* owner) {
  SkinInitMenus(*owner, FSkipTag);
}

void TQoSkinPlus::TakeOver(TControl& control) {
  const std::optional<TSkinKind> kind = SkinKindOf(control);
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!kind || windowed == nullptr) {
    const TColor labelText = FColors->Labels().Text;
    if (dynamic_cast<TCustomLabel*>(&control) != nullptr && labelText != clNone &&
        SameResolved(control.Font().Color(), clWindowText))
      control.Font().SetColor(labelText);
    return;
  }
  new THookWindowProc(this, *windowed, *kind);
  if (!IsEditLikeKind(*kind)) return;
  const TQoEditColors& edit = FColors->Edit();
  if (edit.Face != clNone && SameResolved(control.Color(), clWindow)) control.SetColor(edit.Face);
  if (edit.Text != clNone && SameResolved(control.Font().Color(), clWindowText))
    control.Font().SetColor(edit.Text);
}

void TQoSkinPlus::ApplyToAllForms() {
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm* form = Screen().Forms(i);
    InitForm(form);
    InitControls(form);
    InitMenus(form);
  }
}

void TQoSkinPlus::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  auto* form = dynamic_cast<TForm*>(component);
  if (operation == TOperation::opRemove) {
    Remove(FFormList, component);
    Remove(FFormMenuList, component);
  } else if (form != nullptr && FActive && !Destroying()) {
    FFormList.push_back(form);
    FFormMenuList.push_back(form);
  }
}

void TQoSkinPlus::ActiveFormChange(TComponent* sender) {
  if (FOldNotifyFormChange) FOldNotifyFormChange(sender);
  while (!FFormList.empty()) {
    TForm* form = TakeFirst(FFormList);
    InitForm(form);
    InitMenus(form);
    InitControls(form);
  }
}

void TQoSkinPlus::MainWindowMessage() {
  if (Destroying()) return;
  while (!FFormMenuList.empty()) {
    TForm* form = TakeFirst(FFormMenuList);
    InitForm(form);
    InitMenus(form);
  }
}
