// Locale-dependent text operations (natively the stand-in compares character codes of the
// upper-case texts).
#pragma once

#include "core/String.h"

// Text in upper case by the system locale's rules.
String UpperText(const String& s);
// Compares two texts ignoring case in the system locale's order: below 0, 0 or above 0.
int CompareTextLocale(const String& a, const String& b);
