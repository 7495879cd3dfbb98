// TQoInternalLabel: the message dialog's text label. It draws its caption character by character
// and reads a small inline markup on the way: "<b>", "<i>", "<u>" toggle bold, italic and
// underline; "<r>" toggles between red and the label's font colour, "<c>" returns to that colour
// and "<c:NAME>" switches to a named or numeric colour (an unreadable one leaves the colour as it
// was); a carriage return, a line feed or both together break the line. Text never wraps.
// Style and colour are the state of the label's canvas: each pass starts where the previous one
// ended (so an unbalanced "<b>" leaves the next paint bold), the first from the label's font.
// Windows only; no failure modes.
#pragma once

#include "ui/StdCtrls.h"

class TQoInternalLabel : public TLabel {
 public:
  // The label has no automatic size: its owner measures it with the markup pass.
  explicit TQoInternalLabel(TComponent* owner);

  // Runs the markup pass over bounds. Measuring draws nothing and returns bounds with right =
  // the widest x reached and bottom = the last line's top + the height of "H"; drawing paints
  // the characters on the canvas and returns the same rectangle.
  RECT MeasureOrDrawMarkup(RECT bounds, bool measure);

 protected:
  void Paint() override;
  void FontChanged() override;

 private:
  bool FCanvasFontSet = false;
};
