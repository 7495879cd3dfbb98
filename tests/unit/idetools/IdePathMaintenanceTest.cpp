// Adding to and removing from the three path lists, for each generation's place of storage:
// BDS 20 (registry Library\Win32 and EnvOptions.proj), BDS 8 (Library and DelphiLibraryPath),
// BDS 5 (Library and Win32LibraryPath), BDS 4 and Delphi 7 (registry only).
#include "CatalogueTestSupport.h"
#include "core/Format.h"
#include "idetools/IdeMsBuild.h"
#include "platform/Files.h"

namespace {

using platform::RegRoot;

class PathMaintenance : public CatalogueTest {
 protected:
  // A BDS installation of that number under root, with EnvOptions.proj holding body as the
  // content of its Project element.
  std::unique_ptr<TIdeBorRADToolInstallation> Bds(int n, const String& root,
                                                  const std::string& body) {
    TSimulatedIde simulated = RadStudio(Format(L"Studio%d", {n}));
    simulated.RegistryRoot = root;
    simulated.VersionKey = Format(L"%d.0", {n});
    simulated.BdsVersion = n;
    InstallSimulatedIde(simulated);
    FKey = simulated.VersionKeyPath();
    WriteEnvOptions(n, body);
    return TIdeBDSInstallation::Create(FKey);
  }

  void WriteEnvOptions(int n, const std::string& body) {
    FEnvOptions = SimulatedEnvOptionsFolder(n) + L"\\EnvOptions.proj";
    const std::string text =
        "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\r\n" + body +
        "</Project>\r\n";
    platform::WriteFileBytes(FEnvOptions, std::vector<uint8_t>(text.begin(), text.end()));
  }

  // The stored text of a property of EnvOptions.proj (of the Win32 group where there are groups).
  String StoredOption(const String& name) {
    TIdeMsBuildParser parser(FEnvOptions);
    parser.Init();
    parser.Properties().GlobalProperties().SetValue(L"Platform", L"Win32");
    parser.Parse();
    return parser.GetRawValue(name);
  }

  std::optional<String> Registry(const String& section, const String& ident) const {
    const auto key = platform::RegistryKey::Open(RegRoot::CurrentUser, FKey + L"\\" + section);
    return key ? key->ReadString(ident) : std::nullopt;
  }

  std::string EnvOptionsBytes() const {
    const std::vector<uint8_t> bytes = platform::ReadFileBytes(FEnvOptions);
    return std::string(bytes.begin(), bytes.end());
  }

  String FKey;
  String FEnvOptions;
};

const char* const kWin32Group =
    "  <PropertyGroup Condition=\"'$(Platform)'=='Win32'\">\r\n"
    "    <DelphiLibraryPath>$(BDSLIB)\\$(Platform)\\release;A;;B</DelphiLibraryPath>\r\n"
    "    <DelphiBrowsingPath>$(BDS)\\source</DelphiBrowsingPath>\r\n"
    "    <DelphiDebugDCUPath></DelphiDebugDCUPath>\r\n"
    "  </PropertyGroup>\r\n"
    "  <PropertyGroup Condition=\"'$(Platform)'=='Win64'\">\r\n"
    "    <DelphiLibraryPath>$(BDSLIB)\\$(Platform)\\release</DelphiLibraryPath>\r\n"
    "  </PropertyGroup>\r\n";

const String kEmbarcadero = L"\\SOFTWARE\\Embarcadero\\BDS";

}  // namespace

TEST_F(PathMaintenance, Bds20WritesLibraryWin32AndTheWin32PropertyGroup) {
  auto ide = Bds(20, kEmbarcadero, kWin32Group);
  EXPECT_TRUE(ide->AddToLibrarySearchPath(L"C:\\QRV", bpWin32));
  const String expected = L"$(BDSLIB)\\$(Platform)\\release;A;;B;C:\\QRV";
  EXPECT_EQ(Registry(L"Library\\Win32", L"Search Path"), expected);
  EXPECT_EQ(StoredOption(L"DelphiLibraryPath"), expected);
  EXPECT_NE(EnvOptionsBytes().find("<DelphiLibraryPath>$(BDSLIB)\\$(Platform)\\release</"),
            std::string::npos)
      << "the Win64 group keeps its value";
  EXPECT_FALSE(platform::FileExists(FEnvOptions + L".bak"));
}

TEST_F(PathMaintenance, Bds20AddsToBrowsingAndDebugPathsInTheirProperties) {
  auto ide = Bds(20, kEmbarcadero, kWin32Group);
  EXPECT_TRUE(ide->AddToLibraryBrowsingPath(L"C:\\QRV", bpWin32));
  EXPECT_TRUE(ide->AddToDebugDCUPath(L"C:\\QRV", bpWin32));
  EXPECT_EQ(Registry(L"Library\\Win32", L"Browsing Path"), L"$(BDS)\\source;C:\\QRV");
  EXPECT_EQ(StoredOption(L"DelphiBrowsingPath"), L"$(BDS)\\source;C:\\QRV");
  // The empty element defines nothing, so the list starts empty: one empty item first.
  EXPECT_EQ(Registry(L"Library\\Win32", L"Debug DCU Path"), L";C:\\QRV");
  EXPECT_EQ(StoredOption(L"DelphiDebugDCUPath"), L";C:\\QRV");
  EXPECT_EQ(ide->GetDebugDCUPath(bpWin32), L";C:\\QRV");
}

