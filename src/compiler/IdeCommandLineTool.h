// The base of every driver of an IDE command-line tool (compilers, make, project converter).
// A driver knows its executable (BinDirectory + GetExeName), keeps the ordered option list of
// its next run, runs the tool through RunCmdProcess and either forwards each output line to its
// callback (the first line of a run being the full command line) or accumulates the output in
// Output. OnBeforeExecute and OnAfterExecute are called around each run, on the caller's thread.
//
// Execute returns true only when the tool started and ended with exit code 0; a tool that cannot
// be started is false, not an error. Errors of the run (a failing read, an exception of the
// callback) pass through unchanged, and OnAfterExecute is then not called. Reading Output while
// a callback is set raises EIdeCommandLineToolError; GetExeName of the base raises
// EAbstractError. A driver owns its option list; callbacks and events are the owner's.
#pragma once

#include <functional>

#include "compiler/CmdProcess.h"
#include "compiler/IdeCompilerErrors.h"
#include "core/String.h"
#include "core/StringList.h"
#include "idetools/IdeCompilerSettingsFormat.h"

class TIdeBorlandCommandLineTool;
using TIdeBorlandCommandLineToolEvent = std::function<void(TIdeBorlandCommandLineTool& Sender)>;

// What an installation needs of a tool it keeps only through this interface.
class IIdeCommandLineTool {
 public:
  virtual ~IIdeCommandLineTool() = default;
  virtual String GetExeName() const = 0;
  virtual TStringList& GetOptions() = 0;
  virtual String GetOutput() const = 0;
  virtual TTextHandler GetOutputCallback() const = 0;
  virtual void AddPathOption(const String& Option, const String& Path) = 0;
  virtual bool Execute(const String& CommandLine) = 0;
  virtual void SetOutputCallback(const TTextHandler& CallbackMethod) = 0;
};

class TIdeBorlandCommandLineTool : public IIdeCommandLineTool {
 public:
  TIdeBorlandCommandLineTool(const String& ABinDirectory, bool ALongPathBug,
                             TIdeCompilerSettingsFormat ACompilerSettingsFormat);
  TIdeBorlandCommandLineTool(const TIdeBorlandCommandLineTool&) = delete;
  TIdeBorlandCommandLineTool& operator=(const TIdeBorlandCommandLineTool&) = delete;

  const String& BinDirectory() const { return FBinDirectory; }
  TIdeCompilerSettingsFormat CompilerSettingsFormat() const { return FCompilerSettingsFormat; }
  bool LongPathBug() const { return FLongPathBug; }
  String ExeName() const { return GetExeName(); }
  // BinDirectory + ExeName, in double quotes (inner quotes doubled) when it holds a space.
  String FileName() const;
  TStringList& Options() { return FOptions; }
  String Output() const { return GetOutput(); }
  const TIdeBorlandCommandLineToolEvent& OnBeforeExecute() const { return FOnBeforeExecute; }
  void SetOnBeforeExecute(TIdeBorlandCommandLineToolEvent value) {
    FOnBeforeExecute = std::move(value);
  }
  const TIdeBorlandCommandLineToolEvent& OnAfterExecute() const { return FOnAfterExecute; }
  void SetOnAfterExecute(TIdeBorlandCommandLineToolEvent value) {
    FOnAfterExecute = std::move(value);
  }

  String GetExeName() const override;
  TStringList& GetOptions() override { return FOptions; }
  String GetOutput() const override;
  TTextHandler GetOutputCallback() const override { return FOutputCallback; }
  // Adds -<Option>"<Path>" unless an entry equal to it ignoring case exists. One trailing
  // backslash of Path goes; with LongPathBug each ";"-separated element becomes its short form.
  void AddPathOption(const String& Option, const String& Path) override;
  bool Execute(const String& CommandLine) override;
  // Replaces the callback; an empty one switches back to accumulating Output.
  void SetOutputCallback(const TTextHandler& CallbackMethod) override;

 protected:
  // Runs FileName followed by a space and CommandLine; true when it started and returned 0.
  bool RunCommandLine(const String& CommandLine);
  void ClearOutput() { FOutput.clear(); }
  void CallOnBeforeExecute();
  void CallOnAfterExecute();

 private:
  String FBinDirectory;
  TIdeCompilerSettingsFormat FCompilerSettingsFormat;
  bool FLongPathBug;
  TStringList FOptions;
  TTextHandler FOutputCallback;
  String FOutput;
  TIdeBorlandCommandLineToolEvent FOnAfterExecute;
  TIdeBorlandCommandLineToolEvent FOnBeforeExecute;
};

// Drivers whose callers build the whole command line and pass it to Execute.
class TIdeBCC32 : public TIdeBorlandCommandLineTool {
 public:
  using TIdeBorlandCommandLineTool::TIdeBorlandCommandLineTool;
  String GetExeName() const override { return L"bcc32.exe"; }
  virtual String GetPlatform() const { return L"Win32"; }
};

class TIdeBCC64 : public TIdeBCC32 {
 public:
  using TIdeBCC32::TIdeBCC32;
  String GetExeName() const override { return L"bcc64.exe"; }
  String GetPlatform() const override { return L"Win64"; }
};

class TIdeBorlandMake : public TIdeBorlandCommandLineTool {
 public:
  using TIdeBorlandCommandLineTool::TIdeBorlandCommandLineTool;
  String GetExeName() const override { return L"make.exe"; }
};

class TIdeBpr2Mak : public TIdeBorlandCommandLineTool {
 public:
  using TIdeBorlandCommandLineTool::TIdeBorlandCommandLineTool;
  String GetExeName() const override { return L"bpr2mak.exe"; }
};
