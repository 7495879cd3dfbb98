// A font described by value, without any platform object: what the registry manager stores in
// its 68-byte font record and what the Windows TFont converts to and from. Portable; plain data.
#pragma once

#include <cstdint>

#include "core/String.h"
#include "ui/Colors.h"

enum class TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

struct TFontData {
  String Name = L"Tahoma";
  int32_t Size = 8;  // points
  TColor Color = clWindowText;
  uint8_t Charset = 1;  // DEFAULT_CHARSET
  TFontPitch Pitch = TFontPitch::fpDefault;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const TFontData&) const = default;
};
