#include "components/QoGauge.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/Format.h"
#include "ui/ExtCtrls.h"

namespace {

// The integer nearest to x, a half going to the even neighbour.
int Nearest(float x) {
  return static_cast<int>(std::nearbyint(x));
}

}  // namespace

TQoGauge::TQoGauge(TComponent* owner) : TCustomControl(owner) {
  SetColor(clBtnFace);
  SetParentFont(false);
  Font().SetColor(clWhite);
  SetBounds(0, 0, 200, 18);
  FFitting = false;
}

int TQoGauge::FrameThickness() const {
  return (FBevelStyle != TQoGaugeBevel::bvNone ? 1 : 0) +
         (FBorderStyle == TBorderStyle::bsSingle ? 1 : 0) + FMargin;
}

uint8_t TQoGauge::BoxWidth() const {
  const int available = ClientWidth() - 2 * FrameThickness() - FBoxSpace * (FBoxNumber - 1);
  int width = available / FBoxNumber;
  if (available % FBoxNumber > 0) ++width;
  return static_cast<uint8_t>(width);
}

float TQoGauge::Fraction() const {
  return static_cast<float>(static_cast<int64_t>(FProgress) - FMinValue) /
         static_cast<float>(static_cast<int64_t>(FMaxValue) - FMinValue);
}

void TQoGauge::FitSize() {
  if (!FAutoSize || FFitting) return;
  FFitting = true;
  const int frame = 2 * FrameThickness();
  switch (FGaugeStyle) {
    case TQoGaugeStyle::gsBoxes:
      if (Align() == TAlign::alNone || Align() == TAlign::alLeft || Align() == TAlign::alRight)
        SetWidth(BoxWidth() * FBoxNumber + frame + FBoxSpace * (FBoxNumber - 1));
      break;
    case TQoGaugeStyle::gsImage:
      if (!FImage.Empty())
        SetBounds(Left(), Top(), FImage.Width() + frame, FImage.Height() + frame);
      break;
    case TQoGaugeStyle::gsBar:
      break;
  }
  FFitting = false;
}

void TQoGauge::Resized() {
  TCustomControl::Resized();
  FitSize();
}

void TQoGauge::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  FitSize();
}

void TQoGauge::SetBevelStyle(TQoGaugeBevel value) {
  if (value == FBevelStyle) return;
  FBevelStyle = value;
  FitSize();
  Invalidate();
}

void TQoGauge::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  FitSize();
  Invalidate();
}

void TQoGauge::SetGaugeStyle(TQoGaugeStyle value) {
  if (value == FGaugeStyle) return;
  FGaugeStyle = value;
  FitSize();
  Invalidate();
}

void TQoGauge::SetBoxColor(TColor value) {
  if (value == FBoxColor) return;
  FBoxColor = value;
  Invalidate();
}

void TQoGauge::SetShowPercent(bool value) {
  if (value == FShowPercent) return;
  FShowPercent = value;
  Invalidate();
}

void TQoGauge::SetImage(const TBitmap& picture) {
  FImage.Assign(picture);
  FitSize();
  Invalidate();
}

// Without AutoSize the count is refitted to the width: as many boxes of the new box width as
// the inner width holds, a partial one counting as one. The result stays within 2 to 100.
void TQoGauge::SetBoxNumber(int value) {
  if (value < 2 || value > 100 || value == FBoxNumber) return;
  FBoxNumber = static_cast<uint8_t>(value);
  if (FAutoSize) {
    FitSize();
  } else if (const int step = BoxWidth() + FBoxSpace; step > 0) {
    const float x = static_cast<float>(Width() - 2 * FrameThickness()) / static_cast<float>(step);
    int count = static_cast<int>(x);
    if (x != static_cast<float>(count)) ++count;
    FBoxNumber = static_cast<uint8_t>(std::clamp(count, 2, 100));
  }
  Invalidate();
}

