// TQoGauge: shows how far Progress has advanced from MinValue to MaxValue as a row of boxes, a
// bar, or a left-to-right reveal of a picture, optionally with the percentage in the middle.
// MinValue < MaxValue and MinValue <= Progress <= MaxValue always hold: values that would break
// them are refused (the range) or clamped (Progress). A change of Progress draws the inner area
// at once, through an off-screen bitmap, without repainting the frame. With AutoSize the control
// fits its width to the boxes (unless aligned to a full width) or its size to the picture.
// The gauge owns its picture and its off-screen bitmap. Windows only; nothing raises.
#pragma once

#include <cstdint>

#include "ui/Controls.h"

enum class TQoGaugeBevel { bvLowered, bvNone, bvRaised };
enum class TQoGaugeStyle { gsBoxes, gsBar, gsImage };

class TQoGauge : public TCustomControl {
 public:
  // 200 by 18, boxes, lowered bevel, navy boxes on the button face, white font, Progress 20.
  explicit TQoGauge(TComponent* owner);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  TQoGaugeBevel BevelStyle() const { return FBevelStyle; }
  void SetBevelStyle(TQoGaugeBevel value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  TColor BoxColor() const { return FBoxColor; }
  void SetBoxColor(TColor value);
  uint8_t BoxNumber() const { return FBoxNumber; }
  // 2 to 100; without AutoSize the count is then refitted to the width (see the implementation).
  void SetBoxNumber(int value);
  uint8_t BoxSpace() const { return FBoxSpace; }
  void SetBoxSpace(int value);  // 1 to 10
  TQoGaugeStyle GaugeStyle() const { return FGaugeStyle; }
  void SetGaugeStyle(TQoGaugeStyle value);
  const TBitmap& Image() const { return FImage; }
  void SetImage(const TBitmap& picture);
  uint8_t Margin() const { return FMargin; }
  void SetMargin(int value);  // 0 to 9
  int32_t MaxValue() const { return FMaxValue; }
  void SetMaxValue(int32_t value);
  int32_t MinValue() const { return FMinValue; }
  void SetMinValue(int32_t value);
  int32_t Progress() const { return FProgress; }
  void SetProgress(int32_t value);
  bool ShowPercent() const { return FShowPercent; }
  void SetShowPercent(bool value);

  // Progress + value, then pending paints are done at once.
  void Add(int32_t value);
  // MinValue, then MaxValue (each by its own rule), Progress 0, then pending paints.
  void Initialize(int32_t minValue, int32_t maxValue);

  // Bevel + border + margin, in pixels on every side.
  int FrameThickness() const;
  // Width of one box for the current width, count and gap (8 bits, as stored).
  uint8_t BoxWidth() const;

 protected:
  void Paint() override;
  void Resized() override;

 private:
  void DrawInnerArea(TCanvas& target);
  void DrawInnerAreaNow();
  void FitSize();
  float Fraction() const;

  bool FAutoSize = true;
  TQoGaugeBevel FBevelStyle = TQoGaugeBevel::bvLowered;
  TBorderStyle FBorderStyle = TBorderStyle::bsNone;
  TColor FBoxColor = RgbColor(0, 0, 128);
  uint8_t FBoxNumber = 20;
  uint8_t FBoxSpace = 1;
  TQoGaugeStyle FGaugeStyle = TQoGaugeStyle::gsBoxes;
  TBitmap FImage;
  uint8_t FMargin = 1;
  int32_t FMaxValue = 100;
  int32_t FMinValue = 0;
  int32_t FProgress = 20;
  bool FShowPercent = false;
  TBitmap FBmp;
  bool FFitting = true;  // no fitting until the constructor is done
};
