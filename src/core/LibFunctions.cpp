#include "LibFunctions.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "Exception.h"

namespace {

bool IsTrimmed(wchar_t c) {
  return c <= 32;
}

wchar_t AsciiUpper(wchar_t c) {
  return c >= L'a' && c <= L'z' ? c - 32 : c;
}

bool SameAscii(const String& a, const String& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

// Civil date of a day count since 1970-01-01 (proleptic Gregorian).
int YearFromUnixDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  return static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

constexpr int64_t kUnixEpochAsDateTime = 25569;  // 1970-01-01 as days since 1899-12-30

}  // namespace

String LeftPart(const String& s, int n) {
  if (n <= 0) return String();
  return s.substr(0, static_cast<size_t>(n));
}

String RightPart(const String& s, int n) {
  if (n <= 0) return String();
  if (static_cast<size_t>(n) >= s.size()) return s;
  return s.substr(s.size() - n);
}

String TrimLeading(const String& s) {
  size_t i = 0;
  while (i < s.size() && IsTrimmed(s[i])) ++i;
  return s.substr(i);
}

String TrimTrailing(const String& s) {
  size_t n = s.size();
  while (n > 0 && IsTrimmed(s[n - 1])) --n;
  return s.substr(0, n);
}

String TrimBoth(const String& s) {
  return TrimTrailing(TrimLeading(s));
}

bool IsBlank(const String& s) {
  return TrimBoth(s).empty();
}

int FindTextIndex(const String& s, const std::vector<String>& values) {
  for (size_t i = 0; i < values.size(); ++i) {
    if (SameAscii(s, values[i])) return static_cast<int>(i);
  }
  return -1;
}

int PosOfOccurrence(const String& sub, const String& s, int n, int start) {
  if (n <= 0 || sub.empty() || s.empty()) return 0;
  size_t from = start <= 1 ? 0 : static_cast<size_t>(start - 1);
  int found = 0;
  while (from < s.size()) {
    const size_t at = s.find(sub, from);
    if (at == String::npos) return 0;
    if (++found == n) return static_cast<int>(at) + 1;
    from = at + 1;
  }
  return 0;
}

int TokenCount(const String& s, wchar_t sep) {
  if (s.empty() || sep == 0) return 0;
  int count = 1;
  for (wchar_t c : s) count += c == sep ? 1 : 0;
  return count;
}

String TokenAt(const String& s, wchar_t sep, int n) {
  if (n <= 0 || n > TokenCount(s, sep)) return String();
  size_t begin = 0;
  for (int i = 1; i < n; ++i) begin = s.find(sep, begin) + 1;
  const size_t end = s.find(sep, begin);
  return s.substr(begin, end == String::npos ? String::npos : end - begin);
}

String ReplaceOccurrences(const String& source, const String& find, const String& repl,
                          int maxCount) {
  if (source.empty() || find.empty() || find == repl) return source;
  String out;
  size_t from = 0;
  int done = 0;
  while (maxCount <= 0 || done < maxCount) {
    const size_t at = source.find(find, from);
    if (at == String::npos) break;
    out.append(source, from, at - from);
    out += repl;
    from = at + find.size();
    ++done;
  }
  out.append(source, from, String::npos);
  return out;
}

double MinFloat(double a, double b) {
  return a >= b ? b : a;
}

int MinInt(int a, int b) {
  return a < b ? a : b;
}

void IncBy(int& x, int n) {
  x += n;
}

TDateTime Now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  // Local civil time expressed as if it were UTC, then turned into days since 1899-12-30.
  std::tm copy = local;
  copy.tm_isdst = 0;
#ifdef _WIN32
  const int64_t seconds = _mkgmtime(&copy);
#else
  const int64_t seconds = timegm(&copy);
#endif
  return static_cast<double>(kUnixEpochAsDateTime) + static_cast<double>(seconds) / 86400.0;
}

int YearOfDate(TDateTime d) {
  return YearFromUnixDays(static_cast<int64_t>(std::floor(d)) - kUnixEpochAsDateTime);
}

int64_t NumberFromText(const String& s) {
  String digits;
  for (wchar_t c : s) {
    if (c >= L'0' && c <= L'9') digits += c;
  }
  if (digits.empty()) return 0;
  const bool negative = s[0] == L'-';
  // Accumulate towards the negative side, which holds one more value than the positive one.
  int64_t value = 0;
  for (wchar_t c : digits) {
    const int digit = c - L'0';
    if (value < (INT64_MIN + digit) / 10) {
      throw EConvertError(L"'" + (negative ? L"-" + digits : digits) +
                          L"' is not a valid integer value");
    }
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == INT64_MIN) {
      throw EConvertError(L"'" + digits + L"' is not a valid integer value");
    }
    value = -value;
  }
  return value;
}
