#include "CatalogueTestSupport.h"
#include "core/Format.h"

namespace {

using Identity = CatalogueTest;

}  // namespace

TEST_F(Identity, RadStudio103IsBds20) {
  InstallSimulatedIde(RadStudio());
  TIdeBorRADToolInstallations catalogue;
  ASSERT_EQ(catalogue.Count(), 1);
  const TIdeBorRADToolInstallation& ide = catalogue.Installations(0);
  EXPECT_EQ(ide.IDEVersionNumber(), 20);
  EXPECT_EQ(ide.IDEVersionNumberStr(), L"d26");
  EXPECT_EQ(ide.PackageVersionNumberStr(), L"260");
  EXPECT_EQ(ide.IDEPackageVersionNumberStr(), L"260");
  EXPECT_FLOAT_EQ(ide.DCCVersion(), 33.0f);
  EXPECT_EQ(ide.Name(), L"RAD Studio 10.3");
  EXPECT_EQ(ide.RadToolKind(), brBorlandDevStudio);
}

TEST_F(Identity, RootDirLosesItsTrailingBackslashAndGivesTheBinFolder) {
  auto ide = Make<TIdeDelphiInstallation>(L"\\SOFTWARE\\Borland\\Delphi\\7.0",
                                          {{L"RootDir", L"C:\\D7\\"}});
  EXPECT_EQ(ide->RootDir(), L"C:\\D7");
  EXPECT_EQ(ide->BinFolderName(), L"C:\\D7\\bin\\");
}

TEST_F(Identity, VersionKeyWithAFractionGivesVersionZero) {
  auto ide = Make<TIdeBDSInstallation>(L"\\SOFTWARE\\Embarcadero\\BDS\\20.5");
  EXPECT_EQ(ide->IDEVersionNumber(), 0);
  EXPECT_EQ(ide->IDEVersionNumberStr(), L"d6");
  EXPECT_EQ(ide->Name(), L"Borland Developer Studio ***0***");
}

TEST_F(Identity, VersionTagsOfEveryBdsGeneration) {
  const std::pair<int, const wchar_t*> expected[] = {{1, L"cs1"},  {2, L"d8"},   {6, L"d12"},
                                                     {7, L"d14"},  {12, L"d19"}, {13, L"d19"},
                                                     {14, L"d20"}, {20, L"d26"}, {21, L"d27"}};
  for (const auto& [n, tag] : expected) {
    auto ide = Make<TIdeBDSInstallation>(Format(L"\\SOFTWARE\\Borland\\BDS\\%d.0", {n}));
    EXPECT_EQ(ide->IDEVersionNumberStr(), tag) << n;
  }
}

TEST_F(Identity, DelphiAndCppBuilderTags) {
  EXPECT_EQ(
      Make<TIdeDelphiInstallation>(L"\\SOFTWARE\\Borland\\Delphi\\7.0")->IDEVersionNumberStr(),
      L"d7");
  EXPECT_EQ(
      Make<TIdeBCBInstallation>(L"\\SOFTWARE\\Borland\\C++Builder\\6.0")->IDEVersionNumberStr(),
      L"c6");
}

TEST_F(Identity, DelphiPackageNumbersFollowTheVersion) {
  auto ide = Make<TIdeDelphiInstallation>(L"\\SOFTWARE\\Borland\\Delphi\\7.0");
  EXPECT_EQ(ide->PackageVersionNumberStr(), L"70");
  EXPECT_FLOAT_EQ(ide->DCCVersion(), 15.0f);
  EXPECT_EQ(ide->Name(), L"Delphi 7");
}

TEST_F(Identity, EmptyBds13RowGivesNoPackageNumbers) {
  auto ide = Make<TIdeBDSInstallation>(L"\\SOFTWARE\\Embarcadero\\BDS\\13.0");
  EXPECT_EQ(ide->PackageVersionNumberStr(), L"");
}

TEST_F(Identity, EditionsAreReadFromTheirAbbreviations) {
  const std::pair<const wchar_t*, TIdeBorRADToolEdition> expected[] = {
      {L"Professional", dePRO}, {L"Architect", deARC}, {L"Enterprise", deSTD}, {L"css", deCSS}};
  int n = 14;
  for (const auto& [text, edition] : expected) {
    auto ide = Make<TIdeBDSInstallation>(Format(L"\\SOFTWARE\\Embarcadero\\BDS\\%d.0", {n++}),
                                         {{L"Edition", text}});
    EXPECT_EQ(ide->Edition(), edition) << text;
  }
}

TEST_F(Identity, EditionFallsBackToTheVersionValue) {
  auto ide =
      Make<TIdeDelphiInstallation>(L"\\SOFTWARE\\Borland\\Delphi\\7.0", {{L"Version", L"PRO"}});
  EXPECT_EQ(ide->Edition(), dePRO);
}

TEST_F(Identity, UserGlobalsWinOverMachineValues) {
  const String key = L"\\SOFTWARE\\Borland\\Delphi\\7.0";
  WriteUserValue(key + L"\\Globals", L"RootDir", L"C:\\User");
  auto ide = Make<TIdeDelphiInstallation>(key, {{L"RootDir", L"C:\\Machine"}});
  EXPECT_EQ(ide->RootDir(), L"C:\\User");
}

