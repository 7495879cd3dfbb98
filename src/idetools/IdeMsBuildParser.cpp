#include "IdeFileNames.h"
#include "IdeMsBuildEvaluation.h"
#include "core/Format.h"
#include "platform/Environment.h"
#include "platform/Files.h"

const wchar_t* const kMsBuildSchemaNamespace =
    L"http://schemas.microsoft.com/developer/msbuild/2003";

namespace {

constexpr size_t kMaxImportDepth = 32;

}  // namespace

std::unique_ptr<TIdeSimpleXML> LoadXmlFile(const String& fileName) {
  const auto size = platform::FileSize(fileName);
  if (size && *size > kXmlMaxBytes)
    throw EXmlError(
        Format(L"Document larger than %d bytes", {static_cast<unsigned long long>(kXmlMaxBytes)}),
        1, 1);
  return TXmlDocument::Load(platform::ReadFileBytes(fileName));
}

std::vector<String> SplitList(const String& text) {
  std::vector<String> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L';', start);
    if (end == String::npos) end = text.size();
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

TIdeMsBuildParser::TIdeMsBuildParser(const String& fileName)
    : FCurrentFileName(fileName), FProjectFileName(fileName), FXml(LoadXmlFile(fileName)) {}

TIdeMsBuildParser::TIdeMsBuildParser(const String& fileName,
                                     const std::vector<String>& extraImports)
    : TIdeMsBuildParser(fileName) {
  TXmlNode* root = FXml->Root();
  for (size_t i = 0; i < extraImports.size(); ++i) {
    auto import = std::make_unique<TXmlNode>(XmlNodeKind::Element, L"Import", String());
    import->SetAttribute(L"Project", extraImports[i]);
    root->InsertChild(i, std::move(import));
  }
}

TIdeMsBuildParser::~TIdeMsBuildParser() = default;

void TIdeMsBuildParser::Init() {
  InitReservedProperties();
  InitEnvironmentProperties();
}

void TIdeMsBuildParser::InitEnvironmentProperties() {
  TIdeMsBuildPropertyLayer& layer = FProperties.EnvironmentProperties();
  layer.Clear();
  for (const String& line : platform::EnvironmentBlock()) {
    const String expanded = platform::ExpandEnvironmentStrings(line);
    const size_t eq = expanded.find(L'=', 1);  // "=C:=C:\" lines begin with "="
    if (eq != String::npos && eq > 0) layer.Append(expanded.substr(0, eq), expanded.substr(eq + 1));
  }
}

const TIdeDotNetRuntime& TIdeMsBuildParser::SelectedRuntime() {
  if (!FRuntime) {
    for (const TIdeDotNetRuntime& runtime : InstalledDotNetRuntimes()) {
      if (FDotNetVersion.empty() || SameTextAscii(runtime.VersionName, FDotNetVersion)) {
        FRuntime = runtime;
        break;
      }
    }
    if (!FRuntime) RaiseMsBuildError(L"Unable to locate MSBuild.exe");
  }
  return *FRuntime;
}

