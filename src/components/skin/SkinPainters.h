// The painters of the skin: each draws one kind of taken-over control in the flat, gradient
// style of a colour scheme, given the control, its state and the device context to draw on.
//  - Client painters (push button, check box) draw the whole client area, in client coordinates.
//  - Frame painters (flat frame, gauge frame) draw rings along the edge of the whole window, in
//    window coordinates; the inside is left as it is.
// A painter only draws; the hook (HookWindowProc.h) decides when, and gives it a memory bitmap
// that it then copies to the screen in one piece. Colours of the scheme may be system colours.
// Windows only; a painter raises only what the platform's drawing raises (the hook discards it).
#pragma once

#include <windows.h>

#include "components/skin/QoSkinColors.h"
#include "ui/Controls.h"

// The state of a control at painting time, tested in this order: not enabled; pressed (the left
// button went down on it and the mouse is over it, or the space key is held); hot (the mouse is
// over it); normal.
enum class TSkinState { Disabled, Pressed, Hot, Normal };

// What a painter knows of the control it paints.
struct TSkinPaint {
  TWinControl& Control;
  TQoSkinColors& Colors;
  TSkinState State;
  bool LButtonDown;  // the left button went down on the control and has not come up
  bool MouseOver;    // the mouse is over the control
  bool Pressed;      // the space key is held down on the control
  UINT Msg;          // the last message the hook handled
};

TSkinState SkinStateOf(bool enabled, bool lButtonDown, bool mouseOver, bool pressed);

// Picks a colour by state: the Disable, Press, On or plain variant.
template <typename T>
T ByState(TSkinState state, T disabled, T pressed, T hot, T normal) {
  switch (state) {
    case TSkinState::Disabled:
      return disabled;
    case TSkinState::Pressed:
      return pressed;
    case TSkinState::Hot:
      return hot;
    case TSkinState::Normal:
      break;
  }
  return normal;
}

// Push button on its client area: glass face (solid when disabled), outline, the default
// button's inner outline, the focus rectangle (not while pressed) and the caption.
void PaintPushButton(HDC dc, const TSkinPaint& paint);
// Check box on its client area: the box on the left or right, its outlines, its diagonal
// interior, the check mark or grayed patch, the caption and the focus rectangle.
void PaintCheckBox(HDC dc, const TSkinPaint& paint);
// A flat one-pixel border in Edit.Border (Edit.BorderDisable when disabled), and inside it a
// line in the control's own colour, along the edge of the whole window.
void SkinFlatFrame(HDC dc, const TSkinPaint& paint);
// The flat frame in place of the sunken edge; only for a control with the sunken client edge.
// False when it drew nothing.
bool PaintFlatFrame(HDC dc, const TSkinPaint& paint);
// The gauge's frame in ProgressBar.Border; the gauge's Tag counts consecutive paints and the
// frame is drawn unless this is the third or later paint in a row. False when it drew nothing.
bool PaintGaugeFrame(HDC dc, const TSkinPaint& paint);
