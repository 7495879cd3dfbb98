#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cwctype>
#include <memory>

#include "core/Exception.h"
#include "platform/Faults.h"
#include "platform/posix/NativePath.h"

namespace platform {
namespace {

std::optional<struct stat> Stat(const String& path) {
  const std::string native = ToNativePath(path);
  struct stat st {};
  if (native.empty() || ::stat(native.c_str(), &st) != 0) return std::nullopt;
  return st;
}

uint32_t AttributesOf(const std::string& name, const struct stat& st) {
  uint32_t attributes = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
  if ((st.st_mode & S_IWUSR) == 0) attributes |= faReadOnly;
  if (!name.empty() && name[0] == '.') attributes |= faHidden;
  return attributes;
}

// Windows wildcard match, ignoring case: "*" any run, "?" one character.
bool MatchMask(const wchar_t* mask, const wchar_t* name) {
  while (*mask != 0) {
    if (*mask == L'*') {
      while (*mask == L'*') ++mask;
      if (*mask == 0) return true;
      for (const wchar_t* p = name; *p != 0; ++p) {
        if (MatchMask(mask, p)) return true;
      }
      // "*.*" also matches names without a dot, as on Windows.
      return std::wcscmp(mask, L".*") == 0 || std::wcscmp(mask, L".") == 0;
    }
    if (*name == 0) return false;
    if (*mask != L'?' && std::towupper(*mask) != std::towupper(*name)) return false;
    ++mask;
    ++name;
  }
  return *name == 0;
}

void Fail(const String& what, const String& path) {
  throw EInOutError(what + L" " + path + L": " + SystemErrorMessage(LastErrorCode()));
}

}  // namespace

bool FileExists(const String& path) {
  const auto st = Stat(path);
  return st && !S_ISDIR(st->st_mode);
}

bool DirectoryExists(const String& path) {
  const auto st = Stat(path);
  return st && S_ISDIR(st->st_mode);
}

std::optional<uint32_t> FileAttributes(const String& path) {
  const auto st = Stat(path);
  if (!st) return std::nullopt;
  const std::string native = ToNativePath(path);
  return AttributesOf(native.substr(native.find_last_of('/') + 1), *st);
}

bool SetFileAttributes(const String& path, uint32_t attributes) {
  const auto st = Stat(path);
  if (!st) return false;
  mode_t mode = st->st_mode & 07777;
  mode = (attributes & faReadOnly) != 0 ? mode & ~0222 : mode | S_IWUSR;
  return ::chmod(ToNativePath(path).c_str(), mode) == 0;
}

bool CreateDirectory(const String& path) {
  const std::string native = ToNativePath(path);
  return !native.empty() && ::mkdir(native.c_str(), 0777) == 0;
}

bool ForceDirectories(const String& path) {
  String p = path;
  while (p.size() > 1 && (p.back() == L'\\' || p.back() == L'/')) p.pop_back();
  if (p.empty() || DirectoryExists(p)) return !p.empty();
  const size_t cut = p.find_last_of(L"\\/");
  if (cut != String::npos && cut > 0 && p[cut - 1] != L':' && !ForceDirectories(p.substr(0, cut))) {
    return false;
  }
  return CreateDirectory(p) || DirectoryExists(p);
}

bool RemoveDirectory(const String& path) {
  return ::rmdir(ToNativePath(path).c_str()) == 0;
}

bool DeleteFile(const String& path) {
  return !DirectoryExists(path) && ::unlink(ToNativePath(path).c_str()) == 0;
}

bool RenameFile(const String& from, const String& to) {
  if (ShouldFail(FaultKind::FileRename)) {
    errno = EIO;
    return false;
  }
  if (Stat(to)) {
    errno = EEXIST;
    return false;
  }
  return ::rename(ToNativePath(from).c_str(), ToNativePath(to).c_str()) == 0;
}

bool CopyFile(const String& from, const String& to) {
  try {
    TFileStream in(from, TFileStream::Mode::OpenRead);
    TFileStream out(to, TFileStream::Mode::Create);
    std::vector<uint8_t> chunk(64 * 1024);
    while (const size_t got = in.Read(chunk.data(), chunk.size())) out.Write(chunk.data(), got);
    return true;
  } catch (const EInOutError&) {
    return false;
  }
}

std::optional<uint64_t> FileSize(const String& path) {
  const auto st = Stat(path);
  if (!st || S_ISDIR(st->st_mode)) return std::nullopt;
  return static_cast<uint64_t>(st->st_size);
}

std::vector<FoundFile> FindFiles(const String& mask) {
  std::vector<FoundFile> found;
  const size_t cut = mask.find_last_of(L"\\/");
  const String folder = cut == String::npos ? L"." : mask.substr(0, cut == 0 ? 1 : cut);
  const String pattern = cut == String::npos ? mask : mask.substr(cut + 1);
  std::string nativeFolder =
      ToNativePath(folder.size() == 2 && folder[1] == L':' ? folder + L"\\" : folder);
  if (nativeFolder.empty()) return found;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(nativeFolder.c_str()), ::closedir);
  if (!dir) return found;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const String wideName = FromUtf8(name);
    if (!MatchMask(pattern.c_str(), wideName.c_str())) continue;
    struct stat st {};
    if (::stat((nativeFolder + "/" + name).c_str(), &st) != 0) continue;
    const uint32_t attributes =
        AttributesOf(name, st) | ForcedFoundAttributes(folder + L"\\" + wideName);
    found.push_back({wideName, String(), attributes,
                     S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size)});
  }
  return found;
}

