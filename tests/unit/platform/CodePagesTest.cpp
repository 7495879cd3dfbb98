#include <gtest/gtest.h>

#include "platform/CodePages.h"

namespace {

TEST(CodePages, AnsiRoundTripsPortugueseLetters) {
  const String text = L"Instala\u00e7\u00e3o conclu\u00edda";
  bool exact = false;
  const std::string bytes = platform::StringToAnsi(text, &exact);
  EXPECT_TRUE(exact);
  EXPECT_EQ(bytes.size(), text.size());
  EXPECT_EQ(platform::AnsiToString(bytes), text);
}

TEST(CodePages, AnsiReportsCharactersWithoutAByte) {
  bool exact = true;
  platform::StringToAnsi(L"\u4e2d", &exact);
  EXPECT_FALSE(exact);
}

TEST(CodePages, OemDecodesBoxAndAccentedCharacters) {
  EXPECT_EQ(platform::OemToString("\x87\xC4"), L"\u00e7\u2500");
}

}  // namespace
