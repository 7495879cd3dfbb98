// The ".bdsproj" (XML) and ".dof" (INI) project option files beside a source.
#include <vector>

#include "compiler/CompilerPaths.h"
#include "idetools/IdeFileNames.h"
#include "compiler/IdeDCC32.h"
#include "core/Format.h"
#include "core/StringList.h"
#include "core/XmlDocument.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

namespace {

bool TextToBoolean(const String& text) {
  for (const wchar_t* yes : {L"1", L"True", L"Yes", L"T", L"Y"}) {
    if (SameTextAscii(text, yes)) return true;
  }
  for (const wchar_t* no : {L"0", L"False", L"No", L"F", L"N"}) {
    if (SameTextAscii(text, no)) return false;
  }
  throw EIdeConversionError(Format(L"Unable to convert the string \"%s\" to a boolean", {text}));
}

const String* AttributeIgnoringCase(const TXmlNode& element, const String& name) {
  for (const TXmlAttribute& attribute : element.Attributes()) {
    if (SameTextAscii(attribute.Name, name)) return &attribute.Value;
  }
  return nullptr;
}

// Child elements of parent named name, ignoring case.
std::vector<const TXmlNode*> ElementsNamed(const TXmlNode& parent, const String& name) {
  std::vector<const TXmlNode*> found;
  for (const auto& child : parent.Children()) {
    if (child->IsElement() && SameTextAscii(child->Name(), name)) found.push_back(child.get());
  }
  return found;
}

// The text of the first Option child whose Name is "Personality", or empty.
String BdsProjPersonality(const TXmlNode& root) {
  const TXmlNode* info = root.FirstElement(L"PersonalityInfo");
  const TXmlNode* options = info != nullptr ? info->FirstElement(L"Option") : nullptr;
  if (options == nullptr) return String();
  for (const TXmlNode* option : ElementsNamed(*options, L"Option")) {
    const String* name = AttributeIgnoringCase(*option, L"Name");
    if (name != nullptr && SameTextAscii(*name, L"Personality")) return option->Text();
  }
  return String();
}

// A text option of a project option file: its name (".bdsproj") or section and key (".dof").
struct TOptionFileEntry {
  const wchar_t* Section;
  const wchar_t* Name;
  String TProjectOptions::*Field;
};
constexpr TOptionFileEntry kDirectoryOptions[] = {
    {L"Directories", L"UnitOutputDir", &TProjectOptions::UnitOutputDir},
    {L"Directories", L"SearchPath", &TProjectOptions::SearchPath},
    {L"Linker", L"Packages", &TProjectOptions::DynamicPackages},
    {L"Directories", L"Conditionals", &TProjectOptions::Conditionals},
};

void ReadBdsProjDirectories(const TXmlNode& directories, TProjectOptions& options) {
  for (const TXmlNode* entry : ElementsNamed(directories, L"Directories")) {
    const String* name = AttributeIgnoringCase(*entry, L"Name");
    if (name == nullptr) continue;
    const String text = entry->Text();
    bool known = false;
    for (const TOptionFileEntry& option : kDirectoryOptions) {
      if (!known && SameTextAscii(*name, option.Name)) {
        options.*option.Field = text;
        known = true;
      }
    }
    if (!known && SameTextAscii(*name, L"UsePackages")) options.UsePackages = TextToBoolean(text);
    options.Namespace.clear();
  }
}

}  // namespace

bool TIdeDCC32::AddBDSProjOptions(const String& ProjectFileName, TProjectOptions& ProjectOptions) {
  const String fileName = ChangeFileExt(ProjectFileName, L".bdsproj");
  if (!platform::FileExists(fileName)) return false;
  const std::unique_ptr<TXmlDocument> document =
      TXmlDocument::Load(platform::ReadFileBytes(fileName));
  const TXmlNode* root = document->Root();
  const String personality = root != nullptr ? BdsProjPersonality(*root) : String();
  if (personality.empty()) return true;
  const TXmlNode* settings = root->FirstElement(personality);
  const TXmlNode* directories =
      settings != nullptr ? settings->FirstElement(L"Directories") : nullptr;
  if (directories != nullptr) ReadBdsProjDirectories(*directories, ProjectOptions);
  return true;
}

bool TIdeDCC32::AddDOFOptions(const String& ProjectFileName, TProjectOptions& ProjectOptions) {
  const String fileName = ChangeFileExt(ProjectFileName, L".dof");
  if (!platform::FileExists(fileName)) return false;
  const platform::TIniFile dof(fileName);
  for (const TOptionFileEntry& option : kDirectoryOptions)
    ProjectOptions.*option.Field = dof.ReadString(option.Section, option.Name, String());
  ProjectOptions.UsePackages = dof.ReadString(L"Compiler", L"PackageNoLink", String()) == L"1";
  ProjectOptions.Namespace.clear();
  return true;
}
