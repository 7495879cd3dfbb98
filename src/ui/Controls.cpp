#include "ui/Controls.h"

#include <uxtheme.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/Forms.h"

bool VisualStylesActive() {
  return ::IsAppThemed() && ::IsThemeActive();
}

TShiftState KeyMessageShiftState(UINT msg, LPARAM lParam) {
  TShiftState shift = KeyboardShiftState();
  const bool systemKey = msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP || msg == WM_SYSCHAR;
  if (systemKey && (lParam & (LPARAM{1} << 29)) != 0) shift.Include(TShiftStateMember::ssAlt);
  return shift;
}

TShiftState KeyboardShiftState() {
  TShiftState shift;
  if (::GetKeyState(VK_SHIFT) < 0) shift.Include(TShiftStateMember::ssShift);
  if (::GetKeyState(VK_CONTROL) < 0) shift.Include(TShiftStateMember::ssCtrl);
  if (::GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateMember::ssAlt);
  return shift;
}

// TControl ---------------------------------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
  FFont.OnChange = [this] {
    if (!FSyncingFromParent) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  BeginDestroy();
  FFont.OnChange = nullptr;
  if (FParent != nullptr) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw EInvalidOperation(L"A control cannot be its own parent");
  if (FParent != nullptr) FParent->RemoveControl(this);
  FParent = parent;
  if (FParent != nullptr) {
    FParent->InsertControl(this);
    ParentFontChanged();
    ParentColorChanged();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Invalidate();
  Resized();
}

RECT TControl::ClientRect() const {
  return RECT{0, 0, FWidth, FHeight};
}

int TControl::ClientWidth() const {
  RECT r = ClientRect();
  return r.right - r.left;
}

int TControl::ClientHeight() const {
  RECT r = ClientRect();
  return r.bottom - r.top;
}

void TControl::SetClientWidth(int value) {
  SetWidth(value + FWidth - ClientWidth());
}

void TControl::SetClientHeight(int value) {
  SetHeight(value + FHeight - ClientHeight());
}

POINT TControl::ClientToScreen(POINT p) const {
  // A window's client area may sit inside a frame and caption: the platform knows where.
  if (const auto* windowed = dynamic_cast<const TWinControl*>(this);
      windowed != nullptr && windowed->HandleAllocated()) {
    ::ClientToScreen(windowed->HandleIfAllocated(), &p);
    return p;
  }
  POINT result{p.x + FLeft, p.y + FTop};
  if (FParent != nullptr) return FParent->ClientToScreen(result);
  return result;
}

POINT TControl::ScreenToClient(POINT p) const {
  POINT origin = ClientToScreen(POINT{0, 0});
  return POINT{p.x - origin.x, p.y - origin.y};
}

void TControl::ScaleBounds(int m, int d) {
  if (m == d) return;
  SetBounds(::MulDiv(FLeft, m, d), ::MulDiv(FTop, m, d), ::MulDiv(FWidth, m, d),
            ::MulDiv(FHeight, m, d));
}

void TControl::ChangeScale(int m, int d) {
  if (m == d) return;
  TControl::ScaleBounds(m, d);
  if (!FParentFont) FFont.SetHeight(::MulDiv(FFont.Height(), m, d));
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  VisibleChanged();
}

bool TControl::Showing() const {
  return FVisible && FParent != nullptr && FParent->Showing();
}

void TControl::Show() {
  if (FParent != nullptr) FParent->ShowControl(this);
  SetVisible(true);
}

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  EnabledChanged();
}

void TControl::SetText(const String& value) {
  if (value == Text()) return;
  FText = value;
  TextChanged();
}

void TControl::AppendToStoredText(const String& tail) {
  FText += tail;
  TextChanged();
}

void TControl::SetParentFont(bool value) {
  if (value == FParentFont) return;
  FParentFont = value;
  ParentFontChanged();
}

void TControl::SetColor(TColor value) {
  FParentColor = false;
  if (value == FColor) return;
  FColor = value;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  ParentColorChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || FParent == nullptr) return;
  FSyncingFromParent = true;
  FFont.Assign(FParent->Font());
  FSyncingFromParent = false;
}

