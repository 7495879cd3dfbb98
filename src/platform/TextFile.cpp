#include "platform/TextFile.h"

#include <cstdint>
#include <vector>

#include "platform/CodePages.h"
#include "platform/Files.h"

namespace platform {
namespace {

constexpr uint8_t kUtf8Bom[] = {0xEF, 0xBB, 0xBF};
constexpr uint8_t kUtf16LEBom[] = {0xFF, 0xFE};
constexpr uint8_t kUtf16BEBom[] = {0xFE, 0xFF};

template <size_t N>
bool StartsWith(const std::vector<uint8_t>& bytes, const uint8_t (&mark)[N]) {
  if (bytes.size() < N) return false;
  for (size_t i = 0; i < N; ++i) {
    if (bytes[i] != mark[i]) return false;
  }
  return true;
}

String DecodeUtf16(const std::vector<uint8_t>& bytes, size_t from, bool bigEndian) {
  String text;
  text.reserve((bytes.size() - from) / 2);
  for (size_t i = from; i + 1 < bytes.size(); i += 2) {
    const unsigned high = bigEndian ? bytes[i] : bytes[i + 1];
    const unsigned low = bigEndian ? bytes[i + 1] : bytes[i];
    text += static_cast<wchar_t>((high << 8) | low);
  }
  return text;
}

std::vector<uint8_t> EncodeUtf16(const String& text, bool bigEndian) {
  std::vector<uint8_t> bytes;
  bytes.reserve(2 + 2 * text.size());
  const uint8_t(&mark)[2] = bigEndian ? kUtf16BEBom : kUtf16LEBom;
  bytes.assign(std::begin(mark), std::end(mark));
  for (const wchar_t c : text) {
    const auto unit = static_cast<uint16_t>(c);
    const auto high = static_cast<uint8_t>(unit >> 8);
    const auto low = static_cast<uint8_t>(unit & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  }
  return bytes;
}

}  // namespace

TTextFileContent ReadTextFile(const String& path) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  const auto tail = [&](size_t from) {
    return std::string_view(reinterpret_cast<const char*>(bytes.data()) + from,
                            bytes.size() - from);
  };
  if (StartsWith(bytes, kUtf8Bom)) return {FromUtf8(tail(sizeof kUtf8Bom)), TTextEncoding::Utf8};
  if (StartsWith(bytes, kUtf16LEBom))
    return {DecodeUtf16(bytes, sizeof kUtf16LEBom, false), TTextEncoding::Utf16LE};
  if (StartsWith(bytes, kUtf16BEBom))
    return {DecodeUtf16(bytes, sizeof kUtf16BEBom, true), TTextEncoding::Utf16BE};
  return {AnsiToString(tail(0)), TTextEncoding::Ansi};
}

void WriteTextFile(const String& path, const String& text, TTextEncoding encoding) {
  std::vector<uint8_t> bytes;
  switch (encoding) {
    case TTextEncoding::Ansi: {
      const std::string ansi = StringToAnsi(text);
      bytes.assign(ansi.begin(), ansi.end());
      break;
    }
    case TTextEncoding::Utf8: {
      const std::string utf8 = ToUtf8(text);
      bytes.assign(std::begin(kUtf8Bom), std::end(kUtf8Bom));
      bytes.insert(bytes.end(), utf8.begin(), utf8.end());
      break;
    }
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE:
      bytes = EncodeUtf16(text, encoding == TTextEncoding::Utf16BE);
      break;
  }
  WriteFileBytes(path, bytes);
}

}  // namespace platform
