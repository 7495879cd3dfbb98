// The wizard's header picture: a 630 by 75 band in the maker's blues, drawn with GDI so that the
// program carries no image file. It paints into any device context; nothing is kept or owned.
#pragma once

#include <windows.h>

// Paints the picture over the whole of bounds. Drawing failures leave parts of it unpainted.
void PaintHeaderPicture(HDC dc, const RECT& bounds);
