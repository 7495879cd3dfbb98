#include "components/skin/HookWindowProc.h"

#include "components/QoGauge.h"
#include "components/skin/SkinBoxPainters.h"
#include "shellviews/ShellTreeView.h"
#include "ui/StdCtrls.h"

// Where a control's handler leads: to the hook while it lives, else to the handler the hook
// replaced.
struct THookLink {
  THookWindowProc* Hook;
  TWndMethod Original;
};

namespace {

// The hook's handler as it sits in the control's WindowProc chain; recognisable by its type.
struct THookHandler {
  std::shared_ptr<THookLink> Link;
  void operator()(TMessage& message) const {
    if (Link->Hook != nullptr)
      Link->Hook->WindowProc(message);
    else
      Link->Original(message);
  }
};

// Sets a flag for the life of a scope.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
};

}  // namespace

std::optional<TSkinKind> SkinKindOf(const TControl& control) {
  if (dynamic_cast<const TCustomEdit*>(&control) != nullptr ||
      dynamic_cast<const TShellTreeView*>(&control) != nullptr)
    return TSkinKind::EditLike;
  if (dynamic_cast<const TButton*>(&control) != nullptr) return TSkinKind::PushButton;
  if (dynamic_cast<const TCheckBox*>(&control) != nullptr) return TSkinKind::CheckBox;
  if (dynamic_cast<const TGroupBox*>(&control) != nullptr) return TSkinKind::GroupBox;
  if (dynamic_cast<const TQoGauge*>(&control) != nullptr) return TSkinKind::Gauge;
  if (dynamic_cast<const TComboBox*>(&control) != nullptr) return TSkinKind::ComboBox;
  return std::nullopt;
}

bool IsEditLikeKind(TSkinKind kind) {
  return kind == TSkinKind::EditLike || kind == TSkinKind::ComboBox;
}

THookWindowProc::THookWindowProc(TComponent* owner, TWinControl& control, TSkinKind kind)
    : TComponent(owner),
      FControl(&control),
      FOrgWindowProc(control.WindowProc()),
      FKind(kind),
      FLink(std::make_shared<THookLink>(THookLink{this, control.WindowProc()})) {
  control.SetWindowProc(THookHandler{FLink});
  FreeNotification(&control);
}

THookWindowProc::~THookWindowProc() {
  FLink->Hook = nullptr;
  if (FControl == nullptr) return;
  RemoveFreeNotification(FControl);
  const auto* handler = FControl->WindowProc().target<THookHandler>();
  if (handler != nullptr && handler->Link == FLink) FControl->SetWindowProc(FOrgWindowProc);
}

bool THookWindowProc::IsTakenOver(const TWinControl& control) {
  const auto* handler = control.WindowProc().target<THookHandler>();
  return handler != nullptr && handler->Link->Hook != nullptr;
}

void THookWindowProc::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove || component != FControl) return;
  // The control is being destroyed: its handler goes with it, and so does the hook.
  FControl = nullptr;
  delete this;
}

TSkinState THookWindowProc::State() const {
  return SkinStateOf(FControl != nullptr && FControl->Enabled(), FLButtonDown, FMouseOver,
                     FPressed);
}

bool THookWindowProc::Handles(UINT msg) {
  switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_PAINT:
    case WM_NCPAINT:
    case BM_GETCHECK:
    case BM_SETCHECK:
    case CM_PARENTCOLORCHANGED:
    case CM_TEXTCHANGED:
    case CM_EXIT:
    case BM_SETSTATE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
    case WM_MOUSEMOVE:
      return true;
    default:
      return false;
  }
}

bool THookWindowProc::PaintsClient() const {
  return FKind == TSkinKind::PushButton || FKind == TSkinKind::CheckBox ||
         FKind == TSkinKind::Gauge || PaintsOverOwn();
}

bool THookWindowProc::PaintsOverOwn() const {
  return FKind == TSkinKind::GroupBox || FKind == TSkinKind::ComboBox;
}

void THookWindowProc::PaintOwn(HDC dc) {
  TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, 0};
  FOrgWindowProc(erase);
  TMessage own{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  FOrgWindowProc(own);
}

