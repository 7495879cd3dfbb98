#include "CatalogueTestSupport.h"
#include "IdeInfoReport.h"
#include "platform/Files.h"

namespace {

using IdeInfoReport = CatalogueTest;

}  // namespace

TEST_F(IdeInfoReport, EmptyCatalogueSaysSo) {
  TIdeBorRADToolInstallations catalogue;
  EXPECT_EQ(DescribeCatalogue(catalogue), L"No installation found.\n");
}

TEST_F(IdeInfoReport, BlockShowsIdentityAndEvaluatedPaths) {
  InstallSimulatedIde(RadStudio());
  TIdeBorRADToolInstallations catalogue;
  const String report = DescribeCatalogue(catalogue);
  EXPECT_NE(report.find(L"Name: RAD Studio 10.3\n"), String::npos);
  EXPECT_NE(report.find(L"ConfigDataLocation: \\SOFTWARE\\Embarcadero\\BDS\\20.0\n"), String::npos);
  EXPECT_NE(report.find(L"PackageVersionNumber: 260\n"), String::npos);
  EXPECT_NE(report.find(L"DCCVersion: 33.0\n"), String::npos);
  EXPECT_NE(report.find(L"Personalities: bpDelphi32\n"), String::npos);
  EXPECT_NE(report.find(L"Win32 DCPOutputPath: " + SimulatedCommonDir(20) + L"\\Dcp\n"),
            String::npos);
}

TEST_F(IdeInfoReport, ErrorOfOneInstallationStaysInItsBlock) {
  TSimulatedIde broken = RadStudio(L"Studio19");
  broken.VersionKey = L"19.0";
  broken.BdsVersion = 19;
  InstallSimulatedIde(broken);
  InstallSimulatedIde(RadStudio());
  const std::string garbage = "<Project><PropertyGroup>";
  platform::WriteFileBytes(SimulatedEnvOptionsFolder(19) + L"\\EnvOptions.proj",
                           std::vector<uint8_t>(garbage.begin(), garbage.end()));
  TIdeBorRADToolInstallations catalogue;
  ASSERT_EQ(catalogue.Count(), 2);
  const String first = DescribeInstallation(catalogue.Installations(0));
  const String second = DescribeInstallation(catalogue.Installations(1));
  EXPECT_NE(
      first.find(
          L"Error: XML error at line 1, column 25: Element \"PropertyGroup\" is not closed\n"),
      String::npos);
  EXPECT_NE(second.find(L"SupportsNoConfig: True\n"), String::npos);
}

TEST_F(IdeInfoReport, KnownPackagesAreListedWithDescriptionAndState) {
  const TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  const String key = simulated.VersionKeyPath();
  WriteUserValue(key + L"\\Known Packages", L"C:\\Bpl\\QRVLib260.bpl",
                 L"'QRV Library - Components'");
  WriteUserValue(key + L"\\Known Packages", L"$(BDS)\\bin\\dclOld260.bpl", L"Old components");
  WriteUserValue(key + L"\\Disabled Packages", L"$(BDS)\\bin\\dclOld260.bpl", L"Old components");
  TIdeBorRADToolInstallations catalogue;
  const String report = DescribeCatalogue(catalogue);
  EXPECT_NE(report.find(L"Known package: C:\\Bpl\\QRVLib260.bpl | 'QRV Library - Components' | "
                        L"enabled\n"),
            String::npos)
      << report;
  EXPECT_NE(report.find(L"Known package: " + simulated.RootDir +
                        L"\\bin\\dclOld260.bpl | Old components | disabled\n"),
            String::npos)
      << report;
}