void TIdeMsBuildParser::InitReservedProperties() {
  TIdeMsBuildPropertyLayer& reserved = FProperties.ReservedProperties();
  reserved.Clear();
  const TIdeDotNetRuntime& runtime = SelectedRuntime();
  const String projectFolder = WithoutTrailingBackslash(ExtractFileDir(FProjectFileName));
  const String fileName = ExtractFileName(FProjectFileName);
  const String extension = ExtractFileExt(FProjectFileName);
  String noRoot = projectFolder;
  if (noRoot.size() >= 2 && noRoot[1] == L':' &&
      ((noRoot[0] >= L'A' && noRoot[0] <= L'Z') || (noRoot[0] >= L'a' && noRoot[0] <= L'z')))
    noRoot = noRoot.substr(2);
  String programFiles32 = platform::GetEnvironmentVariable(L"ProgramFiles(x86)").value_or(String());
  if (programFiles32.empty())
    programFiles32 = platform::SpecialFolderPath(platform::SpecialFolder::ProgramFiles);
  const std::pair<const wchar_t*, String> values[] = {
      {L"MSBuildProjectDirectory", projectFolder},
      {L"MSBuildProjectFile", fileName},
      {L"MSBuildProjectExtension", extension},
      {L"MSBuildProjectFullPath", FProjectFileName},
      {L"MSBuildProjectName", fileName.substr(0, fileName.size() - extension.size())},
      {L"MSBuildToolsVersion", runtime.VersionName},
      {L"MSBuildBinPath", runtime.Folder},
      {L"MSBuildToolsPath", runtime.Folder},
      {L"MSBuildStartupDirectory",
       WithoutTrailingBackslash(FWorkingDirectory.empty() ? projectFolder : FWorkingDirectory)},
      {L"MSBuildNodeCount", L"1"},
      {L"MSBuildLastTaskResult", L"true"},
      {L"MSBuildProgramFiles32", programFiles32},
      {L"MSBuildProjectDirectoryNoRoot", noRoot},
      {L"MSBuildThisFile", FCurrentFileName},
      {L"MSBuildThisFileDirectory", WithoutTrailingBackslash(ExtractFileDir(FCurrentFileName))},
  };
  for (const auto& [name, value] : values) reserved.SetValue(name, value);
}

void TIdeMsBuildParser::Parse() {
  FFirstPropertyGroup = nullptr;
  FProjectExtensions = nullptr;
  FCurrentFileName = FProjectFileName;
  FImportStack.assign(1, FProjectFileName);
  TIdeMsBuildEvaluation(*this).EvaluateProject(*FXml->Root());
}

String TIdeMsBuildParser::GetRawValue(const String& name) const {
  const TIdeMsBuildProperty* line = FProperties.Find(name);
  return line && line->Element ? line->Element->Text() : String();
}

void TIdeMsBuildParser::SetRawValue(const String& name, const String& value) {
  TIdeMsBuildProperty* line = FProperties.Find(name);
  if (line && line->Element) {
    line->Element->SetText(value);
    return;
  }
  if (!FFirstPropertyGroup)
    RaiseMsBuildError(L"Unable to locate the XML element for MSBuild property \"%s\"", {name});
  FFirstPropertyGroup->AppendElement(name).SetText(value);
}

void TIdeMsBuildParser::Save(bool withDeclaration) {
  platform::WriteFileBytes(FProjectFileName, FXml->Save(withDeclaration));
}

// --- the walk over the elements -------------------------------------------------------------

void TIdeMsBuildEvaluation::CheckAttributes(const TXmlNode& element,
                                            std::initializer_list<const wchar_t*> allowed) {
  for (const TXmlAttribute& attribute : element.Attributes()) {
    bool known = false;
    for (const wchar_t* name : allowed) known = known || attribute.Name == name;
    if (!known) RaiseMsBuildError(L"Unknown property \"%s\"", {attribute.Name});
  }
}

namespace {

const wchar_t* NodeKindName(XmlNodeKind kind) {
  switch (kind) {
    case XmlNodeKind::Element:
      return L"Element";
    case XmlNodeKind::Text:
      return L"Text";
    case XmlNodeKind::CData:
      return L"CData";
    case XmlNodeKind::Comment:
      return L"Comment";
    case XmlNodeKind::ProcessingInstruction:
      return L"ProcessingInstruction";
  }
  return L"";
}

[[noreturn]] void RaiseUnsupportedChild(const TXmlNode& child, const TXmlNode& element) {
  RaiseMsBuildError(L"Unsupported child type \"%s\" in element \"%s\"",
                    {NodeKindName(child.Kind()), element.Name()});
}

}  // namespace

std::vector<TXmlNode*> TIdeMsBuildEvaluation::ChildElements(const TXmlNode& element) {
  std::vector<TXmlNode*> elements;
  for (const auto& child : element.Children()) {
    if (child->IsElement()) {
      elements.push_back(child.get());
    } else if (child->Kind() != XmlNodeKind::Comment) {
      RaiseUnsupportedChild(*child, element);
    }
  }
  return elements;
}

