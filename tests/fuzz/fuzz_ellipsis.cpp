// Any path and width, measured at a fixed width per character: the path comes back whole when it
// fits; otherwise shortened, it always ends with the whole file name, fits whenever the file
// name alone does (and is the file name alone when that does not fit), and is a true
// abbreviation of the path: whole folders taken from the front and replaced by "...\", and the
// drive dropped only together with the backslash after it.
//
// Input: the width in characters in decimal, one separator byte, then the path in UTF-8.
#include <string_view>

#include "FuzzScratch.h"
#include "app/PathEllipsis.h"

namespace {

constexpr int kCharacterWidth = 7;
constexpr int kMostCharacters = 100000;
const String kMarker = L"...\\";

int FixedWidth(const String& text) {
  return kCharacterWidth * static_cast<int>(text.size());
}

struct TPathParts {
  String Drive;
  String Folders;  // up to and including the last backslash
  String Name;
};

TPathParts Split(const String& path) {
  TPathParts parts;
  if (path.size() >= 2 && path[1] == L':') parts.Drive = path.substr(0, 2);
  const String rest = path.substr(parts.Drive.size());
  const size_t lastBackslash = rest.rfind(L'\\');
  const size_t nameStart = lastBackslash == String::npos ? 0 : lastBackslash + 1;
  parts.Folders = rest.substr(0, nameStart);
  parts.Name = rest.substr(nameStart);
  return parts;
}

bool StartsWith(const String& text, const String& head) {
  return text.compare(0, head.size(), head) == 0;
}

// Whether shown stands for folders: the same folders; none at all; or the marker and a tail of
// folders from which at least one whole folder was taken from the front, the marker preceded by
// the folders' leading backslash when they have one and it may stay.
bool AbbreviatesFolders(const String& shown, const String& folders, bool leadMayStay) {
  if (shown == folders || shown.empty()) return true;
  const bool keepsLead = leadMayStay && StartsWith(folders, L"\\") && StartsWith(shown, L"\\");
  const String lead = keepsLead ? L"\\" : L"";
  if (!StartsWith(shown, lead + kMarker)) return false;
  const String tail = shown.substr(lead.size() + kMarker.size());
  if (tail.size() + lead.size() >= folders.size()) return false;
  const size_t dropped = folders.size() - tail.size();
  return folders.compare(dropped, String::npos, tail) == 0 && folders[dropped - 1] == L'\\';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  int characters = 0;
  while (!input.empty() && input.front() >= '0' && input.front() <= '9') {
    characters = std::min(kMostCharacters, characters * 10 + (input.front() - '0'));
    input.remove_prefix(1);
  }
  if (!input.empty()) input.remove_prefix(1);
  const String path = FromUtf8(input);
  const int maxWidth = kCharacterWidth * characters;

  const String shown = PathEllipsis(path, maxWidth, FixedWidth);
  const TPathParts parts = Split(path);
  if (FixedWidth(path) <= maxWidth) {
    Require(shown == path);
    return 0;
  }
  Require(shown.size() >= parts.Name.size() &&
          shown.compare(shown.size() - parts.Name.size(), String::npos, parts.Name) == 0);
  if (FixedWidth(parts.Name) <= maxWidth)
    Require(FixedWidth(shown) <= maxWidth);
  else
    Require(shown == parts.Name);

  const String prefix = shown.substr(0, shown.size() - parts.Name.size());
  const bool driveKept = !parts.Drive.empty() && StartsWith(prefix, parts.Drive);
  const bool driveDropped = !parts.Drive.empty() && !driveKept;
  Require(AbbreviatesFolders(prefix.substr(driveKept ? parts.Drive.size() : 0), parts.Folders,
                             !driveDropped));
  return 0;
}
