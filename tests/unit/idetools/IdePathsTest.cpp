#include "CatalogueTestSupport.h"
#include "platform/Files.h"

namespace {

using Paths = CatalogueTest;

const wchar_t* const kDelphi7Key = L"\\SOFTWARE\\Borland\\Delphi\\7.0";
const wchar_t* const kBds4Key = L"\\SOFTWARE\\Borland\\BDS\\4.0";

String UnknownPlatformError(const std::function<void()>& call) {
  try {
    call();
  } catch (const EIdeBorRADException& e) {
    return e.Message();
  }
  return String();
}

}  // namespace

TEST_F(Paths, Delphi7ReadsTheLibraryPathsUnsubstituted) {
  WriteUserValue(String(kDelphi7Key) + L"\\Library", L"Search Path", L"$(DELPHI)\\Lib");
  WriteUserValue(String(kDelphi7Key) + L"\\Debugging", L"Debug DCUs Path", L"$(DELPHI)\\Debug");
  auto ide = Make<TIdeDelphiInstallation>(kDelphi7Key, {{L"RootDir", L"C:\\D7"}});
  EXPECT_EQ(ide->GetLibrarySearchPath(bpWin32), L"$(DELPHI)\\Lib");
  EXPECT_EQ(ide->GetRawLibrarySearchPath(bpWin32), L"$(DELPHI)\\Lib");
  EXPECT_EQ(ide->GetDebugDCUPath(bpWin32), L"$(DELPHI)\\Debug");
  EXPECT_EQ(ide->GetLibraryBrowsingPath(bpWin32), L"");
}

TEST_F(Paths, Delphi7BplOutputIsSubstituted) {
  WriteUserValue(String(kDelphi7Key) + L"\\Library", L"Package DPL Output",
                 L"$(DELPHI)\\Projects\\Bpl");
  auto ide = Make<TIdeDelphiInstallation>(kDelphi7Key, {{L"RootDir", L"C:\\D7\\"}});
  EXPECT_EQ(ide->GetBPLOutputPath(bpWin32), L"C:\\D7\\Projects\\Bpl");
}

TEST_F(Paths, Delphi7FoldersAndPlatforms) {
  auto ide = Make<TIdeDelphiInstallation>(kDelphi7Key, {{L"RootDir", L"C:\\D7"}});
  EXPECT_EQ(ide->GetLibFolderName(bpWin32), L"C:\\D7\\lib\\");
  EXPECT_EQ(ide->GetLibDebugFolderName(bpWin32), L"C:\\D7\\lib\\debug\\");
  EXPECT_EQ(ide->GetObjFolderName(bpWin32), L"");
  EXPECT_EQ(UnknownPlatformError([&] { ide->GetLibrarySearchPath(bpWin64); }),
            L"This installation cannot generate binaries for an unknown platform");
}

TEST_F(Paths, ObjFolderIsNamedWhenItExists) {
  FFolder.Write(L"D7\\lib\\obj\\x.obj", std::string("x"));
  auto ide = Make<TIdeDelphiInstallation>(kDelphi7Key, {{L"RootDir", FFolder / L"D7"}});
  EXPECT_EQ(ide->GetObjFolderName(bpWin32), FFolder / L"D7\\lib\\obj\\");
}

TEST_F(Paths, Bds4ReadsTheRegistry) {
  const String library = String(kBds4Key) + L"\\Library";
  WriteUserValue(library, L"Search Path", L"$(BDS)\\lib");
  WriteUserValue(library, L"Debug DCU Path", L"$(BDS)\\lib\\debug");
  WriteUserValue(library, L"Package DPL Output", L"$(BDS)\\\\bpl");
  WriteUserValue(library, L"Package DCP Output", L"$(BDSPROJECTSDIR)\\dcp");
  WriteUserValue(String(kBds4Key) + L"\\Personalities", L"Delphi.Win32", L"Delphi");
  auto ide = Make<TIdeBDSInstallation>(kBds4Key, {{L"RootDir", L"C:\\B4"}});
  EXPECT_EQ(ide->GetLibrarySearchPath(bpWin32), L"$(BDS)\\lib");
  EXPECT_EQ(ide->GetDebugDCUPath(bpWin32), L"$(BDS)\\lib\\debug");
  EXPECT_EQ(ide->GetBPLOutputPath(bpWin32), L"C:\\B4\\bpl");
  EXPECT_EQ(ide->GetDCPOutputPath(bpWin32),
            platform::SpecialFolderPath(platform::SpecialFolder::Documents) +
                L"\\Borland Studio Projects\\dcp");
  EXPECT_EQ(ide->GetLibFolderName(bpWin32), L"C:\\B4\\lib\\");
}