void TIdeMsBuildEvaluation::UnknownElement(const TXmlNode& element) {
  RaiseMsBuildError(L"Unknown element \"%s\"", {element.Name()});
}

String TIdeMsBuildEvaluation::Attribute(const TXmlNode& element, const wchar_t* name) const {
  const String* value = element.FindAttribute(name);
  return value ? *value : String();
}

String TIdeMsBuildEvaluation::Evaluated(const TXmlNode& element, const wchar_t* name) {
  return FParser.EvaluateString(Attribute(element, name));
}

bool TIdeMsBuildEvaluation::ConditionHolds(const TXmlNode& element) {
  return FParser.ParseCondition(Attribute(element, L"Condition"));
}

bool TIdeMsBuildEvaluation::InMainFile() const {
  return FParser.FImportStack.size() == 1;
}

void TIdeMsBuildEvaluation::EvaluateProject(TXmlNode& root) {
  if (root.Name() != L"Project")
    RaiseMsBuildError(L"Project element expected, got \"%s\"", {root.Name()});
  CheckAttributes(root, {L"InitialTargets", L"DefaultTargets", L"ToolsVersion", L"xmlns"});
  if (root.FindAttribute(L"InitialTargets"))
    FParser.FInitialTargets = SplitList(Evaluated(root, L"InitialTargets"));
  if (root.FindAttribute(L"DefaultTargets")) {
    const String targets = Evaluated(root, L"DefaultTargets");
    FParser.FProperties.ReservedProperties().SetValue(L"MSBuildProjectDefaultTargets", targets);
    FParser.FDefaultTargets = SplitList(targets);
  }
  if (root.FindAttribute(L"ToolsVersion")) FParser.FToolsVersion = Evaluated(root, L"ToolsVersion");
  if (const String* schema = root.FindAttribute(L"xmlns");
      schema && *schema != kMsBuildSchemaNamespace)
    RaiseMsBuildError(L"Unknown schema \"%s\"", {*schema});
  for (TXmlNode* child : ChildElements(root)) EvaluateProjectChild(*child);
}

void TIdeMsBuildEvaluation::EvaluateProjectChild(TXmlNode& child) {
  const String& name = child.Name();
  if (name == L"Choose") {
    EvaluateChoose(child);
  } else if (name == L"Import") {
    EvaluateImport(child);
  } else if (name == L"ImportGroup") {
    EvaluateImportGroup(child);
  } else if (name == L"ItemDefinitionGroup") {
    EvaluateItemGroup(child, FParser.FItemDefinitions);
  } else if (name == L"ItemGroup") {
    EvaluateItemGroup(child, FParser.FItems);
  } else if (name == L"ProjectExtensions") {
    if (FParser.FProjectExtensions) RaiseMsBuildError(L"Multiple project extensions");
    FParser.FProjectExtensions = &child;
  } else if (name == L"PropertyGroup") {
    EvaluatePropertyGroup(child);
  } else if (name == L"Target") {
    EvaluateTarget(child);
  } else if (name == L"UsingTask") {
    EvaluateUsingTask(child);
  } else {
    UnknownElement(child);
  }
}

void TIdeMsBuildEvaluation::EvaluateChoose(TXmlNode& choose) {
  CheckAttributes(choose, {});
  TXmlNode* otherwise = nullptr;
  bool applied = false;
  for (TXmlNode* child : ChildElements(choose)) {
    if (child->Name() == L"When") {
      const auto& attributes = child->Attributes();
      if (attributes.size() != 1 || attributes[0].Name != L"Condition")
        RaiseMsBuildError(L"Condition is not unique");
      if (!applied && FParser.ParseCondition(attributes[0].Value)) {
        applied = true;
        EvaluateChooseBranch(*child);
      }
    } else if (child->Name() == L"Otherwise") {
      if (otherwise) RaiseMsBuildError(L"Multiple otherwise");
      CheckAttributes(*child, {});
      otherwise = child;
    } else {
      UnknownElement(*child);
    }
  }
  if (!applied && otherwise) EvaluateChooseBranch(*otherwise);
}

