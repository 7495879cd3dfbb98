#include "StringList.h"

#include "Exception.h"
#include "Format.h"

namespace {

wchar_t AsciiUpper(wchar_t c) {
  return c >= L'a' && c <= L'z' ? c - 32 : c;
}

}  // namespace

bool SameTextAscii(const String& a, const String& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) {
    throw EListError(Format(L"List index out of bounds (%d)", {index}));
  }
}

const String& TStringList::Strings(int index) const {
  CheckIndex(index, Count());
  return FItems[index];
}

void TStringList::SetStrings(int index, const String& value) {
  CheckIndex(index, Count());
  FItems[index] = value;
}

int TStringList::Add(const String& value) {
  FItems.push_back(value);
  return Count() - 1;
}

void TStringList::Insert(int index, const String& value) {
  CheckIndex(index, Count() + 1);
  FItems.insert(FItems.begin() + index, value);
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  FItems.erase(FItems.begin() + index);
}

int TStringList::IndexOf(const String& value) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameTextAscii(FItems[i], value)) return i;
  }
  return -1;
}

String TStringList::Names(int index) const {
  const String& line = Strings(index);
  const size_t eq = line.find(L'=');
  return eq == String::npos ? String() : line.substr(0, eq);
}

String TStringList::ValueFromIndex(int index) const {
  const String& line = Strings(index);
  const size_t eq = line.find(L'=');
  return eq == String::npos ? String() : line.substr(eq + 1);
}

int TStringList::IndexOfName(const String& name) const {
  for (int i = 0; i < Count(); ++i) {
    const size_t eq = FItems[i].find(L'=');
    if (eq != String::npos && SameTextAscii(FItems[i].substr(0, eq), name)) return i;
  }
  return -1;
}

String TStringList::Values(const String& name) const {
  const int i = IndexOfName(name);
  return i < 0 ? String() : ValueFromIndex(i);
}

void TStringList::SetValue(const String& name, const String& value) {
  const int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
  } else if (i >= 0) {
    FItems[i] = name + L"=" + value;
  } else {
    Add(name + L"=" + value);
  }
}

String TStringList::Text() const {
  String out;
  for (const String& line : FItems) out += line + L"\r\n";
  return out;
}

void TStringList::SetText(const String& text) {
  FItems.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == String::npos) end = text.size();
    FItems.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() &&
        text[end + 1] == L'\n') {
      ++end;
    }
    start = end + 1;
  }
}
