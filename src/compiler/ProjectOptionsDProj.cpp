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

// The ".dproj" properties read into the options, in order.
struct TDProjProperty {
  const wchar_t* Name;
  String TProjectOptions::*Field;
};
constexpr TDProjProperty kDProjProperties[] = {
    {L"DCC_UsePackage", &TProjectOptions::DynamicPackages},
    {L"DCC_DcuOutput", &TProjectOptions::UnitOutputDir},
    {L"DCC_UnitSearchPath", &TProjectOptions::SearchPath},
    {L"DCC_Define", &TProjectOptions::Conditionals},
    {L"DCC_Namespace", &TProjectOptions::Namespace},
};

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
  for (const TDProjProperty& property : kDProjProperties)
    ProjectOptions.*property.Field = properties.Values(property.Name);
  ProjectOptions.UsePackages = !ProjectOptions.DynamicPackages.empty();
  return true;
}
