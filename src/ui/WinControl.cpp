#include <windowsx.h>

#include <algorithm>

#include "core/Format.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Menus.h"

namespace {

constexpr const wchar_t* ToolkitClassName = L"QrvWindow";

void RegisterToolkitClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ToolkitWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = UiApplication().Icon();
    wc.lpszClassName = ToolkitClassName;
    return ::RegisterClassExW(&wc) != 0;
  }();
  if (!registered)
    throw EWindowError(
        Format(L"Cannot register the window class (error %d)", {int(::GetLastError())}));
}

// The control of each window the toolkit dispatches, kept in the process: a window property
// would cost a round trip to the window server on every message under Wine. Never destroyed, so
// that controls outliving static destruction can still detach.
std::vector<std::pair<HWND, TWinControl*>>& ControlTable() {
  static auto* table = new std::vector<std::pair<HWND, TWinControl*>>();
  return *table;
}

TWinControl* ControlOfWindow(HWND window) {
  if (window == nullptr) return nullptr;
  for (const auto& [handle, control] : ControlTable()) {
    if (handle == window) return control;
  }
  return nullptr;
}

void ForgetWindow(HWND window) {
  std::erase_if(ControlTable(), [window](const auto& entry) { return entry.first == window; });
}

bool Intersects(const RECT& a, const RECT& b) {
  RECT r;
  return ::IntersectRect(&r, &a, &b) != 0;
}

}  // namespace
TWinControl* FindControl(HWND window) {
  return ControlOfWindow(window);
}

LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = nullptr;
  if (msg == WM_NCCREATE) {
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (control != nullptr) control->Attach(window);
  } else {
    control = ControlOfWindow(window);
  }
  if (control == nullptr) return ::DefWindowProcW(window, msg, wParam, lParam);
  if (msg == CM_RELEASE) {
    if (auto* form = dynamic_cast<TForm*>(control)) UiApplication().FreeForm(form);
    return 0;
  }
  TMessage message{msg, wParam, lParam, 0};
  try {
    if (control != UiApplication().MainForm() || !UiApplication().MainWindowHooksHandle(message))
      control->FWindowProc(message);
  } catch (const std::exception& error) {
    UiApplication().HandleException(error);
  } catch (...) {
    UiApplication().HandleException(Exception(L"Unknown failure in a window handler"));
  }
  if (msg == WM_NCDESTROY) control->Detach();
  return message.Result;
}

// TWinControl ------------------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  FWindowProc = [this](TMessage& message) { WndProc(message); };
}

TWinControl::~TWinControl() {
  BeginDestroy();
  if (TForm* form = GetParentForm(this); form != nullptr && form->ActiveControl() == this)
    form->SetActiveControl(nullptr);
  for (TControl* child : FControls) child->FParent = nullptr;
  FControls.clear();
  FTabList.clear();
  if (Parent() != nullptr) {
    Parent()->RemoveControl(this);
    FParent = nullptr;
  }
  DestroyHandle();
}

HWND TWinControl::Handle() {
  if (FHandle == nullptr) {
    if (Parent() != nullptr) Parent()->HandleNeeded();
    if (FHandle == nullptr)  // the parent's creation may have created this window already
      CreateWnd();
  }
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  params.ExStyle = WS_EX_CONTROLPARENT;
  if (Parent() != nullptr) params.WndParent = Parent()->Handle();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) != 0 && params.WndParent == nullptr)
    throw EInvalidOperation(Format(L"Control '%s' has no parent window", {Name()}));
  const bool toolkitClass = params.ClassName == nullptr;
  if (toolkitClass) RegisterToolkitClass();
  static int nextId = 100;
  HMENU id = (params.Style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(intptr_t{++nextId}) : nullptr;
  HWND window = ::CreateWindowExW(
      params.ExStyle, toolkitClass ? ToolkitClassName : params.ClassName,
      params.TextAfterFont ? L"" : FText.c_str(), params.Style, Left(), Top(), Width(), Height(),
      params.WndParent, id, ::GetModuleHandleW(nullptr), toolkitClass ? this : nullptr);
  if (window == nullptr)
    throw EWindowError(
        Format(L"Cannot create the window of '%s' (error %d)", {Name(), int(::GetLastError())}));
  if (!toolkitClass) {
    FHandle = window;
    ControlTable().emplace_back(window, this);
    FDefWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ToolkitWindowProc)));
  }
  FToolkitClass = toolkitClass;
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  if (params.TextAfterFont && FDefWndProc != nullptr && !FText.empty()) {
    // Straight to the class's own procedure: the text is the one the control already has.
    ::CallWindowProcW(FDefWndProc, window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FText.c_str()));
  }
  CreateChildHandles();
  ApplyTabOrder();
  Realign();
}

