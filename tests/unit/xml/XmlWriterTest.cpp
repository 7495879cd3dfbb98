#include <gtest/gtest.h>

#include "XmlTestBytes.h"
#include "core/XmlDocument.h"

namespace {

std::string Resave(const std::string& text, bool withDeclaration = true) {
  return AsText(TXmlDocument::Load(Bytes(text))->Save(withDeclaration));
}

}  // namespace

TEST(XmlWriter, IndentsChildElementsByTwoSpaces) {
  EXPECT_EQ(Resave("<a><b><c>x</c></b><d/></a>"),
            "\xEF\xBB\xBF<a>\r\n  <b>\r\n    <c>x</c>\r\n  </b>\r\n  <d/>\r\n</a>");
}

TEST(XmlWriter, EscapesMarkupCharactersInText) {
  EXPECT_EQ(Resave("<a>&lt;&amp;&gt;\"</a>"), "\xEF\xBB\xBF<a>&lt;&amp;&gt;\"</a>");
}

TEST(XmlWriter, EscapesQuotesAndLineFeedsInAttributes) {
  EXPECT_EQ(Resave("<a v='&quot;&#10;'/>"), "\xEF\xBB\xBF<a v=\"&quot;&#10;\"/>");
}

TEST(XmlWriter, WritesTheDeclarationFirst) {
  EXPECT_EQ(Resave("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<a/>"),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<a/>");
}

TEST(XmlWriter, LeavesTheDeclarationOutWhenAsked) {
  EXPECT_EQ(Resave("<?xml version=\"1.0\" encoding=\"utf-8\"?><a/>", false), "\xEF\xBB\xBF<a/>");
}

TEST(XmlWriter, KeepsMixedContentAsItStands) {
  EXPECT_EQ(Resave("<a>x <b>y</b> z</a>"), "\xEF\xBB\xBF<a>x <b>y</b> z</a>");
}

TEST(XmlWriter, KeepsCommentsInPlace) {
  EXPECT_EQ(Resave("<a><!--c--><b/></a>"), "\xEF\xBB\xBF<a>\r\n  <!--c-->\r\n  <b/>\r\n</a>");
}

TEST(XmlWriter, WritesUtf16WhenTheDeclarationSaysSo) {
  const auto bytes =
      TXmlDocument::Load(
          Utf16Bytes(L"<?xml version=\"1.0\" encoding=\"utf-16\"?><a>\u00e9</a>", true))
          ->Save();
  EXPECT_EQ(bytes,
            Utf16Bytes(L"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n<a>\u00e9</a>", true));
}

TEST(XmlWriter, Utf16RoundTripKeepsTheText) {
  auto first = TXmlDocument::Load(Utf16Bytes(L"<a><b x=\"\u0416\">\u00e9&amp;</b></a>", true));
  auto second = TXmlDocument::Load(first->Save());
  EXPECT_EQ(second->DetectedEncoding().CodePage, 1200u);
  EXPECT_EQ(*second->Root()->Children()[0]->FindAttribute(L"x"), L"\u0416");
  EXPECT_EQ(second->Root()->Children()[0]->Text(), L"\u00e9&");
}

TEST(XmlWriter, Utf8RoundTripKeepsTheText) {
  auto first = TXmlDocument::Load(Bytes("<a><b x=\"\xD0\x96\">\xC3\xA9&amp;\n2</b></a>"));
  auto second = TXmlDocument::Load(first->Save());
  EXPECT_EQ(*second->Root()->Children()[0]->FindAttribute(L"x"), L"\u0416");
  EXPECT_EQ(second->Root()->Children()[0]->Text(), L"\u00e9&\n2");
}

TEST(XmlWriter, WritesCharactersTheCodePageLacksAsReferences) {
  auto doc =
      TXmlDocument::Load(Bytes("<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\xE9</a>"));
  doc->Root()->SetText(L"\u00e9\u0416");
  EXPECT_EQ(AsText(doc->Save(false)), "<a>\xE9&#1046;</a>");
}

TEST(XmlWriter, SetTextReplacesTextButKeepsComments) {
  auto doc = TXmlDocument::Load(Bytes("<a><!--c-->old</a>"));
  doc->Root()->SetText(L"new");
  EXPECT_EQ(AsText(doc->Save()), "\xEF\xBB\xBF<a><!--c-->new</a>");
}

TEST(XmlWriter, SplitsCDataHoldingItsTerminator) {
  TXmlDocument doc;
  doc.SetRoot(L"a").AppendChild(std::make_unique<TXmlNode>(XmlNodeKind::CData, String(), L"x]]>y"));
  auto reread = TXmlDocument::Load(doc.Save());
  EXPECT_EQ(reread->Root()->Text(), L"x]]>y");
}
