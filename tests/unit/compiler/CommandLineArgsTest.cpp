#include "compiler/posix/CommandLineArgs.h"

#include <gtest/gtest.h>

using Args = std::vector<String>;

TEST(CommandLineArgs, QuotedProgramNameKeepsItsSpaces) {
  EXPECT_EQ(SplitCommandLine(L"\"Z:\\Program Files\\dcc32.exe\" a"),
            (Args{L"Z:\\Program Files\\dcc32.exe", L"a"}));
}

TEST(CommandLineArgs, QuotesInsideAnArgumentAreRemoved) {
  EXPECT_EQ(SplitCommandLine(L"dcc32.exe -U\"C:\\Lib;D:\\X\" -B"),
            (Args{L"dcc32.exe", L"-UC:\\Lib;D:\\X", L"-B"}));
}

TEST(CommandLineArgs, BackslashesBeforeAQuoteAreHalved) {
  EXPECT_EQ(SplitCommandLine(L"p a\\\\\"b c\" d\\\"e"), (Args{L"p", L"a\\b c", L"d\"e"}));
}

TEST(CommandLineArgs, BackslashesElsewhereStayAsTheyAre) {
  EXPECT_EQ(SplitCommandLine(L"p C:\\dir\\ x"), (Args{L"p", L"C:\\dir\\", L"x"}));
}

TEST(CommandLineArgs, TwoQuotesInsideQuotesGiveOneQuote) {
  EXPECT_EQ(SplitCommandLine(L"p \"a\"\"b\""), (Args{L"p", L"a\"b"}));
}

TEST(CommandLineArgs, EmptyQuotedArgumentIsKept) {
  EXPECT_EQ(SplitCommandLine(L"p \"\" x"), (Args{L"p", L"", L"x"}));
}

TEST(CommandLineArgs, RunsOfBlanksSeparateArgumentsOnce) {
  EXPECT_EQ(SplitCommandLine(L"p  a \t b  "), (Args{L"p", L"a", L"b"}));
}
