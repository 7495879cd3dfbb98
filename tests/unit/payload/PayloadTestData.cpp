#include "PayloadTestData.h"

#include <algorithm>

#include "platform/Files.h"
#include "platform/Paths.h"

Bytes LittleEndian32(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  return {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
          static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes result;
  for (const Bytes& part : parts) result.insert(result.end(), part.begin(), part.end());
  return result;
}

Bytes AsciiBytes(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

Bytes PatternBytes(size_t count, uint8_t seed) {
  Bytes bytes(count);
  for (size_t i = 0; i < count; ++i)
    bytes[i] = static_cast<uint8_t>((i * 31 + seed * 7 + (i >> 8)) & 0xFF);
  return bytes;
}

Bytes RecordHeader(uint8_t nameLength, int32_t size, std::string_view nameBytes) {
  return Concat({Bytes{nameLength}, LittleEndian32(size), AsciiBytes(nameBytes)});
}

Bytes Record(std::string_view name, const Bytes& data) {
  return Concat(
      {RecordHeader(static_cast<uint8_t>(name.size()), static_cast<int32_t>(data.size()), name),
       data});
}

Bytes Tail(const Bytes& archive, const Bytes& descriptor) {
  return Concat({archive, descriptor, LittleEndian32(static_cast<int32_t>(archive.size())),
                 LittleEndian32(static_cast<int32_t>(descriptor.size()))});
}

std::vector<String> FolderEntries(const String& folder) {
  std::vector<String> names;
  for (const platform::FoundFile& entry : platform::FindFiles(WithTrailingBackslash(folder) + L"*"))
    names.push_back(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}