void TWinControl::Attach(HWND window) {
  FHandle = window;
  FDefWndProc = nullptr;
  ControlTable().emplace_back(window, this);
}

void TWinControl::Detach() {
  if (FHandle == nullptr) return;
  ForgetWindow(FHandle);
  if (FDefWndProc != nullptr)
    ::SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
  FDefWndProc = nullptr;
  FHandle = nullptr;
}

void TWinControl::CreateChildHandles() {
  for (TWinControl* child : FTabList) {
    if (!child->HandleAllocated() && child->Visible()) child->CreateWnd();
  }
}

void TWinControl::DestroyWnd() {
  if (FHandle == nullptr) return;
  int length = ::GetWindowTextLengthW(FHandle);
  String text(static_cast<size_t>(length) + 1, L'\0');
  ::GetWindowTextW(FHandle, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(0, length)));
  FText = text;
}

void TWinControl::DestroyHandle() {
  if (FHandle == nullptr) return;
  for (TWinControl* child : FTabList) child->DestroyHandle();
  DestroyWnd();
  HWND window = FHandle;
  Detach();  // stop dispatching and remove the subclass first
  ::DestroyWindow(window);
}

void TWinControl::RecreateWnd() {
  if (FHandle == nullptr) return;
  DestroyHandle();
  CreateWnd();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c != nullptr; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  FControls.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    FTabList.push_back(windowed);
    if (FHandle != nullptr && windowed->Visible()) {
      windowed->CreateWnd();
      ApplyTabOrder();
    }
  } else {
    control->Invalidate();
  }
  if (control->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  control->Invalidate();
  FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
  FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), control), FTabList.end());
  if (FCapturedControl == control) FCapturedControl = nullptr;
  if (FHoverControl == control) FHoverControl = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->DestroyHandle();
  if (control->Align() != TAlign::alNone) Realign();
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  FWindowProc(message);
  return message.Result;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FHandle != nullptr)
    ::SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  Resized();
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, Width(), Height()};
  if (FHandle != nullptr) ::GetClientRect(FHandle, &r);
  return r;
}

bool TWinControl::Showing() const {
  if (Parent() == nullptr) return FHandle != nullptr && ::IsWindowVisible(FHandle);
  return Visible() && Parent()->Showing();
}

