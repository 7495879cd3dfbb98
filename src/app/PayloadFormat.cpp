#include "app/PayloadFormat.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>

#include "app/HashingThread.h"
#include "core/Format.h"
#include "platform/CodePages.h"

namespace {

uint16_t LittleEndian16(const uint8_t* bytes) {
  return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t LittleEndian32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
         (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

// Reads count bytes at position; false when the file is shorter.
bool ReadAt(platform::TFileStream& file, int64_t position, void* buffer, size_t count) {
  if (position < 0 || position + static_cast<int64_t>(count) > file.Size()) return false;
  file.Seek(position);
  file.ReadExact(buffer, count);
  return true;
}

// The certificate table of a PE image: the security directory entry (data directory 4), whose
// address is a file offset rather than a memory address.
std::optional<int64_t> CertificateTableStart(platform::TFileStream& file) {
  const int64_t fileSize = file.Size();
  std::array<uint8_t, 64> dosHeader{};
  if (!ReadAt(file, 0, dosHeader.data(), dosHeader.size()) || dosHeader[0] != 'M' ||
      dosHeader[1] != 'Z')
    return std::nullopt;
  const int64_t peHeader = LittleEndian32(&dosHeader[0x3C]);
  // Signature (4), file header (20), then the optional header.
  std::array<uint8_t, 24> ntHeaders{};
  if (!ReadAt(file, peHeader, ntHeaders.data(), ntHeaders.size()) ||
      std::memcmp(ntHeaders.data(), "PE\0\0", 4) != 0)
    return std::nullopt;
  const uint16_t optionalHeaderSize = LittleEndian16(&ntHeaders[4 + 16]);
  const int64_t optionalHeader = peHeader + 24;

  uint8_t magic[2];
  if (!ReadAt(file, optionalHeader, magic, sizeof magic)) return std::nullopt;
  int64_t directoryCountOffset;
  switch (LittleEndian16(magic)) {
    case 0x10B:  // PE32
      directoryCountOffset = 92;
      break;
    case 0x20B:  // PE32+
      directoryCountOffset = 108;
      break;
    default:
      return std::nullopt;
  }
  constexpr int kSecurityDirectory = 4;
  const int64_t entryOffset = directoryCountOffset + 4 + kSecurityDirectory * 8;
  if (optionalHeaderSize < entryOffset + 8) return std::nullopt;
  uint8_t count[4];
  uint8_t entry[8];
  if (!ReadAt(file, optionalHeader + directoryCountOffset, count, sizeof count) ||
      LittleEndian32(count) <= kSecurityDirectory ||
      !ReadAt(file, optionalHeader + entryOffset, entry, sizeof entry))
    return std::nullopt;
  const int64_t tableStart = LittleEndian32(entry);
  const int64_t tableSize = LittleEndian32(entry + 4);
  if (tableStart == 0 || tableSize == 0 || tableStart + tableSize != fileSize) return std::nullopt;
  return tableStart;
}

bool IsDeviceName(const String& name) {
  String base = name.substr(0, name.find(L'.'));
  while (!base.empty() && base.back() == L' ') base.pop_back();
  for (wchar_t& c : base) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
    if (base == device) return true;
  }
  if (base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT"))) {
    const wchar_t digit = base[3];
    return (digit >= L'1' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' ||
           digit == L'\u00B3';
  }
  return false;
}

}  // namespace

int64_t PayloadEnd(platform::TFileStream& file) {
  return CertificateTableStart(file).value_or(file.Size());
}

TPayloadLocation LocatePayload(platform::TFileStream& file) {
  const int64_t end = PayloadEnd(file);
  if (end < kTrailerSize) {
    throw EPayloadDamaged(
        Format(L"O arquivo %s não contém os arquivos de instalação.", {file.Path()}));
  }
  uint8_t trailer[kTrailerSize];
  file.Seek(end - kTrailerSize);
  file.ReadExact(trailer, sizeof trailer);
  TPayloadLocation location;
  location.ArchiveSize = static_cast<int32_t>(LittleEndian32(trailer));
  location.DescriptorSize = static_cast<int32_t>(LittleEndian32(trailer + 4));
  location.DescriptorOffset = end - kTrailerSize - location.DescriptorSize;
  location.ArchiveOffset = location.DescriptorOffset - location.ArchiveSize;
  if (location.ArchiveSize < 0 || location.DescriptorSize < 0 || location.ArchiveOffset < 0) {
    throw EPayloadDamaged(
        Format(L"O índice dos arquivos de instalação no fim do arquivo %s está danificado "
               L"(tamanhos %d e %d).",
               {file.Path(), location.ArchiveSize, location.DescriptorSize}));
  }
  return location;
}

bool IsBareFileName(const String& name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  for (wchar_t c : name) {
    if (c < 32 || String(L"\\/:*?\"<>|").find(c) != String::npos) return false;
  }
  if (name.back() == L'.' || name.back() == L' ') return false;
  return !IsDeviceName(name);
}

TArchiveReader::TArchiveReader(platform::TFileStream& stream, int64_t begin, int64_t end)
    : FStream(stream), FNextHeader(begin), FEnd(end) {}

bool TArchiveReader::Next(TArchiveRecord& record) {
  while (FNextHeader < FEnd) {
    ++FRecordNumber;
    uint8_t header[5];
    std::array<char, kMaxRecordNameBytes> nameBytes{};
    if (FNextHeader + static_cast<int64_t>(sizeof header) > FEnd) {
      throw EPayloadDamaged(
          Format(L"O registro %d do arquivo comps.pkg está incompleto.", {FRecordNumber}));
    }
    FStream.Seek(FNextHeader);
    FStream.ReadExact(header, sizeof header);
    const size_t nameLength = header[0];
    const int64_t dataOffset = FNextHeader + static_cast<int64_t>(sizeof header + nameLength);
    if (dataOffset > FEnd) {
      throw EPayloadDamaged(
          Format(L"O registro %d do arquivo comps.pkg está incompleto.", {FRecordNumber}));
    }
    FStream.ReadExact(nameBytes.data(), nameLength);
    const size_t decodedLength = strnlen(nameBytes.data(), nameLength);
    const String name = platform::AnsiToString(std::string_view(nameBytes.data(), decodedLength));
    if (name.empty()) {
      FNextHeader = dataOffset;  // a nameless record carries no data
      continue;
    }
    const int32_t size = static_cast<int32_t>(LittleEndian32(header + 1));
    if (size < 0 || dataOffset + size > FEnd) {
      throw EPayloadDamaged(
          Format(L"Os dados do registro %d (%s) do arquivo comps.pkg ultrapassam o fim do arquivo.",
                 {FRecordNumber, name}));
    }
    if (!IsBareFileName(name)) {
      throw EPayloadDamaged(Format(
          L"O nome \"%s\" do registro %d do arquivo comps.pkg não é um nome de arquivo simples.",
          {name, FRecordNumber}));
    }
    record.Name = name;
    record.Size = size;
    record.DataOffset = dataOffset;
    FNextHeader = dataOffset + size;
    return true;
  }
  return false;
}

namespace {

// Reads up to wanted bytes into buffer and writes what arrived; returns how many that was.
size_t CopyChunk(platform::TFileStream& from, platform::TFileStream& to, uint8_t* buffer,
                 size_t wanted) {
  const size_t delivered = from.Read(buffer, wanted);
  if (delivered == 0) {
    throw EInOutError(Format(L"O arquivo %s terminou antes do esperado.", {from.Path()}));
  }
  to.Write(buffer, delivered);
  return delivered;
}

}  // namespace

void CopyStreamBytes(platform::TFileStream& from, platform::TFileStream& to, int64_t count,
                     TSha256* hash) {
  if (count <= 0) return;
  const size_t chunkSize =
      static_cast<size_t>(std::min<int64_t>(count, static_cast<int64_t>(kPayloadChunkSize)));
  if (hash == nullptr) {
    const auto chunk = std::make_unique_for_overwrite<uint8_t[]>(chunkSize);
    while (count > 0) {
      count -= static_cast<int64_t>(CopyChunk(
          from, to, chunk.get(), static_cast<size_t>(std::min<int64_t>(count, chunkSize))));
    }
    return;
  }
  // Each chunk is hashed on the second thread while the next one is read and written.
  THashingThread hashing(*hash, chunkSize);
  while (count > 0) {
    const size_t delivered = CopyChunk(from, to, hashing.NextBuffer(),
                                       static_cast<size_t>(std::min<int64_t>(count, chunkSize)));
    hashing.Hash(delivered);
    count -= static_cast<int64_t>(delivered);
  }
  hashing.Finish();
}
