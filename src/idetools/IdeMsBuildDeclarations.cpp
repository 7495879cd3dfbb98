// Items, item definitions, targets with their tasks, and UsingTask declarations: evaluated and
// checked for their syntax, kept in the parser's lists.
#include "IdeFileNames.h"
#include "IdeMsBuildEvaluation.h"
#include "core/Format.h"
#include "platform/Files.h"

namespace {

// An attribute of an element, kept evaluated in a text field of the record made from it.
template <typename TRecord>
struct TAttributeField {
  const wchar_t* Name;
  String TRecord::*Field;
};

// The attributes of a Target element after its Name.
constexpr TAttributeField<TIdeMsBuildTarget> kTargetAttributes[] = {
    {L"DependsOnTargets", &TIdeMsBuildTarget::DependsOnTargets},
    {L"Returns", &TIdeMsBuildTarget::Returns},
    {L"Inputs", &TIdeMsBuildTarget::Inputs},
    {L"Outputs", &TIdeMsBuildTarget::Outputs},
    {L"BeforeTargets", &TIdeMsBuildTarget::BeforeTargets},
    {L"AfterTargets", &TIdeMsBuildTarget::AfterTargets},
    {L"KeepDuplicateOutputs", &TIdeMsBuildTarget::KeepDuplicateOutputs},
};

// The attributes of a UsingTask element.
constexpr TAttributeField<TIdeMsBuildUsingTask> kUsingTaskAttributes[] = {
    {L"TaskName", &TIdeMsBuildUsingTask::TaskName},
    {L"TaskFactory", &TIdeMsBuildUsingTask::TaskFactory},
    {L"AssemblyName", &TIdeMsBuildUsingTask::AssemblyName},
    {L"AssemblyFile", &TIdeMsBuildUsingTask::AssemblyFile},
};

}  // namespace

void TIdeMsBuildEvaluation::EvaluateItemGroup(TXmlNode& group, std::vector<TIdeMsBuildItem>& into) {
  CheckAttributes(group, {L"Condition"});
  if (!ConditionHolds(group)) return;
  for (TXmlNode* item : ChildElements(group)) {
    CheckAttributes(*item, {L"Condition", L"Include", L"Exclude", L"Remove"});
    if (ConditionHolds(*item)) into.push_back(EvaluateItem(*item));
  }
}

TIdeMsBuildItem TIdeMsBuildEvaluation::EvaluateItem(TXmlNode& item) {
  TIdeMsBuildItem result;
  result.ItemName = item.Name();
  result.Include = Evaluated(item, L"Include");
  result.Exclude = Evaluated(item, L"Exclude");
  result.Remove = Evaluated(item, L"Remove");
  result.FullInclude = result.Include;
  if (!result.Include.empty() && !IsAbsolutePath(result.Include)) {
    const String folder = FParser.FWorkingDirectory.empty()
                              ? ExtractFileDir(FParser.FCurrentFileName)
                              : FParser.FWorkingDirectory;
    const String joined = JoinAndNormalisePath(folder, result.Include);
    if (platform::FileExists(joined)) result.FullInclude = joined;
  }
  for (TXmlNode* metadata : ChildElements(item)) {
    CheckAttributes(*metadata, {L"Condition"});
    for (const auto& child : metadata->Children()) {
      if (child->IsElement()) UnknownElement(*child);
    }
    if (ConditionHolds(*metadata))
      result.Metadata.push_back({metadata->Name(), FParser.EvaluateString(metadata->Text())});
  }
  return result;
}

void TIdeMsBuildEvaluation::EvaluateTarget(TXmlNode& target) {
  CheckAttributes(target, {L"Condition", L"Name", L"DependsOnTargets", L"Returns", L"Inputs",
                           L"Outputs", L"BeforeTargets", L"AfterTargets", L"KeepDuplicateOutputs"});
  TIdeMsBuildTarget result;
  result.Name = Evaluated(target, L"Name");
  if (result.Name.empty()) RaiseMsBuildError(L"Missing target name");
  for (const auto& attribute : kTargetAttributes)
    result.*attribute.Field = Evaluated(target, attribute.Name);
  result.ConditionHolds = ConditionHolds(target);
  if (result.ConditionHolds) {
    for (TXmlNode* child : ChildElements(target)) {
      if (child->Name() == L"OnError")
        EvaluateOnError(*child, result);
      else if (child->Name() != L"PropertyGroup" && child->Name() != L"ItemGroup")
        EvaluateTask(*child, result);
    }
  }
  FParser.FTargets.push_back(std::move(result));
}

