// InstallPackage on a simulated RAD Studio 10.3 with the fake compiler: the lines in order, the
// registry afterwards, and the failures.
#include "InstallTestSupport.h"

namespace {

const String kDescription = L"'QRV Library - Components'";

bool StartsWith(const String& text, const String& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

class InstallPackage : public InstallTest {
 protected:
  // The compiler's command line among the lines: the one that begins with its program.
  String CommandLine() const {
    for (const String& line : Lines) {
      if (StartsWith(line, Fake.BinFolder() + L"dcc32.exe ")) return line;
    }
    return String();
  }
};

}  // namespace

TEST_F(InstallPackage, InstallerRunReportsEveryStepInOrderAndRegistersThePackage) {
  platform::RegistryKey::Create(platform::RegRoot::CurrentUser,
                                UserKey(L"Package Cache\\QRVLib260.bpl\\Units"));
  WriteUserValue(UserKey(L"Disabled Packages"), L"$(BDS)\\Bpl\\QRVLib260.bpl", L"old copy");
  WriteUserValue(UserKey(L"Disabled Packages"), L"$(BDS)\\Bpl\\Other260.bpl", L"other");
  auto ide = Open();
  ASSERT_TRUE(ide->InstallPackage(Package, Bpl, Dcp));

  const String library = Bpl + L"QRVLib260.bpl";
  ASSERT_GE(Lines.size(), 10u);
  EXPECT_EQ(Lines[0], L"Installing package " + Package);
  EXPECT_EQ(Lines[1], L"Compiling package " + Package);
  EXPECT_TRUE(StartsWith(Lines[2], Fake.BinFolder() + L"dcc32.exe ")) << Lines[2];
  EXPECT_NE(Lines[2].find(L"\"" + Package + L"\""), String::npos) << Lines[2];
  const std::vector<String> tail = {
      L"Compilation success", L"Cleaning package cache for QRVLib260.bpl",
      L"Cleaning ok",         L"Registering package " + library,
      L"Registration ok",     L"Installation of package finished"};
  EXPECT_EQ(std::vector<String>(Lines.end() - 6, Lines.end()), tail);
  EXPECT_EQ(Lines.size(), 12u) << "the fake compiler writes two banner lines and a summary";

  EXPECT_EQ(UserValue(L"Known Packages", library), kDescription);
  EXPECT_FALSE(platform::RegistryKey::Exists(platform::RegRoot::CurrentUser,
                                             UserKey(L"Package Cache\\QRVLib260.bpl")));
  EXPECT_FALSE(UserValue(L"Disabled Packages", L"$(BDS)\\Bpl\\QRVLib260.bpl"));
  EXPECT_EQ(UserValue(L"Disabled Packages", L"$(BDS)\\Bpl\\Other260.bpl"), L"other");
  EXPECT_TRUE(platform::FileExists(library));
}

TEST_F(InstallPackage, CompilerOutputLinesComeBetweenTheCommandLineAndTheOutcome) {
  Fake.WriteScript("out Embarcadero Delphi for Win32 compiler\nout 12 lines, 0.1 seconds\n");
  auto ide = Open();
  ASSERT_TRUE(ide->InstallPackage(Package, Bpl, Dcp));
  ASSERT_EQ(Lines.size(), 11u);
  EXPECT_EQ(Lines[3], L"Embarcadero Delphi for Win32 compiler");
  EXPECT_EQ(Lines[4], L"12 lines, 0.1 seconds");
  EXPECT_EQ(Lines[5], L"Compilation success");
}

TEST_F(InstallPackage, FailingCompileLeavesTheRegistryUnchanged) {
  platform::RegistryKey::Create(platform::RegRoot::CurrentUser,
                                UserKey(L"Package Cache\\QRVLib260.bpl"));
  WriteUserValue(UserKey(L"Disabled Packages"), L"$(BDS)\\Bpl\\QRVLib260.bpl", L"old copy");
  Fake.WriteScript("out QRVLib260.dpk(3) Fatal: F1026 File not found\nexit 1\n");
  auto ide = Open();
  EXPECT_FALSE(ide->InstallPackage(Package, Bpl, Dcp));
  ASSERT_EQ(Lines.size(), 6u);
  EXPECT_EQ(Lines[3], L"QRVLib260.dpk(3) Fatal: F1026 File not found");
  EXPECT_EQ(Lines[4], L"Compilation failure");
  EXPECT_EQ(Lines[5], L"Installation of package finished");
  EXPECT_FALSE(
      platform::RegistryKey::Exists(platform::RegRoot::CurrentUser, UserKey(L"Known Packages")));
  EXPECT_TRUE(platform::RegistryKey::Exists(platform::RegRoot::CurrentUser,
                                            UserKey(L"Package Cache\\QRVLib260.bpl")));
  EXPECT_EQ(UserValue(L"Disabled Packages", L"$(BDS)\\Bpl\\QRVLib260.bpl"), L"old copy");
}

TEST_F(InstallPackage, RunOnlyPackageRaisesAfterTheFirstLine) {
  WritePackage("{$RUNONLY}");
  auto ide = Open();
  try {
    ide->InstallPackage(Package, Bpl, Dcp);
    FAIL() << "no error";
  } catch (const EIdeBorRADException& e) {
    EXPECT_EQ(e.Message(), L"A run-only package cannot be installed");
  }
  EXPECT_EQ(Lines, std::vector<String>{L"Installing package " + Package});
  EXPECT_TRUE(Fake.Runs().empty());
}

TEST_F(InstallPackage, UnknownExtensionRaisesBeforeAnyLine) {
  auto ide = Open();
  try {
    ide->InstallPackage(Destination + L"QRVLib260.pas", Bpl, Dcp);
    FAIL() << "no error";
  } catch (const EIdeBorRADException& e) {
    EXPECT_EQ(e.Message(), L".pas not a known package extension");
  }
  EXPECT_TRUE(Lines.empty());
}

TEST_F(InstallPackage, OtherDispatchesNameTheirKindInTheError) {
  auto ide = Open();
  EXPECT_THROW(ide->CompilePackage(Destination + L"a.dpr", Bpl, Dcp), EIdeBorRADException);
  try {
    ide->InstallIDEPackage(Destination + L"a.txt", Bpl, Dcp);
  } catch (const EIdeBorRADException& e) {
    EXPECT_EQ(e.Message(), L".txt not a known IDE package extension");
  }
  try {
    ide->InstallExpert(Destination + L"a.dpk", Bpl, Dcp);
  } catch (const EIdeBorRADException& e) {
    EXPECT_EQ(e.Message(), L".dpk not a known project extension");
  }
  EXPECT_TRUE(Lines.empty());
}

TEST_F(InstallPackage, UpperCaseExtensionInstallsLikeLowerCase) {
  const String upper = Destination + L"QRVLib260.DPK";
  platform::RenameFile(Package, upper);
  auto ide = Open();
  EXPECT_TRUE(ide->InstallPackage(upper, Bpl, Dcp));
  EXPECT_EQ(UserValue(L"Known Packages", Bpl + L"QRVLib260.bpl"), kDescription);
}

TEST_F(InstallPackage, LibrarySuffixNamesTheLibraryAndItsCacheKey) {
  WritePackage("{$DESCRIPTION 'Abc'}\r\n{$LIBSUFFIX '260'}");
  platform::RegistryKey::Create(platform::RegRoot::CurrentUser,
                                UserKey(L"Package Cache\\QRVLib260260.bpl"));
  auto ide = Open();
  ASSERT_TRUE(ide->InstallPackage(Package, Bpl, Dcp));
  EXPECT_NE(std::find(Lines.begin(), Lines.end(), L"Cleaning package cache for QRVLib260260.bpl"),
            Lines.end());
  EXPECT_FALSE(platform::RegistryKey::Exists(platform::RegRoot::CurrentUser,
                                             UserKey(L"Package Cache\\QRVLib260260.bpl")));
  EXPECT_EQ(UserValue(L"Known Packages", Bpl + L"QRVLib260260.bpl"), L"'Abc'");
}

TEST_F(InstallPackage, WithoutDescriptionTheLibraryNameIsStored) {
  WritePackage("");
  auto ide = Open();
  ASSERT_TRUE(ide->InstallPackage(Package, Bpl, Dcp));
  EXPECT_EQ(UserValue(L"Known Packages", Bpl + L"QRVLib260.bpl"), L"QRVLib260");
}

TEST_F(InstallPackage, MissingCompilerRaisesWhenTheDriverIsRead) {
  platform::DeleteFile(Fake.ExePath());
  auto ide = TIdeBDSInstallation::Create(Simulated.VersionKeyPath());
  try {
    ide->DCC32();
    FAIL() << "no error";
  } catch (const EIdeBorRADException& e) {
    EXPECT_EQ(e.Message(), L"dcc32.exe not found");
  }
}

TEST_F(InstallPackage, DriverIsCreatedOnceAndKeepsItsEventAndCallback) {
  auto ide = Open();
  TIdeDCC32& first = ide->DCC32();
  int calls = 0;
  first.SetOnBeforeExecute([&](TIdeBorlandCommandLineTool&) { ++calls; });
  EXPECT_EQ(&ide->DCC32(), &first);
  EXPECT_EQ(&ide->DCC(), &first);
  EXPECT_TRUE(first.GetOutputCallback());
  EXPECT_EQ(first.BinDirectory(), Fake.BinFolder());
  EXPECT_EQ(first.LibrarySearchPath(), Simulated.RootDir + L"\\lib\\Win32\\release\\");
  EXPECT_EQ(first.DCPSearchPath(), SimulatedCommonDir(20) + L"\\Dcp");
  EXPECT_TRUE(first.SupportsNoConfig());
  ASSERT_TRUE(ide->InstallPackage(Package, Bpl, Dcp));
  EXPECT_EQ(calls, 1);
}

TEST_F(InstallPackage, ReplacementDriverIsUsedForTheCompile) {
  TFakeCompiler other;
  TIdeDCC32 replacement(other.BinFolder(), false, 33.0f, csfMsBuild, true, true, Dcp, Dcp, Dcp,
                        String());
  auto ide = Open();
  ide->SetDCC(&replacement);
  EXPECT_TRUE(ide->BuildDelphiPackage(Package, Bpl, Dcp));
  EXPECT_EQ(other.Runs().size(), 1u);
  EXPECT_TRUE(Fake.Runs().empty());
}

TEST_F(InstallPackage, MapCreateAddsTheDetailedMapOption) {
  auto ide = Open();
  ide->SetMapCreate(true);
  ASSERT_TRUE(ide->BuildDelphiPackage(Package, Bpl, Dcp));
  EXPECT_NE(CommandLine().find(L" -GD"), String::npos) << CommandLine();
}

TEST_F(InstallPackage, DebugInformationCreationIsRefusedAfterTheCompile) {
  auto ide = Open();
  ide->SetDbgInfoCreate(true);
  EXPECT_THROW(ide->InstallPackage(Package, Bpl, Dcp), EIdeBorRADException);
  EXPECT_EQ(Fake.Runs().size(), 1u);
  EXPECT_FALSE(UserValue(L"Known Packages", Bpl + L"QRVLib260.bpl"));
}

TEST_F(InstallPackage, DualPackagesNeedCppBuilder) {
  auto ide = Open();
  auto& bds = static_cast<TIdeBDSInstallation&>(*ide);
  try {
    bds.SetDualPackageInstallation(true);
    FAIL() << "no error";
  } catch (const EIdeBorRADException& e) {
    EXPECT_EQ(e.Message(), L"This installation of RAD Studio 10.3 doesn't support dual packages");
  }
  EXPECT_FALSE(bds.DualPackageInstallation());
}

TEST_F(InstallPackage, DualPackagesAddTheCppBuilderOutputOptions) {
  WriteUserValue(UserKey(L"Personalities"), L"BCB", L"C++Builder");
  auto ide = Open();
  auto& bds = static_cast<TIdeBDSInstallation&>(*ide);
  bds.SetDualPackageInstallation(true);
  ASSERT_TRUE(ide->BuildDelphiPackage(Package, Bpl, Dcp));
  const String dcp = WithoutTrailingBackslash(Dcp);
  EXPECT_NE(CommandLine().find(L"-JL -NB\"" + dcp + L"\" -NO\"" + dcp + L"\""), String::npos)
      << CommandLine();
}

TEST_F(InstallPackage, UninstallUnregistersAndDeletesTheCompiledFiles) {
  auto ide = Open();
  ASSERT_TRUE(ide->InstallPackage(Package, Bpl, Dcp));
  const String library = Bpl + L"QRVLib260.bpl";
  ASSERT_TRUE(platform::FileExists(Dcp + L"QRVLib260.dcp"));
  Lines.clear();
  EXPECT_TRUE(ide->UninstallPackage(Package, Bpl, Dcp));
  EXPECT_FALSE(platform::FileExists(library));
  EXPECT_FALSE(platform::FileExists(Dcp + L"QRVLib260.dcp"));
  EXPECT_FALSE(UserValue(L"Known Packages", library));
  const std::vector<String> expected = {L"Uninstalling package " + Package,
                                        L"Cleaning package cache for QRVLib260.bpl",
                                        L"Cleaning ok",
                                        L"Removing from registry package " + library,
                                        L"Unregistration ok",
                                        L"Deleting file " + library,
                                        L"File deletion success",
                                        L"Deleting file " + Dcp + L"QRVLib260.dcp",
                                        L"File deletion success",
                                        L"Uninstallation of package finished"};
  EXPECT_EQ(Lines, expected);
}

TEST_F(InstallPackage, CppUninstallDeletesTheInterfaceFilesNamedLikeTheLibrary) {
  const String project = Destination + L"QRVCpp.bpk";
  WriteTextFile(project,
                "<?xml version='1.0' encoding='utf-8' ?>\r\n<PROJECT>\r\n  <MACROS>\r\n"
                "    <PROJECT value=\"QRVCpp60.bpl\"/>\r\n  </MACROS>\r\n</PROJECT>\r\n");
  const std::vector<String> made = {Bpl + L"QRVCpp60.bpl", Dcp + L"QRVCpp60.bpi",
                                    Dcp + L"QRVCpp60.lib"};
  for (const String& file : made) WriteTextFile(file, "compiled");
  WriteTextFile(Dcp + L"QRVCpp.bpi", "another package's");
  auto ide = Open();
  ASSERT_TRUE(ide->RegisterPackage(made[0], L"C++ components"));
  Lines.clear();
  EXPECT_TRUE(ide->UninstallPackage(project, Bpl, Dcp));
  EXPECT_FALSE(UserValue(L"Known Packages", made[0]));
  for (const String& file : made) EXPECT_FALSE(platform::FileExists(file)) << file;
  EXPECT_TRUE(platform::FileExists(Dcp + L"QRVCpp.bpi"));
  ASSERT_FALSE(Lines.empty());
  EXPECT_EQ(Lines.front(), L"Uninstalling package " + project);
  EXPECT_EQ(Lines.back(), L"Uninstallation of package finished");
}

TEST_F(InstallPackage, IdePackageIsRegisteredInItsOwnList) {
  auto ide = Open();
  ASSERT_TRUE(ide->InstallIDEPackage(Package, Bpl, Dcp));
  EXPECT_EQ(Lines.front(), L"Installing ide package " + Package);
  EXPECT_EQ(Lines.back(), L"Installation of ide package finished");
  EXPECT_EQ(UserValue(L"Known IDE Packages", Bpl + L"QRVLib260.bpl"), kDescription);
  EXPECT_FALSE(UserValue(L"Known Packages", Bpl + L"QRVLib260.bpl"));
  ASSERT_EQ(ide->IdePackages().IDECount(), 1);
  EXPECT_EQ(ide->IdePackages().IDEPackageDescriptions(0), kDescription);
}

TEST_F(InstallPackage, ExpertIsCompiledAsAProjectAndRegisteredByItsName) {
  const String project = Destination + L"QRVExpert.dpr";
  WriteTextFile(project, "library QRVExpert;\r\n\r\nbegin\r\nend.\r\n");
  auto ide = Open();
  ASSERT_TRUE(ide->InstallExpert(project, Bpl, Dcp));
  EXPECT_EQ(Lines[0], L"Installing expert " + project);
  EXPECT_EQ(Lines[1], L"Compiling project " + project);
  EXPECT_EQ(UserValue(L"Experts", L"QRVExpert"), Bpl + L"QRVExpert.dll");
  Lines.clear();
  EXPECT_TRUE(ide->UninstallExpert(project, Bpl));
  EXPECT_FALSE(UserValue(L"Experts", L"QRVExpert"));
  EXPECT_EQ(Lines.back(), L"Uninstallation of expert finished");
}
