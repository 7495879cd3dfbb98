#include "components/QoPanel.h"

namespace {

int Channel(TColor color, int shift) {
  return static_cast<int>((color >> shift) & 0xFF);
}

TColor MixChannels(TColor start, TColor end, int numerator, int denominator) {
  TColor result = 0;
  for (int shift : {0, 8, 16}) {
    const int s = Channel(start, shift);
    const int value = s + (Channel(end, shift) - s) * numerator / denominator;
    result |= static_cast<TColor>(value) << shift;
  }
  return result;
}

// start + trunc((end - start) * factor), per channel.
TColor PartWay(TColor start, TColor end, double factor) {
  TColor result = 0;
  for (int shift : {0, 8, 16}) {
    const int s = Channel(start, shift);
    const int value = s + static_cast<int>((Channel(end, shift) - s) * factor);
    result |= static_cast<TColor>(value) << shift;
  }
  return result;
}

void FillBand(HDC dc, const RECT& band, TColor color) {
  TBrushHandle brush(::CreateSolidBrush(color));
  ::FillRect(dc, &band, brush.Get());
}

void PaintLinear(HDC dc, const RECT& rect, TColor start, TColor end, bool horizontal) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  for (int i = 0; i < 255; ++i) {
    RECT band = rect;
    if (horizontal) {
      band.left = rect.left + w * i / 255;
      band.right = rect.left + w * (i + 1) / 255;
    } else {
      band.top = rect.top + h * i / 255;
      band.bottom = rect.top + h * (i + 1) / 255;
    }
    FillBand(dc, band, GradientBandColor(start, end, i));
  }
}

void PaintRadial(HDC dc, const RECT& rect, TColor start, TColor end) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  TBitmap picture(w, h);
  HDC target = picture.Canvas().Handle();
  for (int i = 0; i < 256; ++i) {
    POINT corners[4];
    if (i < 128) {
      corners[0] = POINT{0, h * i / 128};
      corners[1] = POINT{0, h * (i + 1) / 128};
      corners[2] = POINT{w * (i + 1) / 128, 0};
      corners[3] = POINT{w * i / 128, 0};
    } else {
      corners[0] = POINT{w * (i - 128) / 128, h};
      corners[1] = POINT{w * (i - 127) / 128, h};
      corners[2] = POINT{w, h * (i - 127) / 128};
      corners[3] = POINT{w, h * (i - 128) / 128};
    }
    const TColor color = GradientBandColor(start, end, i);
    TBrushHandle brush(::CreateSolidBrush(color));
    TPenHandle pen(::CreatePen(PS_SOLID, 1, color));
    TSelection brushSelection(target, brush.Get());
    TSelection penSelection(target, pen.Get());
    ::Polygon(target, corners, 4);
  }
  ::BitBlt(dc, rect.left, rect.top, w, h, target, 0, 0, SRCCOPY);
}

}  // namespace

TColor GradientBandColor(TColor start, TColor end, int band, int bands) {
  return MixChannels(start, end, band, bands);
}

void PaintGradient(TCanvas& canvas, const RECT& rect, TColor start, TColor end,
                   TQoGradientDirection direction) {
  HDC dc = canvas.Handle();
  switch (direction) {
    case TQoGradientDirection::dgHorizontal:
      PaintLinear(dc, rect, start, end, true);
      return;
    case TQoGradientDirection::dgVertical:
      PaintLinear(dc, rect, start, end, false);
      return;
    case TQoGradientDirection::dgRadial:
      PaintRadial(dc, rect, start, end);
      return;
    case TQoGradientDirection::dgButtonized: {
      const int cut = rect.bottom - (rect.bottom - rect.top) / 2;
      PaintLinear(dc, RECT{rect.left, rect.top, rect.right, cut}, start, PartWay(start, end, 0.45),
                  false);
      PaintLinear(dc, RECT{rect.left, cut, rect.right, rect.bottom}, end, PartWay(start, end, 0.15),
                  false);
      return;
    }
  }
}

// TQoGradientOptions -----------------------------------------------------------------------------

void TQoGradientOptions::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  FOwner.Invalidate();
}

void TQoGradientOptions::SetFadeColor(TColor value) {
  if (value == FFadeColor) return;
  FFadeColor = value;
  FOwner.Invalidate();
}

void TQoGradientOptions::SetDirection(TQoGradientDirection value) {
  if (value == FDirection) return;
  FDirection = value;
  FOwner.Invalidate();
}

// TQoPanel ---------------------------------------------------------------------------------------

TQoPanel::TQoPanel(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(TBevelCut::bvNone);
  TCustomPanel::SetBorderWidth(FBorderWidth);
  SetParentColor(true);
}

void TQoPanel::SetBevelColor(TColor value) {
  if (value == FBevelColor) return;
  FBevelColor = value;
  Invalidate();
}

void TQoPanel::SetBevelWidth(int value) {
  if (value == FBevelWidth) return;
  FBevelWidth = value;
  Invalidate();
}

void TQoPanel::SetBorderWidth(int value) {
  TCustomPanel::SetBorderWidth(value);
  FBorderWidth = value;
  Invalidate();
}

void TQoPanel::SetSpacer(bool value) {
  if (value == FSpacer) return;
  FSpacer = value;
  if (value) {
    SetCaption(L"");
    FBevelWidth = 0;
    if (FBorderWidth == 0) SetBorderWidth(1);
  } else {
    FBevelWidth = 1;
    SetBorderWidth(0);
  }
  Invalidate();
}

void TQoPanel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TQoPanel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  const TColor bevel = ColorToRGB(FBevelColor);
  for (int i = 0; i < FBevelWidth; ++i) {
    TBrushHandle brush(::CreateSolidBrush(bevel));
    ::FrameRect(canvas.Handle(), &r, brush.Get());
    ::InflateRect(&r, -1, -1);
  }
  const TColor own = ColorToRGB(Color());
  if (!FGradient.Enabled() || FSpacer) {
    TBrushHandle brush(::CreateSolidBrush(own));
    ::FillRect(canvas.Handle(), &r, brush.Get());
  } else {
    PaintGradient(canvas, r, ColorToRGB(FGradient.FadeColor()), own, FGradient.Direction());
  }
  const String caption = Caption();
  if (!caption.empty()) {
    RECT text{r.left + FBorderWidth, r.top + FBevelWidth, r.right - FBorderWidth,
              r.bottom - FBevelWidth};
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_END_ELLIPSIS;
    if (FAlignment == TAlignment::taCenter) format |= DT_CENTER;
    if (FAlignment == TAlignment::taRightJustify) format |= DT_RIGHT;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().Assign(Font());
    canvas.DrawText(caption, text, format);
  }
  if (Designing() && FSpacer) {
    HDC dc = canvas.Handle();
    TPenHandle pen(::CreatePen(PS_DOT, 1, RGB(128, 128, 128)));
    TSavedDC saved(dc);
    ::SelectObject(dc, pen.Get());
    ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    ::SetROP2(dc, R2_XORPEN);
    const RECT all = ClientRect();
    ::Rectangle(dc, all.left, all.top, all.right, all.bottom);
  }
}

void TQoPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TCustomPanel::WndProc(message);
}

void TQoPanel::Resized() {
  TCustomPanel::Resized();
  Invalidate();
}
