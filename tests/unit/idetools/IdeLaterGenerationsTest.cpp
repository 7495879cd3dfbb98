// RAD Studio 11, 12 and 13: their key numbers (22, 23, 37), names, tags, package numbers and the
// folders that follow from the key number.
#include "CatalogueTestSupport.h"
#include "core/Format.h"

namespace {

using LaterGenerations = CatalogueTest;

struct TGeneration {
  int Bds;
  const wchar_t* Name;
  const wchar_t* Tag;
  const wchar_t* PackageVersion;
  float DCCVersion;
};

constexpr TGeneration kGenerations[] = {
    {22, L"RAD Studio 11", L"d28", L"280", 35.0f},
    {23, L"RAD Studio 12", L"d29", L"290", 36.0f},
    {37, L"RAD Studio 13", L"d37", L"370", 37.0f},
};

TSimulatedIde Simulated(const TTempFolder& folder, int bds) {
  TSimulatedIde ide = RadStudio103(folder / Format(L"Studio%d", {bds}));
  ide.VersionKey = Format(L"%d.0", {bds});
  ide.BdsVersion = bds;
  return ide;
}

}  // namespace

TEST_F(LaterGenerations, EachIsDiscoveredWithItsIdentity) {
  for (const TGeneration& generation : kGenerations)
    InstallSimulatedIde(Simulated(FFolder, generation.Bds));
  TIdeBorRADToolInstallations catalogue;
  ASSERT_EQ(catalogue.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    const TGeneration& expected = kGenerations[i];
    const TIdeBorRADToolInstallation& ide = catalogue.Installations(i);
    EXPECT_EQ(ide.IDEVersionNumber(), expected.Bds);
    EXPECT_EQ(ide.Name(), expected.Name);
    EXPECT_EQ(ide.IDEVersionNumberStr(), expected.Tag);
    EXPECT_EQ(ide.PackageVersionNumberStr(), expected.PackageVersion);
    EXPECT_EQ(ide.IDEPackageVersionNumberStr(), expected.PackageVersion);
    EXPECT_FLOAT_EQ(ide.DCCVersion(), expected.DCCVersion);
    EXPECT_EQ(ide.RadToolName(), L"RAD Studio");
  }
}

TEST_F(LaterGenerations, FoldersAndFlagsFollowTheKeyNumber) {
  for (const TGeneration& generation : kGenerations) {
    const TSimulatedIde simulated = Simulated(FFolder, generation.Bds);
    InstallSimulatedIde(simulated);
    auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
    auto& bds = static_cast<TIdeBDSInstallation&>(*ide);
    EXPECT_EQ(bds.EnvOptionsFileName(),
              SimulatedEnvOptionsFolder(generation.Bds) + L"\\EnvOptions.proj");
    EXPECT_EQ(ide->EnvironmentVariables().Values(L"BDSCOMMONDIR"),
              CommonDocuments() + Format(L"\\Embarcadero\\Studio\\%d.0", {generation.Bds}));
    EXPECT_EQ(ide->GetLibFolderName(bpWin32), simulated.RootDir + L"\\lib\\Win32\\release\\");
    const String releaseFolder = simulated.RootDir + L"\\lib\\Win32\\release;";
    EXPECT_EQ(ide->GetLibrarySearchPath(bpWin32).substr(0, releaseFolder.size()), releaseFolder);
    EXPECT_TRUE(ide->Valid());
    EXPECT_TRUE(ide->SupportsNoConfig());
    EXPECT_TRUE(ide->SupportsPlatform());
    EXPECT_EQ(ide->CompilerSettingsFormat(), csfMsBuild);
  }
}

TEST_F(LaterGenerations, NumbersWithoutARowKeepTheOldRules) {
  const std::pair<int, const wchar_t*> expected[] = {{24, L"d30"}, {36, L"d42"}, {38, L"d44"}};
  for (const auto& [n, tag] : expected) {
    auto ide = Make<TIdeBDSInstallation>(Format(L"\\SOFTWARE\\Embarcadero\\BDS\\%d.0", {n}));
    EXPECT_EQ(ide->IDEVersionNumberStr(), tag) << n;
    EXPECT_EQ(ide->PackageVersionNumberStr(), L"") << n;
    EXPECT_FLOAT_EQ(ide->DCCVersion(), 0.0f) << n;
    EXPECT_EQ(ide->Name(), Format(L"Borland Developer Studio ***%d***", {n}));
  }
}
