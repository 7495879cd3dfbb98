// Text type of the whole system: UTF-16 on Windows, where a "character" is one code unit.
// UTF-8 conversion lives here; ANSI and OEM code pages belong to the platform layer.
#pragma once

#include <string>
#include <string_view>

using String = std::wstring;

// UTF-8 of a String; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::wstring_view text);
// String of UTF-8 bytes; invalid sequences become U+FFFD.
String FromUtf8(std::string_view bytes);
