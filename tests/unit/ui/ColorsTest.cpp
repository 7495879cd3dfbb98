#include <gtest/gtest.h>

#include "ui/Colors.h"

TEST(Colors, RgbColorPacksRedLowest) {
  EXPECT_EQ(RgbColor(0, 159, 0), 0x009F00u);
  EXPECT_EQ(RgbColor(245, 245, 245), 0xF5F5F5u);
  EXPECT_EQ(RgbColor(0x12, 0x34, 0x56), 0x563412u);
}

TEST(Colors, SystemColoursCarryTheHighByte) {
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_EQ(clBtnFace, 0xFF00000Fu);
  EXPECT_FALSE(IsSystemColor(clNavy));
  EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(Colors, NamesAreReadIgnoringCase) {
  EXPECT_EQ(IdentToColor(L"clBlue"), clBlue);
  EXPECT_EQ(IdentToColor(L"CLBLUE"), clBlue);
  EXPECT_EQ(IdentToColor(L"clWindowFrame"), clWindowFrame);
  EXPECT_EQ(IdentToColor(L"clNone"), clNone);
}

TEST(Colors, UnknownNameIsNothing) {
  EXPECT_FALSE(IdentToColor(L"clNenhuma").has_value());
  EXPECT_FALSE(TextToColor(L"clNenhuma").has_value());
}

TEST(Colors, DecimalNumberIsAColour) {
  EXPECT_EQ(TextToColor(L"255"), clRed);
  EXPECT_EQ(TextToColor(L"0"), clBlack);
}

TEST(Colors, NegativeDecimalIsTheSystemColourItEncodes) {
  EXPECT_EQ(TextToColor(L"-16777201"), clBtnFace);
}

TEST(Colors, DollarAndZeroXHexAreRead) {
  EXPECT_EQ(TextToColor(L"$FF0000"), clBlue);
  EXPECT_EQ(TextToColor(L"0x00ff00"), clLime);
  EXPECT_EQ(TextToColor(L"$FF00000F"), clBtnFace);
}

TEST(Colors, MalformedNumbersAreNothing) {
  EXPECT_FALSE(TextToColor(L"").has_value());
  EXPECT_FALSE(TextToColor(L"$").has_value());
  EXPECT_FALSE(TextToColor(L"12a").has_value());
  EXPECT_FALSE(TextToColor(L"0xG1").has_value());
  EXPECT_FALSE(TextToColor(L"-").has_value());
}

TEST(Colors, NumbersBeyondThirtyTwoBitsAreNothing) {
  EXPECT_EQ(TextToColor(L"4294967295"), 0xFFFFFFFFu);
  EXPECT_FALSE(TextToColor(L"4294967296").has_value());
  EXPECT_FALSE(TextToColor(L"$100000000").has_value());
}
