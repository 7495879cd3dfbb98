#include <gtest/gtest.h>

#include "core/Exception.h"
#include "core/LibFunctions.h"

namespace {

TEST(TextParts, LeftAndRightPartsClampTheirCount) {
  EXPECT_EQ(LeftPart(L"abc", 0), L"");
  EXPECT_EQ(LeftPart(L"abc", -3), L"");
  EXPECT_EQ(LeftPart(L"abc", 2), L"ab");
  EXPECT_EQ(LeftPart(L"abc", 9), L"abc");
  EXPECT_EQ(RightPart(L"abc", 5), L"abc");
  EXPECT_EQ(RightPart(L"abc", 3), L"abc");
  EXPECT_EQ(RightPart(L"abc", 1), L"c");
  EXPECT_EQ(RightPart(L"abc", 0), L"");
}

TEST(Trimming, DropsSpacesAndControlCharactersOnly) {
  EXPECT_EQ(TrimLeading(L" \t\r\nx y "), L"x y ");
  EXPECT_EQ(TrimTrailing(L" x y \x01"), L" x y");
  EXPECT_EQ(TrimBoth(L"\x1F x \x20"), L"x");
  EXPECT_EQ(TrimBoth(L" \t "), L"");
  EXPECT_EQ(TrimBoth(L"\u00a0x"), L"\u00a0x");  // code above 32 stays
}

TEST(Trimming, BlankMeansNothingButSpacesAndControls) {
  EXPECT_TRUE(IsBlank(L""));
  EXPECT_TRUE(IsBlank(L" \t\n"));
  EXPECT_FALSE(IsBlank(L" . "));
}

TEST(FindTextIndex, IgnoresAsciiCaseOnly) {
  std::vector<String> tags;
  for (int v = 17; v <= 26; ++v) tags.push_back(L"d" + std::to_wstring(v));
  EXPECT_EQ(FindTextIndex(L"d26", tags), 9);
  EXPECT_EQ(FindTextIndex(L"D26", tags), 9);
  EXPECT_EQ(FindTextIndex(L"d27", tags), -1);
  EXPECT_EQ(FindTextIndex(L"\u00c7", {L"\u00e7"}), -1);
}

TEST(FindTextIndex, EmptyTextMatchesOnlyAnEmptyElement) {
  EXPECT_EQ(FindTextIndex(L"", {L"", L"x"}), 0);
  EXPECT_EQ(FindTextIndex(L"", {L"x", L""}), 1);
  EXPECT_EQ(FindTextIndex(L"x", {L""}), -1);
}

TEST(PosOfOccurrence, CountsOverlappingOccurrencesFromStart) {
  EXPECT_EQ(PosOfOccurrence(L"|", L"|a|b", 2, 1), 3);
  EXPECT_EQ(PosOfOccurrence(L"aa", L"aaa", 1, 1), 1);
  EXPECT_EQ(PosOfOccurrence(L"aa", L"aaa", 2, 1), 2);
  EXPECT_EQ(PosOfOccurrence(L"aa", L"aaa", 3, 1), 0);
  EXPECT_EQ(PosOfOccurrence(L"|", L"|a|b|", 1, 2), 3);
  EXPECT_EQ(PosOfOccurrence(L"A", L"a", 1, 1), 0);
}

TEST(PosOfOccurrence, IsZeroForEmptyInputsOrNoCount) {
  EXPECT_EQ(PosOfOccurrence(L"", L"abc", 1, 1), 0);
  EXPECT_EQ(PosOfOccurrence(L"a", L"", 1, 1), 0);
  EXPECT_EQ(PosOfOccurrence(L"a", L"abc", 0, 1), 0);
  EXPECT_EQ(PosOfOccurrence(L"a", L"abc", 1, 9), 0);
}

TEST(Tokens, BarEnclosedListHasEmptyOuterTokens) {
  const String list = L"|UnitA|UnitB|";
  EXPECT_EQ(TokenCount(list, L'|'), 4);
  EXPECT_EQ(TokenAt(list, L'|', 1), L"");
  EXPECT_EQ(TokenAt(list, L'|', 2), L"UnitA");
  EXPECT_EQ(TokenAt(list, L'|', 3), L"UnitB");
  EXPECT_EQ(TokenAt(list, L'|', 4), L"");
  EXPECT_EQ(TokenAt(list, L'|', 5), L"");
  EXPECT_EQ(TokenAt(list, L'|', 0), L"");
}

TEST(Tokens, EmptyTextOrZeroSeparatorHasNoTokens) {
  EXPECT_EQ(TokenCount(L"", L'|'), 0);
  EXPECT_EQ(TokenCount(L"a|b", 0), 0);
  EXPECT_EQ(TokenAt(L"", L'|', 1), L"");
  EXPECT_EQ(TokenCount(L"abc", L'|'), 1);
  EXPECT_EQ(TokenAt(L"abc", L'|', 1), L"abc");
}

TEST(ReplaceOccurrences, ReplacesAllOrTheFirstN) {
  EXPECT_EQ(ReplaceOccurrences(L"'a' 'b'", L"'", L"\"", 0), L"\"a\" \"b\"");
  EXPECT_EQ(ReplaceOccurrences(L"x.x.x", L".", L"-", 1), L"x-x.x");
  EXPECT_EQ(ReplaceOccurrences(L"x.x.x", L".", L"-", 2), L"x-x-x");
}

TEST(ReplaceOccurrences, DoesNotSearchInsertedText) {
  EXPECT_EQ(ReplaceOccurrences(L"aa", L"a", L"aa", 0), L"aaaa");
  EXPECT_EQ(ReplaceOccurrences(L"abab", L"ab", L"b", 0), L"bb");
}

TEST(ReplaceOccurrences, LeavesSourceAloneForEmptyOrEqualArguments) {
  EXPECT_EQ(ReplaceOccurrences(L"", L"a", L"b", 0), L"");
  EXPECT_EQ(ReplaceOccurrences(L"abc", L"", L"b", 0), L"abc");
  EXPECT_EQ(ReplaceOccurrences(L"abc", L"b", L"b", 0), L"abc");
  EXPECT_EQ(ReplaceOccurrences(L"ABC", L"b", L"x", 0), L"ABC");
}

TEST(Numbers, MinimaAndIncrement) {
  EXPECT_EQ(MinFloat(2.0, 2.0), 2.0);
  EXPECT_EQ(MinFloat(1.5, 2.0), 1.5);
  EXPECT_EQ(MinFloat(3.0, -1.0), -1.0);
  EXPECT_EQ(MinInt(-4, 3), -4);
  int x = 5;
  IncBy(x, -7);
  EXPECT_EQ(x, -2);
}

TEST(NumberFromText, KeepsDigitsOnly) {
  EXPECT_EQ(NumberFromText(L"d26"), 26);
  EXPECT_EQ(NumberFromText(L"c6"), 6);
  EXPECT_EQ(NumberFromText(L"9.0"), 90);
  EXPECT_EQ(NumberFromText(L""), 0);
  EXPECT_EQ(NumberFromText(L"abc"), 0);
  EXPECT_EQ(NumberFromText(L"-x5"), -5);
  EXPECT_EQ(NumberFromText(L"x-5"), 5);
}

TEST(NumberFromText, Holds64BitLimitsAndRaisesBeyond) {
  EXPECT_EQ(NumberFromText(L"9223372036854775807"), INT64_MAX);
  EXPECT_EQ(NumberFromText(L"-9223372036854775808"), INT64_MIN);
  EXPECT_THROW(NumberFromText(L"9223372036854775808"), EConvertError);
  EXPECT_THROW(NumberFromText(L"-9223372036854775809"), EConvertError);
  EXPECT_THROW(NumberFromText(L"123456789012345678901234567890"), EConvertError);
}

TEST(Dates, YearOfDateCountsFromDelphisEpoch) {
  EXPECT_EQ(YearOfDate(0.0), 1899);  // 1899-12-30
  EXPECT_EQ(YearOfDate(2.0), 1900);
  EXPECT_EQ(YearOfDate(46022.0), 2025);  // 2025-12-31
  EXPECT_EQ(YearOfDate(46023.0), 2026);  // 2026-01-01
  EXPECT_EQ(YearOfDate(46023.99), 2026);
}

TEST(Dates, NowIsInThisCentury) {
  EXPECT_GE(YearOfDate(Now()), 2024);
  EXPECT_LT(YearOfDate(Now()), 2100);
}

}  // namespace