void TIdeMsBuildEvaluation::EvaluateTask(TXmlNode& task, TIdeMsBuildTarget& into) {
  std::vector<TXmlNode*> outputs = ChildElements(task);
  for (TXmlNode* output : outputs) {
    if (output->Name() != L"Output") UnknownElement(*output);
    CheckAttributes(*output, {L"Condition", L"TaskParameter", L"PropertyName", L"ItemName"});
    for (TXmlNode* child : ChildElements(*output)) UnknownElement(*child);
  }
  if (!ConditionHolds(task)) return;
  TIdeMsBuildTask result;
  result.Name = task.Name();
  for (const TXmlAttribute& attribute : task.Attributes()) {
    if (attribute.Name == L"ContinueOnError")
      result.ContinueOnError = FParser.EvaluateString(attribute.Value);
    else if (attribute.Name != L"Condition")
      result.Parameters.push_back({attribute.Name, FParser.EvaluateString(attribute.Value)});
  }
  for (TXmlNode* output : outputs) {
    if (!ConditionHolds(*output)) continue;
    TIdeMsBuildTaskOutput entry{Evaluated(*output, L"TaskParameter"),
                                Evaluated(*output, L"PropertyName"),
                                Evaluated(*output, L"ItemName")};
    if (entry.TaskParameter.empty()) RaiseMsBuildError(L"Missing task parameter");
    if (entry.PropertyName.empty() && entry.ItemName.empty())
      RaiseMsBuildError(L"Missing output name");
    result.Outputs.push_back(std::move(entry));
  }
  into.Tasks.push_back(std::move(result));
}

void TIdeMsBuildEvaluation::EvaluateOnError(TXmlNode& onError, TIdeMsBuildTarget& into) {
  CheckAttributes(onError, {L"Condition", L"ExecuteTargets"});
  for (TXmlNode* child : ChildElements(onError)) UnknownElement(*child);
  if (!ConditionHolds(onError)) return;
  for (const String& target : SplitList(Evaluated(onError, L"ExecuteTargets")))
    into.ErrorTargets.push_back(target);
}

void TIdeMsBuildEvaluation::EvaluateUsingTask(TXmlNode& usingTask) {
  CheckAttributes(usingTask,
                  {L"Condition", L"TaskName", L"TaskFactory", L"AssemblyName", L"AssemblyFile"});
  if (!ConditionHolds(usingTask)) return;
  TIdeMsBuildUsingTask result;
  for (const auto& attribute : kUsingTaskAttributes)
    result.*attribute.Field = Evaluated(usingTask, attribute.Name);
  if (result.TaskName.empty()) RaiseMsBuildError(L"Missing task name");
  if (result.AssemblyName.empty() && result.AssemblyFile.empty())
    RaiseMsBuildError(L"Missing assembly");
  for (TXmlNode* child : ChildElements(usingTask)) {
    if (child->Name() == L"ParameterGroup") {
      CheckAttributes(*child, {});
      for (TXmlNode* parameter : ChildElements(*child)) {
        CheckAttributes(*parameter, {L"ParameterType", L"Output", L"Required"});
        for (TXmlNode* inner : ChildElements(*parameter)) UnknownElement(*inner);
        result.Parameters.push_back({parameter->Name(), Attribute(*parameter, L"ParameterType"),
                                     Attribute(*parameter, L"Output"),
                                     Attribute(*parameter, L"Required")});
      }
    } else if (child->Name() == L"TaskBody") {
      CheckAttributes(*child, {L"Evaluate"});
      for (const auto& inner : child->Children()) {
        if (inner->IsElement()) UnknownElement(*inner);
      }
      const bool evaluate = SameTextAscii(Attribute(*child, L"Evaluate"), L"true");
      result.TaskBody = evaluate ? FParser.EvaluateString(child->Text()) : child->Text();
    } else {
      UnknownElement(*child);
    }
  }
  FParser.FUsingTasks.push_back(std::move(result));
}
