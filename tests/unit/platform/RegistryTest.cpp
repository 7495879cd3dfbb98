// Registry semantics that the catalogue and the registry manager rely on. Every test works below
// its own key under HKEY_CURRENT_USER and deletes it, so it runs on Wine's real registry too.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Registry.h"

namespace {

using platform::RegistryKey;
using platform::RegRoot;

class RegistryTest : public ::testing::Test {
 protected:
  const String kBase = L"\\Software\\QrvTests\\Registry";
  void TearDown() override { RegistryKey::DeleteTree(RegRoot::CurrentUser, kBase); }
};

TEST_F(RegistryTest, OpenFailsForAMissingKeyAndCreateMakesItsParents) {
  EXPECT_FALSE(RegistryKey::Open(RegRoot::CurrentUser, kBase + L"\\A\\B").has_value());
  EXPECT_TRUE(RegistryKey::Create(RegRoot::CurrentUser, kBase + L"\\A\\B").has_value());
  EXPECT_TRUE(RegistryKey::Exists(RegRoot::CurrentUser, kBase + L"\\A"));
  EXPECT_TRUE(RegistryKey::Exists(RegRoot::CurrentUser, kBase + L"\\A\\B"));
}

TEST_F(RegistryTest, LeadingBackslashMeansTheRoot) {
  RegistryKey::Create(RegRoot::CurrentUser, kBase + L"\\Lead");
  EXPECT_TRUE(RegistryKey::Exists(RegRoot::CurrentUser, kBase.substr(1) + L"\\Lead"));
}

TEST_F(RegistryTest, KeyNamesIgnoreLetterCase) {
  RegistryKey::Create(RegRoot::CurrentUser, kBase + L"\\MixedCase");
  EXPECT_TRUE(RegistryKey::Exists(RegRoot::CurrentUser, kBase + L"\\MIXEDCASE"));
}

TEST_F(RegistryTest, SubkeysEnumerateInNameOrderIgnoringCase) {
  for (const wchar_t* name : {L"beta", L"Alpha", L"gamma", L"Delta"}) {
    RegistryKey::Create(RegRoot::CurrentUser, kBase + L"\\" + name);
  }
  const auto key = RegistryKey::Open(RegRoot::CurrentUser, kBase);
  ASSERT_TRUE(key.has_value());
  EXPECT_EQ(key->SubKeyNames(), (std::vector<String>{L"Alpha", L"beta", L"Delta", L"gamma"}));
}

TEST_F(RegistryTest, ValuesRoundTripWithTheirTypes) {
  auto key = RegistryKey::Create(RegRoot::CurrentUser, kBase);
  ASSERT_TRUE(key.has_value());
  EXPECT_TRUE(key->WriteString(L"S", L"Caminho \u00e7"));
  EXPECT_TRUE(key->WriteExpandString(L"E", L"%TEMP%\\x"));
  EXPECT_TRUE(key->WriteDWord(L"D", 0xDEADBEEF));
  EXPECT_TRUE(key->WriteBinary(L"B", {1, 2, 3}));
  EXPECT_EQ(key->ReadString(L"S"), String(L"Caminho \u00e7"));
  EXPECT_EQ(key->ReadDWord(L"D"), 0xDEADBEEFu);
  EXPECT_EQ(key->ReadValue(L"B")->data, (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(key->ReadValue(L"B")->type, platform::RegValueType::Binary);
  EXPECT_EQ(key->ReadValue(L"E")->type, platform::RegValueType::ExpandString);
}

TEST_F(RegistryTest, ReadStringRefusesOtherTypes) {
  auto key = RegistryKey::Create(RegRoot::CurrentUser, kBase);
  key->WriteExpandString(L"E", L"x");
  key->WriteDWord(L"D", 1);
  EXPECT_FALSE(key->ReadString(L"E").has_value());
  EXPECT_FALSE(key->ReadString(L"D").has_value());
  EXPECT_FALSE(key->ReadDWord(L"E").has_value());
}

TEST_F(RegistryTest, ValueNamesListEveryValueAndDeleteRemovesOne) {
  auto key = RegistryKey::Create(RegRoot::CurrentUser, kBase);
  key->WriteString(L"Second", L"2");
  key->WriteString(L"First", L"1");
  auto names = key->ValueNames();
  std::sort(names.begin(), names.end());  // Wine lists values alphabetically, Windows by creation
  EXPECT_EQ(names, (std::vector<String>{L"First", L"Second"}));
  EXPECT_TRUE(key->DeleteValue(L"first"));
  EXPECT_FALSE(key->ValueExists(L"First"));
  EXPECT_FALSE(key->DeleteValue(L"First"));
}

TEST_F(RegistryTest, OverwritingAValueReplacesItsTypeAndData) {
  auto key = RegistryKey::Create(RegRoot::CurrentUser, kBase);
  key->WriteString(L"V", L"text");
  key->WriteDWord(L"v", 7);
  EXPECT_EQ(key->ValueNames().size(), 1u);
  EXPECT_EQ(key->ReadDWord(L"V"), 7u);
}

TEST_F(RegistryTest, DeleteTreeRemovesSubkeysAndFailsWhenAbsent) {
  RegistryKey::Create(RegRoot::CurrentUser, kBase + L"\\T\\U\\V");
  EXPECT_TRUE(RegistryKey::DeleteTree(RegRoot::CurrentUser, kBase + L"\\T"));
  EXPECT_FALSE(RegistryKey::Exists(RegRoot::CurrentUser, kBase + L"\\T\\U"));
  EXPECT_FALSE(RegistryKey::DeleteTree(RegRoot::CurrentUser, kBase + L"\\T"));
}

TEST(RegistryStrings, BytesStopAtTheFirstZeroCharacter) {
  std::vector<uint8_t> bytes = platform::RegStringBytes(L"ab");
  EXPECT_EQ(bytes.size(), 6u);
  bytes.insert(bytes.end(), {'c', 0, 0, 0});
  EXPECT_EQ(platform::RegBytesToString(bytes), L"ab");
  EXPECT_EQ(platform::RegBytesToString({'x', 0, 'y'}), L"x");
}

}  // namespace
