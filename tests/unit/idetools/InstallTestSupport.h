// The package installation tests' starting point: a simulated RAD Studio 10.3 whose bin folder
// holds the fake compiler as dcc32.exe, a destination folder with a package source, the folders
// the library and its interface file go to, and the lines the installation reports.
#pragma once

#include <string>
#include <vector>

#include "CatalogueTestSupport.h"
#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "idetools/IdeFileNames.h"
#include "platform/Files.h"

class InstallTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    Simulated = RadStudio103(WithoutTrailingBackslash(Fake.RootFolder()));
    Simulated.BinFiles = {L"bds.exe", L"rsvars.bat"};
    InstallSimulatedIde(Simulated);
    Destination = Fake.MakeFolder(L"Destination");
    Bpl = Fake.MakeFolder(L"Bpl");
    Dcp = Fake.MakeFolder(L"Dcp");
    Package = Destination + L"QRVLib260.dpk";
    WritePackage("{$DESCRIPTION 'QRV Library - Components'}");
    // The package's own resource, which the compiler looks for as {$R *.res} asks.
    WriteTextFile(Destination + L"QRVLib260.res", "resource");
  }

  // The package source with the directive lines given.
  void WritePackage(const std::string& directives) const {
    WriteTextFile(Package, "package QRVLib260;\r\n\r\n{$R *.res}\r\n" + directives +
                               "\r\n\r\nrequires\r\n  rtl;\r\n\r\nend.\r\n");
  }

  // The installation of the simulated IDE with its output collected in Lines.
  std::unique_ptr<TIdeBorRADToolInstallation> Open() {
    auto ide = TIdeBDSInstallation::Create(Simulated.VersionKeyPath());
    ide->SetOutputCallback([this](const String& line) { Lines.push_back(line); });
    return ide;
  }

  String UserKey(const String& section) const {
    return Simulated.VersionKeyPath() + L"\\" + section;
  }

  std::optional<String> UserValue(const String& section, const String& name) const {
    const auto key = platform::RegistryKey::Open(platform::RegRoot::CurrentUser, UserKey(section));
    return key ? key->ReadString(name) : std::nullopt;
  }

  TFakeCompiler Fake;
  TSimulatedIde Simulated;
  String Destination;
  String Bpl;
  String Dcp;
  String Package;
  std::vector<String> Lines;
};
