// Builds a setup program: a copy of the wizard stub followed by the archive comps.pkg, the
// descriptor instalar.inf (with the archive's SHA-256 as SETUP Digest) and the trailer (formats
// in app/PayloadFormat.h). Zero bytes after the
// stub make the setup's size a multiple of 8, so that signing it (which appends an 8-byte
// aligned certificate table) inserts nothing between the trailer and the table. Every input is
// checked before the first byte is written; the setup is written under a temporary name beside
// the output and renamed at the end, so a failed build leaves nothing at the output path.
// Failures raise EQrvpackError with one line of text for the vendor.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/Exception.h"
#include "core/String.h"

class EQrvpackError : public Exception {
 public:
  using Exception::Exception;
};

struct TBuildOptions {
  String Stub;
  String From;
  String Output;
  int32_t Version = 0;
  String Package;
  bool Source = true;
  std::optional<String> Files;  // |A|B|; by default every unit (".pas") of From, sorted by name
  String Names;                 // |X|Y|
  // SETUP ReportServer: HOST[:PORT], or empty to turn the report off; no key when not given.
  std::optional<String> ReportServer;
};

void BuildSetup(const TBuildOptions& options);

// The order of the files in the archive: for each unit of unitList its ".dcr", ".dfm" and
// ".pas" when present, then the package project "QRVLib" + version + "0.dpk" and its ".res",
// then every other file sorted by name. Names match ignoring case; the result keeps the names
// as given in `files`.
std::vector<String> ArchiveOrder(const std::vector<String>& files, const String& unitList,
                                 int32_t version);

// The default unit list: the units whose ".pas" is among `files`, sorted by name, as |A|B|.
String DefaultUnitList(const std::vector<String>& files);

// The descriptor's text in the ANSI code page, CR LF line breaks; digest is the SHA-256 of the
// archive, in lower-case hexadecimal, written as SETUP Digest.
std::string DescriptorText(const TBuildOptions& options, const String& unitList,
                           const String& digest);

// The record name of a file: its ANSI bytes. Raises EQrvpackError for a name that is not
// representable in the ANSI code page, longer than 255 bytes, or not a bare file name.
std::string ArchiveName(const String& name);

// Order of names for sorting: ASCII letters compared without case, then character codes.
bool NameLess(const String& a, const String& b);
