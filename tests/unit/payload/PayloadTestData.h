// Helpers of the payload tests: archive records and setup tails built byte by byte, and the
// entries of a folder.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/String.h"
#include "support/TestSupport.h"

using testing_support::ScratchFolder;

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

// The names of the entries of a folder, sorted.
std::vector<String> FolderEntries(const String& folder);
