#include "platform/Files.h"

#include <algorithm>

#include "core/Exception.h"

namespace platform {

std::vector<uint8_t> ReadFileBytes(const String& path) {
  TFileStream file(path, TFileStream::Mode::OpenRead);
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  if (!bytes.empty()) file.ReadExact(bytes.data(), bytes.size());
  return bytes;
}

void WriteFileBytes(const String& path, const std::vector<uint8_t>& bytes) {
  TFileStream file(path, TFileStream::Mode::Create);
  for (size_t done = 0; done < bytes.size(); done += kFileWriteBlockSize)
    file.Write(bytes.data() + done, std::min(kFileWriteBlockSize, bytes.size() - done));
}

void TFileStream::ReadExact(void* buffer, size_t count) {
  auto* out = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    const size_t got = Read(out, count);
    if (got == 0) throw EInOutError(L"Read beyond end of file: " + FPath);
    out += got;
    count -= got;
  }
}

TFileStream::TFileStream(TFileStream&& other) noexcept
    : FPath(std::move(other.FPath)), FHandle(other.FHandle) {
  other.FHandle = -1;
}

TFileStream& TFileStream::operator=(TFileStream&& other) noexcept {
  if (this != &other) {
    Close();
    FPath = std::move(other.FPath);
    FHandle = other.FHandle;
    other.FHandle = -1;
  }
  return *this;
}

TFileStream::~TFileStream() {
  Close();
}

}  // namespace platform
