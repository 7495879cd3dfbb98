// Text helpers shared by the catalogue and the evaluator. Case-insensitive means: ignoring the
// case of the ASCII letters, as the IDE's own name lookups do.
#pragma once

#include "core/String.h"

// Every occurrence of find (ignoring case) replaced by value; inserted text is not searched.
String ReplaceAllIgnoringCase(const String& text, const String& find, const String& value);
// Index of the ")" closing the "(" just before start, counting nested parentheses and skipping
// parts quoted with ', " or `; npos when there is none.
size_t FindClosingParenthesis(const String& text, size_t start);
