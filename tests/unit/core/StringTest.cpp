#include <gtest/gtest.h>

#include "core/Exception.h"
#include "core/String.h"
#include "core/StringList.h"

namespace {

TEST(Utf8, RoundTripsEveryPlane) {
  const String text = L"a\u00e7\u20ac\U0001F600";
  EXPECT_EQ(ToUtf8(text), "a\xC3\xA7\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Utf8, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b"),
            L"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xC3"), L"\uFFFD");                      // cut sequence
  EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");            // overlong form
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
}

TEST(Exception, WhatCarriesTheMessageInUtf8) {
  const Exception e(L"N\u00e3o foi poss\u00edvel");
  EXPECT_STREQ(e.what(), "N\xC3\xA3o foi poss\xC3\xADvel");
}

TEST(StringList, NameValueLinesIgnoreAsciiCase) {
  TStringList list;
  list.Add(L"RootDir=C:\\BDS");
  list.Add(L"App=bds.exe");
  EXPECT_EQ(list.Values(L"rootdir"), L"C:\\BDS");
  EXPECT_EQ(list.IndexOfName(L"APP"), 1);
  EXPECT_EQ(list.Names(1), L"App");
  EXPECT_EQ(list.ValueFromIndex(1), L"bds.exe");
  list.SetValue(L"app", L"");
  EXPECT_EQ(list.Count(), 1);
  list.SetValue(L"Edition", L"PRO");
  EXPECT_EQ(list.Strings(1), L"Edition=PRO");
}

TEST(StringList, TextSplitsAtEveryLineEnd) {
  TStringList list;
  list.SetText(L"a\r\nb\nc\rd");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Text(), L"a\r\nb\r\nc\r\nd\r\n");
  list.SetText(L"x\r\n\r\n");
  EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, IndexOutsideTheListRaises) {
  TStringList list;
  list.Add(L"only");
  EXPECT_THROW(list.Strings(1), EListError);
  EXPECT_THROW(list.Delete(-1), EListError);
  EXPECT_NO_THROW(list.Insert(1, L"end"));
}

}  // namespace