TEST_F(Paths, Bds2OutputFoldersAreFixed) {
  const String key = L"\\SOFTWARE\\Borland\\BDS\\2.0";
  WriteUserValue(key + L"\\Personalities", L"Delphi.Win32", L"Delphi");
  auto ide = Make<TIdeBDSInstallation>(key, {{L"RootDir", L"C:\\B2"}});
  EXPECT_EQ(ide->GetDCPOutputPath(bpWin32), L"C:\\B2\\lib");
  EXPECT_EQ(ide->GetBPLOutputPath(bpWin32),
            platform::SpecialFolderPath(platform::SpecialFolder::Documents) +
                L"\\Borland Studio Projects\\bpl");
}

TEST_F(Paths, Bds20LibraryPathIsTheEvaluatedWin32Group) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_EQ(
      ide->GetLibrarySearchPath(bpWin32),
      simulated.RootDir +
          L"\\lib\\Win32\\release;C:\\Users\\dev\\Documents\\Embarcadero\\Studio\\20.0\\Imports;" +
          simulated.RootDir + L"\\Imports;" + SimulatedCommonDir(20) + L"\\Dcp\\Win32;" +
          simulated.RootDir + L"\\include");
}

TEST_F(Paths, Bds20RawLibraryPathIsTheStoredText) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_EQ(ide->GetRawLibrarySearchPath(bpWin32),
            L"$(BDSLIB)\\$(Platform)\\release;$(BDSUSERDIR)\\Imports;$(BDS)\\Imports;"
            L"$(BDSCOMMONDIR)\\Dcp\\$(Platform);$(BDS)\\include");
}

TEST_F(Paths, Bds20OutputFoldersComeFromEnvOptions) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_EQ(ide->GetBPLOutputPath(bpWin32), SimulatedCommonDir(20) + L"\\Bpl");
  EXPECT_EQ(ide->GetDCPOutputPath(bpWin32), SimulatedCommonDir(20) + L"\\Dcp");
  EXPECT_EQ(ide->GetDebugDCUPath(bpWin32), simulated.RootDir + L"\\lib\\Win32\\debug");
  EXPECT_EQ(ide->GetRawDebugDCUPath(bpWin32), L"$(BDSLIB)\\$(Platform)\\debug");
}

TEST_F(Paths, Bds20FolderNamesCarryThePlatform) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_EQ(ide->GetLibFolderName(bpWin32), simulated.RootDir + L"\\lib\\Win32\\release\\");
  EXPECT_EQ(ide->GetLibDebugFolderName(bpWin32), simulated.RootDir + L"\\lib\\Win32\\debug\\");
  EXPECT_TRUE(ide->SupportsNoConfig());
}

TEST_F(Paths, Bds20WithoutDelphi64RefusesWin64) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  const String expected = L"This installation cannot generate binaries for an unknown platform";
  EXPECT_EQ(UnknownPlatformError([&] { ide->GetLibrarySearchPath(bpWin64); }), expected);
  EXPECT_EQ(UnknownPlatformError([&] { ide->GetRawLibraryBrowsingPath(bpWin64); }), expected);
  EXPECT_EQ(UnknownPlatformError([&] { ide->GetDebugDCUPath(bpWin64); }), expected);
  EXPECT_EQ(UnknownPlatformError([&] { ide->GetBPLOutputPath(bpWin64); }), expected);
  EXPECT_EQ(UnknownPlatformError([&] { ide->GetDCPOutputPath(bpWin64); }), expected);
}

TEST_F(Paths, RsVarsOnlyVariableDoesNotTakePartInEvaluation) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  platform::WriteFileBytes(
      SimulatedEnvOptionsFolder(20) + L"\\EnvOptions.proj",
      platform::ReadFileBytes(SimulatedEnvOptionsFolder(20) + L"\\EnvOptions.proj"));
  const std::string options =
      "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\"><PropertyGroup>"
      "<DelphiLibraryPath>[$(LANGDIR)]</DelphiLibraryPath></PropertyGroup></Project>";
  platform::WriteFileBytes(SimulatedEnvOptionsFolder(20) + L"\\EnvOptions.proj",
                           std::vector<uint8_t>(options.begin(), options.end()));
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_EQ(ide->EnvironmentVariables().Values(L"LANGDIR"), L"EN");
  EXPECT_EQ(ide->GetLibrarySearchPath(bpWin32), L"[]");
}

TEST_F(Paths, MissingEnvOptionsRaisesAndIsTriedAgain) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  const String file = SimulatedEnvOptionsFolder(20) + L"\\EnvOptions.proj";
  const std::vector<uint8_t> saved = platform::ReadFileBytes(file);
  platform::DeleteFile(file);
  EXPECT_THROW(ide->GetLibrarySearchPath(bpWin32), EInOutError);
  platform::WriteFileBytes(file, saved);
  EXPECT_NE(ide->GetLibrarySearchPath(bpWin32), L"");
}

TEST_F(Paths, Bds20CommonProjectsFolderComesFromRsVars) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_EQ(ide->GetCommonProjectsDir(), SimulatedCommonDir(20));
  EXPECT_EQ(
      ide->GetDefaultProjectsDir(),
      platform::SpecialFolderPath(platform::SpecialFolder::Documents) + L"\\RAD Studio\\Projects");
}
