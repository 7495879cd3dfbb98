// An ordered list of strings with the name=value conventions of the system's settings lists.
// Name lookups ignore the case of ASCII letters. Index errors raise EListError.
#pragma once

#include <vector>

#include "String.h"

class TStringList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  const String& Strings(int index) const;
  void SetStrings(int index, const String& value);
  const String& operator[](int index) const { return Strings(index); }

  int Add(const String& value);
  void Insert(int index, const String& value);
  void Delete(int index);
  void Clear() { FItems.clear(); }
  int IndexOf(const String& value) const;

  // name=value lines: Names(i) is the part before the first "=", ValueFromIndex(i) after it.
  String Names(int index) const;
  String ValueFromIndex(int index) const;
  int IndexOfName(const String& name) const;
  String Values(const String& name) const;
  // Sets name=value, adding the line when absent; an empty value removes the line.
  void SetValue(const String& name, const String& value);

  // Lines joined by CR LF, each ended by one; SetText splits at CR LF, LF or CR.
  String Text() const;
  void SetText(const String& text);

  const std::vector<String>& Items() const { return FItems; }

 private:
  void CheckIndex(int index, int limit) const;
  std::vector<String> FItems;
};

// Equality ignoring the case of the ASCII letters A to Z only.
bool SameTextAscii(const String& a, const String& b);
