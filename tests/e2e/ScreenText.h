// What the screen shows of a window, read the way a user reads it: by its pixels. Texts that a
// program paints itself (labels without a window of their own) cannot be asked for; instead the
// text is drawn here in the font the program uses and its shape is looked for among the window's
// pixels on the screen. The window must be visible and uncovered. Windows only.
#pragma once

#include <windows.h>

#include "core/String.h"

// A font as a user sees it named: face, size in points, bold or not.
struct TScreenFont {
  const wchar_t* Face;
  int Points;
  bool Bold;
};

// Whether the window shows text in that font: dark text on a light background, on one line.
// The comparison is of ink (dark pixels), with a small allowance for pixels at the edge of a
// stroke, where smoothing against another background may tip them either way.
bool ShowsText(HWND window, const String& text, const TScreenFont& font);
