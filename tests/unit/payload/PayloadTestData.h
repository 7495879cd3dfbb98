// Helpers of the payload tests: archive records and setup tails built byte by byte, and a
// scratch folder that removes itself.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/String.h"

using Bytes = std::vector<uint8_t>;

Bytes LittleEndian32(int32_t value);
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes AsciiBytes(std::string_view text);
// count bytes of a pattern that differs for each seed.
Bytes PatternBytes(size_t count, uint8_t seed);
// A record header with the given length byte and size, followed by nameBytes as they are.
Bytes RecordHeader(uint8_t nameLength, int32_t size, std::string_view nameBytes);
// A well-formed record: header, name, data.
Bytes Record(std::string_view name, const Bytes& data);
// The tail of a setup: archive, descriptor, their sizes.
Bytes Tail(const Bytes& archive, const Bytes& descriptor);

// A fresh folder inside the system temporary folder, removed with its content at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const String& Path() const { return FPath; }
  // Path() + "\" + name.
  String operator/(const String& name) const { return FPath + L"\\" + name; }

 private:
  String FPath;
};

// Removes a folder and everything in it.
void RemoveFolderTree(const String& folder);
// The names of the entries of a folder, sorted.
std::vector<String> FolderEntries(const String& folder);
