// Forms, the screen and the application of the Win32 toolkit.
//
// TForm is a top-level window: shown modelessly (Show) or modally (ShowModal, a message loop
// that runs until ModalResult is set and CloseQuery agrees). Close asks OnCloseQuery, then
// OnClose decides what happens (hide, free later, nothing). Keyboard: with KeyPreview the form's
// OnKeyDown/OnKeyPress see keys before the focused control; Enter presses the focused button or
// else the form's Default button, Esc presses the Cancel button, Tab and Alt+letter go by the
// platform's dialog navigation.
//
// TApplication extends the platform's application object (TApplicationCore): the same object
// that Application() and WaitProcessing use, so waits also get the toolkit's keyboard handling.
// UiApplication() returns it, created on first use; call it before anything else in a program.
// An exception escaping a window handler reaches HandleException, which calls OnException or
// shows the error's message in a message box captioned with the application's Title.
//
// TScreen lists the forms that exist, knows the active one and fires OnActiveFormChange with the
// newly active form (null when none is) as sender.
// A form announces itself to its component tree when it is created and when it is destroyed
// (TComponent::Notification with opInsert, opRemove): the tree of its owner, or, for a form
// without an owner, the application's tree, which holds every form without an owner.
// The main window's hooks (TApplication::HookMainWindow) see every message of the main form
// before the form does.
// Forms are owned like any component; Release() frees a form after the current message.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Application.h"
#include "ui/Controls.h"
#include "ui/FormPlacement.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize };
using TBorderIcons = TSet<TBorderIcon>;

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

class TButton;
class TMainMenu;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle value);
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }
  // The buttons of the caption bar (sizeable and single borders; dialog borders have neither
  // minimize nor maximize). Applied at once to a window that exists.
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  // Normal, minimized or maximized; a hidden form takes the state when it is shown.
  TWindowState WindowState() const;
  void SetWindowState(TWindowState value);
  // Limits of the form's size, kept consistent (FormPlacement.h); the form's size is brought
  // within them at once, and the user cannot size the window beyond them.
  const TSizeConstraints& Constraints() const { return FConstraints; }
  void SetConstraints(const TSizeConstraints& value);
  void SetBounds(int left, int top, int width, int height) override;

  // The client size, whatever the frame of the border style.
  RECT ClientRect() const override;
  void SetClientWidth(int value) override;
  void SetClientHeight(int value) override;
  void SetClientSize(int width, int height);

  // Pixel density the form's layout was made for (96 unless set). A Scaled form whose density
  // differs from the screen's scales the positions and sizes of its layout (not its fonts,
  // which are in points) when its window is created, and then holds the screen's density.
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }
  // Scales the whole form by m / d (positions, sizes, fonts).
  void ScaleBy(int m, int d) { ChangeScale(m, d); }
  // The layout only: the client size and every control's position and size.
  void ScaleBounds(int m, int d) override;

  void Show();
  bool Showing() const override;
  // Runs a modal loop until ModalResult is set (and CloseQuery grants it); returns the result.
  // The other windows of the thread are disabled meanwhile. Raises EInvalidOperation for a
  // form that is already shown. When the application terminates the result is mrCancel.
  TModalResult ShowModal();
  bool Modal() const { return FModal; }
  TModalResult ModalResult() const { return FModalResult; }
  // Setting a result while modal wakes the modal loop (a result set by a message sent from
  // another thread would otherwise wait for the next posted message).
  void SetModalResult(TModalResult value);
  // Modal: sets ModalResult to mrCancel. Otherwise CloseQuery, then OnClose's action; closing
  // the main form terminates the application.
  void Close();
  // OnCloseQuery's verdict (true when there is no handler).
  virtual bool CloseQuery();
  // Frees the form once the messages being handled now are done.
  void Release();

  // The control that has (or, while hidden, will get) the keyboard focus inside the form.
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  bool Active() const;
  void FocusChanged(TWinControl* control);
  // The first shown and enabled button inside the form, in tab order, that is the default
  // (Enter) or the cancel (Esc) button; null when none.
  TButton* DefaultButton() const;
  TButton* CancelButton() const;
  // Keyboard handling of the form for a message about to be dispatched (preview, Enter, Esc,
  // dialog navigation); true when the message is used up.
  bool PreprocessKey(MSG& msg);

  // The menu bar (null: none). The form shows it and passes its shortcuts to it; the menu
  // stays the caller's (or its owner's) to destroy.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void VisibleChanged() override;

 private:
  bool MenuShortCut(const MSG& msg);
  void AnnounceToTree(TOperation operation);
  void PlaceOnScreen();
  void CloseModal();
  bool PreviewKey(MSG& msg);
  bool PressButtonFor(WPARAM key);
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;
  int ShowCommand() const;

  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons FBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                            TBorderIcon::biMaximize};
  TWindowState FWindowState = TWindowState::wsNormal;
  TSizeConstraints FConstraints;
  TPosition FPosition = TPosition::poDesigned;
  TFormStyle FFormStyle = TFormStyle::fsNormal;
  bool FKeyPreview = false;
  bool FModal = false;
  bool FPlaced = false;
  TModalResult FModalResult = mrNone;
  int FPixelsPerInch = 96;
  bool FScaled = true;
  int FMonitorPixelsPerInch = ScreenPixelsPerInch();
  TWinControl* FActiveControl = nullptr;
  TMainMenu* FMenu = nullptr;
};

