// TQoSkinPlus: the skin component. It owns a colour scheme (Colors) and applies it to every form
// the application shows: a form's colour becomes Form.Face, labels in the system's window-text
// colour take Labels.Text, edit-like controls in the system's window colours take Edit.Face and
// Edit.Text, and every control of a kind the skin recognises is taken over (HookWindowProc.h)
// and painted in the scheme from then on. Forms, controls whose Tag equals a non-zero SkipTag
// are left alone (a skipped control's children too).
//
// When the skin is loaded (Loaded) its scheme becomes the current one and, if Active, it is
// applied to every form on the screen; switching Active on at run time does the same. A form
// that enters the skin's component tree later (a dialog: forms without an owner belong to the
// application's tree, which holds the skin's form too) waits on two lists: it gets its colour at
// the next message of the main window, and its full treatment when any form is next activated.
// The skin chains itself into the screen's active-form change and hooks the main window; it
// undoes both when destroyed (skins destroyed in another order than made each cut themselves
// out of the chain, so that no handler is left calling a destroyed skin). The hooks it makes are
// its own and go with it (the controls get their own handlers back). Windows only.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "components/skin/QoSkinColors.h"
#include "ui/Forms.h"

class TQoSkinPlus : public TComponent {
 public:
  explicit TQoSkinPlus(TComponent* owner);
  ~TQoSkinPlus() override;

  bool Active() const { return FActive; }
  // On at run time (not while loading or designing): the scheme becomes current and is applied
  // to every form on the screen. Off: nothing more is applied; what was taken over stays so.
  void SetActive(bool value);
  int32_t SkipTag() const { return FSkipTag; }
  void SetSkipTag(int32_t value) { FSkipTag = value; }
  TQoSkinColors& Colors() { return *FColors; }

  // Gives the form the scheme's form colour (unless that is "none" or the form is skipped).
  void InitForm(TForm* form);
  // Takes over the controls inside winCtl, at every depth, in the container's order.
  void InitControls(TWinControl* winCtl);
  // Makes the menus owned by the form owner owner-drawn by the skin (SkinMenus.h), except a menu
  // whose Tag equals a non-zero SkipTag.
  void InitMenus(TComponent* owner);
  // The scheme becomes current; if Active, it is applied to every form on the screen.
  void Loaded() override;

  // Forms waiting for the full treatment, and for the form colour (for tests).
  const std::vector<TForm*>& FormList() const { return FFormList; }
  const std::vector<TForm*>& FormMenuList() const { return FFormMenuList; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Skipped(const TComponent& component) const;
  void TakeOver(TControl& control);
  void ApplyToAllForms();
  // The skin's link in the screen's active-form-change chain: a type of its own, so that the
  // chain can be walked from skin to skin.
  struct TFormChangeLink {
    TQoSkinPlus* Skin;
    void operator()(TComponent* sender) const { Skin->ActiveFormChange(sender); }
  };
  static TQoSkinPlus* SkinOf(const TNotifyEvent& handler);
  void LeaveFormChangeChain();
  void ActiveFormChange(TComponent* sender);
  void MainWindowMessage();

  bool FActive = true;
  int32_t FSkipTag = 0;
  std::vector<TForm*> FFormList;
  std::vector<TForm*> FFormMenuList;
  TNotifyEvent FOldNotifyFormChange;
  std::unique_ptr<TQoSkinColors> FColors;
  int FMainWindowHook = 0;
};
