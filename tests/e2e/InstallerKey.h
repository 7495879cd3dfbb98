// The installer's own key, HKEY_LOCAL_MACHINE\SOFTWARE\Quorvane, where a setup remembers its
// destinations, read and written in the registry view of the setup under test (SetupStub): the
// 32-bit view for the shipped 32-bit program, the 64-bit view for the tests' 64-bit build.
// Windows only.
#pragma once

#include <optional>

#include "core/String.h"

// A value of the QRVComps subkey, if there.
std::optional<String> InstallerValue(const String& name);
// Writes a value of the QRVComps subkey, creating it; false when that fails.
bool WriteInstallerValue(const String& name, const String& value);
// Removes the installer's key with everything below it.
void DeleteInstallerKey();
