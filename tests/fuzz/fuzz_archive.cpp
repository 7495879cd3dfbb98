// Any byte string as comps.pkg: the unpack either refuses it and writes nothing, or writes every
// named record, and nothing else, into the target folder with the record's data; the names it
// lists are bare file names in archive order.
#include <cstring>
#include <map>

#include "FuzzScratch.h"
#include "app/Payload.h"
#include "app/PayloadFormat.h"

namespace {

struct TExpectedRecord {
  size_t DataOffset;
  size_t Size;
};

// The named records of the archive as the format describes them, or false when a record is cut
// short or has a negative size. Independent of the reader, whose result it checks.
bool WalkRecords(const uint8_t* data, size_t size, std::vector<TExpectedRecord>& records) {
  size_t at = 0;
  while (at < size) {
    if (size - at < 5) return false;
    const size_t nameLength = data[at];
    int32_t dataSize;
    std::memcpy(&dataSize, data + at + 1, 4);  // little-endian hosts only
    const size_t nameStart = at + 5;
    if (size - nameStart < nameLength) return false;
    const bool named = nameLength > 0 && data[nameStart] != 0;
    at = nameStart + nameLength;
    if (!named) continue;
    if (dataSize < 0 || size - at < static_cast<size_t>(dataSize)) return false;
    records.push_back({at, static_cast<size_t>(dataSize)});
    at += static_cast<size_t>(dataSize);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto& scratch = FuzzScratch();
  const String archive = scratch / kArchiveFileName;
  const String target = scratch / L"out";
  platform::WriteFileBytes(archive, std::vector<uint8_t>(data, data + size));
  platform::ForceDirectories(target);

  TInstallerState state;
  const bool unpacked = UnpackArchive(state, archive, target);
  Require(FolderNames(scratch.Path()) == std::set<String>{kArchiveFileName, L"out"});
  const std::set<String> written = FolderNames(target);
  std::vector<TExpectedRecord> records;
  const bool wellFormed = WalkRecords(data, size, records);
  if (!unpacked) {
    Require(written.empty());
    Require(state.ExtractedFiles.Count() == 0);
  } else {
    Require(wellFormed);
    Require(state.ExtractedFiles.Count() == static_cast<int>(records.size()));
    std::map<String, TExpectedRecord> last;  // a repeated name keeps the later content
    for (int i = 0; i < state.ExtractedFiles.Count(); ++i) {
      Require(IsBareFileName(state.ExtractedFiles[i]));
      last[state.ExtractedFiles[i]] = records[static_cast<size_t>(i)];
    }
    Require(written.size() == last.size());
    for (const auto& [name, record] : last) {
      const std::vector<uint8_t> content = platform::ReadFileBytes(target + L"\\" + name);
      Require(content == std::vector<uint8_t>(data + record.DataOffset,
                                              data + record.DataOffset + record.Size));
    }
  }
  testing_support::RemoveTree(target);
  return 0;
}
