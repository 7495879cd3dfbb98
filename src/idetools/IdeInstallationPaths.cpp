// Path getters and setters of the registry-kept generations (Delphi, C++Builder, and BDS 1-4
// through the BDS class): the values of the "Library" and "Debugging" sections.
#include "IdeUtils.h"

String TIdeBorRADToolInstallation::ReadLibrarySetting(const String& Ident) const {
  return FConfigData->ReadString(L"Library", Ident, String());
}

String TIdeBorRADToolInstallation::GetLibrarySearchPath(TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  return ReadLibrarySetting(L"Search Path");
}

String TIdeBorRADToolInstallation::GetRawLibrarySearchPath(TIdeBDSPlatform APlatform) {
  return GetLibrarySearchPath(APlatform);
}

String TIdeBorRADToolInstallation::GetLibraryBrowsingPath(TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  return ReadLibrarySetting(L"Browsing Path");
}

String TIdeBorRADToolInstallation::GetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform) {
  return GetLibraryBrowsingPath(APlatform);
}

String TIdeBorRADToolInstallation::GetDebugDCUPath(TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  return FConfigData->ReadString(L"Debugging", L"Debug DCUs Path", String());
}

String TIdeBorRADToolInstallation::GetRawDebugDCUPath(TIdeBDSPlatform APlatform) {
  return GetDebugDCUPath(APlatform);
}

void TIdeBorRADToolInstallation::SetRawLibrarySearchPath(TIdeBDSPlatform APlatform,
                                                         const String& Value) {
  EnsurePlatformSupported(APlatform);
  FConfigData->WriteString(L"Library", L"Search Path", Value);
}

void TIdeBorRADToolInstallation::SetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform,
                                                           const String& Value) {
  EnsurePlatformSupported(APlatform);
  FConfigData->WriteString(L"Library", L"Browsing Path", Value);
}

void TIdeBorRADToolInstallation::SetRawDebugDCUPath(TIdeBDSPlatform APlatform,
                                                    const String& Value) {
  EnsurePlatformSupported(APlatform);
  FConfigData->WriteString(L"Debugging", L"Debug DCUs Path", Value);
}

String TIdeBorRADToolInstallation::GetBPLOutputPath(TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  return SubstitutePath(ReadLibrarySetting(L"Package DPL Output"));
}

String TIdeBorRADToolInstallation::GetDCPOutputPath(TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  return SubstitutePath(ReadLibrarySetting(L"Package DCP Output"));
}
