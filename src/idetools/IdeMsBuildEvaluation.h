// Internal to the MSBuild evaluator: the walk over a project's elements that TIdeMsBuildParser::
// Parse runs, with the checks of which attributes and children each element may have.
#pragma once

#include <initializer_list>

#include "IdeMsBuild.h"

class TIdeMsBuildEvaluation {
 public:
  explicit TIdeMsBuildEvaluation(TIdeMsBuildParser& parser) : FParser(parser) {}

  // The root of the current file: the Project element and everything below it.
  void EvaluateProject(TXmlNode& root);

 private:
  // Raises "Unknown property" for an attribute outside allowed.
  static void CheckAttributes(const TXmlNode& element,
                              std::initializer_list<const wchar_t*> allowed);
  // The child elements, raising "Unsupported child type" for text, CDATA and processing
  // instructions; comments are skipped.
  static std::vector<TXmlNode*> ChildElements(const TXmlNode& element);
  [[noreturn]] static void UnknownElement(const TXmlNode& element);
  String Attribute(const TXmlNode& element, const wchar_t* name) const;
  String Evaluated(const TXmlNode& element, const wchar_t* name);
  bool ConditionHolds(const TXmlNode& element);
  bool InMainFile() const;

  void EvaluateProjectChild(TXmlNode& child);
  void EvaluateChoose(TXmlNode& choose);
  void EvaluateChooseBranch(TXmlNode& branch);
  void EvaluatePropertyGroup(TXmlNode& group);
  void EvaluateProperty(TXmlNode& property);
  void EvaluateImportGroup(TXmlNode& group);
  void EvaluateImport(TXmlNode& import);
  void ImportFile(const String& fileName);

  // Declarations (IdeMsBuildDeclarations.cpp).
  void EvaluateItemGroup(TXmlNode& group, std::vector<TIdeMsBuildItem>& into);
  TIdeMsBuildItem EvaluateItem(TXmlNode& item);
  void EvaluateTarget(TXmlNode& target);
  void EvaluateTask(TXmlNode& task, TIdeMsBuildTarget& into);
  void EvaluateOnError(TXmlNode& onError, TIdeMsBuildTarget& into);
  void EvaluateUsingTask(TXmlNode& usingTask);

  TIdeMsBuildParser& FParser;
};

// The ";"-separated parts of text, empty parts left out.
std::vector<String> SplitList(const String& text);
