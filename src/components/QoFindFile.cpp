#include "components/QoFindFile.h"

#include "core/LibFunctions.h"
#include "platform/Application.h"
#include "platform/Files.h"

namespace {

// Archive, normal and not-content-indexed: what every result may carry.
constexpr uint32_t kAlwaysAccepted = 0x20A0;

// The platform's listing filter: hidden, system and folder entries are listed only when the
// mask asks for them.
bool Listed(uint32_t attributes, uint32_t mask) {
  const uint32_t excluded =
      ~mask & (platform::faHidden | platform::faSysFile | platform::faDirectory);
  return (attributes & excluded) == 0;
}

}  // namespace

TQoFindFile::TQoFindFile(TComponent* owner) : TComponent(owner) {}

void TQoFindFile::SetInitialDir(const String& value) {
  String dir = value;
  if (!dir.empty() && dir.back() == L'\\') dir.pop_back();
  if (dir != FInitialDir) FInitialDir = dir;
}

uint32_t TQoFindFile::AttributeMask() const {
  // The three attribute options sit at ordinals 2 to 4, the attributes at bits 0 to 2.
  const uint32_t optionBits = static_cast<uint32_t>(FOptions.Bits()) &
                              (platform::faSysFile | platform::faHidden | platform::faReadOnly)
                                  << 2;
  return (optionBits >> 2) | kAlwaysAccepted;
}

bool TQoFindFile::Execute() {
  FAborted = false;
  FFiles.Clear();
  SearchFolder(FInitialDir);
  return !FAborted;
}

bool TQoFindFile::MustStop() const {
  return FAborted || (FMaxFiles != 0 && FFiles.Count() >= FMaxFiles);
}

void TQoFindFile::SearchFolder(const String& folder) {
  if (OnSearchDir) OnSearchDir(this, folder);
  Application().ProcessMessages();
  String rest = TrimBoth(FFileToSearch);
  while (!rest.empty()) {
    const size_t cut = rest.find(L';');
    const String mask = TrimBoth(rest.substr(0, cut));
    rest = cut == String::npos ? String() : TrimBoth(rest.substr(cut + 1));
    if (!mask.empty()) SearchMask(folder, mask);
  }
  if (FOptions.Contains(TQoFindOption::foRecursiveDir)) SearchSubfolders(folder);
}

void TQoFindFile::SearchMask(const String& folder, const String& mask) {
  const uint32_t accepted = AttributeMask();
  for (const platform::FoundFile& entry : platform::FindFiles(folder + L"\\" + mask)) {
    if (!Listed(entry.attributes, accepted)) continue;
    if (MustStop()) return;
    if ((entry.attributes & ~accepted) == 0) {
      const String result = FOptions.Contains(TQoFindOption::foIncludePath)
                                ? folder + L"\\" + entry.name
                                : entry.name;
      FFiles.Add(result);
      if (OnFound) OnFound(this, result);
    }
    Application().ProcessMessages();
  }
}

void TQoFindFile::SearchSubfolders(const String& folder) {
  const uint32_t listed = AttributeMask() | platform::faDirectory;
  for (const platform::FoundFile& entry : platform::FindFiles(folder + L"\\*.*")) {
    if (!Listed(entry.attributes, listed)) continue;
    if (MustStop()) return;
    if ((entry.attributes & platform::faDirectory) != 0) SearchFolder(folder + L"\\" + entry.name);
  }
}
