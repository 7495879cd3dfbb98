// The skin's painters of group boxes and combo boxes (see SkinPainters.h for the painters'
// contract), and the arrow mark they share with any arrow button.
//  - Group box, on the client area: a patch of the box's own colour behind the caption, the
//    platform's three-dimensional frame replaced by one flat line in Group.Border, and the
//    caption in Group.Text. It draws nothing after a mouse message: the mouse moving over a
//    group box, entering or leaving it repaints nothing on the screen.
//  - Combo box, on the whole window (a combo box has no frame of its own, so window and client
//    coordinates agree): the flat frame, then, unless the combo box is simple, the arrow button
//    in the ArrowBtn colours by state. The button is hot while the mouse is over it, or anywhere
//    over a drop-down list.
// Windows only.
#pragma once

#include "components/skin/SkinPainters.h"

enum class TSkinArrow { Down, Up, Right, Left };

// An arrow of size s (s + 4 lines, the widest 2 * (s + 3) + 1 pixels) around (cx, cy).
void SkinDrawArrow(HDC dc, int cx, int cy, int size, TSkinArrow direction, TColor color);

// False when it drew nothing (after a mouse message).
bool PaintGroupBox(HDC dc, const TSkinPaint& paint);
void PaintComboBox(HDC dc, const TSkinPaint& paint);
// The rectangle of a combo box's arrow button, in client coordinates.
RECT ComboBoxButtonRect(TWinControl& combo);
