// The wizard's header picture: a 630 by 75 band in the maker's blues, drawn with GDI so that the
// program carries no image file. PaintHeaderPicture paints into any device context;
// THeaderPicture is the windowless control that shows it at the top of the window. Nothing is
// kept or owned beyond the control itself. Windows only.
#pragma once

#include <windows.h>

#include "ui/Controls.h"

// Paints the picture over the whole of bounds.
void PaintHeaderPicture(HDC dc, const RECT& bounds);

class THeaderPicture : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override { PaintHeaderPicture(Canvas().Handle(), ClientRect()); }
};
