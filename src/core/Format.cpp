#include "Format.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "Exception.h"

namespace {

struct Directive {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  wchar_t type = 0;
};

class Formatter {
 public:
  Formatter(std::wstring_view format, std::initializer_list<FormatArg> args)
      : FFormat(format), FArgs(args) {}

  String Run() {
    String out;
    size_t i = 0;
    while (i < FFormat.size()) {
      const wchar_t c = FFormat[i++];
      if (c != L'%') {
        out += c;
        continue;
      }
      if (i < FFormat.size() && FFormat[i] == L'%') {
        out += L'%';
        ++i;
        continue;
      }
      out += Expand(ParseDirective(i));
    }
    return out;
  }

 private:
  [[noreturn]] void Fail() const {
    throw EConvertError(L"Format '" + String(FFormat) + L"' invalid or incompatible with argument");
  }

  const FormatArg& NextArg() {
    if (FNext >= FArgs.size()) Fail();
    return FArgs.begin()[FNext++];
  }

  int ReadNumber(size_t& i, bool allowStar = true) {
    if (allowStar && i < FFormat.size() && FFormat[i] == L'*') {
      ++i;
      const auto* n = std::get_if<int64_t>(&NextArg().Value());
      if (n == nullptr) Fail();
      return static_cast<int>(*n);
    }
    int n = -1;
    while (i < FFormat.size() && FFormat[i] >= L'0' && FFormat[i] <= L'9') {
      n = (n < 0 ? 0 : n) * 10 + (FFormat[i++] - L'0');
      if (n > 100000) Fail();
    }
    return n;
  }

  Directive ParseDirective(size_t& i) {
    Directive d;
    // An index ("%1:s") selects the argument and continues from there.
    const size_t start = i;
    const int index = ReadNumber(i, false);
    if (index >= 0 && i < FFormat.size() && FFormat[i] == L':') {
      FNext = static_cast<size_t>(index);
      ++i;
    } else {
      i = start;
    }
    if (i < FFormat.size() && FFormat[i] == L'-') {
      d.leftAlign = true;
      ++i;
    }
    d.width = ReadNumber(i);
    if (i < FFormat.size() && FFormat[i] == L'.') {
      ++i;
      d.precision = ReadNumber(i);
      if (d.precision < 0) d.precision = 0;
    }
    if (i >= FFormat.size()) Fail();
    d.type = FFormat[i++];
    return d;
  }

  static String Pad(String text, const Directive& d) {
    if (d.width > 0 && static_cast<int>(text.size()) < d.width) {
      const String fill(d.width - text.size(), L' ');
      text = d.leftAlign ? text + fill : fill + text;
    }
    return text;
  }

  static String MinDigits(String digits, int precision) {
    if (precision > 0 && static_cast<int>(digits.size()) < precision) {
      digits.insert(0, precision - digits.size(), L'0');
    }
    return digits;
  }

  static String Decimal(uint64_t value) {
    String s;
    do {
      s.insert(s.begin(), static_cast<wchar_t>(L'0' + value % 10));
      value /= 10;
    } while (value != 0);
    return s;
  }

  static String Hex(uint64_t value) {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    String s;
    do {
      s.insert(s.begin(), kDigits[value & 15]);
      value >>= 4;
    } while (value != 0);
    return s;
  }

