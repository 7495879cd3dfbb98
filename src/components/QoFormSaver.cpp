#include "components/QoFormSaver.h"

#include <typeinfo>

#include "core/ClassName.h"

namespace {

TForm* OwnerForm(TComponent* owner) {
  auto* form = dynamic_cast<TForm*>(owner);
  if (form == nullptr) throw EInvalidOperation(L"The form saver's owner must be a form");
  return form;
}

class TFormTarget : public TFormPlacementTarget {
 public:
  explicit TFormTarget(TForm& form) : FForm(form) {}
  void SetWidth(int value) override { FForm.SetWidth(value); }
  void SetHeight(int value) override { FForm.SetHeight(value); }
  void SetLeft(int value) override { FForm.SetLeft(value); }
  void SetTop(int value) override { FForm.SetTop(value); }
  void SetWindowState(TWindowState value) override { FForm.SetWindowState(value); }

 private:
  TForm& FForm;
};

}  // namespace

TQoFormSaver::TQoFormSaver(TComponent* owner) : TComponent(owner), FOwnerForm(OwnerForm(owner)) {
  RememberFormName();
}

TQoFormSaver::~TQoFormSaver() {
  BeginDestroy();
  if (!FSaved && !Designing() && !FOwnerForm->Destroying()) SaveForm();
}

void TQoFormSaver::RememberFormName() {
  if (!FOwnerForm->Destroying()) FFormName = ClassNameOf(typeid(*FOwnerForm));
}

void TQoFormSaver::SetAllowMaximize(bool value) {
  FAllowMaximize = value;
  TBorderIcons icons = FOwnerForm->BorderIcons();
  FOwnerForm->SetBorderIcons(value ? icons.Include(TBorderIcon::biMaximize)
                                   : icons.Exclude(TBorderIcon::biMaximize));
}

void TQoFormSaver::SetAllowMinimize(bool value) {
  FAllowMinimize = value;
  TBorderIcons icons = FOwnerForm->BorderIcons();
  FOwnerForm->SetBorderIcons(value ? icons.Include(TBorderIcon::biMinimize)
                                   : icons.Exclude(TBorderIcon::biMinimize));
}

void TQoFormSaver::SetKey(const String& value) {
  FKey = value.empty() ? kDefaultKey : value;
}

void TQoFormSaver::ApplyConstraint(void (TSizeConstraints::*setter)(int), uint16_t value) {
  TSizeConstraints constraints = FOwnerForm->Constraints();
  (constraints.*setter)(value);
  FOwnerForm->SetConstraints(constraints);
  CopyConstraintsBack();
}

void TQoFormSaver::CopyConstraintsBack() {
  const TSizeConstraints& c = FOwnerForm->Constraints();
  FMaxHeight = static_cast<uint16_t>(c.MaxHeight());
  FMaxWidth = static_cast<uint16_t>(c.MaxWidth());
  FMinHeight = static_cast<uint16_t>(c.MinHeight());
  FMinWidth = static_cast<uint16_t>(c.MinWidth());
}

void TQoFormSaver::SetMaxHeight(uint16_t value) {
  ApplyConstraint(&TSizeConstraints::SetMaxHeight, value);
}

void TQoFormSaver::SetMaxWidth(uint16_t value) {
  ApplyConstraint(&TSizeConstraints::SetMaxWidth, value);
}

void TQoFormSaver::SetMinHeight(uint16_t value) {
  ApplyConstraint(&TSizeConstraints::SetMinHeight, value);
}

void TQoFormSaver::SetMinWidth(uint16_t value) {
  ApplyConstraint(&TSizeConstraints::SetMinWidth, value);
}

String TQoFormSaver::EffectiveKey() const {
  return FormSaverEffectiveKey(FKey, Designing() ? FApplicationName : UiApplication().Title());
}

String TQoFormSaver::GetFormName() const {
  return FormSaverValueName(FFormName);
}

TQoFormSaverStore TQoFormSaver::Store() const {
  return TQoFormSaverStore(FRootKey, EffectiveKey());
}

bool TQoFormSaver::HasStoredInfo() const {
  return Store().Read(GetFormName()).has_value();
}

TQoFormRecord TQoFormSaver::CurrentRecord() const {
  return TQoFormRecord{FOwnerForm->Left(), FOwnerForm->Top(), FOwnerForm->Width(),
                       FOwnerForm->Height(), FOwnerForm->WindowState()};
}

void TQoFormSaver::RestoreForm() {
  const auto stored = Store().Read(GetFormName());
  if (!stored) return;
  TFormTarget target(*FOwnerForm);
  ApplyFormRecord(*stored, TRestoreOptions{FSaveSize, FSaveLocation, FSaveState},
                  UiApplication().MainForm() != nullptr, target);
}

void TQoFormSaver::SaveForm() {
  TQoFormSaverStore store = Store();
  const TQoFormRecord current = CurrentRecord();
  const auto stored =
      current.State == TWindowState::wsNormal ? std::nullopt : store.Read(GetFormName());
  store.Write(GetFormName(), RecordToSave(current, stored));
}

void TQoFormSaver::CenterForm() {
  const TCenteredPosition p = CenteredOnDesktop(::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                                ::GetSystemMetrics(SM_CYVIRTUALSCREEN),
                                                FOwnerForm->Width(), FOwnerForm->Height());
  FOwnerForm->SetLeft(p.Left);
  FOwnerForm->SetTop(p.Top);
}

void TQoFormSaver::EraseValue() {
  Store().EraseValue(GetFormName());
}

void TQoFormSaver::EraseKey() {
  Store().EraseKey();
}

void TQoFormSaver::Loaded() {
  TComponent::Loaded();
  RememberFormName();
  if (!Designing()) RestoreForm();
}

void TQoFormSaver::OwnerDestroying() {
  if (FSaved || Designing()) return;
  FSaved = true;
  SaveForm();
}