void TWinControl::Invalidate() {
  if (FHandle != nullptr) ::InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::Update() {
  if (FHandle != nullptr) ::UpdateWindow(FHandle);
}

void TWinControl::ChangeScale(int m, int d) {
  if (m == d) return;
  for (TControl* child : std::vector<TControl*>(FControls)) child->ChangeScale(m, d);
  TControl::ChangeScale(m, d);
}

void TWinControl::ScaleBounds(int m, int d) {
  if (m == d) return;
  for (TControl* child : std::vector<TControl*>(FControls)) child->ScaleBounds(m, d);
  TControl::ScaleBounds(m, d);
}

bool TWinControl::CanFocus() const {
  const TControl* c = this;
  for (; c->Parent() != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  const auto* top = dynamic_cast<const TWinControl*>(c);
  return top != nullptr && top->Enabled() && top->Showing();
}

void TWinControl::ShowControl(TControl*) {
  if (Parent() != nullptr) Parent()->ShowControl(this);
}

void TWinControl::SetFocus() {
  if (Parent() != nullptr) Parent()->ShowControl(this);
  TForm* form = GetParentForm(this);
  if (form != nullptr && !form->Showing()) {
    form->SetActiveControl(this);
    return;
  }
  ::SetFocus(Handle());
}

bool TWinControl::Focused() const {
  return FHandle != nullptr && ::GetFocus() == FHandle;
}

void TWinControl::SetTabStop(bool value) {
  if (value == FTabStop) return;
  FTabStop = value;
  if (FHandle != nullptr) {
    LONG_PTR style = ::GetWindowLongPtrW(FHandle, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
    ::SetWindowLongPtrW(FHandle, GWL_STYLE, style);
  }
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->FTabList;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  value = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + value, this);
  Parent()->ApplyTabOrder();
}

void TWinControl::ApplyTabOrder() {
  HWND previous = HWND_TOP;
  for (TWinControl* child : FTabList) {
    if (child->FHandle == nullptr) continue;
    ::SetWindowPos(child->FHandle, previous, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    previous = child->FHandle;
  }
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
  std::vector<TWinControl*> list;
  for (TWinControl* child : FTabList) {
    list.push_back(child);
    auto inner = child->TabOrderList();
    list.insert(list.end(), inner.begin(), inner.end());
  }
  return list;
}

bool TWinControl::SelectFirst() {
  for (TWinControl* c : TabOrderList()) {
    if (c->TabStop() && c->CanFocus()) {
      c->SetFocus();
      return true;
    }
  }
  return false;
}

bool TWinControl::WantsKey(const MSG& msg) {
  if (FHandle == nullptr) return false;
  LRESULT code = ::SendMessageW(FHandle, WM_GETDLGCODE, msg.wParam,
                                reinterpret_cast<LPARAM>(const_cast<MSG*>(&msg)));
  return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::Realign() {
  RECT rect = ClientRect();
  AdjustClientRect(rect);
  AlignControls(rect);
}

void TWinControl::AlignControls(RECT rect) {
  if (FAligning) return;
  FAligning = true;
  auto place = [&](TAlign align) {
    for (TControl* c : std::vector<TControl*>(FControls)) {
      if (c->Align() != align || !c->Visible()) continue;
      const int w = rect.right - rect.left;
      const int h = rect.bottom - rect.top;
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(rect.left, rect.top, w, c->Height());
          rect.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(rect.left, rect.bottom - c->Height(), w, c->Height());
          rect.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(rect.left, rect.top, c->Width(), h);
          rect.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), h);
          rect.right -= c->Width();
          break;
        case TAlign::alClient:
          c->SetBounds(rect.left, rect.top, w, h);
          break;
        case TAlign::alNone:
          break;
      }
    }
  };
  place(TAlign::alTop);
  place(TAlign::alBottom);
  place(TAlign::alLeft);
  place(TAlign::alRight);
  place(TAlign::alClient);
  FAligning = false;
}

HBRUSH TWinControl::BackgroundBrush() {
  if (!FBackground || FBackgroundColor != Color()) {
    FBackground.Reset(::CreateSolidBrush(ColorToRGB(Color())));
    FBackgroundColor = Color();
  }
  return FBackground.Get();
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, const RECT& area) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    auto* graphic = dynamic_cast<TGraphicControl*>(c);
    if (graphic == nullptr || !graphic->Visible() || !Intersects(graphic->BoundsRect(), area))
      continue;
    graphic->PaintTo(dc, graphic->Left(), graphic->Top());
  }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  TSavedDC saved(dc);
  ::OffsetViewportOrgEx(dc, x, y, nullptr);
  RECT client = ClientRect();
  ::IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  if (FToolkitClass) {
    ::SendMessageW(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    PaintWindow(dc);
    PaintControls(dc, client);
  } else {
    ::SendMessageW(Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc),
                   PRF_CLIENT | PRF_ERASEBKGND | PRF_NONCLIENT);
  }
  for (TWinControl* child : FTabList) {
    if (child->Visible()) child->PaintTo(dc, child->Left(), child->Top());
  }
}

void TWinControl::CommandNotify(WORD) {}

bool TWinControl::Notify(const NMHDR&, LRESULT&) {
  return false;
}

HBRUSH TWinControl::ControlColor(HDC dc) {
  ::SetTextColor(dc, ColorToRGB(Font().Color()));
  ::SetBkColor(dc, ColorToRGB(Color()));
  return BackgroundBrush();
}

