// The catalogue tests' starting point: a clean registry (the discovery roots deleted before and
// after each test), a temporary folder for installations, and, natively, the special folders
// pointed into it. Under Wine the registry and folders are the prefix's own.
#pragma once

#include <gtest/gtest.h>

#include "fixtures/ide/SimulatedIde.h"
#include "fixtures/ide/TempFolder.h"
#include "idetools/IdeUtils.h"
#include "platform/Environment.h"
#include "platform/Registry.h"

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Read by the native stand-in only; the Windows build asks the system.
    platform::SetEnvironmentVariable(L"QRV_APPDATA", FFolder / L"AppData");
    platform::SetEnvironmentVariable(L"QRV_DOCUMENTS", FFolder / L"Documents");
    platform::SetEnvironmentVariable(L"QRV_COMMON_DOCUMENTS", FFolder / L"Public");
    RemoveSimulatedIdes();
  }
  void TearDown() override { RemoveSimulatedIdes(); }

  // A RAD Studio 10.3 installed in a folder of that name.
  TSimulatedIde RadStudio(const String& folder = L"Studio20") {
    return RadStudio103(FFolder / folder);
  }

  // An installation of the class on a version key, with the given Globals under HKLM.
  template <typename TClass>
  std::unique_ptr<TIdeBorRADToolInstallation> Make(
      const String& key, std::initializer_list<std::pair<const wchar_t*, String>> globals = {}) {
    auto machine = platform::RegistryKey::Create(platform::RegRoot::LocalMachine, key);
    for (const auto& [name, value] : globals) machine->WriteString(name, value);
    return TClass::Create(key);
  }

  void WriteUserValue(const String& key, const String& name, const String& value) {
    platform::RegistryKey::Create(platform::RegRoot::CurrentUser, key)->WriteString(name, value);
  }

  String CommonDocuments() const {
    return platform::SpecialFolderPath(platform::SpecialFolder::CommonDocuments);
  }

  TTempFolder FFolder;
};
