// Single-byte code page conversion: the system's ANSI and OEM code pages on Windows; natively
// the stand-ins Windows-1252 (ANSI) and 437 (OEM).
#pragma once

#include <string>
#include <string_view>

#include "core/String.h"

namespace platform {

String AnsiToString(std::string_view bytes);
String OemToString(std::string_view bytes);
// ANSI bytes of text; `exact` (when given) tells whether every character had a byte of its own.
std::string StringToAnsi(const String& text, bool* exact = nullptr);

}  // namespace platform
