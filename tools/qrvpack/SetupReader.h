// Reads a setup program back: `list` prints its descriptor and archive records without
// unpacking; `extract` runs the wizard's own extraction into a folder (which checks the archive
// against the descriptor's Digest first) and prints what it unpacked. Output is UTF-8, one item
// per line: Version=, Package=, Source=, Files=, Names=, Digest= (when present), then
// "<size>\t<name>" per file. A damaged setup raises EQrvpackError (SetupBuilder.h).
#pragma once

#include <ostream>

#include "core/String.h"

void ListSetup(const String& setup, std::ostream& out);
void ExtractSetup(const String& setup, const String& folder, std::ostream& out);
