// Documents built to hurt a reader: each must end in EXmlError, quickly and in bounded memory.
#include <gtest/gtest.h>

#include "XmlTestBytes.h"
#include "core/XmlDocument.h"

namespace {

String ReasonOf(const std::vector<uint8_t>& bytes) {
  try {
    TXmlDocument::Load(bytes);
  } catch (const EXmlError& e) {
    return e.Reason();
  }
  return L"(accepted)";
}

std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<a>";
  for (int i = 0; i < depth; ++i) text += "</a>";
  return text;
}

}  // namespace

TEST(XmlHostile, RefusesADoctypeWithEntityDefinitions) {
  EXPECT_EQ(ReasonOf(Bytes("<!DOCTYPE a [<!ENTITY x \"xx\">]><a>&x;</a>")),
            L"Document type declarations are not supported");
}

TEST(XmlHostile, AcceptsNestingAtTheLimit) {
  EXPECT_NO_THROW(TXmlDocument::Load(Bytes(Nested(kXmlMaxDepth))));
}

TEST(XmlHostile, RefusesNestingJustOverTheLimit) {
  EXPECT_EQ(ReasonOf(Bytes(Nested(kXmlMaxDepth + 1))), L"Elements nested deeper than 256 levels");
}

TEST(XmlHostile, RefusesNestingOneHundredThousandDeep) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "<a>";
  EXPECT_EQ(ReasonOf(Bytes(text)), L"Elements nested deeper than 256 levels");
}

TEST(XmlHostile, ReadsADocumentOfExactlyTheSizeLimit) {
  const std::string text = "<a>" + std::string(kXmlMaxBytes - 7, 'x') + "</a>";
  EXPECT_EQ(TXmlDocument::Load(Bytes(text))->Root()->Text().size(), kXmlMaxBytes - 7);
}

TEST(XmlHostile, RefusesADocumentOverTheSizeLimit) {
  std::vector<uint8_t> bytes(kXmlMaxBytes + 1, 'x');
  EXPECT_EQ(ReasonOf(bytes), L"Document larger than 16777216 bytes");
}

TEST(XmlHostile, ReadsALargeTextNodeUnderTheLimit) {
  std::string text = "<a>" + std::string(8 * 1024 * 1024, 'x') + "</a>";
  EXPECT_EQ(TXmlDocument::Load(Bytes(text))->Root()->Text().size(), 8u * 1024 * 1024);
}

TEST(XmlHostile, RefusesInvalidUtf8) {
  EXPECT_EQ(ReasonOf(Bytes("<a>\xC3(</a>")), L"Invalid byte sequence for code page 65001");
}

TEST(XmlHostile, RefusesOverlongUtf8) {
  EXPECT_EQ(ReasonOf(Bytes("<a>\xC0\xAF</a>")), L"Invalid byte sequence for code page 65001");
}

TEST(XmlHostile, RefusesTruncatedUtf8AtTheEnd) {
  EXPECT_EQ(ReasonOf(Bytes("<a/>\xE2\x82")), L"Invalid byte sequence for code page 65001");
}

TEST(XmlHostile, RefusesAnUnpairedSurrogateInUtf16) {
  auto bytes = Utf16Bytes(L"<a>x</a>", true);
  bytes[8] = 0x00;
  bytes[9] = 0xD8;
  EXPECT_EQ(ReasonOf(bytes), L"Invalid byte sequence for code page 1200");
}

TEST(XmlHostile, RefusesAnOddNumberOfUtf16Bytes) {
  auto bytes = Utf16Bytes(L"<a/>", true);
  bytes.push_back('x');
  EXPECT_EQ(ReasonOf(bytes), L"Invalid byte sequence for code page 1200");
}

TEST(XmlHostile, RefusesAnUnsupportedDeclaredEncoding) {
  EXPECT_EQ(ReasonOf(Bytes("<?xml version=\"1.0\" encoding=\"ebcdic\"?><a/>")),
            L"Unsupported encoding \"ebcdic\"");
}

TEST(XmlHostile, RefusesControlCharacters) {
  EXPECT_EQ(ReasonOf(Bytes(std::string("<a>\x01</a>"))), L"Invalid character U+0001");
}

TEST(XmlHostile, RefusesAReferenceToCharacterZero) {
  EXPECT_EQ(ReasonOf(Bytes("<a>&#0;</a>")), L"Invalid character reference \"&#0;\"");
}

TEST(XmlHostile, RefusesAHugeCharacterReference) {
  EXPECT_EQ(ReasonOf(Bytes("<a>&#99999999999;</a>")),
            L"Invalid character reference \"&#99999999999;\"");
}

TEST(XmlHostile, RefusesAnUnterminatedComment) {
  EXPECT_EQ(ReasonOf(Bytes("<a><!-- x")), L"Unterminated comment");
}

TEST(XmlHostile, RefusesAnUnterminatedAttribute) {
  EXPECT_EQ(ReasonOf(Bytes("<a x=\"1")), L"Unterminated attribute value");
}

TEST(XmlHostile, RefusesUtf32) {
  EXPECT_EQ(ReasonOf({0xFF, 0xFE, 0x00, 0x00, '<', 0, 0, 0}), L"UTF-32 is not supported");
}
