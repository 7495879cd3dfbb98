// The MSBuild project evaluator: loads an MSBuild project file (EnvOptions.proj, a .dproj),
// evaluates its properties, conditions, imports, Choose blocks, items, targets and UsingTask
// declarations, keeps for each property defined in the main file the XML element that defined it
// (its "raw" text), and writes the document back.
//
// Use: construct for one file, Init(), set global and environment properties, Parse(), then ask
// Properties(), GetRawValue/SetRawValue, and Save(). The parser owns its document and lists;
// pointers to its elements stay valid for its lifetime.
//
// Errors: syntax and evaluation errors raise EIdeMsBuildError with the evaluator's texts
// ("Unknown element "X"", "Invalid condition: ... in condition "C"", ...), a registry property
// that cannot be read raises EIdeRegistryError, a text that is no boolean or number in a condition
// raises EConvertError, an unreadable file raises EInOutError and malformed XML raises EXmlError.
// Nothing is written except by Save().
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "IdeErrors.h"
#include "core/StringList.h"
#include "core/XmlDocument.h"

// The XML document of a project.
using TIdeSimpleXML = TXmlDocument;

// Namespace that the Project element's "xmlns" must name.
extern const wchar_t* const kMsBuildSchemaNamespace;

struct TIdeMsBuildProperty {
  String Name;
  String Value;
  TXmlNode* Element = nullptr;  // the main-file element that defined it, when there is one
};

// One layer of properties: NAME=value lines in order; names compare ignoring ASCII letter case.
class TIdeMsBuildPropertyLayer {
 public:
  const std::vector<TIdeMsBuildProperty>& Lines() const { return FLines; }
  int Count() const { return static_cast<int>(FLines.size()); }
  TIdeMsBuildProperty* Find(const String& name);
  const TIdeMsBuildProperty* Find(const String& name) const;
  String Values(const String& name) const;
  // Replaces the value of the line of that name, or appends a line; an empty value removes it.
  void SetValue(const String& name, const String& value);
  TIdeMsBuildProperty& Append(const String& name, const String& value);
  void Remove(const String& name);
  void Clear();
  // Replaces every line by the NAME=value lines of list.
  void Assign(const TStringList& list);

 private:
  void Reindex();
  std::vector<TIdeMsBuildProperty> FLines;
  std::unordered_map<String, size_t> FIndex;  // folded name -> first line
};

// The four layers, looked up in the order reserved, global, custom, environment.
class TIdeMsBuildProperties {
 public:
  TIdeMsBuildPropertyLayer& ReservedProperties() { return FReserved; }
  TIdeMsBuildPropertyLayer& GlobalProperties() { return FGlobal; }
  TIdeMsBuildPropertyLayer& CustomProperties() { return FCustom; }
  TIdeMsBuildPropertyLayer& EnvironmentProperties() { return FEnvironment; }
  const TIdeMsBuildPropertyLayer& CustomProperties() const { return FCustom; }
  const TIdeMsBuildPropertyLayer& EnvironmentProperties() const { return FEnvironment; }

  // The line of the first layer that has the name, or nullptr.
  TIdeMsBuildProperty* Find(const String& name);
  const TIdeMsBuildProperty* Find(const String& name) const;
  // The evaluated value; empty when undefined.
  String Values(const String& name) const;
  // Sets a property with the layer rules: reserved names raise EIdeMsBuildError "Attempt to
  // override or to delete a reserved MsBuild property", global names are left alone, custom lines
  // are replaced, environment names get a hiding custom line; an empty value deletes.
  void SetValues(const String& name, const String& value);
  // For each environment line, a non-empty value of the same name in list replaces it; names only
  // in list are not added.
  void MergeEnvironmentProperties(const TStringList& list);

 private:
  TIdeMsBuildPropertyLayer FReserved;
  TIdeMsBuildPropertyLayer FGlobal;
  TIdeMsBuildPropertyLayer FCustom;
  TIdeMsBuildPropertyLayer FEnvironment;
};

struct TIdeMsBuildMetadata {
  String Name;
  String Value;
};

struct TIdeMsBuildItem {
  String ItemName;
  String Include;
  String Exclude;
  String Remove;
  String FullInclude;  // Include joined to the current file's folder when that file exists
  std::vector<TIdeMsBuildMetadata> Metadata;
};

struct TIdeMsBuildTaskOutput {
  String TaskParameter;
  String PropertyName;
  String ItemName;
};

struct TIdeMsBuildTask {
  String Name;
  String ContinueOnError;
  std::vector<TIdeMsBuildMetadata> Parameters;
  std::vector<TIdeMsBuildTaskOutput> Outputs;
};

struct TIdeMsBuildTarget {
  String Name;
  bool ConditionHolds = true;
  String DependsOnTargets, Returns, Inputs, Outputs, BeforeTargets, AfterTargets,
      KeepDuplicateOutputs;
  std::vector<TIdeMsBuildTask> Tasks;
  std::vector<String> ErrorTargets;
};

