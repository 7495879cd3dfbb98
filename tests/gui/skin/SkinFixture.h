// A shown form with a skin in the default scheme, and ways to drive and read back its controls:
// pixels are copied from the window on the screen, so they are what the user sees.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "components/skin/HookWindowProc.h"
#include "components/skin/QoSkinPlus.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

class SkinTest : public ::testing::Test {
 protected:
  SkinTest();
  // Shows the form, lets the skin take its controls over and paints everything pending.
  void ShowSkinned();
  // Paints whatever is pending in the form and its controls now.
  void PaintPending();
  // The window of control as it is on the screen, frame included.
  void Snapshot(TWinControl& control, TBitmap& shot);
  std::unique_ptr<TBitmap> ShotOf(TWinControl& control);
  // The skin's hook of control, or null.
  THookWindowProc* HookOf(const TWinControl& control) const;
  // Number of pixels of that colour inside rect of shot.
  static int CountColor(const TBitmap& shot, const RECT& rect, TColor color);
  // Message helpers (sent, so that the hook acts before they return).
  static void Send(TWinControl& control, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  static void MouseEnter(TWinControl& control);

  TForm Form{nullptr};
  TQoSkinPlus* Skin = nullptr;
  TQoSkinColors* Colors = nullptr;
};

constexpr TColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return RgbColor(r, g, b);
}
