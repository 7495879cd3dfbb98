// Splits a Windows command line into its arguments as the Windows C runtime does, so that a
// child started natively sees the arguments a Windows program would. The program name ends at
// the first space or tab, or at its closing quote when it begins with one. In the others,
// spaces and tabs separate arguments outside quotes; 2n backslashes before a quote give n
// backslashes and the quote opens or closes a quoted part; 2n+1 give n and a literal quote;
// two quotes inside a quoted part give one literal quote; other backslashes are literal.
#pragma once

#include <vector>

#include "core/String.h"

std::vector<String> SplitCommandLine(const String& commandLine);
