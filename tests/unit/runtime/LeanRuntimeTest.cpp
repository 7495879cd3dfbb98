// The library's errors raised through the setup program's replacements: caught as std::exception,
// with the library's message and its numbers written out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <typename Action>
std::string MessageOf(Action action) {
  try {
    action();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "(nothing raised)";
}

TEST(LeanRuntime, IndexOutOfRangeNamesIndexAndSize) {
  std::vector<int> values(2);
  EXPECT_EQ(MessageOf([&] { (void)values.at(5); }),
            "vector::_M_range_check: __n (which is 5) >= this->size() (which is 2)");
}

TEST(LeanRuntime, SubstringPastTheEndNamesFunctionPositionAndSize) {
  const std::wstring text = L"abc";
  EXPECT_EQ(MessageOf([&] { (void)text.substr(12345678); }),
            "basic_string::substr: __pos (which is 12345678) > this->size() (which is 3)");
}

TEST(LeanRuntime, FailedNumberConversionNamesTheFunction) {
  EXPECT_EQ(MessageOf([] { (void)std::stol(L"x"); }), "stol");
  EXPECT_EQ(MessageOf([] { (void)std::stoi(L"99999999999"); }), "stoi");
}

TEST(LeanRuntime, TooLongStringIsALengthError) {
  std::wstring text;
  EXPECT_EQ(MessageOf([&] { text.reserve(text.max_size() + 1); }), "basic_string::_M_create");
}

}  // namespace
