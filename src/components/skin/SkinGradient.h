// The skin's drawing primitives on a device context: the four gradient fills (vertical,
// horizontal, diagonal, glass) and the solid fill of SkinGradientBands.h, the one-pixel outline and
// the check mark. Colours may be system colours; they are resolved to RGB first. The fills stay
// inside their rectangle; an empty rectangle draws nothing. Windows only; nothing raises.
#pragma once

#include <windows.h>

#include "ui/Colors.h"

// Start colour at the top, end colour at the bottom.
void SkinFillVertical(HDC dc, const RECT& rect, TColor start, TColor end);
// Start colour at the left, end colour at the right.
void SkinFillHorizontal(HDC dc, const RECT& rect, TColor start, TColor end);
// Start colour at the top-left corner, end colour at the bottom-right one; drawn off-screen and
// copied in one piece.
void SkinFillDiagonal(HDC dc, const RECT& rect, TColor start, TColor end);
// Two vertical fills meeting at the middle row: a glossy face.
void SkinFillGlass(HDC dc, const RECT& rect, TColor start, TColor end);
// The vertical fill with start = end.
void SkinFillSolid(HDC dc, const RECT& rect, TColor color);
// A one-pixel rectangle along the inside of rect; the inside is left as it is.
void SkinFrame(HDC dc, const RECT& rect, TColor color);
// The check mark inside a box whose top-left corner, shrunk by 1, is (x, y): three polylines
// for k = 1, 2, 3 through (x + 2, y + k + 3), (x + 4, y + k + 5), (x + 9, y + k), each without
// its last point.
void SkinDrawCheckMark(HDC dc, int x, int y, TColor color);
