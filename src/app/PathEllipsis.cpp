#include "app/PathEllipsis.h"

namespace {

const String kMarker = L"...\\";

// Drops the first folder of a folder part and marks the place with "...\".
String CutFirstFolder(String folders) {
  if (folders == L"\\") return String();
  const bool leadingBackslash = !folders.empty() && folders[0] == L'\\';
  if (leadingBackslash) folders.erase(0, 1);
  // An earlier marker goes with the folder. Only the whole marker counts: a folder whose name
  // begins with a dot (".config") is a folder like any other.
  if (folders.compare(0, kMarker.size(), kMarker) == 0) folders.erase(0, kMarker.size());
  const size_t backslash = folders.find(L'\\');
  folders = backslash == String::npos ? String() : kMarker + folders.substr(backslash + 1);
  return leadingBackslash ? L"\\" + folders : folders;
}

}  // namespace

String PathEllipsis(const String& path, int maxWidth,
                    const std::function<int(const String&)>& textWidth) {
  const bool hasDrive = path.size() >= 2 && path[1] == L':';
  String drive = hasDrive ? path.substr(0, 2) : String();
  const String rest = path.substr(drive.size());
  const size_t lastBackslash = rest.rfind(L'\\');
  String folders = lastBackslash == String::npos ? String() : rest.substr(0, lastBackslash + 1);
  const String name = rest.substr(folders.size());
  while (textWidth(drive + folders + name) > maxWidth && (!drive.empty() || !folders.empty())) {
    if (folders == L"\\" + kMarker) {
      drive.clear();
      folders = kMarker;
    } else if (folders.empty()) {
      drive.clear();
    } else {
      folders = CutFirstFolder(folders);
    }
  }
  return drive + folders + name;
}
