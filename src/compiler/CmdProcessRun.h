// One run of RunCmdProcess. Execute does the steps every platform shares (the initial exit code,
// the final partial lines) around RunChild, which each platform implements in its own source
// file (win32/CmdProcess.cpp, posix/CmdProcess.cpp): create the pipes, start the child, wait for
// it while reading, clean up. RunChild returns true when the child was created and, on the paths
// where it raises, has terminated the child and closed everything before the exception leaves.
#pragma once

#include "compiler/CmdProcess.h"
#include "compiler/PipeText.h"

class TCmdProcessRun {
 public:
  explicit TCmdProcessRun(TIdeExecuteCmdProcessOptions& options);
  TCmdProcessRun(const TCmdProcessRun&) = delete;
  TCmdProcessRun& operator=(const TCmdProcessRun&) = delete;

  bool Execute();

 private:
  bool RunChild();
  // The flag the wait loop watches: the caller's (cleared first) or this run's own.
  std::atomic<bool>& AbortFlag();

  TIdeExecuteCmdProcessOptions& FOptions;
  TPipeText FOutputText;
  TPipeText FErrorText;
  std::atomic<bool> FLocalAbort{false};
};
