// TQoFormSaver: a non-visual component that remembers its owner form's position, size and window
// state in the registry (one 20-byte binary value per form, QoFormSaverRecord.h). Loaded()
// restores them (outside a designer); they are saved once, when the form is destroyed. It also
// sets the form's size limits, switches its minimize and maximize buttons and centres it on the
// virtual desktop.
//   - The owner must be a form (EInvalidOperation otherwise); the saver manages that form.
//   - The key is RootKey + Key, with the first "[EXENAME]" (any letter case) replaced by the
//     application's title (ApplicationName in a designer); each operation opens it with creation
//     and closes it again. A key that cannot be opened makes HasStoredInfo false: nothing is
//     restored or written and no error is raised. Erasing what does not exist does nothing.
//   - The value name is the form's class name without its first letter.
// Windows only.
#pragma once

#include <cstdint>

#include "components/QoFormSaverRecord.h"
#include "ui/Forms.h"

class TQoFormSaver : public TComponent {
 public:
  static constexpr const wchar_t* kDefaultKey = L"\\SOFTWARE\\Company\\Product\\Forms";

  explicit TQoFormSaver(TComponent* owner);
  ~TQoFormSaver() override;

  bool AllowMaximize() const { return FAllowMaximize; }
  // Stores the value and adds or removes the form's maximize button at once.
  void SetAllowMaximize(bool value);
  bool AllowMinimize() const { return FAllowMinimize; }
  void SetAllowMinimize(bool value);
  // Kept as a setting; no behaviour is attached to it.
  bool AllowResize() const { return FAllowResize; }
  void SetAllowResize(bool value) { FAllowResize = value; }
  const String& Key() const { return FKey; }
  // The empty text restores the default key.
  void SetKey(const String& value);
  // Size limits (0: none). Setting one sets the form's constraint and copies the opposite limit
  // back from the form, which keeps its constraints consistent.
  uint16_t MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(uint16_t value);
  uint16_t MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(uint16_t value);
  uint16_t MinHeight() const { return FMinHeight; }
  void SetMinHeight(uint16_t value);
  uint16_t MinWidth() const { return FMinWidth; }
  void SetMinWidth(uint16_t value);
  TQoRootKeys RootKey() const { return FRootKey; }
  void SetRootKey(TQoRootKeys value) { FRootKey = value; }
  bool SaveLocation() const { return FSaveLocation; }
  void SetSaveLocation(bool value) { FSaveLocation = value; }
  bool SaveSize() const { return FSaveSize; }
  void SetSaveSize(bool value) { FSaveSize = value; }
  bool SaveState() const { return FSaveState; }
  void SetSaveState(bool value) { FSaveState = value; }
  // Replaces "[EXENAME]" while the form is edited in a designer.
  const String& ApplicationName() const { return FApplicationName; }
  void SetApplicationName(const String& value) { FApplicationName = value; }

  // The key with "[EXENAME]" replaced.
  String EffectiveKey() const;
  String GetFormName() const;
  // True when the key opens and holds a record under the form's value name.
  bool HasStoredInfo() const;
  // Applies the stored record as SaveSize, SaveLocation and SaveState allow.
  void RestoreForm();
  // Writes the form's record (a maximized or minimized form keeps the stored normal bounds).
  void SaveForm();
  // Left and top that centre the form on the virtual desktop (its origin not added).
  void CenterForm();
  void EraseValue();
  void EraseKey();

  // The form has been built: restore it (outside a designer).
  void Loaded() override;

 protected:
  // The form is being destroyed: save it (outside a designer), while it is still whole.
  void OwnerDestroying() override;

 private:
  TQoFormSaverStore Store() const;
  TQoFormRecord CurrentRecord() const;
  void RememberFormName();
  void ApplyConstraint(void (TSizeConstraints::*setter)(int), uint16_t value);
  void CopyConstraintsBack();

  bool FAllowMaximize = true;
  bool FAllowMinimize = true;
  bool FAllowResize = true;
  String FKey = kDefaultKey;
  uint16_t FMaxHeight = 0;
  uint16_t FMaxWidth = 0;
  uint16_t FMinHeight = 0;
  uint16_t FMinWidth = 0;
  TQoRootKeys FRootKey = TQoRootKeys::HKeyCurrentUser;
  bool FSaveLocation = true;
  bool FSaveSize = true;
  bool FSaveState = true;
  TForm* FOwnerForm;
  String FApplicationName;
  String FFormName;     // the form's class name, read while the form is whole
  bool FSaved = false;  // saved when the form began its destruction
};
