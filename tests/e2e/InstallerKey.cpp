#include "InstallerKey.h"

#include "E2eWorld.h"
#include "fixtures/ide/MachineKeyViews.h"

#include <windows.h>

namespace {

const wchar_t* const kInstallerKey = L"SOFTWARE\\Quorvane";
const wchar_t* const kDestinationsKey = L"SOFTWARE\\Quorvane\\QRVComps";

REGSAM SetupView() {
  return SetupStubIs32Bit() ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

// An open key that closes itself.
class TKey {
 public:
  ~TKey() {
    if (FKey != nullptr) ::RegCloseKey(FKey);
  }
  HKEY* Out() { return &FKey; }
  HKEY Get() const { return FKey; }

 private:
  HKEY FKey = nullptr;
};

}  // namespace

std::optional<String> InstallerValue(const String& name) {
  TKey key;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDestinationsKey, 0, KEY_QUERY_VALUE | SetupView(),
                      key.Out()) != ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  String value(size / sizeof(wchar_t), L'\0');
  if (::RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(size / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  return value;
}

bool WriteInstallerValue(const String& name, const String& value) {
  TKey key;
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kDestinationsKey, 0, nullptr, 0,
                        KEY_SET_VALUE | SetupView(), nullptr, key.Out(), nullptr) != ERROR_SUCCESS)
    return false;
  return ::RegSetValueExW(
             key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void DeleteInstallerKey() {
  DeleteMachineKeyTree(kInstallerKey, SetupStubIs32Bit());
}
