#include "ui/FormPlacement.h"

#include <algorithm>

void TSizeConstraints::SetMin(int value, int& min, int& max) {
  min = std::max(0, value);
  if (max != 0 && max < min) max = min;
}

void TSizeConstraints::SetMax(int value, int& min, int& max) {
  max = std::max(0, value);
  if (max != 0 && min > max) min = max;
}

void TSizeConstraints::SetMinWidth(int value) {
  SetMin(value, FMinWidth, FMaxWidth);
}

void TSizeConstraints::SetMaxWidth(int value) {
  SetMax(value, FMinWidth, FMaxWidth);
}

void TSizeConstraints::SetMinHeight(int value) {
  SetMin(value, FMinHeight, FMaxHeight);
}

void TSizeConstraints::SetMaxHeight(int value) {
  SetMax(value, FMinHeight, FMaxHeight);
}

int TSizeConstraints::Constrain(int value, int min, int max) {
  if (max != 0) value = std::min(value, max);
  return std::max(value, min);
}