// The form that contains control (control itself when it is a form); null when none.
TForm* GetParentForm(const TControl* control);

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int index) const { return FForms.at(static_cast<size_t>(index)); }
  TForm* ActiveForm() const { return FActiveForm; }
  int Width() const;
  int Height() const;
  int PixelsPerInch() const { return ScreenPixelsPerInch(); }
  TNotifyEvent OnActiveFormChange;

 private:
  friend class TForm;
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);
  void SetActiveForm(TForm* form);
  std::vector<TForm*> FForms;
  TForm* FActiveForm = nullptr;
};

TScreen& Screen();

class TApplication : public TApplicationCore {
 public:
  TApplication();
  ~TApplication() override;

  // The first form created with CreateForm; closing it ends Run.
  TForm* MainForm() const { return FMainForm; }
  void SetMainForm(TForm* form) { FMainForm = form; }
  // Creates a form owned by the application; the first becomes the main form.
  template <typename F>
  F* CreateForm() {
    auto form = std::make_unique<F>(nullptr);
    F* raw = form.get();
    FForms.push_back(std::move(form));
    if (FMainForm == nullptr) FMainForm = raw;
    return raw;
  }
  // Takes a form the application keeps (and frees when it ends) without making it the main form.
  template <typename F>
  F* AddForm(std::unique_ptr<F> form) {
    F* raw = form.get();
    FForms.push_back(std::move(form));
    return raw;
  }
  // Shows the main form and handles messages until the application terminates.
  void Run();
  // A hook sees each message of the main form before the form does; returning true uses the
  // message up. HookMainWindow returns the hook's number, for UnhookMainWindow.
  using TWindowHook = std::function<bool(TMessage& message)>;
  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int hook);
  // Runs the hooks for a message of the main form; true when one used it up.
  bool MainWindowHooksHandle(TMessage& message);
  // Marks the application terminating and posts WM_QUIT, so every message loop ends.
  void Terminate();
  // Frees a form (CM_RELEASE): one made by CreateForm, or any other form.
  void FreeForm(TForm* form);
  // Handles one message, waiting for one when the queue is empty.
  void HandleMessage();
  void ProcessMessages() override;

  const String& Title() const { return FTitle; }
  void SetTitle(const String& value) { FTitle = value; }
  // The program's icon (resource 1 or "MAINICON", else the platform's application icon).
  HICON Icon() const;
  // Asks for help on a topic: OnHelp when set, otherwise nothing (there is no help file).
  void HelpContext(int context);
  std::function<void(int context)> OnHelp;

  // The default display of an error that escaped a handler: OnException if set, otherwise a
  // message box with the error's text.
  void HandleException(const std::exception& error);
  void ShowException(const std::exception& error);
  std::function<void(const std::exception& error)> OnException;

 private:
  // Dispatches one message with the toolkit's keyboard handling; false on WM_QUIT.
  bool ProcessMessage(MSG& msg);
  TForm* FMainForm = nullptr;
  String FTitle;
  std::vector<std::unique_ptr<TForm>> FForms;  // made by CreateForm
  std::vector<std::pair<int, TWindowHook>> FMainWindowHooks;
  int FLastHook = 0;
};

TApplication& UiApplication();

// The text of an error for display: Message() of the system's errors, what() otherwise.
String ErrorText(const std::exception& error);