  String Integer(const Directive& d, const FormatArg& arg) {
    const auto& v = arg.Value();
    bool negative = false;
    uint64_t magnitude = 0;
    if (const auto* s = std::get_if<int64_t>(&v)) {
      negative = *s < 0;
      magnitude = negative ? 0 - static_cast<uint64_t>(*s) : static_cast<uint64_t>(*s);
    } else if (const auto* u = std::get_if<uint64_t>(&v)) {
      magnitude = *u;
    } else {
      Fail();
    }
    if (d.type == L'x' || d.type == L'X') {
      // Hex shows the two's complement of a negative 32-bit or 64-bit value.
      uint64_t bits = magnitude;
      if (negative) {
        const auto s = std::get<int64_t>(v);
        bits = s >= INT32_MIN ? static_cast<uint32_t>(static_cast<int32_t>(s))
                              : static_cast<uint64_t>(s);
      }
      return MinDigits(Hex(bits), d.precision);
    }
    if (d.type == L'u' || d.type == L'U') {
      if (negative) magnitude = static_cast<uint32_t>(static_cast<int32_t>(std::get<int64_t>(v)));
      return MinDigits(Decimal(magnitude), d.precision);
    }
    return (negative ? L"-" : L"") + MinDigits(Decimal(magnitude), d.precision);
  }

  double Floating(const FormatArg& arg) {
    const auto& v = arg.Value();
    if (const auto* f = std::get_if<double>(&v)) return *f;
    Fail();
  }

  // One floating-point value through the C library's printf. On Windows that is the system's
  // (msvcrt.dll) rather than MinGW's own, whose formatter and floating-point conversion would
  // add tens of kilobytes to the setup program.
  static String Printf(const char* pattern, int precision, double value) {
    char buffer[512] = {};
#ifdef _WIN32
    _snprintf(buffer, sizeof buffer - 1, pattern, precision, value);  // may leave it unterminated
#else
    std::snprintf(buffer, sizeof buffer, pattern, precision, value);
#endif
    return FromUtf8(buffer);
  }

  // The exponent of "1.5E+04" written with at least three digits, "1.5E+004", as the system's
  // printf on Windows writes it; the C libraries elsewhere write two.
  static String ThreeDigitExponent(String text) {
    const size_t mark = text.find(L'E');
    if (mark == String::npos || mark + 1 >= text.size()) return text;
    const size_t digits = text.size() - (mark + 2);
    if (digits < 3) text.insert(mark + 2, 3 - digits, L'0');
    return text;
  }

  static String Grouped(const String& fixed) {
    const size_t sign = !fixed.empty() && fixed[0] == L'-' ? 1 : 0;
    size_t end = fixed.find(L'.');
    if (end == String::npos) end = fixed.size();
    String out = fixed;
    for (size_t pos = end; pos > sign + 3; pos -= 3) out.insert(pos - 3, 1, L',');
    return out;
  }

  String Expand(const Directive& d) {
    const FormatArg& arg = NextArg();
    switch (d.type) {
      case L'd':
      case L'D':
      case L'u':
      case L'U':
      case L'x':
      case L'X':
        return Pad(Integer(d, arg), d);
      case L's':
      case L'S': {
        const auto* s = std::get_if<std::wstring_view>(&arg.Value());
        if (s == nullptr) Fail();
        String text(d.precision >= 0 ? s->substr(0, d.precision) : *s);
        return Pad(text, d);
      }
      case L'f':
      case L'F':
        return Pad(Printf("%.*f", d.precision < 0 ? 2 : d.precision, Floating(arg)), d);
      case L'n':
      case L'N':
        return Pad(Grouped(Printf("%.*f", d.precision < 0 ? 2 : d.precision, Floating(arg))), d);
      case L'e':
      case L'E':
        return Pad(ThreeDigitExponent(
                       Printf("%.*E", (d.precision < 0 ? 15 : d.precision) - 1, Floating(arg))),
                   d);
      case L'g':
      case L'G':
        return Pad(
            ThreeDigitExponent(Printf("%.*G", d.precision < 0 ? 15 : d.precision, Floating(arg))),
            d);
      default:
        Fail();
    }
  }

  std::wstring_view FFormat;
  std::initializer_list<FormatArg> FArgs;
  size_t FNext = 0;
};

}  // namespace

String Format(std::wstring_view format, std::initializer_list<FormatArg> args) {
  return Formatter(format, args).Run();
}

String IntToStr(int64_t value) {
  return Format(L"%d", {static_cast<long long>(value)});
}
