#include "app/TargetInstallation.h"

#include "core/LibFunctions.h"
#include "idetools/IdeUtils.h"

String IdeDisplayName(int version) {
  switch (version) {
    case 7:
      return L"Delphi 7";
    case 9:
      return L"Delphi 2005";
    case 10:
      return L"Delphi 2006";
    case 11:
      return L"Delphi 2007";
    case 12:
      return L"Delphi 2009";
    case 14:
      return L"Delphi 2010";
    case 15:
      return L"Delphi XE";
    case 16:
      return L"Delphi XE2";
    case 17:
      return L"Delphi XE3";
    case 18:
      return L"Delphi XE4";
    case 19:
      return L"Delphi XE5";
    case 20:
      return L"Delphi XE6";
    case 21:
      return L"Delphi XE7";
    case 22:
      return L"Delphi XE8";
    case 23:
      return L"Delphi XE10 - Seattle";
    case 24:
      return L"Delphi XE10.1 - Berlin";
    case 25:
      return L"Delphi XE10.2 - Tokyo";
    case 26:
      return L"Delphi XE10.3 - Rio";
    case 27:
      return L"Delphi XE10.4 - Sydney";
    case 28:
      return L"Delphi 11 - Alexandria";
    case 29:
      return L"Delphi 12 - Athens";
    case 37:
      return L"Delphi 13 - Florence";
    default:
      return String();
  }
}

int FirstInstallationOfVersion(const std::vector<String>& versionTags, int32_t targetVersion) {
  for (size_t i = 0; i < versionTags.size(); ++i) {
    const String& tag = versionTags[i];
    if (LeftPart(tag, 1) == L"d" && NumberFromText(tag) == static_cast<int64_t>(targetVersion))
      return static_cast<int>(i);
  }
  return -1;
}

std::vector<String> VersionTags(const TIdeBorRADToolInstallations* installations) {
  std::vector<String> tags;
  if (installations == nullptr) return tags;
  for (int i = 0; i < installations->Count(); ++i)
    tags.push_back(installations->Installations(i).IDEVersionNumberStr());
  return tags;
}
