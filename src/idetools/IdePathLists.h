// The rules of ";"-separated path lists shared by the path maintenance and the package lists.
// Nothing here raises.
#pragma once

#include "core/String.h"

// True when A and B name the same path: each side is replaced by its long form (a text holding
// "::" by the shell's name for it) where the lookup succeeds, and the results are compared
// ignoring case by the locale's rules. Trailing backslashes count.
bool SamePathText(const String& A, const String& B);
// Items (a ";"-list) appended to Current, each unless SamePathText finds it among the entries
// (those appended before it included). Empty entries are kept: adding C:\Q to "" gives ";C:\Q".
String MergePathList(const String& Current, const String& Items);