void TWinControl::FontChanged() {
  if (FHandle != nullptr)
    ::SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* c : FControls) c->ParentFontChanged();
  TControl::FontChanged();
}

void TWinControl::ColorChanged() {
  for (TControl* c : FControls) c->ParentColorChanged();
  TControl::ColorChanged();
}

void TWinControl::TextChanged() {
  if (FHandle != nullptr)
    ::SetWindowTextW(FHandle, FText.c_str());  // WM_SETTEXT sends CM_TEXTCHANGED
  else
    Perform(CM_TEXTCHANGED);
}

String TWinControl::Text() const {
  if (FHandle == nullptr) return TControl::Text();
  int length = ::GetWindowTextLengthW(FHandle);
  String text(static_cast<size_t>(length) + 1, L'\0');
  int copied = ::GetWindowTextW(FHandle, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(0, copied)));
  return text;
}

void TWinControl::EnabledChanged() {
  if (FHandle != nullptr)
    ::EnableWindow(FHandle, Enabled());  // WM_ENABLE sends CM_ENABLEDCHANGED
  else
    Perform(CM_ENABLEDCHANGED);
}

void TWinControl::VisibleChanged() {
  if (FHandle != nullptr)
    ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                       (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  if (Parent() != nullptr && Align() != TAlign::alNone) Parent()->Realign();
  // Shown for the first time on a parent that has its window: the window its parent left out.
  if (FHandle == nullptr && Visible() && Parent() != nullptr && Parent()->HandleAllocated()) {
    CreateWnd();
    Parent()->ApplyTabOrder();
  }
}

void TWinControl::Resized() {
  Realign();
  TControl::Resized();
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (FHandle == nullptr) return;
  message.Result =
      FDefWndProc != nullptr
          ? ::CallWindowProcW(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam)
          : ::DefWindowProcW(FHandle, message.Msg, message.WParam, message.LParam);
}

TControl* TWinControl::ControlAtPos(POINT p) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TGraphicControl*>(c) == nullptr || !c->Visible() || !c->Enabled()) continue;
    RECT r = c->BoundsRect();
    if (::PtInRect(&r, p)) return c;
  }
  return nullptr;
}

// Mouse messages over windowless children go to the child under the pointer (or the child that
// took the button), in the child's coordinates.
void TWinControl::HandleMouseMessage(TMessage& message) {
  POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = FCapturedControl != nullptr ? FCapturedControl : ControlAtPos(p);
  if (message.Msg == WM_MOUSEMOVE) {
    TControl* hover = ControlAtPos(p);
    if (hover != FHoverControl) {
      if (FHoverControl != nullptr) FHoverControl->Perform(CM_MOUSELEAVE);
      FHoverControl = hover;
      if (hover != nullptr) hover->Perform(CM_MOUSEENTER);
    }
  }
  if (target == nullptr) {
    TControl::WndProc(message);
    if (message.Msg == WM_LBUTTONUP && FToolkitClass) Click();
    return;
  }
  TMessage inner = message;
  inner.LParam = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
  if (message.Msg == WM_LBUTTONDOWN) {
    FCapturedControl = target;
    ::SetCapture(FHandle);
  }
  target->Perform(inner.Msg, inner.WParam, inner.LParam);
  if (message.Msg == WM_LBUTTONUP) {
    FCapturedControl = nullptr;
    ::ReleaseCapture();
    RECT r{0, 0, target->Width(), target->Height()};
    if (::PtInRect(&r, POINT{p.x - target->Left(), p.y - target->Top()})) target->Click();
  }
}

bool TWinControl::HandleKeyMessage(TMessage& message) {
  if (message.Msg == WM_CHAR) {
    if (!OnKeyPress) return false;
    auto key = static_cast<wchar_t>(message.WParam);
    OnKeyPress(this, key);
    if (key == 0) return true;
    message.WParam = key;
    return false;
  }
  TKeyEvent& handler =
      (message.Msg == WM_KEYUP || message.Msg == WM_SYSKEYUP) ? OnKeyUp : OnKeyDown;
  if (!handler) return false;
  auto key = static_cast<WORD>(message.WParam);
  handler(this, key, KeyMessageShiftState(message.Msg, message.LParam));
  if (key == 0) return true;
  message.WParam = key;
  return false;
}

