#include "XmlEncoding.h"

#include <algorithm>
#include <string_view>

#include "Format.h"

namespace {

constexpr uint32_t kUtf8 = 65001;
constexpr uint32_t kUtf16LE = 1200;
constexpr uint32_t kUtf16BE = 1201;
constexpr uint32_t kWindows1252 = 1252;
constexpr uint32_t kLatin1 = 28591;
constexpr uint32_t kAscii = 20127;

// Windows-1252 characters of the bytes 0x80 to 0x9F; the five unassigned bytes keep their value,
// as the platform's conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

[[noreturn]] void FailAt(const String& decoded, const String& reason) {
  int line = 1;
  int column = 1;
  for (wchar_t c : decoded) {
    if (c == L'\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  throw EXmlError(reason, line, column);
}

String InvalidBytes(TXmlEncoding encoding) {
  return Format(L"Invalid byte sequence for code page %d",
                {static_cast<unsigned>(encoding.CodePage)});
}

void DecodeUtf8(const uint8_t* data, size_t size, String& out) {
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  size_t i = 0;
  while (i < size) {
    const uint8_t lead = data[i];
    if (lead < 0x80) {
      out += static_cast<wchar_t>(lead);
      ++i;
      continue;
    }
    const int extra = (lead & 0xE0) == 0xC0   ? 1
                      : (lead & 0xF0) == 0xE0 ? 2
                      : (lead & 0xF8) == 0xF0 ? 3
                                              : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= size) FailAt(out, InvalidBytes({kUtf8}));
    char32_t cp = lead & (0x7F >> (extra + 1));
    for (int k = 1; k <= extra; ++k) {
      const uint8_t next = data[i + k];
      if ((next & 0xC0) != 0x80) FailAt(out, InvalidBytes({kUtf8}));
      cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      FailAt(out, InvalidBytes({kUtf8}));
    AppendCodePoint(out, cp);
    i += extra + 1;
  }
}

void DecodeUtf16(const uint8_t* data, size_t size, bool bigEndian, String& out) {
  if (size % 2 != 0) FailAt(out, InvalidBytes({bigEndian ? kUtf16BE : kUtf16LE}));
  auto unitAt = [&](size_t i) -> char32_t {
    return bigEndian ? (data[i] << 8) | data[i + 1] : data[i] | (data[i + 1] << 8);
  };
  for (size_t i = 0; i < size; i += 2) {
    char32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      const char32_t low = i + 2 < size ? unitAt(i + 2) : 0;
      if (low < 0xDC00 || low > 0xDFFF)
        FailAt(out, InvalidBytes({bigEndian ? kUtf16BE : kUtf16LE}));
      AppendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
      i += 2;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      FailAt(out, InvalidBytes({bigEndian ? kUtf16BE : kUtf16LE}));
    } else {
      out += static_cast<wchar_t>(unit);
    }
  }
}

char32_t SingleByteChar(uint32_t codePage, uint8_t byte) {
  if (codePage == kWindows1252 && byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
  return byte;
}

String Lowercase(const String& s) {
  String out = s;
  for (auto& c : out) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return out;
}

// The value of encoding="..." of an ASCII declaration at the start of the bytes; empty when none.
String DeclaredEncodingName(const uint8_t* data, size_t size) {
  const std::string_view head(reinterpret_cast<const char*>(data), std::min<size_t>(size, 1024));
  if (head.substr(0, 5) != "<?xml") return String();
  const size_t end = head.find("?>");
  const std::string_view decl = head.substr(0, end);
  size_t at = decl.find("encoding");
  if (at == std::string_view::npos) return String();
  at += 8;
  while (at < decl.size() &&
         (decl[at] == ' ' || decl[at] == '\t' || decl[at] == '\r' || decl[at] == '\n'))
    ++at;
  if (at >= decl.size() || decl[at] != '=') return String();
  ++at;
  while (at < decl.size() &&
         (decl[at] == ' ' || decl[at] == '\t' || decl[at] == '\r' || decl[at] == '\n'))
    ++at;
  if (at >= decl.size() || (decl[at] != '"' && decl[at] != '\'')) return String();
  const size_t close = decl.find(decl[at], at + 1);
  if (close == std::string_view::npos) return String();
  String name;
  for (char c : decl.substr(at + 1, close - at - 1))
    name += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return name;
}

}  // namespace

TXmlEncoding XmlEncodingFromName(const String& name) {
  const String n = Lowercase(name);
  if (n == L"utf-8" || n == L"utf8") return {kUtf8};
  if (n == L"utf-16" || n == L"utf-16le" || n == L"unicode" || n == L"ucs-2") return {kUtf16LE};
  if (n == L"utf-16be") return {kUtf16BE};
  if (n == L"windows-1252" || n == L"cp1252" || n == L"x-cp1252") return {kWindows1252};
  if (n == L"iso-8859-1" || n == L"latin1" || n == L"iso_8859-1" || n == L"l1") return {kLatin1};
  if (n == L"us-ascii" || n == L"ascii") return {kAscii};
  return {0};
}

TXmlDetectedEncoding DetectXmlEncoding(const uint8_t* data, size_t size) {
  auto starts = [&](std::initializer_list<uint8_t> prefix) {
    return size >= prefix.size() && std::equal(prefix.begin(), prefix.end(), data);
  };
  if (starts({0xFF, 0xFE, 0x00, 0x00}) || starts({0x00, 0x00, 0xFE, 0xFF}))
    throw EXmlError(L"UTF-32 is not supported", 1, 1);
  if (starts({0xEF, 0xBB, 0xBF})) return {{kUtf8}, 3};
  if (starts({0xFF, 0xFE})) return {{kUtf16LE}, 2};
  if (starts({0xFE, 0xFF})) return {{kUtf16BE}, 2};
  if (starts({0x3C, 0x00})) return {{kUtf16LE}, 0};
  if (starts({0x00, 0x3C})) return {{kUtf16BE}, 0};
  const String declared = DeclaredEncodingName(data, size);
  if (declared.empty()) return {{kUtf8}, 0};
  const TXmlEncoding encoding = XmlEncodingFromName(declared);
  if (encoding.CodePage == 0)
    throw EXmlError(Format(L"Unsupported encoding \"%s\"", {declared}), 1, 1);
  // A UTF-16 declaration over 8-bit bytes: the bytes tell the truth, read them as UTF-8.
  if (encoding.CodePage == kUtf16LE || encoding.CodePage == kUtf16BE) return {{kUtf8}, 0};
  return {encoding, 0};
}

String DecodeXmlBytes(const uint8_t* data, size_t size, TXmlEncoding encoding) {
  String raw;
  raw.reserve(encoding.CodePage == kUtf16LE || encoding.CodePage == kUtf16BE ? size / 2 : size);
  switch (encoding.CodePage) {
    case kUtf8:
      DecodeUtf8(data, size, raw);
      break;
    case kUtf16LE:
    case kUtf16BE:
      DecodeUtf16(data, size, encoding.CodePage == kUtf16BE, raw);
      break;
    default:
      for (size_t i = 0; i < size; ++i) {
        if (encoding.CodePage == kAscii && data[i] >= 0x80) FailAt(raw, InvalidBytes(encoding));
        raw += static_cast<wchar_t>(SingleByteChar(encoding.CodePage, data[i]));
      }
      break;
  }
  String out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == L'\r') {
      out += L'\n';
      if (i + 1 < raw.size() && raw[i + 1] == L'\n') ++i;
    } else {
      out += raw[i];
    }
  }
  return out;
}