TEST_F(PathMaintenance, AddingAPresentFolderInOtherCaseStillWritesBoth) {
  auto ide = Bds(20, kEmbarcadero, kWin32Group);
  platform::RegistryKey::Create(RegRoot::CurrentUser, FKey + L"\\Library\\Win32")
      ->WriteString(L"Search Path", L"stale");
  EXPECT_TRUE(ide->AddToLibrarySearchPath(L"a", bpWin32));
  EXPECT_EQ(Registry(L"Library\\Win32", L"Search Path"), L"$(BDSLIB)\\$(Platform)\\release;A;;B");
  EXPECT_EQ(StoredOption(L"DelphiLibraryPath"), L"$(BDSLIB)\\$(Platform)\\release;A;;B");
}

TEST_F(PathMaintenance, EmptyPathIsRefusedWithoutWriting) {
  auto ide = Bds(20, kEmbarcadero, kWin32Group);
  const std::string before = EnvOptionsBytes();
  const auto registryBefore = Registry(L"Library\\Win32", L"Search Path");
  EXPECT_FALSE(ide->AddToLibrarySearchPath(L"", bpWin32));
  EXPECT_EQ(EnvOptionsBytes(), before);
  EXPECT_EQ(Registry(L"Library\\Win32", L"Search Path"), registryBefore);
}

TEST_F(PathMaintenance, RemoveDropsEmptyItemsAndReportsWhetherAnythingWent) {
  auto ide = Bds(20, kEmbarcadero, kWin32Group);
  EXPECT_TRUE(ide->RemoveFromLibrarySearchPath(L"a", bpWin32));
  EXPECT_EQ(StoredOption(L"DelphiLibraryPath"), L"$(BDSLIB)\\$(Platform)\\release;B");
  EXPECT_FALSE(ide->RemoveFromLibrarySearchPath(L"C:\\None", bpWin32));
  EXPECT_EQ(Registry(L"Library\\Win32", L"Search Path"), L"$(BDSLIB)\\$(Platform)\\release;B");
}

TEST_F(PathMaintenance, UnsupportedPlatformRaisesBeforeAnythingIsRead) {
  auto ide = Bds(20, kEmbarcadero, "<Broken");
  try {
    ide->AddToLibrarySearchPath(L"C:\\QRV", bpWin64);
    FAIL() << "no error";
  } catch (const EIdeBorRADException& e) {
    EXPECT_EQ(e.Message(), L"This installation cannot generate binaries for an unknown platform");
  }
}

TEST_F(PathMaintenance, OnlyAWin64GroupReceivesTheNewWin32Property) {
  auto ide = Bds(20, kEmbarcadero,
                 "  <PropertyGroup Condition=\"'$(Platform)'=='Win64'\">\r\n"
                 "    <DelphiBrowsingPath>x</DelphiBrowsingPath>\r\n"
                 "  </PropertyGroup>\r\n");
  EXPECT_TRUE(ide->AddToLibrarySearchPath(L"C:\\QRV", bpWin32));
  TIdeMsBuildParser parser(FEnvOptions);
  TXmlNode* group = parser.Xml().Root()->FirstElement(L"PropertyGroup");
  ASSERT_NE(group, nullptr);
  ASSERT_NE(group->FirstElement(L"DelphiLibraryPath"), nullptr);
  EXPECT_EQ(group->FirstElement(L"DelphiLibraryPath")->Text(), L";C:\\QRV");
  EXPECT_EQ(Registry(L"Library\\Win32", L"Search Path"), L";C:\\QRV");
}

TEST_F(PathMaintenance, FileWithoutPropertyGroupRaisesTheEvaluatorsError) {
  auto ide = Bds(20, kEmbarcadero, "  <ItemGroup></ItemGroup>\r\n");
  try {
    ide->AddToLibrarySearchPath(L"C:\\QRV", bpWin32);
    FAIL() << "no error";
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message(),
              L"Unable to locate the XML element for MSBuild property \"DelphiLibraryPath\"");
  }
}

