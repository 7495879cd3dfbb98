// File system access. Paths are Windows paths ("C:\dir\file"). The native build maps the drive
// "Z:" to the Linux root, as Wine does, and also accepts plain Linux paths; other drives do not
// exist there. Queries return false or empty on failure; TFileStream raises EInOutError with the
// platform's message when a file cannot be opened, read or written.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/String.h"

namespace platform {

// Attribute bits, with the values Windows uses.
enum : uint32_t {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSysFile = 0x04,
  faDirectory = 0x10,
  faArchive = 0x20,
  faNormal = 0x80,
};

bool FileExists(const String& path);       // an existing file, not a folder
bool DirectoryExists(const String& path);  // an existing folder
std::optional<uint32_t> FileAttributes(const String& path);
bool SetFileAttributes(const String& path, uint32_t attributes);
bool CreateDirectory(const String& path);   // one level
bool ForceDirectories(const String& path);  // with missing parents
bool RemoveDirectory(const String& path);   // an empty folder
bool DeleteFile(const String& path);
bool RenameFile(const String& from, const String& to);  // fails when `to` exists
bool CopyFile(const String& from, const String& to);    // overwrites `to`
std::optional<uint64_t> FileSize(const String& path);

struct FoundFile {
  String name;       // as stored (long name)
  String shortName;  // the 8.3 alias, empty when the entry has none
  uint32_t attributes = 0;
  uint64_t size = 0;
};
// Entries of a folder matching a mask ("C:\dir\*.dcr", "C:\dir\Name"), with the platform's
// wildcard rules ("*", "?", case-insensitive); "." and ".." are left out.
std::vector<FoundFile> FindFiles(const String& mask);

// The short (8.3) form of an existing path; the path itself when the platform has none.
String ShortPathName(const String& path);

// Whole-file helpers; ReadFileBytes raises EInOutError, WriteFileBytes too. WriteFileBytes
// writes in blocks of kFileWriteBlockSize bytes (one write per block, the last one shorter).
constexpr size_t kFileWriteBlockSize = 64 * 1024;
std::vector<uint8_t> ReadFileBytes(const String& path);
void WriteFileBytes(const String& path, const std::vector<uint8_t>& bytes);

// A binary file opened for reading (others may read, not write; the system is told that it is
// read mostly in sequence, so it may read ahead) or created/truncated for writing. Reads and
// writes go straight to the system, unbuffered. Move-only; closes itself.
class TFileStream {
 public:
  enum class Mode { OpenRead, Create, OpenReadWrite };
  TFileStream(const String& path, Mode mode);
  TFileStream(TFileStream&& other) noexcept;
  TFileStream& operator=(TFileStream&& other) noexcept;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  ~TFileStream();

  // Reads up to count bytes; returns how many were read (0 at the end).
  size_t Read(void* buffer, size_t count);
  // Reads exactly count bytes or raises EInOutError.
  void ReadExact(void* buffer, size_t count);
  // Writes all count bytes or raises EInOutError.
  void Write(const void* buffer, size_t count);
  void Seek(int64_t position);
  int64_t Position() const;
  int64_t Size() const;
  const String& Path() const { return FPath; }

 private:
  void Close() noexcept;
  String FPath;
  intptr_t FHandle = -1;
};

// The platform's text for an error code (GetLastError / errno).
String SystemErrorMessage(uint32_t code);
uint32_t LastErrorCode();

}  // namespace platform
