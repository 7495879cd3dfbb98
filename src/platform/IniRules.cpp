#include "platform/IniRules.h"

#include <vector>

#include "platform/CodePages.h"
#include "platform/IniFile.h"

namespace platform {
namespace {

bool IsProfileSpace(wchar_t c) {
  // The reader counts CR and ^Z (the DOS end-of-file mark) as blanks too.
  return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A;
}

wchar_t Fold(wchar_t c) {
  return c >= L'a' && c <= L'z' ? c - 32 : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

struct Line {
  std::wstring_view text;  // without leading and trailing blanks
};

std::vector<Line> SplitLines(const String& text) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == String::npos) end = text.size();
    size_t b = start, e = end;
    while (b < e && IsProfileSpace(text[b])) ++b;
    while (e > b && IsProfileSpace(text[e - 1])) --e;
    if (e > b) lines.push_back({std::wstring_view(text).substr(b, e - b)});
    start = end + 1;
  }
  return lines;
}

std::wstring_view TrimBlanks(std::wstring_view s) {
  while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
  return s;
}

// A "[name]" line: the name runs to the last "]", without its outer blanks.
std::optional<std::wstring_view> SectionName(std::wstring_view line) {
  if (line.empty() || line[0] != L'[') return std::nullopt;
  const size_t close = line.rfind(L']');
  if (close == std::wstring_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

// The stored value, with one pair of matching outer quotes removed the way the reader copies it
// into a buffer of kIniValueLimit + 1 characters.
String CopyEntry(std::wstring_view value) {
  const size_t bufferSize = kIniValueLimit + 1;
  wchar_t quote = 0;
  if (!value.empty() && (value[0] == L'\'' || value[0] == L'"') && value.size() > 1 &&
      value.back() == value[0]) {
    quote = value[0];
    value.remove_prefix(1);
  }
  String out(value.substr(0, bufferSize - 1));
  if (quote != 0 && bufferSize >= value.size() && !out.empty()) out.pop_back();
  return out;
}

}  // namespace

String DecodeProfileText(std::string_view bytes) {
  auto utf16 = [&](size_t from, bool bigEndian) {
    String out;
    for (size_t i = from; i + 1 < bytes.size(); i += 2) {
      const auto a = static_cast<uint8_t>(bytes[i]), b = static_cast<uint8_t>(bytes[i + 1]);
      out += static_cast<wchar_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    }
    return out;
  };
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return FromUtf8(bytes.substr(3));
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") return utf16(2, false);
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") return utf16(2, true);
  return AnsiToString(bytes);
}

String ProfileString(const String& text, const String& section, const String& key,
                     const String& defaultValue) {
  // Trailing blanks of the default are dropped, and it is copied like a stored value.
  String def = defaultValue;
  while (def.size() > 1 && def.back() == L' ') def.pop_back();
  if (key.empty()) return CopyEntry(def);

  // The names asked for lose their outer blanks as the stored ones do.
  const std::wstring_view wantedSection = TrimBlanks(section);
  const std::wstring_view wantedKey = TrimBlanks(key);
  bool inSection = false;
  bool sectionSeen = false;
  for (const Line& line : SplitLines(text)) {
    if (const auto name = SectionName(line.text)) {
      // Only the first section of a name is searched.
      if (sectionSeen) break;
      inSection = SameName(*name, wantedSection);
      sectionSeen = inSection;
      continue;
    }
    if (!inSection) continue;
    const size_t eq = line.text.find(L'=');
    const std::wstring_view name = TrimBlanks(line.text.substr(0, eq));
    if (!SameName(name, wantedKey)) continue;
    if (eq == std::wstring_view::npos) return CopyEntry(def);  // a key without "=" has no value
    std::wstring_view value = line.text.substr(eq + 1);
    while (!value.empty() && IsProfileSpace(value.front())) value.remove_prefix(1);
    return CopyEntry(value);
  }
  return CopyEntry(def);
}

}  // namespace platform