TEST_F(PathMaintenance, Bds8WritesLibraryAndDelphiLibraryPath) {
  auto ide = Bds(8, kEmbarcadero,
                 "  <PropertyGroup>\r\n"
                 "    <DelphiLibraryPath>$(BDS)\\lib;A;;B</DelphiLibraryPath>\r\n"
                 "  </PropertyGroup>\r\n");
  EXPECT_TRUE(ide->AddToLibrarySearchPath(L"C:\\QRV", bpWin32));
  EXPECT_EQ(Registry(L"Library", L"Search Path"), L"$(BDS)\\lib;A;;B;C:\\QRV");
  EXPECT_EQ(StoredOption(L"DelphiLibraryPath"), L"$(BDS)\\lib;A;;B;C:\\QRV");
  EXPECT_EQ(Registry(L"Library\\Win32", L"Search Path"),
            L"$(BDSLIB)\\$(Platform)\\release;$(BDSUSERDIR)\\Imports")
      << "the section of later generations is left alone";
  EXPECT_TRUE(ide->RemoveFromLibrarySearchPath(L"B", bpWin32));
  EXPECT_EQ(StoredOption(L"DelphiLibraryPath"), L"$(BDS)\\lib;A;C:\\QRV");
}

TEST_F(PathMaintenance, Bds5WritesLibraryAndWin32LibraryPath) {
  auto ide = Bds(5, L"\\SOFTWARE\\Borland\\BDS",
                 "  <PropertyGroup>\r\n"
                 "    <Win32LibraryPath>$(BDS)\\lib</Win32LibraryPath>\r\n"
                 "    <Win32DebugDCUPath>$(BDS)\\lib\\debug</Win32DebugDCUPath>\r\n"
                 "  </PropertyGroup>\r\n");
  EXPECT_TRUE(ide->AddToLibrarySearchPath(L"C:\\QRV", bpWin32));
  EXPECT_TRUE(ide->AddToDebugDCUPath(L"C:\\QRV", bpWin32));
  EXPECT_EQ(Registry(L"Library", L"Search Path"), L"$(BDS)\\lib;C:\\QRV");
  EXPECT_EQ(StoredOption(L"Win32LibraryPath"), L"$(BDS)\\lib;C:\\QRV");
  EXPECT_EQ(Registry(L"Library", L"Debug DCU Path"), L"$(BDS)\\lib\\debug;C:\\QRV");
  EXPECT_EQ(StoredOption(L"Win32DebugDCUPath"), L"$(BDS)\\lib\\debug;C:\\QRV");
  EXPECT_EQ(StoredOption(L"DelphiLibraryPath"), L"");
}

TEST_F(PathMaintenance, Bds4KeepsItsListsInTheRegistryOnly) {
  FKey = L"\\SOFTWARE\\Borland\\BDS\\4.0";
  WriteUserValue(FKey + L"\\Personalities", L"Delphi.Win32", L"Delphi");
  WriteUserValue(FKey + L"\\Library", L"Search Path", L"$(BDS)\\lib\\");
  auto ide = Make<TIdeBDSInstallation>(FKey, {{L"RootDir", L"C:\\X"}});
  EXPECT_TRUE(ide->AddToLibrarySearchPath(L"C:\\X\\lib", bpWin32));
  EXPECT_EQ(Registry(L"Library", L"Search Path"), L"$(BDS)\\lib\\;C:\\X\\lib")
      << "adding compares unsubstituted texts";
  WriteUserValue(FKey + L"\\Library", L"Search Path", L"A;$(BDS)\\lib\\;B");
  EXPECT_TRUE(ide->RemoveFromLibrarySearchPath(L"C:\\X\\lib", bpWin32));
  EXPECT_EQ(Registry(L"Library", L"Search Path"), L"A;B") << "removal compares substituted ones";
  EXPECT_TRUE(ide->AddToDebugDCUPath(L"C:\\QRV", bpWin32));
  EXPECT_EQ(Registry(L"Library", L"Debug DCU Path"), L";C:\\QRV");
}

TEST_F(PathMaintenance, Delphi7KeepsItsListsInTheRegistryOnly) {
  FKey = L"\\SOFTWARE\\Borland\\Delphi\\7.0";
  WriteUserValue(FKey + L"\\Library", L"Browsing Path", L"$(DELPHI)\\source");
  auto ide = Make<TIdeDelphiInstallation>(FKey, {{L"RootDir", L"C:\\D7"}});
  EXPECT_TRUE(ide->AddToLibraryBrowsingPath(L"C:\\QRV;C:\\Other", bpWin32));
  EXPECT_TRUE(ide->AddToDebugDCUPath(L"C:\\QRV", bpWin32));
  EXPECT_TRUE(ide->AddToLibrarySearchPath(L"C:\\QRV", bpWin32));
  EXPECT_EQ(Registry(L"Library", L"Browsing Path"), L"$(DELPHI)\\source;C:\\QRV;C:\\Other");
  EXPECT_EQ(Registry(L"Debugging", L"Debug DCUs Path"), L";C:\\QRV");
  EXPECT_EQ(Registry(L"Library", L"Search Path"), L";C:\\QRV");
  EXPECT_TRUE(ide->RemoveFromLibraryBrowsingPath(L"C:\\D7\\source\\;C:\\Other", bpWin32));
  EXPECT_EQ(Registry(L"Library", L"Browsing Path"), L"C:\\QRV");
}
