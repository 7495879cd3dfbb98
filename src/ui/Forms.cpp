#include "ui/Forms.h"

#include <algorithm>

#include "core/Exception.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"

// TForm ------------------------------------------------------------------------------------------

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  SetColor(clBtnFace);
  SetParentFont(false);
  Screen().AddForm(this);
  AnnounceToTree(TOperation::opInsert);
}

TForm::~TForm() {
  BeginDestroy();
  NotifyOwnerDestroying();
  SetMenu(nullptr);
  SetActiveControl(nullptr);
  AnnounceToTree(TOperation::opRemove);
  Screen().RemoveForm(this);
  if (UiApplication().MainForm() == this) UiApplication().SetMainForm(nullptr);
  DestroyHandle();
}

void TForm::AnnounceToTree(TOperation operation) {
  if (Owner() != nullptr) {
    Owner()->Notification(this, operation);
    return;
  }
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm* other = Screen().Forms(i);
    if (other != this && other->Owner() == nullptr) other->Notification(this, operation);
  }
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == FBorderStyle) return;
  const int clientWidth = ClientWidth();
  const int clientHeight = ClientHeight();
  FBorderStyle = value;
  const bool shown = Showing();
  RecreateWnd();
  SetClientSize(clientWidth, clientHeight);
  if (shown) ::ShowWindow(Handle(), SW_SHOWNORMAL);
}

