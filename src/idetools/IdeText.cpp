#include "IdeText.h"

namespace {

wchar_t FoldChar(wchar_t c) {
  return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
}

String Folded(const String& text) {
  String out = text;
  for (auto& c : out) c = FoldChar(c);
  return out;
}

}  // namespace

String ReplaceAllIgnoringCase(const String& text, const String& find, const String& value) {
  if (find.empty()) return text;
  const String folded = Folded(text);
  const String foldedFind = Folded(find);
  String out;
  size_t start = 0;
  for (size_t at; (at = folded.find(foldedFind, start)) != String::npos; start = at + find.size()) {
    out.append(text, start, at - start);
    out += value;
  }
  out.append(text, start, String::npos);
  return out;
}

size_t FindClosingParenthesis(const String& text, size_t start) {
  int depth = 1;
  wchar_t quote = 0;
  for (size_t i = start; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == L'\'' || c == L'"' || c == L'`') {
      quote = c;
    } else if (c == L'(') {
      ++depth;
    } else if (c == L')' && --depth == 0) {
      return i;
    }
  }
  return String::npos;
}
