#include <gtest/gtest.h>

#include "XmlTestBytes.h"
#include "core/XmlDocument.h"

namespace {

std::unique_ptr<TXmlDocument> Parse(const std::string& text) {
  return TXmlDocument::Load(Bytes(text));
}

int ErrorLine(const std::string& text) {
  try {
    Parse(text);
  } catch (const EXmlError& e) {
    return e.Line();
  }
  return 0;
}

}  // namespace

TEST(XmlReader, KeepsAttributesInFileOrder) {
  auto doc = Parse("<a z=\"1\" b=\"2\" m='3'/>");
  const auto& attributes = doc->Root()->Attributes();
  ASSERT_EQ(attributes.size(), 3u);
  EXPECT_EQ(attributes[0].Name, L"z");
  EXPECT_EQ(attributes[1].Name, L"b");
  EXPECT_EQ(attributes[2].Value, L"3");
}

TEST(XmlReader, KeepsCommentsAndElementsInDocumentOrder) {
  auto doc = Parse("<a><b/><!-- note --><c/></a>");
  const auto& children = doc->Root()->Children();
  ASSERT_EQ(children.size(), 3u);
  EXPECT_EQ(children[0]->Name(), L"b");
  EXPECT_EQ(children[1]->Kind(), XmlNodeKind::Comment);
  EXPECT_EQ(children[1]->Value(), L" note ");
  EXPECT_EQ(children[2]->Name(), L"c");
}

TEST(XmlReader, DecodesPredefinedEntitiesAndCharacterReferences) {
  auto doc = Parse("<a>&lt;x&gt; &amp; &quot;&apos; &#65;&#x42;</a>");
  EXPECT_EQ(doc->Root()->Text(), L"<x> & \"' AB");
}

TEST(XmlReader, DropsLayoutWhiteSpaceBetweenElements) {
  auto doc = Parse("<a>\n  <b>x</b>\n  <c/>\n</a>");
  EXPECT_EQ(doc->Root()->Children().size(), 2u);
}

TEST(XmlReader, KeepsWhiteSpaceOnlyTextOfAnElementWithoutChildren) {
  auto doc = Parse("<a>  </a>");
  EXPECT_EQ(doc->Root()->Text(), L"  ");
}

TEST(XmlReader, JoinsTextAndCDataIntoElementText) {
  auto doc = Parse("<a>x<![CDATA[<y>]]>z</a>");
  EXPECT_EQ(doc->Root()->Text(), L"x<y>z");
}

TEST(XmlReader, NormalisesLineEndsToLineFeed) {
  auto doc = Parse("<a>1\r\n2\r3</a>");
  EXPECT_EQ(doc->Root()->Text(), L"1\n2\n3");
}

TEST(XmlReader, ReadsTheDeclaration) {
  auto doc = Parse("<?xml version=\"1.0\" encoding=\"utf-8\"?><a/>");
  ASSERT_TRUE(doc->HasDeclaration());
  ASSERT_EQ(doc->Declaration().size(), 2u);
  EXPECT_EQ(doc->Declaration()[1].Value, L"utf-8");
}

TEST(XmlReader, DetectsUtf16FromTheByteOrderMark) {
  auto doc = TXmlDocument::Load(Utf16Bytes(L"<a>\u00e9</a>", true));
  EXPECT_EQ(doc->DetectedEncoding().CodePage, 1200u);
  EXPECT_EQ(doc->Root()->Text(), L"\u00e9");
}

TEST(XmlReader, DetectsUtf16WithoutByteOrderMark) {
  auto doc = TXmlDocument::Load(Utf16Bytes(L"<a>x</a>", false));
  EXPECT_EQ(doc->DetectedEncoding().CodePage, 1200u);
}

TEST(XmlReader, DetectsUtf8FromTheByteOrderMark) {
  auto doc = Parse("\xEF\xBB\xBF<a>\xC3\xA9</a>");
  EXPECT_EQ(doc->Root()->Text(), L"\u00e9");
}

TEST(XmlReader, ReadsTheDeclaredSingleByteCodePage) {
  auto doc = Parse("<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x80\xE9</a>");
  EXPECT_EQ(doc->DetectedEncoding().CodePage, 1252u);
  EXPECT_EQ(doc->Root()->Text(), L"\u20ac\u00e9");
}

TEST(XmlReader, ReadsCharactersOutsideTheBasicPlane) {
  auto doc = Parse("<a>\xF0\x9F\x98\x80&#x1F600;</a>");
  const String text = doc->Root()->Text();
  EXPECT_EQ(text.size(), sizeof(wchar_t) == 2 ? 4u : 2u);
}

TEST(XmlReader, NormalisesWhiteSpaceInAttributeValues) {
  auto doc = Parse("<a v=\"1\t2\n3&#10;\"/>");
  EXPECT_EQ(*doc->Root()->FindAttribute(L"v"), L"1 2 3\n");
}

TEST(XmlReader, KeepsCommentsBeforeTheRoot) {
  auto doc = Parse("<!-- head --><a/>");
  ASSERT_EQ(doc->Nodes().Children().size(), 2u);
  EXPECT_EQ(doc->Nodes().Children()[0]->Kind(), XmlNodeKind::Comment);
}

TEST(XmlReader, RefusesAnUnclosedElementAtTheEnd) {
  try {
    Parse("<a>\n<b>\n");
    FAIL();
  } catch (const EXmlError& e) {
    EXPECT_EQ(e.Reason(), L"Element \"b\" is not closed");
    EXPECT_EQ(e.Line(), 3);
    EXPECT_EQ(e.Column(), 1);
  }
}

TEST(XmlReader, RefusesAMismatchedEndTagWhereItStands) {
  try {
    Parse("<a>\n  <b></c></a>");
    FAIL();
  } catch (const EXmlError& e) {
    EXPECT_EQ(e.Line(), 2);
    EXPECT_EQ(e.Column(), 6);
    EXPECT_EQ(e.Message(),
              L"XML error at line 2, column 6: End tag \"c\" does not match start tag \"b\"");
  }
}

TEST(XmlReader, RefusesADuplicateAttribute) {
  EXPECT_THROW(Parse("<a x='1' x='2'/>"), EXmlError);
}

TEST(XmlReader, RefusesAnUndefinedEntity) {
  EXPECT_EQ(ErrorLine("<a>\n&nbsp;</a>"), 2);
}

TEST(XmlReader, RefusesTextAfterTheRoot) {
  EXPECT_THROW(Parse("<a/>x"), EXmlError);
}

TEST(XmlReader, RefusesAnEmptyDocument) {
  EXPECT_THROW(Parse(""), EXmlError);
}

TEST(XmlReader, RefusesASecondRoot) {
  EXPECT_THROW(Parse("<a/><b/>"), EXmlError);
}

TEST(XmlReader, RefusesAttributesWithoutSpaceBetween) {
  EXPECT_THROW(Parse("<a x='1'y='2'/>"), EXmlError);
}

TEST(XmlReader, RefusesDoubleHyphenInsideAComment) {
  EXPECT_THROW(Parse("<a><!-- x -- y --></a>"), EXmlError);
}
