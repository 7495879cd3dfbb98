// Whole text files read and written in the encoding they came in: a byte-order mark names UTF-8,
// UTF-16 little-endian or UTF-16 big-endian; a file without one is in the system's ANSI code
// page. Writing puts the mark back for the Unicode encodings. Raises EInOutError (Files.h) when
// the file cannot be read or written.
#pragma once

#include "core/String.h"

namespace platform {

enum class TTextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

struct TTextFileContent {
  String Text;  // without the byte-order mark
  TTextEncoding Encoding = TTextEncoding::Ansi;
};

TTextFileContent ReadTextFile(const String& path);
// Creates or truncates path and writes text in the encoding, with its byte-order mark when it
// has one. A character the ANSI code page lacks is written as the platform converts it.
void WriteTextFile(const String& path, const String& text, TTextEncoding encoding);

}  // namespace platform
