#include <gtest/gtest.h>

#include "core/Exception.h"
#include "core/Format.h"

namespace {

TEST(Format, SubstitutesTextAndIntegers) {
  EXPECT_EQ(Format(L"Package: %s para %s.", {L"Personalizado", L"RAD Studio 10.3"}),
            L"Package: Personalizado para RAD Studio 10.3.");
  EXPECT_EQ(Format(L"%d%%", {42}), L"42%");
  EXPECT_EQ(Format(L"%d", {-7}), L"-7");
  EXPECT_EQ(Format(L"Copyright %d", {2026}), L"Copyright 2026");
}

TEST(Format, HexIsUpperCaseWithMinimumDigits) {
  EXPECT_EQ(Format(L"%x", {255}), L"FF");
  EXPECT_EQ(Format(L"%.8x", {0x1234}), L"00001234");
  EXPECT_EQ(Format(L"%.8x", {-1}), L"FFFFFFFF");
}

TEST(Format, WidthPadsAndMinusAlignsLeft) {
  EXPECT_EQ(Format(L"[%5d]", {42}), L"[   42]");
  EXPECT_EQ(Format(L"[%-5d]", {42}), L"[42   ]");
  EXPECT_EQ(Format(L"[%6s]", {L"ab"}), L"[    ab]");
  EXPECT_EQ(Format(L"[%.2s]", {L"abcdef"}), L"[ab]");
  EXPECT_EQ(Format(L"[%*d]", {4, 7}), L"[   7]");
  EXPECT_EQ(Format(L"[%.3d]", {7}), L"[007]");
}

TEST(Format, IndexSelectsTheArgument) {
  EXPECT_EQ(Format(L"%1:s %0:s %s", {L"a", L"b", L"c"}), L"b a b");
}

TEST(Format, FloatingPointTypes) {
  EXPECT_EQ(Format(L"%f", {33.0}), L"33.00");
  EXPECT_EQ(Format(L"%.1f", {18.5}), L"18.5");
  EXPECT_EQ(Format(L"%n", {1234567.891}), L"1,234,567.89");
  EXPECT_EQ(Format(L"%.0n", {-1234.0}), L"-1,234");
}

TEST(Format, ExponentHasAtLeastThreeDigitsOnEveryPlatform) {
  EXPECT_EQ(Format(L"%.3e", {12345.678}), L"1.23E+004");
  EXPECT_EQ(Format(L"%.2e", {-0.00015}), L"-1.5E-004");
  EXPECT_EQ(Format(L"%g", {1e20}), L"1E+020");
  EXPECT_EQ(Format(L"%.3e", {1e300}), L"1.00E+300");
  EXPECT_EQ(Format(L"%g", {0.5}), L"0.5");
}

TEST(Format, MismatchedOrMissingArgumentsRaise) {
  EXPECT_THROW(Format(L"%d", {L"text"}), EConvertError);
  EXPECT_THROW(Format(L"%s", {3}), EConvertError);
  EXPECT_THROW(Format(L"%s %s", {L"one"}), EConvertError);
  EXPECT_THROW(Format(L"%q", {1}), EConvertError);
  EXPECT_THROW(Format(L"ends with %", {}), EConvertError);
}

TEST(Format, ErrorTextNamesTheFormat) {
  try {
    Format(L"%d", {L"x"});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Format '%d' invalid or incompatible with argument");
  }
}

TEST(IntToStr, GivesTheDecimalTextOfTheWholeRange) {
  EXPECT_EQ(IntToStr(0), L"0");
  EXPECT_EQ(IntToStr(999999), L"999999");
  EXPECT_EQ(IntToStr(-42), L"-42");
  EXPECT_EQ(IntToStr(INT64_MAX), L"9223372036854775807");
  EXPECT_EQ(IntToStr(INT64_MIN), L"-9223372036854775808");
}

}  // namespace
