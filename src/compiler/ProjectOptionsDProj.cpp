// The ".dproj" project option file, evaluated as an MSBuild project.
#include "compiler/CompilerPaths.h"
#include "idetools/IdeFileNames.h"
#include "compiler/IdeDCC32.h"
#include "core/StringList.h"
#include "idetools/IdeMsBuild.h"
#include "platform/Files.h"

namespace {

bool IsDelphiPersonality(const String& personality) {
  return personality.rfind(L"Delphi.Personality", 0) == 0 ||
         SameTextAscii(personality, L"DelphiDotNet.Personality");
}

String PersonalityOf(const TIdeMsBuildParser& parser) {
  const TXmlNode* extensions = parser.ProjectExtensions();
  const TXmlNode* personality =
      extensions != nullptr ? extensions->FirstElement(L"Borland.Personality") : nullptr;
  return personality != nullptr ? personality->Text() : String();
}

}  // namespace

bool TIdeDCC32::AddDProjOptions(const String& ProjectFileName, TProjectOptions& ProjectOptions) {
  const String fileName = ChangeFileExt(ProjectFileName, L".dproj");
  if (!platform::FileExists(fileName) || CompilerSettingsFormat() != csfMsBuild) return false;
  TIdeMsBuildParser parser(fileName);
  parser.Init();
  if (FSupportsPlatform)
    parser.Properties().GlobalProperties().SetValue(L"Platform", GetPlatform());
  if (FOnEnvironmentVariables) {
    parser.Properties().EnvironmentProperties().Assign(FOnEnvironmentVariables());
  }
  parser.Parse();
  if (!IsDelphiPersonality(PersonalityOf(parser))) return true;
  const TIdeMsBuildProperties& properties = parser.Properties();
  ProjectOptions.DynamicPackages = properties.Values(L"DCC_UsePackage");
  ProjectOptions.UsePackages = !ProjectOptions.DynamicPackages.empty();
  ProjectOptions.UnitOutputDir = properties.Values(L"DCC_DcuOutput");
  ProjectOptions.SearchPath = properties.Values(L"DCC_UnitSearchPath");
  ProjectOptions.Conditionals = properties.Values(L"DCC_Define");
  ProjectOptions.Namespace = properties.Values(L"DCC_Namespace");
  return true;
}
