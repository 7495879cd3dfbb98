// Runs one command line as a child process and captures what it writes to its standard output
// and, separately or merged, to its standard error, while it runs. Each stream goes line by line
// to a callback or, without one, is accumulated as text for after the run. The run is
// synchronous: every callback is made on the calling thread before RunCmdProcess returns.
//
// RunCmdProcess returns true when the child was created; the child's verdict is ExitCode(): its
// exit code, 1223 after an abort, or the platform's error code of the step that failed when
// nothing was started (then no callback is made and nothing is raised). A failing read or wait
// raises EOSError; an exception from a callback or from BeforeResume reaches the caller
// unchanged. In both cases the child is first terminated (exit code 1223) and waited for, and
// every handle is closed.
//
// Aborting: the run ends at the next turn of its wait once the watched flag is true or the abort
// event is signalled. A wait that watches the caller's flag also wakes every 100 ms, so that a
// flag set by another thread ends a run whose child stays silent; otherwise the wait has no
// time limit and costs no CPU time. A child created suspended (BeforeResume, or CREATE_SUSPENDED
// among the creation flags) is always resumed, so a run never waits on a child that cannot run.
//
// The caller owns the options object and the abort flag and event it points to. Natively the
// child is started with fork/exec; the command line follows the Windows rules for quoting, the
// program named by it is a Windows path (see platform/Files.h), and the child finds the whole
// command line in the environment variable QRV_COMMAND_LINE, where Windows programs would call
// GetCommandLineW.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "compiler/IdeEvent.h"
#include "core/String.h"

// Receives one line of child output without its line end.
using TTextHandler = std::function<void(const String& Text)>;

// The child's show-window request: svHide is SW_HIDE, svShow is SW_SHOW, svNotSet asks nothing.
enum TStartupVisibility { svHide, svShow, svNotSet };

enum TIdeProcessPriority { ppIdle, ppNormal, ppHigh, ppRealTime, ppBelowNormal, ppAboveNormal };

// The platform's priority class for a priority (IDLE_PRIORITY_CLASS, ...).
uint32_t PriorityClassOf(TIdeProcessPriority priority);

// The just-created, still suspended child: its process and main-thread handles and ids.
// Natively hProcess is a pidfd of the child, there is no thread handle, and both ids are the
// child's process id.
struct TIdeProcessInformation {
  intptr_t hProcess = 0;
  intptr_t hThread = 0;
  uint32_t dwProcessId = 0;
  uint32_t dwThreadId = 0;
};

using TIdeExecuteCmdProcessOptionBeforeResumeEvent =
    std::function<void(const TIdeProcessInformation& ProcessInfo)>;

class TIdeExecuteCmdProcessOptions {
 public:
  explicit TIdeExecuteCmdProcessOptions(String ACommandLine)
      : FCommandLine(std::move(ACommandLine)) {}

  const String& CommandLine() const { return FCommandLine; }
  void SetCommandLine(const String& value) { FCommandLine = value; }
  // When set, the run watches this flag instead of its own; it is cleared when the run starts
  // and may be set from a callback or from another thread.
  std::atomic<bool>* AbortPtr() const { return FAbortPtr; }
  void SetAbortPtr(std::atomic<bool>* value) { FAbortPtr = value; }
  // When set, signalling it aborts the run; it is reset when the run starts. Not owned.
  TIdeEvent* AbortEvent() const { return FAbortEvent; }
  void SetAbortEvent(TIdeEvent* value) { FAbortEvent = value; }
  const TTextHandler& OutputLineCallback() const { return FOutputLineCallback; }
  void SetOutputLineCallback(TTextHandler value) { FOutputLineCallback = std::move(value); }
  // Keep lines ended by a bare carriage return instead of treating them as overwritten.
  bool RawOutput() const { return FRawOutput; }
  void SetRawOutput(bool value) { FRawOutput = value; }
  // Send standard error into the standard-output pipe.
  bool MergeError() const { return FMergeError; }
  void SetMergeError(bool value) { FMergeError = value; }
  const TTextHandler& ErrorLineCallback() const { return FErrorLineCallback; }
  void SetErrorLineCallback(TTextHandler value) { FErrorLineCallback = std::move(value); }
  bool RawError() const { return FRawError; }
  void SetRawError(bool value) { FRawError = value; }
  TIdeProcessPriority ProcessPriority() const { return FProcessPriority; }
  void SetProcessPriority(TIdeProcessPriority value) { FProcessPriority = value; }
  // Decode the child's bytes with the OEM code page (true) or the ANSI code page.
  bool AutoConvertOem() const { return FAutoConvertOem; }
  void SetAutoConvertOem(bool value) { FAutoConvertOem = value; }
  // Extra process-creation flags; the priority-class bits among them are replaced.
  uint32_t CreateProcessFlags() const { return FCreateProcessFlags; }
  void SetCreateProcessFlags(uint32_t value) { FCreateProcessFlags = value; }
  TStartupVisibility StartupVisibility() const { return FStartupVisibility; }
  void SetStartupVisibility(TStartupVisibility value) { FStartupVisibility = value; }
  // Called while the child is still suspended; the child is resumed afterwards in any case.
  const TIdeExecuteCmdProcessOptionBeforeResumeEvent& BeforeResume() const { return FBeforeResume; }
  void SetBeforeResume(TIdeExecuteCmdProcessOptionBeforeResumeEvent value) {
    FBeforeResume = std::move(value);
  }

  uint32_t ExitCode() const { return FExitCode; }
  // Accumulated text of the streams that had no callback; CR LF ends every line.
  const String& Output() const { return FOutput; }
  const String& Error() const { return FError; }

 private:
  friend class TCmdProcessRun;

  String FCommandLine;
  std::atomic<bool>* FAbortPtr = nullptr;
  TIdeEvent* FAbortEvent = nullptr;
  TTextHandler FOutputLineCallback;
  bool FRawOutput = false;
  bool FMergeError = false;
  TTextHandler FErrorLineCallback;
  bool FRawError = false;
  TIdeProcessPriority FProcessPriority = ppNormal;
  bool FAutoConvertOem = true;
  uint32_t FCreateProcessFlags = 0;
  TStartupVisibility FStartupVisibility = svHide;
  TIdeExecuteCmdProcessOptionBeforeResumeEvent FBeforeResume;
  uint32_t FExitCode = 0;
  String FOutput;
  String FError;
};

bool RunCmdProcess(TIdeExecuteCmdProcessOptions& Options);

// Exit code of a child ended by an abort or by an exception during its run.
constexpr uint32_t kAbortedExitCode = 1223;
