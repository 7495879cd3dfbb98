#include "ui/ExtCtrls.h"

#include "core/Format.h"
#include "ui/Forms.h"

// TImage -----------------------------------------------------------------------------------------

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(const TBitmap& bitmap) {
  FPicture.Assign(bitmap);
  Invalidate();
}

void TImage::SetStockIcon(LPCWSTR id) {
  FIcon.LoadStock(id);
  Invalidate();
}

void TImage::SetSharedIcon(HICON icon) {
  FIcon.SetShared(icon);
  Invalidate();
}

void TImage::ClearIcon() {
  FIcon.Clear();
  Invalidate();
}

void TImage::SetStretch(bool value) {
  if (value == FStretch) return;
  FStretch = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  if (value == FCenter) return;
  FCenter = value;
  Invalidate();
}

void TImage::Paint() {
  TCanvas& canvas = Canvas();
  const int w = Width();
  const int h = Height();
  if (!FIcon.Empty()) {
    const int iw = FStretch ? w : FIcon.Width();
    const int ih = FStretch ? h : FIcon.Height();
    const int x = FCenter && !FStretch ? (w - iw) / 2 : 0;
    const int y = FCenter && !FStretch ? (h - ih) / 2 : 0;
    ::DrawIconEx(canvas.Handle(), x, y, FIcon.Handle(), iw, ih, 0, nullptr, DI_NORMAL);
    return;
  }
  if (FPicture.Empty()) return;
  if (FStretch) {
    canvas.StretchDraw(RECT{0, 0, w, h}, FPicture);
  } else if (FCenter) {
    canvas.Draw((w - FPicture.Width()) / 2, (h - FPicture.Height()) / 2, FPicture);
  } else {
    canvas.Draw(0, 0, FPicture);
  }
}

// TBevel -----------------------------------------------------------------------------------------

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
  if (value == FShape) return;
  FShape = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Invalidate();
}

namespace {

void FillArea(TCanvas& canvas, TColor color, int left, int top, int right, int bottom) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(RECT{left, top, right, bottom});
}

}  // namespace

void TBevel::Paint() {
  TCanvas& canvas = Canvas();
  const bool lowered = FStyle == TBevelStyle::bsLowered;
  const TColor first = lowered ? clBtnShadow : clBtnHighlight;
  const TColor second = lowered ? clBtnHighlight : clBtnShadow;
  const int w = Width();
  const int h = Height();
  switch (FShape) {
    case TBevelShape::bsBox: {
      RECT r{0, 0, w, h};
      Frame3D(canvas, r, first, second, 1);
      break;
    }
    case TBevelShape::bsFrame: {
      RECT outer{1, 1, w, h};
      Frame3D(canvas, outer, second, second, 1);
      RECT inner{0, 0, w - 1, h - 1};
      Frame3D(canvas, inner, first, first, 1);
      break;
    }
    case TBevelShape::bsTopLine:
      FillArea(canvas, first, 0, 0, w, 1);
      FillArea(canvas, second, 0, 1, w, 2);
      break;
    case TBevelShape::bsBottomLine:
      FillArea(canvas, first, 0, h - 2, w, h - 1);
      FillArea(canvas, second, 0, h - 1, w, h);
      break;
    case TBevelShape::bsLeftLine:
      FillArea(canvas, first, 0, 0, 1, h);
      FillArea(canvas, second, 1, 0, 2, h);
      break;
    case TBevelShape::bsRightLine:
      FillArea(canvas, first, w - 2, 0, w - 1, h);
      FillArea(canvas, second, w - 1, 0, w, h);
      break;
    case TBevelShape::bsSpacer:
      break;
  }
}

// TCustomPanel -----------------------------------------------------------------------------------

void Frame3D(TCanvas& canvas, RECT& rect, TColor topColor, TColor bottomColor, int width) {
  for (int i = 0; i < width; ++i) {
    FillArea(canvas, topColor, rect.left, rect.top, rect.right, rect.top + 1);
    FillArea(canvas, topColor, rect.left, rect.top, rect.left + 1, rect.bottom);
    FillArea(canvas, bottomColor, rect.left, rect.bottom - 1, rect.right, rect.bottom);
    FillArea(canvas, bottomColor, rect.right - 1, rect.top, rect.right, rect.bottom);
    ::InflateRect(&rect, -1, -1);
  }
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (value == FBevelOuter) return;
  FBevelOuter = value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (value == FBevelInner) return;
  FBevelInner = value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int value) {
  if (value < 1 || value == FBevelWidth) return;
  FBevelWidth = value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderWidth(int value) {
  if (value < 0 || value == FBorderWidth) return;
  FBorderWidth = value;
  Realign();
  Invalidate();
}

void TCustomPanel::AdjustClientRect(RECT& rect) const {
  int inset = FBorderWidth;
  if (FBevelOuter != TBevelCut::bvNone) inset += FBevelWidth;
  if (FBevelInner != TBevelCut::bvNone) inset += FBevelWidth;
  ::InflateRect(&rect, -inset, -inset);
}

namespace {

void DrawBevel(TCanvas& canvas, RECT& rect, TBevelCut cut, int width) {
  switch (cut) {
    case TBevelCut::bvNone:
      return;
    case TBevelCut::bvLowered:
      Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, width);
      return;
    case TBevelCut::bvRaised:
      Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, width);
      return;
    case TBevelCut::bvSpace:
      ::InflateRect(&rect, -width, -width);
      return;
  }
}

}  // namespace

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  DrawBevel(canvas, r, FBevelOuter, FBevelWidth);
  ::InflateRect(&r, -FBorderWidth, -FBorderWidth);
  DrawBevel(canvas, r, FBevelInner, FBevelWidth);
  const String caption = Caption();
  if (caption.empty()) return;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(Font());
  canvas.DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
}

void TCustomPanel::TextChanged() {
  TCustomControl::TextChanged();
  Invalidate();
}

// TTimer -----------------------------------------------------------------------------------------

namespace {

constexpr const wchar_t* TimerClassName = L"QrvTimerWindow";

}  // namespace

LRESULT CALLBACK TTimer::TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER) return ::DefWindowProcW(window, msg, wParam, lParam);
  auto* timer = reinterpret_cast<TTimer*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (timer == nullptr || !timer->OnTimer) return 0;
  try {
    timer->OnTimer(timer);
  } catch (const std::exception& error) {
    UiApplication().HandleException(error);
  }
  return 0;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TTimer::TimerWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = TimerClassName;
    return ::RegisterClassExW(&wc) != 0;
  }();
  if (registered)
    FWindow = ::CreateWindowExW(0, TimerClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
  if (FWindow == nullptr)
    throw EWindowError(
        Format(L"Cannot create the timer window (error %d)", {int(::GetLastError())}));
  ::SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  UpdateTimer();
}

TTimer::~TTimer() {
  ::SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
  ::KillTimer(FWindow, 1);
  ::DestroyWindow(FWindow);
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
  if (value == FInterval) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  ::KillTimer(FWindow, 1);
  if (FEnabled && FInterval > 0) ::SetTimer(FWindow, 1, FInterval, nullptr);
}