void TControl::ParentColorChanged() {
  if (FParent == nullptr) return;
  if (FParentColor && FParent->Color() != FColor) {
    FColor = FParent->Color();
    ColorChanged();
  }
  Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  if (FParent != nullptr) FParent->Realign();
}

void TControl::BringToFront() {
  if (FParent == nullptr) return;
  auto& siblings = FParent->FControls;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  siblings.push_back(this);
  Invalidate();
}

void TControl::SendToBack() {
  if (FParent == nullptr) return;
  auto& siblings = FParent->FControls;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  siblings.insert(siblings.begin(), this);
  FParent->Invalidate();
}

void TControl::Invalidate() {
  if (FParent != nullptr && FParent->HandleAllocated() && FVisible) {
    RECT r = BoundsRect();
    ::InvalidateRect(FParent->Handle(), &r, TRUE);
  }
}

void TControl::Update() {
  if (FParent != nullptr) FParent->Update();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

namespace {

TShiftState MouseShiftState(WPARAM keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(TShiftStateMember::ssShift);
  if (keys & MK_CONTROL) shift.Include(TShiftStateMember::ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(TShiftStateMember::ssLeft);
  if (keys & MK_RBUTTON) shift.Include(TShiftStateMember::ssRight);
  if (keys & MK_MBUTTON) shift.Include(TShiftStateMember::ssMiddle);
  if (::GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateMember::ssAlt);
  return shift;
}

}  // namespace

void TControl::WndProc(TMessage& message) {
  const int x = GET_X_LPARAM(message.LParam);
  const int y = GET_Y_LPARAM(message.LParam);
  // Read for the mouse messages only: the key state is a round trip to the window server under
  // Wine, and every message of the control passes here.
  const auto shift = [&message] { return MouseShiftState(message.WParam); };
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (OnMouseDown)
        OnMouseDown(this,
                    message.Msg == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                    : message.Msg == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                    : TMouseButton::mbMiddle,
                    shift(), x, y);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (OnMouseUp)
        OnMouseUp(this,
                  message.Msg == WM_LBUTTONUP   ? TMouseButton::mbLeft
                  : message.Msg == WM_RBUTTONUP ? TMouseButton::mbRight
                                                : TMouseButton::mbMiddle,
                  shift(), x, y);
      break;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(this);
      break;
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(this, shift(), x, y);
      break;
    case CM_MOUSEENTER:
      FMouseInside = true;
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      FMouseInside = false;
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    default:
      break;
  }
}

void TControl::FontChanged() {
  Invalidate();
  Perform(CM_FONTCHANGED);
}

void TControl::ColorChanged() {
  Invalidate();
  Perform(CM_COLORCHANGED);
}

void TControl::TextChanged() {
  Invalidate();
  Perform(CM_TEXTCHANGED);
}

void TControl::EnabledChanged() {
  Invalidate();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::VisibleChanged() {
  if (FParent != nullptr && FParent->HandleAllocated()) {
    RECT r = BoundsRect();
    ::InvalidateRect(FParent->Handle(), &r, TRUE);
  }
  if (FParent != nullptr && FAlign != TAlign::alNone) FParent->Realign();
}

void TControl::Resized() {
  if (OnResize) OnResize(this);
}

// TGraphicControl --------------------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintTo(HDC dc, int x, int y) {
  TSavedDC saved(dc);
  ::OffsetViewportOrgEx(dc, x, y, nullptr);
  ::IntersectClipRect(dc, 0, 0, Width(), Height());
  FCanvas.SetHandle(dc);
  try {
    Paint();
  } catch (...) {
    FCanvas.SetHandle(nullptr);
    throw;
  }
  FCanvas.SetHandle(nullptr);
}

// TCustomControl ---------------------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
  FCanvas.SetHandle(dc);
  try {
    Paint();
  } catch (...) {
    FCanvas.SetHandle(nullptr);
    throw;
  }
  FCanvas.SetHandle(nullptr);
}
