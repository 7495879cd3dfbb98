#include "platform/Files.h"

#include <windows.h>
// The platform layer's functions share these names with Windows' A/W macros.
#undef CreateDirectory
#undef RemoveDirectory
#undef DeleteFile
#undef CopyFile
#undef SetFileAttributes

#include "core/Exception.h"
#include "core/Format.h"
#include "platform/Faults.h"
#include "platform/win32/Handles.h"

namespace platform {
namespace {

HANDLE Native(intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

[[noreturn]] void Fail(const String& what, const String& path) {
  throw EInOutError(what + L" " + path + L": " + SystemErrorMessage(LastErrorCode()));
}

}  // namespace

std::optional<uint32_t> FileAttributes(const String& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

bool FileExists(const String& path) {
  const auto attributes = FileAttributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const String& path) {
  const auto attributes = FileAttributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool SetFileAttributes(const String& path, uint32_t attributes) {
  return ::SetFileAttributesW(path.c_str(), attributes) != 0;
}

bool CreateDirectory(const String& path) {
  return ::CreateDirectoryW(path.c_str(), nullptr) != 0;
}

bool ForceDirectories(const String& path) {
  String p = path;
  while (p.size() > 3 && (p.back() == L'\\' || p.back() == L'/')) p.pop_back();
  if (p.empty()) return false;
  if (DirectoryExists(p)) return true;
  const size_t cut = p.find_last_of(L"\\/");
  if (cut != String::npos && cut > 0 && !(cut == 2 && p[1] == L':') &&
      !ForceDirectories(p.substr(0, cut))) {
    return false;
  }
  return CreateDirectory(p) || DirectoryExists(p);
}

bool RemoveDirectory(const String& path) {
  return ::RemoveDirectoryW(path.c_str()) != 0;
}

bool DeleteFile(const String& path) {
  return ::DeleteFileW(path.c_str()) != 0;
}

bool RenameFile(const String& from, const String& to) {
  if (ShouldFail(FaultKind::FileRename)) {
    ::SetLastError(ERROR_WRITE_FAULT);
    return false;
  }
  return ::MoveFileW(from.c_str(), to.c_str()) != 0;
}

bool CopyFile(const String& from, const String& to) {
  return ::CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

std::optional<uint64_t> FileSize(const String& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::vector<FoundFile> FindFiles(const String& mask) {
  std::vector<FoundFile> found;
  const String folder = mask.substr(0, mask.find_last_of(L"\\/") + 1);
  WIN32_FIND_DATAW data{};
  TFindHandle find(::FindFirstFileW(mask.c_str(), &data));
  if (!find.Valid()) return found;
  do {
    const String name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const uint32_t attributes = data.dwFileAttributes | ForcedFoundAttributes(folder + name);
    found.push_back({name, data.cAlternateFileName, attributes,
                     (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
  } while (::FindNextFileW(find.Get(), &data));
  return found;
}

String ShortPathName(const String& path) {
  const DWORD needed = ::GetShortPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return path;
  String shortPath(needed, L'\0');
  const DWORD length = ::GetShortPathNameW(path.c_str(), shortPath.data(), needed);
  if (length == 0 || length >= needed) return path;
  shortPath.resize(length);
  return shortPath;
}

TFileStream::TFileStream(const String& path, Mode mode) : FPath(path) {
  const DWORD access = mode == Mode::OpenRead ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const DWORD share = mode == Mode::OpenRead ? FILE_SHARE_READ : 0;
  const DWORD disposition = mode == Mode::Create ? CREATE_ALWAYS : OPEN_EXISTING;
  // Windows refuses to replace a read-only file; Wine run by the superuser would not.
  if (mode != Mode::OpenRead) {
    const auto attributes = FileAttributes(path);
    if (attributes && (*attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        (*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      ::SetLastError(ERROR_ACCESS_DENIED);
      Fail(mode == Mode::Create ? L"Cannot create file" : L"Cannot open file", path);
    }
  }
  // Files opened for reading are mostly read from start to end: the cache may read further
  // ahead.
  const DWORD flags =
      FILE_ATTRIBUTE_NORMAL | (mode == Mode::OpenRead ? FILE_FLAG_SEQUENTIAL_SCAN : 0);
  HANDLE handle = ::CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    Fail(mode == Mode::Create ? L"Cannot create file" : L"Cannot open file", path);
  }
  FHandle = reinterpret_cast<intptr_t>(handle);
}

void TFileStream::Close() noexcept {
  if (FHandle != -1) ::CloseHandle(Native(FHandle));
  FHandle = -1;
}

size_t TFileStream::Read(void* buffer, size_t count) {
  if (ShouldFail(FaultKind::FileRead)) {
    ::SetLastError(ERROR_READ_FAULT);
    Fail(L"Read error on", FPath);
  }
  DWORD got = 0;
  const DWORD ask = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
  if (!::ReadFile(Native(FHandle), buffer, ask, &got, nullptr)) Fail(L"Read error on", FPath);
  return got;
}

void TFileStream::Write(const void* buffer, size_t count) {
  if (ShouldFail(FaultKind::FileWrite)) {
    ::SetLastError(ERROR_WRITE_FAULT);
    Fail(L"Write error on", FPath);
  }
  const auto* in = static_cast<const uint8_t*>(buffer);
  while (count > 0) {
    DWORD put = 0;
    const DWORD ask = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
    if (!::WriteFile(Native(FHandle), in, ask, &put, nullptr) || put == 0) {
      Fail(L"Write error on", FPath);
    }
    in += put;
    count -= put;
  }
}

void TFileStream::Seek(int64_t position) {
  LARGE_INTEGER to{};
  to.QuadPart = position;
  if (!::SetFilePointerEx(Native(FHandle), to, nullptr, FILE_BEGIN)) Fail(L"Seek error on", FPath);
}

int64_t TFileStream::Position() const {
  LARGE_INTEGER zero{}, at{};
  return ::SetFilePointerEx(Native(FHandle), zero, &at, FILE_CURRENT) ? at.QuadPart : 0;
}

int64_t TFileStream::Size() const {
  LARGE_INTEGER size{};
  return ::GetFileSizeEx(Native(FHandle), &size) ? size.QuadPart : 0;
}

String SystemErrorMessage(uint32_t code) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  String message = length > 0 ? String(text, length) : String();
  ::LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.pop_back();
  }
  if (message.empty()) message = L"System error " + IntToStr(code);
  return message;
}

uint32_t LastErrorCode() {
  return ::GetLastError();
}

}  // namespace platform
