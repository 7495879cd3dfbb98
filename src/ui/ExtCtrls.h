// Further controls: the windowless image and bevel, the windowed panel (a container with
// bevels and an optional centred caption) and the timer component. The image owns its bitmap
// and icon (assigning copies). The timer fires OnTimer every Interval milliseconds on the
// thread that created it while Enabled; it must not be destroyed inside its own OnTimer (free
// its form with TForm::Release instead). Windows only.
#pragma once

#include "ui/Controls.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  // The picture; after drawing into it, call Invalidate.
  TBitmap& Picture() { return FPicture; }
  void SetPicture(const TBitmap& bitmap);
  // An icon shown instead of the picture while set.
  const TIcon& Icon() const { return FIcon; }
  void SetStockIcon(LPCWSTR id);
  // A shared icon (not destroyed by the image), such as the program's own.
  void SetSharedIcon(HICON icon);
  void ClearIcon();
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value);

 protected:
  void Paint() override;

 private:
  TBitmap FPicture;
  TIcon FIcon;
  bool FStretch = false;
  bool FCenter = false;
};

enum class TBevelShape {
  bsBox,
  bsFrame,
  bsTopLine,
  bsBottomLine,
  bsLeftLine,
  bsRightLine,
  bsSpacer
};
enum class TBevelStyle { bsLowered, bsRaised };

// A 3D line or frame in the button shadow and highlight colours.
class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* owner);
  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle value);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = TBevelShape::bsBox;
  TBevelStyle FStyle = TBevelStyle::bsLowered;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Draws a frame of width pixels inside rect (top and left edges in topColor, bottom and right in
// bottomColor) and shrinks rect by it.
void Frame3D(TCanvas& canvas, RECT& rect, TColor topColor, TColor bottomColor, int width);

// A container: background Color, an outer and an inner bevel separated by BorderWidth, and the
// caption centred. Aligned children share the area inside the bevels and the border.
class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* owner);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);

 protected:
  void Paint() override;
  void AdjustClientRect(RECT& rect) const override;
  void TextChanged() override;

 private:
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
  TBevelCut FBevelInner = TBevelCut::bvNone;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  // Milliseconds between two OnTimer calls; 0 stops the timer.
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned value);
  TNotifyEvent OnTimer;

 private:
  static LRESULT CALLBACK TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void UpdateTimer();
  HWND FWindow = nullptr;
  bool FEnabled = true;
  unsigned FInterval = 1000;
};
