// What a form's place on the screen is made of, apart from its window: the window state and the
// size constraints. Portable plain data; no failure modes.
//
// TSizeConstraints keeps itself consistent: a maximum set below the minimum lowers the minimum,
// a minimum set above a non-zero maximum raises the maximum. A value of 0 means no limit.
#pragma once

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

class TSizeConstraints {
 public:
  int MinWidth() const { return FMinWidth; }
  int MaxWidth() const { return FMaxWidth; }
  int MinHeight() const { return FMinHeight; }
  int MaxHeight() const { return FMaxHeight; }
  void SetMinWidth(int value);
  void SetMaxWidth(int value);
  void SetMinHeight(int value);
  void SetMaxHeight(int value);
  // A width or height brought within the limits.
  int ConstrainWidth(int width) const { return Constrain(width, FMinWidth, FMaxWidth); }
  int ConstrainHeight(int height) const { return Constrain(height, FMinHeight, FMaxHeight); }

 private:
  static int Constrain(int value, int min, int max);
  static void SetMin(int value, int& min, int& max);
  static void SetMax(int value, int& min, int& max);
  int FMinWidth = 0;
  int FMaxWidth = 0;
  int FMinHeight = 0;
  int FMaxHeight = 0;
};