String ShortPathName(const String& path) {
  return path;
}

TFileStream::TFileStream(const String& path, Mode mode) : FPath(path) {
  const std::string native = ToNativePath(path);
  const int flags = mode == Mode::OpenRead ? O_RDONLY
                    : mode == Mode::Create ? O_RDWR | O_CREAT | O_TRUNC
                                           : O_RDWR;
  const int fd = native.empty() ? -1 : ::open(native.c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (native.empty()) errno = ENOENT;
    Fail(mode == Mode::Create ? L"Cannot create file" : L"Cannot open file", path);
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    errno = EISDIR;
    Fail(L"Cannot open file", path);
  }
  // Files opened for reading are mostly read from start to end: the system may read further
  // ahead.
  if (mode == Mode::OpenRead) ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  FHandle = fd;
}

void TFileStream::Close() noexcept {
  if (FHandle >= 0) ::close(static_cast<int>(FHandle));
  FHandle = -1;
}

size_t TFileStream::Read(void* buffer, size_t count) {
  if (ShouldFail(FaultKind::FileRead)) {
    errno = EIO;
    Fail(L"Read error on", FPath);
  }
  for (;;) {
    const ssize_t got = ::read(static_cast<int>(FHandle), buffer, count);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) Fail(L"Read error on", FPath);
  }
}

void TFileStream::Write(const void* buffer, size_t count) {
  if (ShouldFail(FaultKind::FileWrite)) {
    errno = EIO;
    Fail(L"Write error on", FPath);
  }
  const auto* in = static_cast<const uint8_t*>(buffer);
  while (count > 0) {
    const ssize_t put = ::write(static_cast<int>(FHandle), in, count);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) Fail(L"Write error on", FPath);
    in += put;
    count -= static_cast<size_t>(put);
  }
}

void TFileStream::Seek(int64_t position) {
  if (::lseek(static_cast<int>(FHandle), position, SEEK_SET) < 0) Fail(L"Seek error on", FPath);
}

int64_t TFileStream::Position() const {
  return ::lseek(static_cast<int>(FHandle), 0, SEEK_CUR);
}

int64_t TFileStream::Size() const {
  struct stat st {};
  return ::fstat(static_cast<int>(FHandle), &st) == 0 ? st.st_size : 0;
}

String SystemErrorMessage(uint32_t code) {
  return FromUtf8(std::strerror(static_cast<int>(code)));
}

uint32_t LastErrorCode() {
  return static_cast<uint32_t>(errno);
}

}  // namespace platform
