#include "compiler/IdeCommandLineTool.h"

#include "compiler/CompilerPaths.h"
#include "idetools/IdeFileNames.h"
#include "core/Format.h"
#include "platform/Files.h"
#include "platform/Locale.h"

namespace {

String QuotedIfSpaced(const String& path) {
  if (path.find(L' ') == String::npos) return path;
  String quoted = L"\"";
  for (const wchar_t c : path) {
    quoted += c;
    if (c == L'"') quoted += c;
  }
  return quoted + L"\"";
}

}  // namespace

TIdeBorlandCommandLineTool::TIdeBorlandCommandLineTool(
    const String& ABinDirectory, bool ALongPathBug,
    TIdeCompilerSettingsFormat ACompilerSettingsFormat)
    : FBinDirectory(ABinDirectory),
      FCompilerSettingsFormat(ACompilerSettingsFormat),
      FLongPathBug(ALongPathBug) {}

String TIdeBorlandCommandLineTool::FileName() const {
  return QuotedIfSpaced(FBinDirectory + GetExeName());
}

String TIdeBorlandCommandLineTool::GetExeName() const {
  throw EAbstractError(L"Abstract Error");
}

String TIdeBorlandCommandLineTool::GetOutput() const {
  if (FOutputCallback) {
    throw EIdeCommandLineToolError(
        Format(L"%s: Output invalid, when OutputCallback assigned.", {GetExeName()}));
  }
  return FOutput;
}

void TIdeBorlandCommandLineTool::AddPathOption(const String& Option, const String& Path) {
  String path = WithoutTrailingBackslash(Path);
  if (FLongPathBug) path = MapPathList(path, ShortPathOrSelf);
  const String entry = Format(L"-%s\"%s\"", {Option, path});
  const String folded = UpperText(entry);
  for (const String& existing : FOptions.Items()) {
    if (UpperText(existing) == folded) return;
  }
  FOptions.Add(entry);
}

bool TIdeBorlandCommandLineTool::Execute(const String& CommandLine) {
  CallOnBeforeExecute();
  const bool result = RunCommandLine(CommandLine);
  CallOnAfterExecute();
  return result;
}

void TIdeBorlandCommandLineTool::SetOutputCallback(const TTextHandler& CallbackMethod) {
  FOutputCallback = CallbackMethod;
}

bool TIdeBorlandCommandLineTool::RunCommandLine(const String& CommandLine) {
  const String fullCommandLine = Format(L"%s %s", {FileName(), CommandLine});
  TIdeExecuteCmdProcessOptions options(fullCommandLine);
  bool started = false;
  if (FOutputCallback) {
    options.SetOutputLineCallback(FOutputCallback);
    FOutputCallback(fullCommandLine);
    started = RunCmdProcess(options);
  } else {
    started = RunCmdProcess(options);
    FOutput += options.Output();
  }
  return started && options.ExitCode() == 0;
}

void TIdeBorlandCommandLineTool::CallOnBeforeExecute() {
  if (FOnBeforeExecute) FOnBeforeExecute(*this);
}

void TIdeBorlandCommandLineTool::CallOnAfterExecute() {
  if (FOnAfterExecute) FOnAfterExecute(*this);
}
