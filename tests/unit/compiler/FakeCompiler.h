// A fresh bin folder holding the fake compiler (tests/fixtures/fakedcc) under the name the test
// gives it, with helpers to write its script and to read what it recorded. The folder is
// removed when the object goes.
#pragma once

#include <filesystem>
#include <map>
#include <vector>

#include "core/String.h"

// One run as the fake compiler recorded it: each key's values in order.
using TFakeRun = std::map<std::string, std::vector<String>>;

class TFakeCompiler {
 public:
  explicit TFakeCompiler(const String& exeName = L"dcc32.exe");
  TFakeCompiler(const TFakeCompiler&) = delete;
  TFakeCompiler& operator=(const TFakeCompiler&) = delete;
  ~TFakeCompiler();

  // The test's own scratch folder (Windows form, with a trailing backslash); the bin folder
  // is inside it.
  const String& RootFolder() const { return FRootFolder; }
  const String& BinFolder() const { return FBinFolder; }
  String ExePath() const { return FBinFolder + FExeName; }
  // Makes a folder (with parents) below the scratch folder; returns it with a trailing backslash.
  String MakeFolder(const String& relative) const;

  void WriteScript(const std::string& script) const;
  std::vector<TFakeRun> Runs() const;

 private:
  std::filesystem::path FRoot;
  String FRootFolder;
  String FBinFolder;
  String FExeName;
};

// The Windows form of a path of the machine running the tests.
String SystemPath(const std::filesystem::path& path);
// Writes bytes to a file given in Windows form.
void WriteTextFile(const String& path, const std::string& bytes);
std::string ReadTextFile(const String& path);
// Handles (Windows) or file descriptors (natively) the process holds open right now.
int OpenHandleCount();
