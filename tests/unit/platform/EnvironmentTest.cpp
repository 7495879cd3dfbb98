#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Environment.h"

namespace {

TEST(Environment, SetVariablesAppearInTheBlock) {
  ASSERT_TRUE(platform::SetEnvironmentVariable(L"QRV_TEST_VAR", L"valor"));
  EXPECT_EQ(platform::GetEnvironmentVariable(L"QRV_TEST_VAR"), String(L"valor"));
  const auto block = platform::EnvironmentBlock();
  EXPECT_NE(std::find(block.begin(), block.end(), L"QRV_TEST_VAR=valor"), block.end());
}

TEST(Environment, NamesIgnoreLetterCase) {
  platform::SetEnvironmentVariable(L"QRV_CASE_VAR", L"x");
  EXPECT_EQ(platform::GetEnvironmentVariable(L"qrv_case_var"), String(L"x"));
}

TEST(Environment, MissingVariableIsEmpty) {
  EXPECT_FALSE(platform::GetEnvironmentVariable(L"QRV_SURELY_NOT_SET_12345").has_value());
}

TEST(Environment, ExpansionReplacesKnownReferencesAndKeepsUnknownOnes) {
  platform::SetEnvironmentVariable(L"QRV_A", L"alfa");
  EXPECT_EQ(platform::ExpandEnvironmentStrings(L"x%QRV_A%y"), L"xalfay");
  EXPECT_EQ(platform::ExpandEnvironmentStrings(L"%QRV_NONE_9%\\%QRV_A%"), L"%QRV_NONE_9%\\alfa");
  EXPECT_EQ(platform::ExpandEnvironmentStrings(L"100%"), L"100%");
  EXPECT_EQ(platform::ExpandEnvironmentStrings(L"%QRV_NONE_9%QRV_A%"), L"%QRV_NONE_9%QRV_A%");
}

}  // namespace