void TQoGauge::SetBoxSpace(int value) {
  if (value < 1 || value > 10 || value == FBoxSpace) return;
  FBoxSpace = static_cast<uint8_t>(value);
  FitSize();
  Invalidate();
}

void TQoGauge::SetMargin(int value) {
  if (value < 0 || value > 9 || value == FMargin) return;
  FMargin = static_cast<uint8_t>(value);
  FitSize();
  Invalidate();
}

void TQoGauge::SetMaxValue(int32_t value) {
  if (value == FMaxValue || value <= FMinValue) return;
  FMaxValue = value;
  FProgress = std::min(FProgress, FMaxValue);
  Invalidate();
}

void TQoGauge::SetMinValue(int32_t value) {
  if (value == FMinValue || value >= FMaxValue) return;
  FMinValue = value;
  FProgress = std::max(FProgress, FMinValue);
  Invalidate();
}

void TQoGauge::SetProgress(int32_t value) {
  value = std::clamp(value, FMinValue, FMaxValue);
  if (value == FProgress) return;
  FProgress = value;
  DrawInnerAreaNow();
}

void TQoGauge::Add(int32_t value) {
  SetProgress(static_cast<int32_t>(
      std::clamp<int64_t>(static_cast<int64_t>(FProgress) + value, INT32_MIN, INT32_MAX)));
  Update();
}

void TQoGauge::Initialize(int32_t minValue, int32_t maxValue) {
  SetMinValue(minValue);
  SetMaxValue(maxValue);
  SetProgress(0);
  Update();
}

void TQoGauge::DrawInnerAreaNow() {
  if (!HandleAllocated() || !Showing()) return;
  TWindowDC dc(Handle());
  TCanvas canvas;
  canvas.SetHandle(dc.Get());
  DrawInnerArea(canvas);
  canvas.SetHandle(nullptr);
}

void TQoGauge::DrawInnerArea(TCanvas& target) {
  const int frame = FrameThickness();
  const int w = ClientWidth() - 2 * frame;
  const int h = ClientHeight() - 2 * frame;
  if (w <= 0 || h <= 0) return;
  FBmp.SetSize(w, h);
  TCanvas& canvas = FBmp.Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(RECT{0, 0, w, h});
  canvas.Brush().SetColor(FBoxColor);
  const float p = Fraction();
  switch (FGaugeStyle) {
    case TQoGaugeStyle::gsBoxes: {
      const int boxes = Nearest(p * static_cast<float>(FBoxNumber));
      const int boxWidth = BoxWidth();
      RECT box{0, 0, boxWidth, h};
      for (int i = 0; i < boxes; ++i) {
        canvas.FillRect(box);
        box.left = box.right + FBoxSpace;
        box.right = box.left + boxWidth;
      }
      break;
    }
    case TQoGaugeStyle::gsBar:
      canvas.FillRect(RECT{0, 0, Nearest(static_cast<float>(w) * p), h});
      break;
    case TQoGaugeStyle::gsImage:
      if (!FImage.Empty())
        canvas.CopyRect(
            RECT{0, 0, Nearest(static_cast<float>(w) * p), h}, FImage.Canvas(),
            RECT{0, 0, Nearest(static_cast<float>(FImage.Width()) * p), FImage.Height()});
      break;
  }
  if (FShowPercent) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().Assign(Font());
    const String text = IntToStr(Nearest(p * 100.0f)) + L"%";
    const SIZE size = canvas.TextExtent(text);
    canvas.TextOut((w - size.cx) / 2, (h - size.cy) / 2, text);
  }
  target.Draw(frame, frame, FBmp);
}

void TQoGauge::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  if (FBorderStyle == TBorderStyle::bsSingle) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clWindowFrame);
    canvas.FrameRect(r);
    ::InflateRect(&r, -1, -1);
  }
  if (FBevelStyle == TQoGaugeBevel::bvLowered)
    Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
  else if (FBevelStyle == TQoGaugeBevel::bvRaised)
    Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
  DrawInnerArea(canvas);
}
