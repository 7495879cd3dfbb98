// Helpers for the MSBuild evaluator tests: project files written into a temporary folder.
#pragma once

#include <memory>
#include <string>

#include "fixtures/ide/TempFolder.h"
#include "idetools/IdeMsBuild.h"

constexpr const char* kProjectOpen =
    "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">";

// A parser over a project whose Project element holds body; Init() has run.
class TProjectFixture {
 public:
  explicit TProjectFixture(const std::string& body, const String& name = L"test.proj")
      : FFile(FFolder.Write(name, std::string(kProjectOpen) + body + "</Project>")),
        FParser(std::make_unique<TIdeMsBuildParser>(FFile)) {
    FParser->Init();
  }
  TIdeMsBuildParser& Parser() { return *FParser; }
  TIdeMsBuildParser* operator->() { return FParser.get(); }
  const TTempFolder& Folder() const { return FFolder; }
  const String& File() const { return FFile; }

 private:
  TTempFolder FFolder;
  String FFile;
  std::unique_ptr<TIdeMsBuildParser> FParser;
};

// The message of the EIdeMsBuildError that parsing raises; empty when it parses.
inline String ParseError(const std::string& body) {
  TProjectFixture project(body);
  try {
    project->Parse();
  } catch (const EIdeMsBuildError& e) {
    return e.Message();
  }
  return String();
}
