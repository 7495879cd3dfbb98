// The package lists of an installation and the registration operations on them.
#include "InstallTestSupport.h"
#include "platform/Faults.h"

namespace {

using PackageLists = InstallTest;

}  // namespace

TEST_F(PackageLists, ListsAreReadSortedWithDisabledMarksAndSubstitutedNames) {
  WriteUserValue(UserKey(L"Known Packages"), L"$(BDS)\\bin\\b260.bpl", L"B");
  WriteUserValue(UserKey(L"Known Packages"), L"C:\\A\\a260.bpl", L"A");
  WriteUserValue(UserKey(L"Disabled Packages"), L"$(bds)\\BIN\\b260.bpl", L"B");
  WriteUserValue(UserKey(L"Known IDE Packages"), L"C:\\Ide\\dclide260.bpl", L"IDE");
  WriteUserValue(UserKey(L"Experts"), L"My expert", L"$(BDS)\\bin\\expert.dll");
  auto ide = Open();
  const TIdeBorRADToolIdePackages& packages = ide->IdePackages();
  ASSERT_EQ(packages.Count(), 2);
  EXPECT_EQ(packages.PackageFileNames(0), Simulated.RootDir + L"\\bin\\b260.bpl");
  EXPECT_TRUE(packages.PackageDisabled(0));
  EXPECT_EQ(packages.PackageFileNames(1), L"C:\\A\\a260.bpl");
  EXPECT_EQ(packages.PackageDescriptions(1), L"A");
  EXPECT_FALSE(packages.PackageDisabled(1));
  ASSERT_EQ(packages.IDECount(), 1);
  EXPECT_EQ(packages.IDEPackageFileNames(0), L"C:\\Ide\\dclide260.bpl");
  EXPECT_EQ(packages.IDEPackageDescriptions(0), L"IDE");
  ASSERT_EQ(packages.ExpertCount(), 1);
  EXPECT_EQ(packages.ExpertFileNames(0), Simulated.RootDir + L"\\bin\\expert.dll");
  EXPECT_EQ(packages.ExpertDescriptions(0), L"My expert");
  EXPECT_THROW(packages.PackageFileNames(2), EListError);
}

TEST_F(PackageLists, DelphiInstallationHasNoIdePackageList) {
  const String key = L"\\SOFTWARE\\Borland\\Delphi\\7.0";
  WriteUserValue(key + L"\\Known IDE Packages", L"C:\\D7\\dclide70.bpl", L"IDE");
  auto ide = Make<TIdeDelphiInstallation>(key);
  EXPECT_EQ(ide->IdePackages().IDECount(), 0);
}

TEST_F(PackageLists, RegisteringTwiceLeavesOneValue) {
  auto ide = Open();
  const String library = Bpl + L"QRVLib260.bpl";
  ide->RegisterPackage(library, L"'Abc'");
  ide->RegisterPackage(library, L"'Abc'");
  auto key =
      platform::RegistryKey::Open(platform::RegRoot::CurrentUser, UserKey(L"Known Packages"));
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ValueNames(), std::vector<String>{library});
  EXPECT_EQ(ide->IdePackages().Count(), 1);
}

TEST_F(PackageLists, EmptyDescriptionStoresTheFileNameWithoutExtension) {
  auto ide = Open();
  ide->RegisterPackage(Bpl + L"QRVLib260.bpl", String());
  EXPECT_EQ(UserValue(L"Known Packages", Bpl + L"QRVLib260.bpl"), L"QRVLib260");
}

TEST_F(PackageLists, CleaningAnAbsentCacheKeyIsOk) {
  auto ide = Open();
  EXPECT_TRUE(static_cast<TIdeBDSInstallation&>(*ide).CleanPackageCache(Bpl + L"None.bpl"));
  EXPECT_EQ(Lines, (std::vector<String>{L"Cleaning package cache for None.bpl", L"Cleaning ok"}));
}

TEST_F(PackageLists, Bds2RegistersWithoutCleaningTheCache) {
  const String key = L"\\SOFTWARE\\Borland\\BDS\\2.0";
  WriteUserValue(key + L"\\Personalities", L"Delphi.Win32", L"Delphi");
  auto ide = Make<TIdeBDSInstallation>(key);
  std::vector<String> lines;
  ide->SetOutputCallback([&](const String& line) { lines.push_back(line); });
  ide->RegisterPackage(L"C:\\Bpl\\QRVLib90.bpl", L"'Abc'");
  EXPECT_EQ(lines, (std::vector<String>{L"Registering package C:\\Bpl\\QRVLib90.bpl",
                                        L"Registration ok"}));
}

TEST_F(PackageLists, RemovingAnUnknownPackageFails) {
  auto ide = Open();
  EXPECT_FALSE(ide->IdePackages().RemovePackage(Bpl + L"None.bpl"));
  EXPECT_FALSE(ide->UnregisterIDEPackage(Bpl + L"None.bpl"));
  EXPECT_EQ(Lines.back(), L"Unregistration failed");
}

TEST_F(PackageLists, RemovingFindsTheStoredNameThroughSubstitution) {
  WriteUserValue(UserKey(L"Known Packages"), L"$(BDS)\\bin\\b260.bpl", L"B");
  WriteUserValue(UserKey(L"Disabled Packages"), L"$(BDS)\\bin\\b260.bpl", L"B");
  auto ide = Open();
  EXPECT_TRUE(ide->IdePackages().RemovePackage(Simulated.RootDir + L"\\BIN\\B260.BPL"));
  EXPECT_EQ(ide->IdePackages().Count(), 0);
  EXPECT_EQ(ide->IdePackages().DisabledCount(), 0);
}

TEST_F(PackageLists, RefusedRegistryWriteRaisesAfterTheRegisteringLine) {
  auto ide = Open();
  platform::FailNth(platform::FaultKind::RegistryWrite, 1);
  EXPECT_THROW(ide->RegisterIDEPackage(Bpl + L"QRVLib260.bpl", L"x"), EIdeRegistryError);
  platform::ClearFaults();
  EXPECT_EQ(Lines, std::vector<String>{L"Registering ide package " + Bpl + L"QRVLib260.bpl"});
}
