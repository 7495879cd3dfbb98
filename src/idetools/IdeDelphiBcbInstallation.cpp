// The Delphi and C++Builder generations before BDS: registry-kept paths (base class) and the
// personalities of their compilers.
#include "IdeUtils.h"

TIdeDelphiInstallation::TIdeDelphiInstallation(const String& AConfigDataLocation,
                                               platform::RegRoot ARootKey)
    : TIdeBorRADToolInstallation(brDelphi, AConfigDataLocation, ARootKey) {
  FPersonalities = {bpDelphi32};
}

std::unique_ptr<TIdeBorRADToolInstallation> TIdeDelphiInstallation::Create(
    const String& AConfigDataLocation, platform::RegRoot ARootKey) {
  return std::unique_ptr<TIdeBorRADToolInstallation>(
      new TIdeDelphiInstallation(AConfigDataLocation, ARootKey));
}

TIdeBCBInstallation::TIdeBCBInstallation(const String& AConfigDataLocation,
                                         platform::RegRoot ARootKey)
    : TIdeBorRADToolInstallation(brCppBuilder, AConfigDataLocation, ARootKey) {
  FPersonalities = {bpBCBuilder32};
  if (CommandLineTools().Contains(clDcc32)) FPersonalities.Include(bpDelphi32);
}

std::unique_ptr<TIdeBorRADToolInstallation> TIdeBCBInstallation::Create(
    const String& AConfigDataLocation, platform::RegRoot ARootKey) {
  return std::unique_ptr<TIdeBorRADToolInstallation>(
      new TIdeBCBInstallation(AConfigDataLocation, ARootKey));
}
