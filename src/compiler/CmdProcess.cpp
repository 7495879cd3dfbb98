#include "compiler/CmdProcess.h"

#include "compiler/CmdProcessRun.h"

uint32_t PriorityClassOf(TIdeProcessPriority priority) {
  switch (priority) {
    case ppIdle:
      return 64;
    case ppNormal:
      return 32;
    case ppHigh:
      return 128;
    case ppRealTime:
      return 256;
    case ppBelowNormal:
      return 16384;
    case ppAboveNormal:
      return 32768;
  }
  return 32;
}

TCmdProcessRun::TCmdProcessRun(TIdeExecuteCmdProcessOptions& options) : FOptions(options) {
  FOutputText.TextHandler = options.OutputLineCallback();
  FOutputText.RawOutput = options.RawOutput();
  FOutputText.AutoConvertOem = options.AutoConvertOem();
  FErrorText.TextHandler = options.ErrorLineCallback();
  FErrorText.RawOutput = options.RawError();
  FErrorText.AutoConvertOem = options.AutoConvertOem();
}

bool TCmdProcessRun::Execute() {
  FOptions.FExitCode = 0xFFFFFFFFu;
  const bool started = RunChild();
  FinishPipeText(FOutputText, FOptions.FOutput);
  if (!FOptions.MergeError()) FinishPipeText(FErrorText, FOptions.FError);
  return started;
}

std::atomic<bool>& TCmdProcessRun::AbortFlag() {
  std::atomic<bool>* flag = FOptions.AbortPtr() ? FOptions.AbortPtr() : &FLocalAbort;
  flag->store(false);
  return *flag;
}

bool RunCmdProcess(TIdeExecuteCmdProcessOptions& Options) {
  TCmdProcessRun run(Options);
  return run.Execute();
}