struct TIdeMsBuildTaskParameter {
  String Name;
  String ParameterType;
  String Output;
  String Required;
};

struct TIdeMsBuildUsingTask {
  String TaskName, TaskFactory, AssemblyName, AssemblyFile;
  std::vector<TIdeMsBuildTaskParameter> Parameters;
  String TaskBody;
};

// An installed .NET runtime that can host MSBuild.
struct TIdeDotNetRuntime {
  String VersionName;  // such as "v4.0.30319"
  String Folder;       // without trailing backslash
};

class TIdeMsBuildParser {
 public:
  // Loads the project file (encoding detected from its byte-order mark or declaration).
  explicit TIdeMsBuildParser(const String& fileName);
  // As above, then inserts an Import of each extra file, in order, as the first children of the
  // root element.
  TIdeMsBuildParser(const String& fileName, const std::vector<String>& extraImports);
  ~TIdeMsBuildParser();
  TIdeMsBuildParser(const TIdeMsBuildParser&) = delete;
  TIdeMsBuildParser& operator=(const TIdeMsBuildParser&) = delete;

  void Init();
  void InitReservedProperties();
  void InitEnvironmentProperties();
  void Parse();

  TIdeMsBuildProperties& Properties() { return FProperties; }
  const TIdeMsBuildProperties& Properties() const { return FProperties; }
  // The text of the main-file element that defined the property; empty when there is none.
  String GetRawValue(const String& name) const;
  // Sets the text of the defining element, or appends a new element to the main file's first
  // PropertyGroup; raises EIdeMsBuildError "Unable to locate the XML element for MSBuild
  // property "%s"" when the main file has none.
  void SetRawValue(const String& name, const String& value);

  String EvaluateString(const String& text);
  bool ParseCondition(const String& condition);

  // Writes the document to ProjectFileName (byte-order mark, declared or detected encoding).
  void Save(bool withDeclaration = true);

  const String& ProjectFileName() const { return FProjectFileName; }
  const String& CurrentFileName() const { return FCurrentFileName; }
  TIdeSimpleXML& Xml() { return *FXml; }
  TXmlNode* FirstPropertyGroup() const { return FFirstPropertyGroup; }
  TXmlNode* ProjectExtensions() const { return FProjectExtensions; }
  const std::vector<TIdeMsBuildItem>& Items() const { return FItems; }
  const std::vector<TIdeMsBuildItem>& ItemDefinitions() const { return FItemDefinitions; }
  const std::vector<TIdeMsBuildTarget>& Targets() const { return FTargets; }
  const std::vector<TIdeMsBuildUsingTask>& UsingTasks() const { return FUsingTasks; }
  const std::vector<String>& InitialTargets() const { return FInitialTargets; }
  const std::vector<String>& DefaultTargets() const { return FDefaultTargets; }
  const String& ToolsVersion() const { return FToolsVersion; }

  // The runtime whose folder names MSBuild: that version name; empty: the first suitable one.
  void SetDotNetVersion(const String& version) {
    FDotNetVersion = version;
    FRuntime.reset();
  }
  // Function properties ("$(Foo.Bar())"): ignored (empty text) by default, else an error.
  void SetIgnoreFunctionProperties(bool ignore) { FIgnoreFunctionProperties = ignore; }
  void SetWorkingDirectory(const String& folder) { FWorkingDirectory = folder; }

  // Optional replacements for reading registry properties and evaluating function properties.
  std::function<String(const String& root, const String& path, const String& name)>
      OnRegistryProperty;
  std::function<String(const String& expression)> OnFunctionProperty;

 private:
  friend class TIdeMsBuildEvaluation;
  const TIdeDotNetRuntime& SelectedRuntime();

  String FCurrentFileName;
  String FProjectFileName;
  std::unique_ptr<TIdeSimpleXML> FXml;
  TIdeMsBuildProperties FProperties;
  std::vector<TIdeMsBuildItem> FItems;
  std::vector<TIdeMsBuildItem> FItemDefinitions;
  std::vector<TIdeMsBuildTarget> FTargets;
  std::vector<TIdeMsBuildUsingTask> FUsingTasks;
  std::vector<String> FInitialTargets;
  std::vector<String> FDefaultTargets;
  String FToolsVersion;
  String FDotNetVersion;
  bool FIgnoreFunctionProperties = true;
  String FWorkingDirectory;
  TXmlNode* FFirstPropertyGroup = nullptr;
  TXmlNode* FProjectExtensions = nullptr;
  std::optional<TIdeDotNetRuntime> FRuntime;
  std::vector<String> FImportStack;  // files being evaluated, outermost first
};

// Installed .NET runtimes in the platform's order (natively a fixed stand-in).
std::vector<TIdeDotNetRuntime> InstalledDotNetRuntimes();

// Loads an XML file with automatic encoding detection; raises EInOutError or EXmlError.
std::unique_ptr<TIdeSimpleXML> LoadXmlFile(const String& fileName);