TEST_F(Identity, GlobalsSubkeyWinsOverTheVersionKey) {
  const String key = L"\\SOFTWARE\\Borland\\Delphi\\7.0";
  platform::RegistryKey::Create(platform::RegRoot::LocalMachine, key + L"\\Globals")
      ->WriteString(L"App", L"C:\\Globals\\delphi32.exe");
  auto ide = Make<TIdeDelphiInstallation>(key, {{L"App", L"C:\\Key\\delphi32.exe"}});
  EXPECT_EQ(ide->IdeExeFileName(), L"C:\\Globals\\delphi32.exe");
}

TEST_F(Identity, BinaryGlobalsAreReadAsUtf16Text) {
  const String key = L"\\SOFTWARE\\Borland\\Delphi\\7.0";
  platform::RegistryKey::Create(platform::RegRoot::LocalMachine, key)
      ->WriteBinary(L"RootDir", platform::RegStringBytes(L"C:\\Bin"));
  auto ide = TIdeDelphiInstallation::Create(key);
  EXPECT_EQ(ide->RootDir(), L"C:\\Bin");
}

TEST_F(Identity, BdsUpdatePackIsReadFromItsValue) {
  auto ide = Make<TIdeBDSInstallation>(L"\\SOFTWARE\\Embarcadero\\BDS\\20.0",
                                       {{L"UpdatePackInstalled", L"3"}});
  EXPECT_EQ(ide->InstalledUpdatePack(), 3);
}

TEST_F(Identity, DelphiUpdatePackIsTheHighestUpdateNumber) {
  auto ide = Make<TIdeDelphiInstallation>(
      L"\\SOFTWARE\\Borland\\Delphi\\7.0",
      {{L"Update #2", L"yes"}, {L"Update #1", L"yes"}, {L"update #5", L"no"}});
  EXPECT_EQ(ide->InstalledUpdatePack(), 2);
}

TEST_F(Identity, BdsPersonalitiesComeFromUserSettingsAndTools) {
  TSimulatedIde simulated = RadStudio();
  simulated.BinFiles.push_back(L"dcc64.exe");
  InstallSimulatedIde(simulated);
  WriteUserValue(simulated.VersionKeyPath() + L"\\Personalities", L"BCB", L"C++Builder");
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_TRUE(ide->Personalities().Contains(bpDelphi64));
  EXPECT_TRUE(ide->Personalities().Contains(bpBCBuilder32));
  EXPECT_TRUE(ide->CommandLineTools().Contains(clDcc64));
  EXPECT_FALSE(ide->Personalities().Contains(bpBCBuilder64));
}

TEST_F(Identity, Bds5WithOnlyDelphiIsNamedDelphi) {
  const String key = L"\\SOFTWARE\\Borland\\BDS\\5.0";
  WriteUserValue(key + L"\\Personalities", L"Delphi.Win32", L"Delphi");
  auto ide = Make<TIdeBDSInstallation>(key);
  EXPECT_EQ(ide->RadToolName(), L"Delphi");
  EXPECT_EQ(ide->Name(), L"Delphi 2007");
}

TEST_F(Identity, CppBuilderWithDcc32AlsoBuildsDelphi) {
  FFolder.Write(L"BCB6\\bin\\dcc32.exe", std::string("MZ"));
  auto ide = Make<TIdeBCBInstallation>(L"\\SOFTWARE\\Borland\\C++Builder\\6.0",
                                       {{L"RootDir", FFolder / L"BCB6"}});
  EXPECT_TRUE(ide->Personalities().Contains(bpDelphi32));
  EXPECT_TRUE(ide->Personalities().Contains(bpBCBuilder32));
}

TEST_F(Identity, FlagsFollowKindAndVersion) {
  auto delphi = Make<TIdeDelphiInstallation>(L"\\SOFTWARE\\Borland\\Delphi\\7.0");
  auto bds4 = Make<TIdeBDSInstallation>(L"\\SOFTWARE\\Borland\\BDS\\4.0");
  auto bds20 = Make<TIdeBDSInstallation>(L"\\SOFTWARE\\Embarcadero\\BDS\\20.0");
  EXPECT_TRUE(delphi->LongPathBug());
  EXPECT_TRUE(delphi->SupportsLibSuffix());
  EXPECT_FALSE(delphi->SupportsNoConfig());
  EXPECT_EQ(delphi->CompilerSettingsFormat(), csfDOF);
  EXPECT_TRUE(bds4->SupportsNoConfig());
  EXPECT_FALSE(bds4->SupportsPlatform());
  EXPECT_EQ(bds4->CompilerSettingsFormat(), csfBDSProj);
  EXPECT_TRUE(bds20->SupportsPlatform());
  EXPECT_FALSE(bds20->LongPathBug());
  EXPECT_EQ(bds20->CompilerSettingsFormat(), csfMsBuild);
}
