// Byte helpers shared by the XML tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/String.h"

inline std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

inline std::string AsText(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// UTF-16 LE bytes of ASCII or BMP text, optionally preceded by the byte-order mark.
inline std::vector<uint8_t> Utf16Bytes(const String& text, bool bom) {
  std::vector<uint8_t> out;
  if (bom) out = {0xFF, 0xFE};
  for (wchar_t c : text) {
    out.push_back(static_cast<uint8_t>(c & 0xFF));
    out.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));
  }
  return out;
}
