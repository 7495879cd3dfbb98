// TQoPanel: a container that paints its own background: a flat colour or a gradient from
// FadeColor to its own colour (horizontal, vertical, radial or "buttonized"), a one-colour bevel
// BevelWidth pixels wide, and a one-line caption placed by Alignment. As a Spacer it paints flat
// and shows no caption. BorderWidth is a margin inside the panel that children keep to. The panel
// never lets its background be erased and repaints itself whole when moved or resized.
//
// Gradient bands: band i has, per channel, S + (E - S) * i / 255 (truncated toward zero), S the
// fade colour and E the panel's colour, both as RGB. Horizontal and vertical draw bands 0 to 254
// (so the far edge is band 254, not E); radial draws 256 diagonal bands from the top-left corner
// to the bottom-right one; buttonized fills the upper half (from row bottom - h / 2 up) vertically
// from S to S + (E - S) * 0.45 and the lower part from E to S + (E - S) * 0.15. Windows only.
#pragma once

#include "ui/ExtCtrls.h"

enum class TQoGradientDirection { dgHorizontal, dgVertical, dgRadial, dgButtonized };

class TQoPanel;

// The panel's background gradient; changing a setting repaints the panel.
class TQoGradientOptions {
 public:
  explicit TQoGradientOptions(TQoPanel& owner) : FOwner(owner) {}
  TQoGradientOptions(const TQoGradientOptions&) = delete;
  TQoGradientOptions& operator=(const TQoGradientOptions&) = delete;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  TColor FadeColor() const { return FFadeColor; }
  void SetFadeColor(TColor value);
  TQoGradientDirection Direction() const { return FDirection; }
  void SetDirection(TQoGradientDirection value);

 private:
  bool FEnabled = true;
  TColor FFadeColor = clWhite;
  TQoGradientDirection FDirection = TQoGradientDirection::dgRadial;
  TQoPanel& FOwner;
};

// The colour of gradient band `band` from start to end (both RGB), in `bands` steps per channel.
TColor GradientBandColor(TColor start, TColor end, int band, int bands = 255);

// Fills rect of canvas with the gradient from start to end in that direction.
void PaintGradient(TCanvas& canvas, const RECT& rect, TColor start, TColor end,
                   TQoGradientDirection direction);

class TQoPanel : public TCustomPanel {
 public:
  explicit TQoPanel(TComponent* owner);

  TColor BevelColor() const { return FBevelColor; }
  void SetBevelColor(TColor value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  TQoGradientOptions& Gradient() { return FGradient; }
  bool Spacer() const { return FSpacer; }
  // On: no caption, bevel 0, border at least 1. Off: bevel 1, border 0.
  void SetSpacer(bool value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void Resized() override;

 private:
  TColor FBevelColor = RgbColor(117, 157, 195);
  int FBevelWidth = 1;
  int FBorderWidth = 1;
  TQoGradientOptions FGradient{*this};
  bool FSpacer = false;
  TAlignment FAlignment = TAlignment::taCenter;
};
