// Byte-level encodings of XML documents: detection from a byte-order mark or the XML declaration,
// strict decoding into String and encoding back. Used by the XML reader and writer. Decoding raises
// EXmlError (with the line and column of the offending character) on a byte sequence the encoding
// does not allow; nothing else raises.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "XmlDocument.h"

struct TXmlDetectedEncoding {
  TXmlEncoding Encoding;
  size_t BomLength = 0;  // bytes of the byte-order mark to skip
};

// Looks at the first bytes: a byte-order mark, UTF-16 without one ("<" followed or preceded by a
// zero byte), else the encoding attribute of an ASCII XML declaration, else UTF-8. Raises
// EXmlError for UTF-32 and for a declared encoding that is not supported.
TXmlDetectedEncoding DetectXmlEncoding(const uint8_t* data, size_t size);

// The characters of the bytes in that encoding; CR LF and lone CR become LF.
String DecodeXmlBytes(const uint8_t* data, size_t size, TXmlEncoding encoding);

// True when the encoding has a representation of the code point.
bool XmlEncodingCanEncode(TXmlEncoding encoding, char32_t codePoint);

// The bytes of text in that encoding, with a byte-order mark for UTF-8 and UTF-16 when bom is set.
// A character the encoding lacks becomes "?"; the writer avoids that with character references.
std::vector<uint8_t> EncodeXmlText(const String& text, TXmlEncoding encoding, bool bom);

// Reads one code point of text at index (combining a UTF-16 surrogate pair where String holds
// UTF-16) and moves index past it. An unpaired surrogate is returned as it is.
char32_t NextCodePoint(const String& text, size_t& index);
// Appends a code point to text (as a surrogate pair where String holds UTF-16).
void AppendCodePoint(String& text, char32_t codePoint);
