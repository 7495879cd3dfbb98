// Locale-dependent text operations.
#pragma once

#include "core/String.h"

// Text in upper case by the system locale's rules.
String UpperText(const String& s);
