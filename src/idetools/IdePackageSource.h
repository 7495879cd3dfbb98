// What the catalogue reads from a package or project source before compiling and registering it:
// the directives of a Delphi source (".dpk", ".dpr") and the output name and linker flags of a
// C++Builder project (".bpk", ".bpr"), and from them the full name of the library the compiler
// makes. Sources are read as text (UTF-8 or UTF-16 with a byte-order mark, else the ANSI code
// page); an unreadable file raises EInOutError, an unknown extension EIdeCompilerUtilsException
// "%s not a known project extension".
#pragma once

#include "core/String.h"

struct TIdePackageSourceInfo {
  bool RunOnly = false;
  String LibSuffix;
  // As written, enclosing apostrophes included for a Delphi source.
  String Description;
  // ".bpk" / ".bpr": the file name the project names in its PROJECT macro.
  String OutputName;
  // ".dpr": ".exe" for a program, ".dll" for a library, or the "{$E ...}" extension.
  String BinaryExtension;
};

TIdePackageSourceInfo ReadPackageSourceInfo(const String& SourceFileName);
// OutputPath with a trailing backslash, then the library's name: the source's name, its suffix
// and ".bpl" for ".dpk"; the same with the program or library extension for ".dpr"; the output
// name of a ".bpk" or ".bpr".
String ProjectBinaryPath(const String& OutputPath, const String& SourceFileName);
