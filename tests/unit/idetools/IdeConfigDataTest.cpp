#include "CatalogueTestSupport.h"

namespace {

using ConfigData = CatalogueTest;

const wchar_t* const kKey = L"\\SOFTWARE\\Embarcadero\\BDS\\20.0";

}  // namespace

TEST_F(ConfigData, OpeningCreatesTheVersionKey) {
  TIdeConfigData data(platform::RegRoot::CurrentUser, kKey);
  EXPECT_TRUE(platform::RegistryKey::Exists(platform::RegRoot::CurrentUser, kKey));
}

TEST_F(ConfigData, MissingValueGivesTheDefault) {
  TIdeConfigData data(platform::RegRoot::CurrentUser, kKey);
  EXPECT_EQ(data.ReadString(L"Library\\Win32", L"Search Path", L"none"), L"none");
}

TEST_F(ConfigData, WriteCreatesTheSectionAndReadsBack) {
  TIdeConfigData data(platform::RegRoot::CurrentUser, kKey);
  data.WriteString(L"Library\\Win32", L"Search Path", L"C:\\Lib");
  EXPECT_TRUE(data.SectionExists(L"Library\\Win32"));
  EXPECT_EQ(data.ReadString(L"Library\\Win32", L"Search Path", L""), L"C:\\Lib");
}

TEST_F(ConfigData, ReadSectionListsTheValueNames) {
  TIdeConfigData data(platform::RegRoot::CurrentUser, kKey);
  data.WriteString(L"Environment Variables", L"A", L"1");
  data.WriteString(L"Environment Variables", L"B", L"2");
  EXPECT_EQ(data.ReadSection(L"Environment Variables"), (std::vector<String>{L"A", L"B"}));
  EXPECT_TRUE(data.ReadSection(L"Missing").empty());
}

TEST_F(ConfigData, NonStringValueReadsAsTheDefault) {
  TIdeConfigData data(platform::RegRoot::CurrentUser, kKey);
  platform::RegistryKey::Create(platform::RegRoot::CurrentUser, String(kKey) + L"\\Library")
      ->WriteDWord(L"Count", 3);
  EXPECT_EQ(data.ReadString(L"Library", L"Count", L"d"), L"d");
}
