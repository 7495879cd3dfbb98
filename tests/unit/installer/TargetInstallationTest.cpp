// The target installation: the display names of every IDE version number, the selection rule
// on version tags, and the selection among simulated installations in the catalogue's order.
#include <gtest/gtest.h>

#include "app/TargetInstallation.h"
#include "idetools/IdeUtils.h"
#include "unit/idetools/CatalogueTestSupport.h"

namespace {

TEST(IdeDisplayName, NamesEveryVersionOfTheTable) {
  const std::pair<int, const wchar_t*> table[] = {{7, L"Delphi 7"},
                                                  {9, L"Delphi 2005"},
                                                  {10, L"Delphi 2006"},
                                                  {11, L"Delphi 2007"},
                                                  {12, L"Delphi 2009"},
                                                  {14, L"Delphi 2010"},
                                                  {15, L"Delphi XE"},
                                                  {16, L"Delphi XE2"},
                                                  {17, L"Delphi XE3"},
                                                  {18, L"Delphi XE4"},
                                                  {19, L"Delphi XE5"},
                                                  {20, L"Delphi XE6"},
                                                  {21, L"Delphi XE7"},
                                                  {22, L"Delphi XE8"},
                                                  {23, L"Delphi XE10 - Seattle"},
                                                  {24, L"Delphi XE10.1 - Berlin"},
                                                  {25, L"Delphi XE10.2 - Tokyo"},
                                                  {26, L"Delphi XE10.3 - Rio"},
                                                  {27, L"Delphi XE10.4 - Sydney"},
                                                  {28, L"Delphi 11 - Alexandria"},
                                                  {29, L"Delphi 12 - Athens"},
                                                  {37, L"Delphi 13 - Florence"}};
  for (const auto& [version, name] : table) EXPECT_EQ(IdeDisplayName(version), name) << version;
}

TEST(IdeDisplayName, NumbersOutsideTheTableHaveNoName) {
  for (int version : {-1, 0, 1, 6, 8, 13, 30, 31, 35, 36, 38, 40, 1000})
    EXPECT_EQ(IdeDisplayName(version), L"") << version;
}

TEST(FirstInstallationOfVersion, FirstMatchingTagWins) {
  EXPECT_EQ(FirstInstallationOfVersion({L"d7", L"d26", L"d26"}, 26), 1);
}

TEST(FirstInstallationOfVersion, OnlyALowerCaseDQualifies) {
  EXPECT_EQ(FirstInstallationOfVersion({L"D26", L"c26", L"cs26", L"e26"}, 26), -1);
  EXPECT_EQ(FirstInstallationOfVersion({L"D26", L"c26", L"d26"}, 26), 2);
}

TEST(FirstInstallationOfVersion, NumberOfTheTagMustEqualTheTarget) {
  EXPECT_EQ(FirstInstallationOfVersion({L"d25", L"d260", L"d2"}, 26), -1);
  EXPECT_EQ(FirstInstallationOfVersion({}, 26), -1);
}

TEST(FirstInstallationOfVersion, VersionZeroMatchesATagWithoutDigits) {
  // A descriptor that could not be read gives version 0; only a tag "d" alone would match it.
  EXPECT_EQ(FirstInstallationOfVersion({L"d26", L"c6"}, 0), -1);
  EXPECT_EQ(FirstInstallationOfVersion({L"d26", L"d"}, 0), 1);
}

// The catalogue tests' clean registry and special folders.
using TargetInCatalogue = CatalogueTest;

TEST_F(TargetInCatalogue, EarlierOfTwoInstallationsReportingD26IsTheTarget) {
  InstallSimulatedIde(RadStudio103(FFolder / L"Studio20"));
  TSimulatedIde later = RadStudio103(FFolder / L"Studio20Later");
  later.VersionKey = L"20.00";  // read as 20 as well, listed after "20.0"
  InstallSimulatedIde(later);
  TIdeBorRADToolInstallations catalogue;
  const std::vector<String> tags = VersionTags(&catalogue);
  ASSERT_EQ(tags, (std::vector<String>{L"d26", L"d26"}));
  const int index = FirstInstallationOfVersion(tags, 26);
  ASSERT_EQ(index, 0);
  EXPECT_EQ(catalogue.Installations(index).RootDir(), FFolder / L"Studio20");
}

TEST_F(TargetInCatalogue, MissingCatalogueHasNoTags) {
  EXPECT_TRUE(VersionTags(nullptr).empty());
}

}  // namespace
