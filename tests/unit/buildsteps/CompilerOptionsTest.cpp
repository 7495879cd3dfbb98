// The installer's compiler options: the unit scope rule per version tag, the whole list for a
// simulated RAD Studio 10.3, and the ".cfg" for a compiler without "--no-config".
#include <gtest/gtest.h>

#include "app/CompilerOptions.h"
#include "compiler/IdeDCC32.h"
#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "platform/Files.h"
#include "unit/idetools/CatalogueTestSupport.h"

namespace {

using Lines = std::vector<String>;

const String kFirstScopes =
    L"-NSData.Win;Datasnap.Win;Web.Win;Soap.Win;Xml.Win;Bde;Vcl;Vcl.Imaging;Vcl.Touch;"
    L"Vcl.Samples;Vcl.Shell;System;Xml;Data;Datasnap;Web;Soap;Winapi;System.Win";
const String kSecondScopes =
    L"-NSWinapi;System.Win;Data.Win;Datasnap.Win;Web.Win;Soap.Win;Xml.Win;Bde;System;Xml;Data;"
    L"Datasnap;Web;Soap;Vcl;Vcl.Imaging;Vcl.Touch;Vcl.Samples;Vcl.Shell";

TEST(UnitScopes, Delphi16GetsTheFirstOptionOnlyInLowerCase) {
  EXPECT_EQ(UnitScopeOption(L"d16"), kFirstScopes);
  EXPECT_EQ(UnitScopeOption(L"D16"), L"");
}

TEST(UnitScopes, Delphi17To26GetTheSecondOptionInEitherCase) {
  for (const wchar_t* tag : {L"d17", L"D17", L"d20", L"d24", L"d26", L"D26"})
    EXPECT_EQ(UnitScopeOption(tag), kSecondScopes) << ToUtf8(tag);
}

TEST(UnitScopes, RadStudio104AndLaterGetTheSecondOption) {
  for (const wchar_t* tag : {L"d27", L"d28", L"d29", L"d37", L"D37"})
    EXPECT_EQ(UnitScopeOption(tag), kSecondScopes) << ToUtf8(tag);
}

TEST(UnitScopes, OtherTagsGetNone) {
  for (const wchar_t* tag : {L"d15", L"d7", L"d30", L"d36", L"d38", L"d270", L"c6", L"cs1", L""})
    EXPECT_EQ(UnitScopeOption(tag), L"") << ToUtf8(tag);
}

TEST(CompilerConfigFile, NamedAfterThePackageProjectInTheDestination) {
  EXPECT_EQ(CompilerConfigFileName(L"C:\\Quorvane\\QRVComps\\D26", 26),
            L"C:\\Quorvane\\QRVComps\\D26\\QRVLib260.cfg");
  EXPECT_EQ(CompilerConfigFileName(L"C:\\Dest\\", 37), L"C:\\Dest\\QRVLib370.cfg");
}

class InstallerOptions : public CatalogueTest {
 protected:
  std::unique_ptr<TIdeDCC32> Tool() {
    return std::make_unique<TIdeDCC32>(Fake.BinFolder(), false, 33.0f, csfMsBuild, true, true, L"",
                                       L"", L"", L"");
  }

  TFakeCompiler Fake;
};

TEST_F(InstallerOptions, RadStudio103GetsTheWholeListInOrder) {
  const TSimulatedIde ide = RadStudio();
  InstallSimulatedIde(ide);
  TIdeBorRADToolInstallations catalogue;
  ASSERT_EQ(catalogue.Count(), 1);
  TIdeBorRADToolInstallation& installation = catalogue.Installations(0);
  ASSERT_EQ(installation.IDEVersionNumberStr(), L"d26");
  const auto tool = Tool();
  tool->Options().Add(L"-Uprepared");
  const String destination = FFolder / L"Dest\\D26";
  SetInstallerCompilerOptions(*tool, installation, destination, 26);

  const String root = ide.RootDir;
  const String common = SimulatedCommonDir(20);
  const String search = root + L"\\lib\\Win32\\release;" +
                        L"C:\\Users\\dev\\Documents\\Embarcadero\\Studio\\20.0\\Imports;" + root +
                        L"\\Imports;" + common + L"\\Dcp\\Win32;" + root + L"\\include";
  EXPECT_EQ(
      tool->Options().Items(),
      (Lines{L"--no-config", L"-B", L"-$O-", L"-$W+", L"-$Y-", L"-M", L"-Q", L"-H-", L"-W-",
             kSecondScopes, L"-U\"" + root + L"\\lib\\Win32\\release\"", L"-U\"" + search + L"\"",
             L"-U\"" + destination + L"\"", L"-I\"" + search + L"\"", L"-R\"" + search + L"\"",
             L"-N0\"" + destination + L"\"", L"-LE\"" + common + L"\\Bpl\"",
             L"-LN\"" + common + L"\\Dcp\""}));
  EXPECT_FALSE(platform::FileExists(CompilerConfigFileName(destination, 26)));
}

TEST_F(InstallerOptions, CompilerWithoutNoConfigGetsTheListInTheCfgToo) {
  auto installation = Make<TIdeBDSInstallation>(L"\\SOFTWARE\\Borland\\BDS\\3.0",
                                                {{L"RootDir", Fake.RootFolder()}});
  ASSERT_FALSE(installation->SupportsNoConfig());
  const String destination = Fake.MakeFolder(L"Dest");
  const auto tool = Tool();
  SetInstallerCompilerOptions(*tool, *installation, destination, 9);

  ASSERT_FALSE(tool->Options().Items().empty());
  EXPECT_EQ(tool->Options().Strings(0), L"-B");
  std::string expected;
  for (const String& option : tool->Options().Items()) expected += ToUtf8(option) + "\r\n";
  EXPECT_EQ(ReadTextFile(CompilerConfigFileName(destination, 9)), expected);
}

TEST_F(InstallerOptions, CfgReplacesAnOlderOne) {
  auto installation = Make<TIdeBDSInstallation>(L"\\SOFTWARE\\Borland\\BDS\\3.0",
                                                {{L"RootDir", Fake.RootFolder()}});
  const String destination = Fake.MakeFolder(L"Dest");
  WriteTextFile(CompilerConfigFileName(destination, 9), "-old\r\n-options\r\n-that\r\n-go\r\n");
  const auto tool = Tool();
  SetInstallerCompilerOptions(*tool, *installation, destination, 9);
  EXPECT_EQ(ReadTextFile(CompilerConfigFileName(destination, 9)).find("-old"), std::string::npos);
}

}  // namespace
