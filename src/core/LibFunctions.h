// Text, number and date helpers of the component library. Positions are 1-based and a
// character is one UTF-16 code unit. Only NumberFromText raises (EConvertError on overflow).
#pragma once

#include <cstdint>
#include <vector>

#include "String.h"

String LeftPart(const String& s, int n);
String RightPart(const String& s, int n);
// Trimming drops characters whose code is at most 32 (space and control characters).
String TrimLeading(const String& s);
String TrimTrailing(const String& s);
String TrimBoth(const String& s);
bool IsBlank(const String& s);

// 0-based index of the first value equal to s ignoring ASCII letter case; -1 when none.
int FindTextIndex(const String& s, const std::vector<String>& values);
// Position of the n-th (possibly overlapping) occurrence of sub in s at or after start; 0 if none.
int PosOfOccurrence(const String& sub, const String& s, int n, int start);
// Number of sep characters in s plus one; 0 for an empty s or a zero separator.
int TokenCount(const String& s, wchar_t sep);
// The n-th (1-based) sep-separated token; empty beyond the count.
String TokenAt(const String& s, wchar_t sep, int n);
// Replaces up to maxCount (0: all) occurrences left to right; inserted text is not searched again.
String ReplaceOccurrences(const String& source, const String& find, const String& repl,
                          int maxCount);

double MinFloat(double a, double b);
int MinInt(int a, int b);
void IncBy(int& x, int n);

// Days since 1899-12-30, the fraction being the time of day.
using TDateTime = double;
TDateTime Now();
int YearOfDate(TDateTime d);

// The number formed by the decimal digits of s, negative when s begins with "-".
int64_t NumberFromText(const String& s);
