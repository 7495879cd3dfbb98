#include "CatalogueTestSupport.h"
#include "platform/Files.h"

namespace {

using Discovery = CatalogueTest;

TSimulatedIde Delphi7(const String& rootDir) {
  TSimulatedIde ide;
  ide.RegistryRoot = L"\\SOFTWARE\\Borland\\Delphi";
  ide.VersionKey = L"7.0";
  ide.RootDir = rootDir;
  ide.Personalities = {};
  ide.BinFiles = {L"bds.exe", L"dcc32.exe"};
  ide.WithEnvOptions = false;
  ide.WithEnvironmentProj = false;
  return ide;
}

}  // namespace

TEST_F(Discovery, NoIdeGivesAnEmptyCatalogue) {
  TIdeBorRADToolInstallations catalogue;
  EXPECT_EQ(catalogue.Count(), 0);
}

TEST_F(Discovery, SameVersionUnderTwoRootsListsTheEarlierRootFirst) {
  TSimulatedIde codeGear = RadStudio(L"CodeGear20");
  codeGear.RegistryRoot = L"\\SOFTWARE\\CodeGear\\BDS";
  InstallSimulatedIde(RadStudio(L"Embarcadero20"));
  InstallSimulatedIde(codeGear);
  TIdeBorRADToolInstallations catalogue;
  ASSERT_EQ(catalogue.Count(), 2);
  EXPECT_EQ(catalogue.Installations(0).RootDir(), FFolder / L"CodeGear20");
  EXPECT_EQ(catalogue.Installations(1).RootDir(), FFolder / L"Embarcadero20");
}

TEST_F(Discovery, DelphiRootComesBeforeBdsRoots) {
  InstallSimulatedIde(RadStudio());
  InstallSimulatedIde(Delphi7(FFolder / L"Delphi7"));
  TIdeBorRADToolInstallations catalogue;
  ASSERT_EQ(catalogue.Count(), 2);
  EXPECT_EQ(catalogue.Installations(0).IDEVersionNumberStr(), L"d7");
  EXPECT_EQ(catalogue.Installations(1).IDEVersionNumberStr(), L"d26");
}

TEST_F(Discovery, SubkeyWithALetterIsSkipped) {
  TSimulatedIde lettered = RadStudio();
  lettered.VersionKey = L"20.0a";
  InstallSimulatedIde(lettered);
  TIdeBorRADToolInstallations catalogue;
  EXPECT_EQ(catalogue.Count(), 0);
}

TEST_F(Discovery, InvalidInstallationIsNotListed) {
  TSimulatedIde withoutIde = RadStudio();
  withoutIde.BinFiles = {L"dcc32.exe", L"rsvars.bat"};
  InstallSimulatedIde(withoutIde);
  TIdeBorRADToolInstallations catalogue;
  EXPECT_EQ(catalogue.Count(), 0);
}

TEST_F(Discovery, MissingEnvOptionsMakesBds20Invalid) {
  TSimulatedIde ide = RadStudio();
  ide.WithEnvOptions = false;
  InstallSimulatedIde(ide);
  auto installation = TIdeBDSInstallation::Create(ide.VersionKeyPath());
  EXPECT_TRUE(platform::FileExists(installation->IdeExeFileName()));
  EXPECT_FALSE(installation->Valid());
}

TEST_F(Discovery, MissingRsVarsMakesBds20Invalid) {
  TSimulatedIde ide = RadStudio();
  ide.BinFiles = {L"bds.exe"};
  InstallSimulatedIde(ide);
  EXPECT_FALSE(TIdeBDSInstallation::Create(ide.VersionKeyPath())->Valid());
}

TEST_F(Discovery, BdsWithOnlyDelphiNetPersonalityIsNotListed) {
  TSimulatedIde ide = RadStudio();
  ide.Personalities = {L"Delphi.NET"};
  InstallSimulatedIde(ide);
  TIdeBorRADToolInstallations catalogue;
  EXPECT_EQ(catalogue.Count(), 0);
}

TEST_F(Discovery, PersonalityNamesAreProbedIgnoringCase) {
  TSimulatedIde ide = RadStudio();
  ide.Personalities = {L"bcb"};
  InstallSimulatedIde(ide);
  TIdeBorRADToolInstallations catalogue;
  EXPECT_EQ(catalogue.Count(), 1);
}

TEST_F(Discovery, IndexOutsideTheListRaises) {
  TIdeBorRADToolInstallations catalogue;
  EXPECT_THROW(catalogue.Installations(0), EListError);
}

TEST_F(Discovery, InstallationOpensItsUserKey) {
  InstallSimulatedIde(RadStudio());
  platform::RegistryKey::DeleteTree(platform::RegRoot::CurrentUser, L"SOFTWARE\\Embarcadero");
  TIdeBorRADToolInstallations catalogue;
  EXPECT_TRUE(platform::RegistryKey::Exists(platform::RegRoot::CurrentUser,
                                            L"SOFTWARE\\Embarcadero\\BDS\\20.0"));
}
