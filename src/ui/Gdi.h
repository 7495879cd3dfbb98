// Move-only owners of GDI handles: each releases its handle exactly once, in its destructor,
// with the call that matches how the handle was obtained. A default-constructed or moved-from
// owner holds nothing and releases nothing. Windows only.
#pragma once

#include <windows.h>

#include <utility>

// A handle and the function that gives it back; Traits::Release(handle) is called when set.
template <typename Traits>
class TGdiHandle {
 public:
  using Handle = typename Traits::Handle;
  TGdiHandle() = default;
  explicit TGdiHandle(Handle h) : FHandle(h) {}
  ~TGdiHandle() { Reset(); }
  TGdiHandle(TGdiHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TGdiHandle& operator=(TGdiHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  TGdiHandle(const TGdiHandle&) = delete;
  TGdiHandle& operator=(const TGdiHandle&) = delete;

  Handle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset(Handle h = nullptr) {
    if (FHandle != nullptr) Traits::Release(FHandle);
    FHandle = h;
  }
  Handle Release() { return std::exchange(FHandle, nullptr); }

 private:
  Handle FHandle = nullptr;
};

template <typename H>
struct TDeleteObjectTraits {
  using Handle = H;
  static void Release(H h) { DeleteObject(h); }
};
struct TDeleteDCTraits {
  using Handle = HDC;
  static void Release(HDC h) { DeleteDC(h); }
};
struct TDestroyIconTraits {
  using Handle = HICON;
  static void Release(HICON h) { DestroyIcon(h); }
};

using TFontHandle = TGdiHandle<TDeleteObjectTraits<HFONT>>;
using TPenHandle = TGdiHandle<TDeleteObjectTraits<HPEN>>;
using TBrushHandle = TGdiHandle<TDeleteObjectTraits<HBRUSH>>;
using TBitmapHandle = TGdiHandle<TDeleteObjectTraits<HBITMAP>>;
using TRegionHandle = TGdiHandle<TDeleteObjectTraits<HRGN>>;
// A memory DC from CreateCompatibleDC.
using TMemoryDC = TGdiHandle<TDeleteDCTraits>;
// An icon the program created (not a shared stock icon).
using TIconHandle = TGdiHandle<TDestroyIconTraits>;

// A window's DC from GetDC (the client area), or from GetWindowDC with wholeWindow (frame
// included), given back with ReleaseDC. A null window means the screen.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window, bool wholeWindow = false)
      : FWindow(window), FDC(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~TWindowDC() {
    if (FDC != nullptr) ReleaseDC(FWindow, FDC);
  }
  TWindowDC(TWindowDC&& other) noexcept
      : FWindow(other.FWindow), FDC(std::exchange(other.FDC, nullptr)) {}
  TWindowDC& operator=(TWindowDC&&) = delete;
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

// The DC of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) : FWindow(window) { FDC = BeginPaint(window, &FPaint); }
  ~TPaintDC() { EndPaint(FWindow, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Get() const { return FDC; }
  const RECT& Area() const { return FPaint.rcPaint; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// Selects an object into a DC and puts the previous one back on destruction.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ object) : FDC(dc), FOld(SelectObject(dc, object)) {}
  ~TSelection() { SelectObject(FDC, FOld); }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// Saves a DC's state (SaveDC) and restores it (RestoreDC) on destruction.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : FDC(dc), FState(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(FDC, FState); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC FDC;
  int FState;
};