bool XmlEncodingCanEncode(TXmlEncoding encoding, char32_t codePoint) {
  switch (encoding.CodePage) {
    case kUtf8:
    case kUtf16LE:
    case kUtf16BE:
      return true;
    case kAscii:
      return codePoint < 0x80;
    case kLatin1:
      return codePoint < 0x100;
    default:
      if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint < 0x100)) return true;
      return std::find(std::begin(kCp1252High), std::end(kCp1252High), codePoint) !=
             std::end(kCp1252High);
  }
}

std::vector<uint8_t> EncodeXmlText(const String& text, TXmlEncoding encoding, bool bom) {
  std::vector<uint8_t> out;
  out.reserve(text.size() * (encoding.CodePage == kUtf8 ? 1 : 2) + 3);
  auto unit16 = [&](char32_t unit) {
    if (encoding.CodePage == kUtf16BE) {
      out.push_back(static_cast<uint8_t>(unit >> 8));
      out.push_back(static_cast<uint8_t>(unit & 0xFF));
    } else {
      out.push_back(static_cast<uint8_t>(unit & 0xFF));
      out.push_back(static_cast<uint8_t>(unit >> 8));
    }
  };
  if (bom && encoding.CodePage == kUtf8) {
    // One byte at a time: GCC 12 at -O2 misreads a range insert into the empty vector as an
    // overflow.
    for (const uint8_t byte : {0xEF, 0xBB, 0xBF}) out.push_back(byte);
  }
  if (bom && (encoding.CodePage == kUtf16LE || encoding.CodePage == kUtf16BE)) unit16(0xFEFF);
  for (size_t i = 0; i < text.size();) {
    char32_t cp = NextCodePoint(text, i);
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
    switch (encoding.CodePage) {
      case kUtf8:
        if (cp < 0x80) {
          out.push_back(static_cast<uint8_t>(cp));
        } else if (cp < 0x800) {
          out.push_back(static_cast<uint8_t>(0xC0 | (cp >> 6)));
          out.push_back(static_cast<uint8_t>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
          out.push_back(static_cast<uint8_t>(0xE0 | (cp >> 12)));
          out.push_back(static_cast<uint8_t>(0x80 | ((cp >> 6) & 0x3F)));
          out.push_back(static_cast<uint8_t>(0x80 | (cp & 0x3F)));
        } else {
          out.push_back(static_cast<uint8_t>(0xF0 | (cp >> 18)));
          out.push_back(static_cast<uint8_t>(0x80 | ((cp >> 12) & 0x3F)));
          out.push_back(static_cast<uint8_t>(0x80 | ((cp >> 6) & 0x3F)));
          out.push_back(static_cast<uint8_t>(0x80 | (cp & 0x3F)));
        }
        break;
      case kUtf16LE:
      case kUtf16BE:
        if (cp >= 0x10000) {
          unit16(0xD800 + ((cp - 0x10000) >> 10));
          unit16(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
          unit16(cp);
        }
        break;
      default: {
        uint8_t byte = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100) ||
            (cp < 0x100 && encoding.CodePage == kLatin1)) {
          byte = static_cast<uint8_t>(cp);
        } else if (encoding.CodePage == kWindows1252) {
          const auto* hit = std::find(std::begin(kCp1252High), std::end(kCp1252High), cp);
          if (hit != std::end(kCp1252High))
            byte = static_cast<uint8_t>(0x80 + (hit - std::begin(kCp1252High)));
        }
        if (encoding.CodePage == kAscii && cp >= 0x80) byte = '?';
        out.push_back(byte);
        break;
      }
    }
  }
  return out;
}

char32_t NextCodePoint(const String& text, size_t& index) {
  char32_t cp = static_cast<char32_t>(text[index++]);
  if constexpr (sizeof(wchar_t) == 2) {
    if (cp >= 0xD800 && cp <= 0xDBFF && index < text.size() && text[index] >= 0xDC00 &&
        text[index] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(text[index]) - 0xDC00);
      ++index;
    }
  }
  return cp;
}

void AppendCodePoint(String& text, char32_t codePoint) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (codePoint >= 0x10000) {
      codePoint -= 0x10000;
      text += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
      text += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
      return;
    }
  }
  text += static_cast<wchar_t>(codePoint);
}