void TWinControl::HandlePaint(TMessage& message) {
  if (message.WParam != 0) {
    auto dc = reinterpret_cast<HDC>(message.WParam);
    RECT client = ClientRect();
    PaintWindow(dc);
    PaintControls(dc, client);
    return;
  }
  TPaintDC paint(FHandle);
  PaintWindow(paint.Get());
  PaintControls(paint.Get(), paint.Area());
}

void TWinControl::WndProc(TMessage& message) {
  if (HandleMenuMessage(message)) return;
  switch (message.Msg) {
    case WM_COMMAND:
      if (message.LParam != 0) {
        if (TWinControl* child = ControlOfWindow(reinterpret_cast<HWND>(message.LParam))) {
          child->CommandNotify(HIWORD(message.WParam));
          return;
        }
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (TWinControl* child = ControlOfWindow(header->hwndFrom)) {
        LRESULT result = 0;
        if (child->Notify(*header, result)) {
          message.Result = result;
          return;
        }
      }
      break;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (TWinControl* child = ControlOfWindow(reinterpret_cast<HWND>(message.LParam))) {
        if (HBRUSH brush = child->ControlColor(reinterpret_cast<HDC>(message.WParam))) {
          message.Result = reinterpret_cast<LRESULT>(brush);
          return;
        }
      }
      break;
    case WM_ERASEBKGND:
      if (FToolkitClass) {
        RECT client = ClientRect();
        ::FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
        message.Result = 1;
        return;
      }
      break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (FToolkitClass) {
        if (message.Msg == WM_PRINTCLIENT && message.WParam == 0) return;
        HandlePaint(message);
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(message);
      RECT r;
      ::GetWindowRect(FHandle, &r);
      if (Parent() != nullptr && Parent()->HandleAllocated())
        ::MapWindowPoints(nullptr, Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
      if (r.left != Left() || r.top != Top() || r.right - r.left != Width() ||
          r.bottom - r.top != Height()) {
        FLeft = r.left;
        FTop = r.top;
        FWidth = r.right - r.left;
        FHeight = r.bottom - r.top;
        Resized();
      } else if ((reinterpret_cast<WINDOWPOS*>(message.LParam)->flags & SWP_NOSIZE) == 0) {
        Realign();
      }
      return;
    }
    case WM_SETFOCUS:
      DefaultHandler(message);
      if (TForm* form = GetParentForm(this); form != nullptr && form != this)
        form->FocusChanged(this);
      if (OnEnter) OnEnter(this);
      return;
    case WM_KILLFOCUS:
      DefaultHandler(message);
      Perform(CM_EXIT);
      return;
    case CM_EXIT:
      if (OnExit) OnExit(this);
      return;
    case WM_ENABLE:
      DefaultHandler(message);
      Perform(CM_ENABLEDCHANGED);
      return;
    case WM_SETTEXT:
      DefaultHandler(message);
      Perform(CM_TEXTCHANGED);
      return;
    case WM_DESTROY:
      DestroyWnd();
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
      if (HandleKeyMessage(message)) return;
      break;
    case WM_MOUSEMOVE:
      if (!Showing()) break;
      if (!FMouseTracked) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, 0};
        FMouseTracked = ::TrackMouseEvent(&track) != 0;
        Perform(CM_MOUSEENTER);
      }
      HandleMouseMessage(message);
      break;
    case WM_MOUSELEAVE:
      FMouseTracked = false;
      if (FHoverControl != nullptr) {
        FHoverControl->Perform(CM_MOUSELEAVE);
        FHoverControl = nullptr;
      }
      Perform(CM_MOUSELEAVE);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
      HandleMouseMessage(message);
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TControl::WndProc(message);
      return;
    default:
      if (message.Msg >= CM_BASE && message.Msg < CM_BASE + 0x100) {
        TControl::WndProc(message);
        return;
      }
      break;
  }
  DefaultHandler(message);
}
