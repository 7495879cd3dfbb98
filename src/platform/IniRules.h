// The rules of the platform's profile-file reader, as portable functions: the native INI reader
// uses all of them, the Windows one only the integer rule (the platform reads the text there).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/String.h"

namespace platform {

// Text of an INI file: UTF-8 or UTF-16 (either byte order) when it begins with a byte-order mark,
// otherwise the ANSI code page.
String DecodeProfileText(std::string_view bytes);

// The value of key in section of an INI text, with the profile reader's rules; defaultValue when
// the section or key is missing. The result is cut to kIniValueLimit characters.
String ProfileString(const String& text, const String& section, const String& key,
                     const String& defaultValue);

// A decimal, "$"/"0x"/"x" hexadecimal 32-bit integer with optional leading blanks and sign; empty
// when the text is anything else or out of range.
std::optional<int32_t> ParseInteger(const String& text);

}  // namespace platform
