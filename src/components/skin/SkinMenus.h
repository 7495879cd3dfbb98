// The skin's menus: the menu bar of a form and the items of drop-down and pop-up menus, drawn in
// the MainMenu and MenuItem colours of the current scheme (QoSkinColors.h). SkinInitMenus makes
// each menu of a form owner-drawn and gives every item the skin's measuring and drawing handlers
// (replacing any handlers the items had). A menu bar item whose size the platform has already
// measured is hidden and shown again, so that the bar measures it anew.
//
// Drawing renders an item into a memory bitmap and copies it to the menu in one piece; the last
// item of a form's menu bar also fills the empty rest of the bar (up to the form's right frame,
// or past the screen's edge when the form is maximized). Without a current scheme (its skin
// destroyed before the menus) items are drawn in the scheme's initial colours. Windows only;
// nothing raises but the platform's drawing.
#pragma once

#include <cstdint>

#include "ui/Menus.h"

// Makes the menus owned by form (menu bars and pop-up menus) owner-drawn by the skin, except a
// menu whose Tag equals a non-zero skipTag.
void SkinInitMenus(TComponent& form, int32_t skipTag);

// The skin's handlers (TMenuItem::OnMeasureItem and OnDrawItem).
void SkinMeasureMenuItem(TComponent* sender, TCanvas& canvas, int& width, int& height);
void SkinDrawMenuItem(TComponent* sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state);

// A disabled item's picture: every pixel but the transparent ones becomes the grey level
// (red + green + blue) / 3 + 20, a level above 245 becoming 246.
void SkinGreyPicture(TBitmap& picture, TColor transparent);