void TForm::SetFormStyle(TFormStyle value) {
  if (value == FFormStyle) return;
  FFormStyle = value;
  if (HandleAllocated())
    ::SetWindowPos(Handle(), value == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                   0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

DWORD TForm::WindowStyle() const {
  DWORD style = WS_CLIPCHILDREN;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
      style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
      style |= WS_OVERLAPPED | WS_CAPTION;
      break;
    case TFormBorderStyle::bsSizeable:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
      break;
    case TFormBorderStyle::bsToolWindow:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
      break;
  }
  if (FBorderStyle == TFormBorderStyle::bsSingle || FBorderStyle == TFormBorderStyle::bsSizeable) {
    if (FBorderIcons.Contains(TBorderIcon::biSystemMenu)) {
      style |= WS_SYSMENU;
      if (FBorderIcons.Contains(TBorderIcon::biMinimize)) style |= WS_MINIMIZEBOX;
      if (FBorderIcons.Contains(TBorderIcon::biMaximize)) style |= WS_MAXIMIZEBOX;
    }
  }
  if (!Enabled()) style |= WS_DISABLED;
  return style;
}

void TForm::SetBorderIcons(TBorderIcons value) {
  if (value == FBorderIcons) return;
  FBorderIcons = value;
  if (!HandleAllocated()) return;
  constexpr LONG_PTR iconStyles = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  const LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
  ::SetWindowLongPtrW(Handle(), GWL_STYLE,
                      (style & ~iconStyles) | (static_cast<LONG_PTR>(WindowStyle()) & iconStyles));
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TWindowState TForm::WindowState() const {
  if (!Showing()) return FWindowState;
  if (::IsIconic(HandleIfAllocated())) return TWindowState::wsMinimized;
  if (::IsZoomed(HandleIfAllocated())) return TWindowState::wsMaximized;
  return TWindowState::wsNormal;
}

int TForm::ShowCommand() const {
  switch (FWindowState) {
    case TWindowState::wsMinimized:
      return SW_SHOWMINIMIZED;
    case TWindowState::wsMaximized:
      return SW_SHOWMAXIMIZED;
    case TWindowState::wsNormal:
      break;
  }
  return SW_SHOWNORMAL;
}

void TForm::SetWindowState(TWindowState value) {
  FWindowState = value;
  if (Showing()) ::ShowWindow(Handle(), ShowCommand());
}

void TForm::SetConstraints(const TSizeConstraints& value) {
  FConstraints = value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TForm::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, FConstraints.ConstrainWidth(width),
                         FConstraints.ConstrainHeight(height));
}

DWORD TForm::WindowExStyle() const {
  DWORD ex = WS_EX_CONTROLPARENT;
  if (FBorderStyle == TFormBorderStyle::bsDialog) ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  if (FBorderStyle == TFormBorderStyle::bsToolWindow) ex |= WS_EX_TOOLWINDOW;
  if (FFormStyle == TFormStyle::fsStayOnTop) ex |= WS_EX_TOPMOST;
  if (UiApplication().MainForm() == this) ex |= WS_EX_APPWINDOW;
  return ex;
}

void TForm::CreateParams(TCreateParams& params) {
  params.Style = WindowStyle();
  params.ExStyle = WindowExStyle();
  params.WndParent = nullptr;
  TForm* main = UiApplication().MainForm();
  if (main != nullptr && main != this && main->HandleAllocated()) params.WndParent = main->Handle();
  TForm* active = Screen().ActiveForm();
  if (active != nullptr && active != this && active->HandleAllocated() && active->Showing())
    params.WndParent = active->Handle();
}

void TForm::ScaleBounds(int m, int d) {
  if (m == d) return;
  const int clientWidth = ClientWidth();
  const int clientHeight = ClientHeight();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->ScaleBounds(m, d);
  SetClientSize(::MulDiv(clientWidth, m, d), ::MulDiv(clientHeight, m, d));
}

void TForm::CreateWnd() {
  const int screenDensity = ScreenPixelsPerInch();
  if (FScaled && FPixelsPerInch > 0 && FPixelsPerInch != screenDensity) {
    ScaleBounds(screenDensity, FPixelsPerInch);
    FPixelsPerInch = screenDensity;
  }
  TWinControl::CreateWnd();
  if (FFormStyle == TFormStyle::fsStayOnTop)
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (FMenu != nullptr) ::SetMenu(Handle(), FMenu->Handle());
}

void TForm::DestroyWnd() {
  // The platform destroys the menu of a window it destroys: take the menu bar off first.
  if (FMenu != nullptr && HandleAllocated()) ::SetMenu(HandleIfAllocated(), nullptr);
  TWinControl::DestroyWnd();
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  if (FMenu != nullptr) FMenu->FForm = nullptr;
  if (menu != nullptr && menu->FForm != nullptr) menu->FForm->SetMenu(nullptr);
  FMenu = menu;
  if (menu != nullptr) menu->FForm = this;
  if (HandleAllocated()) ::SetMenu(Handle(), menu != nullptr ? menu->Handle() : nullptr);
}

// A key pressed on the form that is the shortcut of an item of its menu bar clicks the item.
bool TForm::MenuShortCut(const MSG& msg) {
  if (FMenu == nullptr || (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)) return false;
  const auto key = static_cast<WORD>(msg.wParam);
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return false;
  TMenuItem* item =
      FMenu->Items()->FindShortCut(ShortCut(key, KeyMessageShiftState(msg.message, msg.lParam)));
  if (item == nullptr) return false;
  item->Click();
  return true;
}

namespace {

// Width and height of the frame around the client area for the given styles.
SIZE FrameSize(DWORD style, DWORD exStyle) {
  RECT r{0, 0, 0, 0};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

RECT TForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  SIZE frame = FrameSize(WindowStyle(), WindowExStyle());
  return RECT{0, 0, std::max(0, Width() - static_cast<int>(frame.cx)),
              std::max(0, Height() - static_cast<int>(frame.cy))};
}

void TForm::SetClientWidth(int value) {
  SetClientSize(value, ClientHeight());
}

void TForm::SetClientHeight(int value) {
  SetClientSize(ClientWidth(), value);
}

void TForm::SetClientSize(int width, int height) {
  const int frameWidth = Width() - ClientWidth();
  const int frameHeight = Height() - ClientHeight();
  SetBounds(Left(), Top(), width + frameWidth, height + frameHeight);
}

void TForm::PlaceOnScreen() {
  FPlaced = true;
  int left = Left();
  int top = Top();
  TForm* main = UiApplication().MainForm();
  switch (FPosition) {
    case TPosition::poDesigned:
      return;
    case TPosition::poMainFormCenter:
      if (main != nullptr && main != this && main->Showing()) {
        left = main->Left() + (main->Width() - Width()) / 2;
        top = main->Top() + (main->Height() - Height()) / 2;
        break;
      }
      [[fallthrough]];
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
      left = (Screen().Width() - Width()) / 2;
      top = (Screen().Height() - Height()) / 2;
      break;
  }
  SetBounds(left, top, Width(), Height());
}

void TForm::Show() {
  SetVisible(true);
  if (HandleAllocated()) ::SetForegroundWindow(Handle());
}

bool TForm::Showing() const {
  return HandleAllocated() && ::IsWindowVisible(HandleIfAllocated());
}

void TForm::VisibleChanged() {
  if (Visible()) {
    HWND window = Handle();
    if (!FPlaced) PlaceOnScreen();
    if (OnShow) OnShow(this);
    if (!Visible())  // OnShow hid or closed the form again
      return;
    ::ShowWindow(window, ShowCommand());
    if (FActiveControl != nullptr && FActiveControl->CanFocus())
      ::SetFocus(FActiveControl->Handle());
    else if (!SelectFirst())
      ::SetFocus(window);
  } else {
    if (HandleAllocated()) ::ShowWindow(Handle(), SW_HIDE);
    if (OnHide) OnHide(this);
  }
}

namespace {

struct TDisabledWindows {
  HWND Keep;
  std::vector<HWND> Windows;
  ~TDisabledWindows() {
    for (HWND w : Windows) ::EnableWindow(w, TRUE);
  }
};

BOOL CALLBACK DisableThreadWindow(HWND window, LPARAM data) {
  auto* disabled = reinterpret_cast<TDisabledWindows*>(data);
  if (window != disabled->Keep && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
    ::EnableWindow(window, FALSE);
    disabled->Windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

TModalResult TForm::ShowModal() {
  if (Visible() || FModal) throw EInvalidOperation(L"Cannot make a visible window modal");
  ::ReleaseCapture();
  HWND window = Handle();
  TApplication& app = UiApplication();
  {
    TDisabledWindows disabled{window, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableThreadWindow,
                        reinterpret_cast<LPARAM>(&disabled));
    struct TModalFlag {
      bool& Flag;
      ~TModalFlag() { Flag = false; }
    } modalFlag{FModal};
    FModal = true;
    FModalResult = mrNone;
    Show();
    for (;;) {
      if (app.Terminated()) {
        FModalResult = mrCancel;
        break;
      }
      if (FModalResult != mrNone) {
        CloseModal();
        if (FModalResult != mrNone) break;
      }
      app.HandleMessage();
    }
  }  // the other windows are enabled again before this one hides, so one of them activates
  if (HandleAllocated()) Hide();
  return FModalResult;
}

void TForm::CloseModal() {
  if (!CloseQuery()) {
    FModalResult = mrNone;
    return;
  }
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone)
    FModalResult = mrNone;
  else if (action == TCloseAction::caFree)
    Release();
}

void TForm::SetModalResult(TModalResult value) {
  FModalResult = value;
  if (FModal && value != mrNone && HandleAllocated()) ::PostMessageW(Handle(), WM_NULL, 0, 0);
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (FModal) {
    SetModalResult(mrCancel);
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (UiApplication().MainForm() == this) {
    Hide();
    UiApplication().Terminate();
    return;
  }
  if (action == TCloseAction::caMinimize && HandleAllocated()) {
    ::ShowWindow(Handle(), SW_MINIMIZE);
    return;
  }
  Hide();
  if (action == TCloseAction::caFree) Release();
}

void TForm::Release() {
  if (HandleAllocated()) ::PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TForm::SetActiveControl(TWinControl* control) {
  FActiveControl = control;
  if (control != nullptr && Showing() && control->CanFocus()) ::SetFocus(control->Handle());
}

bool TForm::Active() const {
  return HandleAllocated() && ::GetActiveWindow() == HandleIfAllocated();
}

void TForm::FocusChanged(TWinControl* control) {
  FActiveControl = control;
}

bool TForm::PreviewKey(MSG& msg) {
  if (msg.hwnd == Handle()) return false;  // the form's own handling fires its key events
  WORD key = static_cast<WORD>(msg.wParam);
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKeyDown) OnKeyDown(this, key, KeyMessageShiftState(msg.message, msg.lParam));
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (OnKeyUp) OnKeyUp(this, key, KeyMessageShiftState(msg.message, msg.lParam));
      break;
    case WM_CHAR: {
      auto ch = static_cast<wchar_t>(msg.wParam);
      if (OnKeyPress) OnKeyPress(this, ch);
      key = ch;
      break;
    }
    default:
      return false;
  }
  if (key == 0) return true;
  msg.wParam = key;
  return false;
}

namespace {

TButton* FindButton(const TForm& form, bool (TButton::*role)() const) {
  for (TWinControl* c : form.TabOrderList()) {
    auto* button = dynamic_cast<TButton*>(c);
    if (button != nullptr && (button->*role)() && button->Showing() && button->Enabled())
      return button;
  }
  return nullptr;
}

}  // namespace

TButton* TForm::DefaultButton() const {
  return FindButton(*this, &TButton::Default);
}

TButton* TForm::CancelButton() const {
  return FindButton(*this, &TButton::Cancel);
}

bool TForm::PressButtonFor(WPARAM key) {
  TButton* target = nullptr;
  if (key == VK_RETURN) {
    target = dynamic_cast<TButton*>(FindControl(::GetFocus()));
    if (target == nullptr) target = DefaultButton();
  } else if (key == VK_ESCAPE) {
    target = CancelButton();
  }
  if (target == nullptr || !target->Showing() || !target->Enabled()) return false;
  target->Click();
  return true;
}

bool TForm::PreprocessKey(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_KEYUP &&
      msg.message != WM_SYSKEYUP && msg.message != WM_CHAR && msg.message != WM_SYSCHAR)
    return false;
  if (FKeyPreview && PreviewKey(msg)) return true;
  if (MenuShortCut(msg)) return true;
  const bool enterOrEsc = msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE;
  if (msg.message == WM_KEYDOWN && enterOrEsc) {
    TWinControl* focused = FindControl(::GetFocus());
    if (focused != nullptr && focused->WantsKey(msg)) return false;
    return PressButtonFor(msg.wParam);
  }
  if ((msg.message == WM_KEYUP || msg.message == WM_CHAR) && enterOrEsc) return false;
  return ::IsDialogMessageW(Handle(), &msg) != 0;
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE:
      if (LOWORD(message.WParam) != WA_INACTIVE) {
        Screen().SetActiveForm(this);
        if (OnActivate) OnActivate(this);
        if (FActiveControl != nullptr && FActiveControl->CanFocus()) {
          ::SetFocus(FActiveControl->Handle());
          return;
        }
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      break;
    case WM_GETMINMAXINFO: {
      DefaultHandler(message);
      auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
      if (FConstraints.MinWidth() > 0) info->ptMinTrackSize.x = FConstraints.MinWidth();
      if (FConstraints.MinHeight() > 0) info->ptMinTrackSize.y = FConstraints.MinHeight();
      if (FConstraints.MaxWidth() > 0) info->ptMaxTrackSize.x = FConstraints.MaxWidth();
      if (FConstraints.MaxHeight() > 0) info->ptMaxTrackSize.y = FConstraints.MaxHeight();
      return;
    }
    case WM_SIZE:
      if (message.WParam == SIZE_MINIMIZED)
        FWindowState = TWindowState::wsMinimized;
      else if (message.WParam == SIZE_MAXIMIZED)
        FWindowState = TWindowState::wsMaximized;
      else if (message.WParam == SIZE_RESTORED)
        FWindowState = TWindowState::wsNormal;
      break;
    case WM_DPICHANGED: {
      const int dpi = LOWORD(message.WParam);
      ChangeScale(dpi, FMonitorPixelsPerInch);
      FMonitorPixelsPerInch = dpi;
      const RECT* suggested = reinterpret_cast<const RECT*>(message.LParam);
      SetBounds(suggested->left, suggested->top, suggested->right - suggested->left,
                suggested->bottom - suggested->top);
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(message);
}

TForm* GetParentForm(const TControl* control) {
  const TControl* top = control;
  while (top != nullptr && top->Parent() != nullptr) top = top->Parent();
  return const_cast<TForm*>(dynamic_cast<const TForm*>(top));
}

// TScreen ----------------------------------------------------------------------------------------

int TScreen::Width() const {
  return ::GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
  return ::GetSystemMetrics(SM_CYSCREEN);
}

void TScreen::AddForm(TForm* form) {
  FForms.push_back(form);
}

void TScreen::RemoveForm(TForm* form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
  if (FActiveForm == form) SetActiveForm(nullptr);
}

void TScreen::SetActiveForm(TForm* form) {
  if (form == FActiveForm) return;
  FActiveForm = form;
  if (OnActiveFormChange) OnActiveFormChange(form);
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

// TApplication -----------------------------------------------------------------------------------

namespace {

String ProgramBaseName() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  String name(path);
  size_t slash = name.find_last_of(L"\\/");
  if (slash != String::npos) name.erase(0, slash + 1);
  size_t dot = name.rfind(L'.');
  if (dot != String::npos) name.erase(dot);
  return name;
}

}  // namespace

// The screen object is made first, so that it outlives the forms the application frees at exit.
TApplication::TApplication() : FTitle(ProgramBaseName()) {
  Screen();
}

TApplication::~TApplication() {
  while (!FForms.empty()) FForms.pop_back();
}

void TApplication::FreeForm(TForm* form) {
  auto owned = std::find_if(FForms.begin(), FForms.end(),
                            [form](const std::unique_ptr<TForm>& f) { return f.get() == form; });
  if (owned != FForms.end())
    FForms.erase(owned);
  else
    delete form;
}

int TApplication::HookMainWindow(TWindowHook hook) {
  FMainWindowHooks.emplace_back(++FLastHook, std::move(hook));
  return FLastHook;
}

void TApplication::UnhookMainWindow(int hook) {
  std::erase_if(FMainWindowHooks, [hook](const auto& entry) { return entry.first == hook; });
}

bool TApplication::MainWindowHooksHandle(TMessage& message) {
  for (size_t i = 0; i < FMainWindowHooks.size(); ++i) {
    const TWindowHook hook = FMainWindowHooks[i].second;  // a hook may unhook itself
    if (hook(message)) return true;
  }
  return false;
}

void TApplication::Terminate() {
  TApplicationCore::Terminate();
  ::PostQuitMessage(0);
}

void TApplication::Run() {
  if (FMainForm != nullptr) FMainForm->Show();
  while (!Terminated()) HandleMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_QUIT) return false;
  if (msg.hwnd != nullptr) {
    auto* form = dynamic_cast<TForm*>(FindControl(::GetAncestor(msg.hwnd, GA_ROOT)));
    if (form != nullptr && form->PreprocessKey(msg)) return true;
  }
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
  return true;
}

void TApplication::HandleMessage() {
  if (Terminated()) return;
  MSG msg;
  if (::GetMessageW(&msg, nullptr, 0, 0) <= 0 || !ProcessMessage(msg)) SetTerminated();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!ProcessMessage(msg)) {
      SetTerminated();
      return;
    }
  }
  if (OnIdleProcess) OnIdleProcess();
}

HICON TApplication::Icon() const {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  HICON icon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
  if (icon == nullptr) icon = ::LoadIconW(instance, L"MAINICON");
  return icon != nullptr ? icon : ::LoadIconW(nullptr, IDI_APPLICATION);
}

void TApplication::HelpContext(int context) {
  if (OnHelp) OnHelp(context);
}

String ErrorText(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Exception*>(&error)) return own->Message();
  return FromUtf8(error.what());
}

void TApplication::HandleException(const std::exception& error) {
  if (OnException) {
    OnException(error);
    return;
  }
  ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
  TForm* active = Screen().ActiveForm();
  HWND owner = active != nullptr && active->HandleAllocated() ? active->Handle() : nullptr;
  ::MessageBoxW(owner, ErrorText(error).c_str(), FTitle.c_str(), MB_OK | MB_ICONSTOP);
}

TApplication& UiApplication() {
  static TApplication application;
  return application;
}
