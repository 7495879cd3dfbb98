// The formats of the payload that a setup program carries at the end of its own file, shared by
// the wizard and the qrvpack tool:
//   - the file tail: archive (A bytes), descriptor (B bytes), then A and B as little-endian signed
//     32-bit integers. When the file is a signed Windows program whose certificate table ends
//     the file, the tail ends where that table begins (signing appends the table after it).
//   - the archive comps.pkg: records of a 1-byte name length L, a 4-byte signed data size N, L
//     name bytes in the ANSI code page (cut at the first zero byte) and N data bytes. A record
//     whose name is empty has no data: the next header follows its name.
// Damaged or hostile input raises EPayloadDamaged with a text for the user; nothing here writes.
#pragma once

#include <cstdint>

#include "core/Exception.h"
#include "core/Sha256.h"
#include "core/String.h"
#include "platform/Files.h"

inline constexpr const wchar_t* kArchiveFileName = L"comps.pkg";
inline constexpr const wchar_t* kDescriptorFileName = L"instalar.inf";
// The descriptor's SETUP key that holds the SHA-256 of comps.pkg as 64 lower-case hexadecimal
// digits. A descriptor without it is accepted unchecked.
inline constexpr const wchar_t* kDigestSection = L"SETUP";
inline constexpr const wchar_t* kDigestKey = L"Digest";
// Size of the trailer that ends the tail: the two 32-bit sizes.
inline constexpr int64_t kTrailerSize = 8;
// Longest record name, in ANSI bytes.
inline constexpr size_t kMaxRecordNameBytes = 255;
// Largest piece in which payload data is read and written: large enough that the copies reach
// the system in few calls and the hashing thread is handed few pieces, small enough that the
// pieces in flight stay in the processor's cache; fixed, so that memory does not grow with the
// payload.
inline constexpr size_t kPayloadChunkSize = 256 * 1024;

class EPayloadDamaged : public Exception {
 public:
  using Exception::Exception;
};

// Where the archive and the descriptor lie inside a setup program file.
struct TPayloadLocation {
  int64_t ArchiveOffset = 0;
  int32_t ArchiveSize = 0;
  int64_t DescriptorOffset = 0;
  int32_t DescriptorSize = 0;
};

// The position where the tail ends: the start of the certificate table when the file is a PE
// image whose security directory names a table that ends the file, else the file's size.
int64_t PayloadEnd(platform::TFileStream& file);

// Reads the trailer and checks that both parts lie inside the file (sizes not negative, the
// archive not starting before the file does). Raises EPayloadDamaged otherwise.
TPayloadLocation LocatePayload(platform::TFileStream& file);

// True for a name that can only name a file inside the folder it is written to: not empty,
// not "." or "..", no "\", "/", ":" or other character that Windows refuses in a file name, no
// trailing dot or space (which Windows drops silently) and not a device name such as CON, NUL,
// COM1 or LPT1, with or without an extension.
bool IsBareFileName(const String& name);

struct TArchiveRecord {
  String Name;
  int32_t Size = 0;
  int64_t DataOffset = 0;  // position of the data in the stream
};

// Walks the records of an archive that occupies [begin, end) of a stream. Records with an
// empty name are passed over as the format says; every record returned has a bare file name
// and data inside the archive. An archive of zero bytes has no records.
class TArchiveReader {
 public:
  TArchiveReader(platform::TFileStream& stream, int64_t begin, int64_t end);

  // Reads the next named record and leaves the stream at its data. False at the end of the
  // archive; EPayloadDamaged when a header is cut short, a size is negative, the data runs past
  // the end or the name is not a bare file name.
  bool Next(TArchiveRecord& record);

 private:
  platform::TFileStream& FStream;
  int64_t FNextHeader;
  int64_t FEnd;
  int FRecordNumber = 0;
};

// Copies count bytes from the current position of `from` to `to` in pieces of at most
// kPayloadChunkSize bytes. Without a hash through one buffer of the smaller of count and
// kPayloadChunkSize; with one, each piece is fed to hash on a second thread while the next is
// read and written (THashingThread). Raises EInOutError when `from` ends early or a read or
// write fails; the hashing thread has ended by then.
void CopyStreamBytes(platform::TFileStream& from, platform::TFileStream& to, int64_t count,
                     TSha256* hash = nullptr);