void THookWindowProc::WindowProc(TMessage& message) {
  if (FPainting || FControl->Destroying() || !Handles(message.Msg)) {
    FOrgWindowProc(message);
    return;
  }
  try {
    if (message.Msg == WM_PAINT && PaintsClient()) {
      PaintBuffered(message);
      return;
    }
    FOrgWindowProc(message);
    FMsg = message.Msg;
    Act(message);
  } catch (...) {
    // A failure while the skin repaints must not disturb the application: the message counts
    // as handled.
  }
}

void THookWindowProc::Act(const TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE && !FPressed) {
        FPressed = true;
        Paint();
      }
      return;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        FPressed = false;
        Paint();
      }
      return;
    case WM_LBUTTONDOWN:
      FLButtonDown = true;
      Paint();
      return;
    case WM_LBUTTONUP:
      FLButtonDown = false;
      Paint();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (FControl->Enabled()) {
        FMouseOver = message.Msg == CM_MOUSEENTER;
        Paint();
      }
      return;
    case CM_ENABLEDCHANGED:
      if (message.WParam == 0) FMouseOver = false;
      Paint();
      return;
    case WM_MOUSEMOVE:
      return;
    default:
      // BM_SETSTATE included, whatever the state: the platform's button has just drawn its own
      // face for the new state, at once and on the screen, and the skin covers it.
      Paint();
      return;
  }
}

bool THookWindowProc::PaintOn(HDC dc, TQoSkinColors& colors) {
  const TSkinPaint paint{*FControl, colors, State(), FLButtonDown, FMouseOver, FPressed, FMsg};
  switch (FKind) {
    case TSkinKind::EditLike:
      return PaintFlatFrame(dc, paint);
    case TSkinKind::PushButton:
      PaintPushButton(dc, paint);
      return true;
    case TSkinKind::CheckBox:
      PaintCheckBox(dc, paint);
      return true;
    case TSkinKind::GroupBox:
      return PaintGroupBox(dc, paint);
    case TSkinKind::Gauge:
      return PaintGaugeFrame(dc, paint);
    case TSkinKind::ComboBox:
      PaintComboBox(dc, paint);
      return true;
  }
  return false;
}

HDC THookWindowProc::Buffer(int width, int height) {
  if (FBuffer.Width() != width || FBuffer.Height() != height) FBuffer.SetSize(width, height);
  return FBuffer.Canvas().Handle();
}

void THookWindowProc::PaintBuffered(TMessage& message) {
  TQoSkinColors* colors = CurrentSkinColors();
  if (message.WParam != 0 || colors == nullptr) {  // a paint into a given DC: draw there
    FOrgWindowProc(message);
    FMsg = WM_PAINT;
    TFlagScope painting(FPainting);
    if (colors != nullptr) PaintOn(reinterpret_cast<HDC>(message.WParam), *colors);
    return;
  }
  HWND window = FControl->Handle();
  TPaintDC screen(window);
  RECT client;
  ::GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  HDC memory = Buffer(client.right, client.bottom);
  PaintOwn(memory);
  FMsg = WM_PAINT;
  TFlagScope painting(FPainting);
  PaintOn(memory, *colors);
  ::BitBlt(screen.Get(), 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
}

void THookWindowProc::Paint() {
  TQoSkinColors* colors = CurrentSkinColors();
  if (colors == nullptr || !FControl->HandleAllocated()) return;
  HWND window = FControl->Handle();
  if (!::IsWindowVisible(window)) return;
  TFlagScope painting(FPainting);
  const bool client =
      FKind == TSkinKind::PushButton || FKind == TSkinKind::CheckBox || PaintsOverOwn();
  RECT area;
  if (client) {
    ::GetClientRect(window, &area);
  } else {
    ::GetWindowRect(window, &area);
    ::OffsetRect(&area, -area.left, -area.top);
  }
  if (area.right <= 0 || area.bottom <= 0) return;
  HDC memory = Buffer(area.right, area.bottom);
  if (PaintsOverOwn()) PaintOwn(memory);
  if (!PaintOn(memory, *colors)) return;
  TWindowDC screen(window, !client);
  if (!client) {
    // A frame painter draws rings along the edge only: copy just those, never the inside.
    const int ring = FKind == TSkinKind::Gauge ? 1 : 2;
    ::ExcludeClipRect(screen.Get(), ring, ring, area.right - ring, area.bottom - ring);
  }
  ::BitBlt(screen.Get(), 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
}