void TIdeMsBuildEvaluation::EvaluateChooseBranch(TXmlNode& branch) {
  for (TXmlNode* child : ChildElements(branch)) {
    if (child->Name() == L"Choose")
      EvaluateChoose(*child);
    else if (child->Name() == L"ItemGroup")
      EvaluateItemGroup(*child, FParser.FItems);
    else if (child->Name() == L"PropertyGroup")
      EvaluatePropertyGroup(*child);
    else
      UnknownElement(*child);
  }
}

void TIdeMsBuildEvaluation::EvaluatePropertyGroup(TXmlNode& group) {
  CheckAttributes(group, {L"Condition"});
  if (InMainFile() && !FParser.FFirstPropertyGroup) FParser.FFirstPropertyGroup = &group;
  if (!ConditionHolds(group)) return;
  for (TXmlNode* property : ChildElements(group)) EvaluateProperty(*property);
}

void TIdeMsBuildEvaluation::EvaluateProperty(TXmlNode& property) {
  CheckAttributes(property, {L"Condition"});
  for (const auto& child : property.Children()) {
    if (child->IsElement()) UnknownElement(*child);
    if (child->Kind() == XmlNodeKind::ProcessingInstruction)
      RaiseUnsupportedChild(*child, property);
  }
  if (!ConditionHolds(property)) return;
  const String& name = property.Name();
  FParser.FProperties.SetValues(name, FParser.EvaluateString(property.Text()));
  if (InMainFile()) {
    if (TIdeMsBuildProperty* line = FParser.FProperties.Find(name)) line->Element = &property;
  }
}

void TIdeMsBuildEvaluation::EvaluateImportGroup(TXmlNode& group) {
  CheckAttributes(group, {L"Condition"});
  const std::vector<TXmlNode*> imports = ChildElements(group);
  for (TXmlNode* child : imports) {
    if (child->Name() != L"Import") UnknownElement(*child);
  }
  if (!ConditionHolds(group)) return;
  for (TXmlNode* import : imports) EvaluateImport(*import);
}

void TIdeMsBuildEvaluation::EvaluateImport(TXmlNode& import) {
  CheckAttributes(import, {L"Condition", L"Project"});
  for (TXmlNode* child : ChildElements(import)) UnknownElement(*child);
  if (!ConditionHolds(import)) return;
  const String project = Evaluated(import, L"Project");
  if (project.empty()) return;
  ImportFile(JoinAndNormalisePath(ExtractFileDir(FParser.FCurrentFileName), project));
}

void TIdeMsBuildEvaluation::ImportFile(const String& fileName) {
  for (const String& open : FParser.FImportStack) {
    if (SameTextAscii(open, fileName)) RaiseMsBuildError(L"Circular import of \"%s\"", {fileName});
  }
  if (FParser.FImportStack.size() >= kMaxImportDepth)
    RaiseMsBuildError(L"Imports nested deeper than %d levels", {static_cast<int>(kMaxImportDepth)});
  const std::unique_ptr<TIdeSimpleXML> document = LoadXmlFile(fileName);
  const String previousFile = FParser.FCurrentFileName;
  TXmlNode* previousExtensions = FParser.FProjectExtensions;
  auto restore = [&] {
    FParser.FCurrentFileName = previousFile;
    FParser.FProjectExtensions = previousExtensions;
    FParser.FImportStack.pop_back();
    FParser.InitReservedProperties();
  };
  FParser.FCurrentFileName = fileName;
  FParser.FProjectExtensions = nullptr;
  FParser.FImportStack.push_back(fileName);
  try {
    FParser.InitReservedProperties();
    EvaluateProject(*document->Root());
  } catch (...) {
    restore();
    throw;
  }
  restore();
}
