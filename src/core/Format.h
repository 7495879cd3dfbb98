// Delphi-style Format: "%" [index ":"] ["-"] [width] ["." precision] type, with the types
// d (signed decimal), u (unsigned decimal), x (upper-case hex), s (text), f, e, g, n (floating
// point; n with thousands separators) and "%%". Width and precision may be "*", taken from the
// next (integer) argument. An argument of the wrong kind, a missing argument or an unknown type
// raises EConvertError with the text "Format '<format>' invalid or incompatible with argument".
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <variant>

#include "String.h"

class FormatArg {
 public:
  FormatArg(int value) : FValue(static_cast<int64_t>(value)) {}
  FormatArg(long value) : FValue(static_cast<int64_t>(value)) {}
  FormatArg(long long value) : FValue(static_cast<int64_t>(value)) {}
  FormatArg(unsigned value) : FValue(static_cast<uint64_t>(value)) {}
  FormatArg(unsigned long value) : FValue(static_cast<uint64_t>(value)) {}
  FormatArg(unsigned long long value) : FValue(static_cast<uint64_t>(value)) {}
  FormatArg(double value) : FValue(value) {}
  // Text arguments are referred to, not copied: an argument lives until Format returns.
  FormatArg(const String& value) : FValue(std::wstring_view(value)) {}
  FormatArg(const wchar_t* value) : FValue(std::wstring_view(value)) {}

  const std::variant<int64_t, uint64_t, double, std::wstring_view>& Value() const { return FValue; }

 private:
  std::variant<int64_t, uint64_t, double, std::wstring_view> FValue;
};

// The format is a view, so that a literal format makes no temporary text at each call.
String Format(std::wstring_view format, std::initializer_list<FormatArg> args);

// The decimal text of a number, as %d gives it (std::to_wstring would link the C library's whole
// printf into the Windows program).
String IntToStr(int64_t value);
