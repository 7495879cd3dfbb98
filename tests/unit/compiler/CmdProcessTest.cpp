#include "compiler/CmdProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "compiler/OSError.h"
#include "platform/Faults.h"
#include "platform/Files.h"

namespace {

using Lines = std::vector<String>;
using Clock = std::chrono::steady_clock;

#ifdef _WIN32
constexpr uint32_t kFileNotFound = 2;  // ERROR_FILE_NOT_FOUND
constexpr uint32_t kReadFault = 30;    // ERROR_READ_FAULT
#else
constexpr uint32_t kFileNotFound = 2;  // ENOENT
constexpr uint32_t kReadFault = 5;     // EIO
#endif

class CmdProcess : public ::testing::Test {
 protected:
  void TearDown() override { platform::ClearFaults(); }

  // Options running the fake with the script, collecting standard-output lines.
  TIdeExecuteCmdProcessOptions Collecting(const std::string& script) {
    Fake.WriteScript(script);
    TIdeExecuteCmdProcessOptions options(L"\"" + Fake.ExePath() + L"\"");
    options.SetOutputLineCallback([this](const String& line) { Received.push_back(line); });
    return options;
  }

  TFakeCompiler Fake;
  Lines Received;
};

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

TEST(CmdProcessOptions, CreateSetsTheDefaults) {
  const TIdeExecuteCmdProcessOptions options(L"tool.exe");
  EXPECT_EQ(options.CommandLine(), L"tool.exe");
  EXPECT_EQ(options.AbortPtr(), nullptr);
  EXPECT_EQ(options.AbortEvent(), nullptr);
  EXPECT_FALSE(options.OutputLineCallback());
  EXPECT_FALSE(options.RawOutput());
  EXPECT_FALSE(options.MergeError());
  EXPECT_FALSE(options.ErrorLineCallback());
  EXPECT_FALSE(options.RawError());
  EXPECT_EQ(options.ProcessPriority(), ppNormal);
  EXPECT_TRUE(options.AutoConvertOem());
  EXPECT_EQ(options.CreateProcessFlags(), 0u);
  EXPECT_EQ(options.StartupVisibility(), svHide);
  EXPECT_FALSE(options.BeforeResume());
  EXPECT_EQ(options.ExitCode(), 0u);
  EXPECT_EQ(options.Output(), L"");
  EXPECT_EQ(options.Error(), L"");
}

TEST(CmdProcessOptions, PrioritiesMapToThePlatformsPriorityClasses) {
  EXPECT_EQ(PriorityClassOf(ppIdle), 64u);
  EXPECT_EQ(PriorityClassOf(ppNormal), 32u);
  EXPECT_EQ(PriorityClassOf(ppHigh), 128u);
  EXPECT_EQ(PriorityClassOf(ppRealTime), 256u);
  EXPECT_EQ(PriorityClassOf(ppBelowNormal), 16384u);
  EXPECT_EQ(PriorityClassOf(ppAboveNormal), 32768u);
}

TEST_F(CmdProcess, FirstLineArrivesWhileTheChildRunsAndTheUnterminatedOneAtTheEnd) {
  TIdeExecuteCmdProcessOptions options = Collecting("raw first\\r\\nsecond\nsleep 1000\n");
  std::vector<uint32_t> exitCodes;  // all bits set until the child has ended
  options.SetOutputLineCallback([&](const String& line) {
    Received.push_back(line);
    exitCodes.push_back(options.ExitCode());
  });
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(Received, (Lines{L"first", L"second"}));
  EXPECT_EQ(exitCodes, (std::vector<uint32_t>{0xFFFFFFFFu, 0u}));
}

TEST_F(CmdProcess, LineWrittenInTwoPartsArrivesOnce) {
  TIdeExecuteCmdProcessOptions options = Collecting("raw Hel\nsleep 200\nraw lo\\r\\n\n");
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(Received, Lines{L"Hello"});
}

TEST_F(CmdProcess, CarriageReturnAndLineFeedInSeparateWritesEndOneLine) {
  TIdeExecuteCmdProcessOptions options = Collecting("raw abc\\r\nsleep 200\nraw \\ndef\\r\\n\n");
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(Received, (Lines{L"abc", L"def"}));
}

TEST_F(CmdProcess, ProgressLinesEndedByBareCarriageReturnAreDropped) {
  TIdeExecuteCmdProcessOptions options =
      Collecting("raw 10%\\r\nsleep 100\nraw 20%\\r\nout Done\n");
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(Received, Lines{L"Done"});
}

TEST_F(CmdProcess, ExitCodeIsTheChildsOwn) {
  TIdeExecuteCmdProcessOptions options = Collecting("exit 3\n");
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(options.ExitCode(), 3u);
}

TEST_F(CmdProcess, ChildRunsWithTheRequestedPriority) {
  if (RunningUnderWine()) GTEST_SKIP() << "Wine ignores the priority class of a new process";
  TIdeExecuteCmdProcessOptions options = Collecting("exit 0\n");
  options.SetProcessPriority(ppIdle);
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(Fake.Runs().at(0).at("priority"), Lines{L"64"});
}

TEST_F(CmdProcess, PriorityClassBitsOfTheCreationFlagsAreReplaced) {
  if (RunningUnderWine()) GTEST_SKIP() << "Wine ignores the priority class of a new process";
  TIdeExecuteCmdProcessOptions options = Collecting("exit 0\n");
  options.SetCreateProcessFlags(128);  // HIGH_PRIORITY_CLASS
  options.SetProcessPriority(ppBelowNormal);
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(Fake.Runs().at(0).at("priority"), Lines{L"16384"});
}

TEST_F(CmdProcess, MissingExecutableFailsWithFileNotFoundAndNoCallback) {
  TIdeExecuteCmdProcessOptions options(L"\"" + Fake.BinFolder() + L"missing.exe\" -x");
  int calls = 0;
  options.SetOutputLineCallback([&](const String&) { ++calls; });
  options.SetErrorLineCallback([&](const String&) { ++calls; });
  EXPECT_FALSE(RunCmdProcess(options));
  EXPECT_EQ(options.ExitCode(), kFileNotFound);
  EXPECT_EQ(calls, 0);
}

TEST_F(CmdProcess, StandardErrorWithoutCallbackEndsUpOnlyInError) {
  TIdeExecuteCmdProcessOptions options = Collecting("out to output\nerr to error\n");
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(Received, Lines{L"to output"});
  EXPECT_EQ(options.Error(), L"to error\r\n");
}

TEST_F(CmdProcess, StandardErrorLinesReachTheErrorCallback) {
  TIdeExecuteCmdProcessOptions options = Collecting("err problem\n");
  Lines errors;
  options.SetErrorLineCallback([&](const String& line) { errors.push_back(line); });
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(errors, Lines{L"problem"});
  EXPECT_EQ(options.Error(), L"");
}

TEST_F(CmdProcess, MergedStandardErrorArrivesWithTheOutputLines) {
  TIdeExecuteCmdProcessOptions options = Collecting("out one\nsleep 100\nerr two\n");
  options.SetMergeError(true);
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(Received, (Lines{L"one", L"two"}));
}

TEST_F(CmdProcess, WithoutCallbackOutputHoldsTheTextAsATerminalShowsIt) {
  Fake.WriteScript("raw abcdef\\r\nsleep 100\nraw xy\\n\n");
  TIdeExecuteCmdProcessOptions options(L"\"" + Fake.ExePath() + L"\"");
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(options.Output(), L"xy\r\n");
}

TEST_F(CmdProcess, AbortEventEndsTheRunWithExitCode1223) {
  TIdeExecuteCmdProcessOptions options = Collecting("out started\nsleep 20000\nout never\n");
  TIdeEvent abort(true, false);
  options.SetAbortEvent(&abort);
  std::atomic<bool> sawStart{false};
  options.SetOutputLineCallback([&](const String& line) {
    Received.push_back(line);
    sawStart = true;
  });
  std::thread signaller([&abort, &sawStart] {
    for (int i = 0; i < 1500 && !sawStart; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    abort.SetEvent();
  });
  const auto start = Clock::now();
  const bool started = RunCmdProcess(options);
  signaller.join();
  EXPECT_TRUE(started);
  EXPECT_EQ(options.ExitCode(), 1223u);
  EXPECT_EQ(Received, Lines{L"started"});
  EXPECT_LT(SecondsSince(start), 10.0);
}

TEST_F(CmdProcess, AbortFlagSetByTheCallbackEndsTheRun) {
  TIdeExecuteCmdProcessOptions options = Collecting("out first\nsleep 20000\nout never\n");
  std::atomic<bool> abort{true};  // cleared when the run starts
  options.SetAbortPtr(&abort);
  options.SetOutputLineCallback([&](const String& line) {
    Received.push_back(line);
    abort = true;
  });
  const auto start = Clock::now();
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_EQ(options.ExitCode(), 1223u);
  EXPECT_EQ(Received, Lines{L"first"});
  EXPECT_LT(SecondsSince(start), 10.0);
}

TEST_F(CmdProcess, AbortFlagSetByAnotherThreadEndsASilentRun) {
  TIdeExecuteCmdProcessOptions options = Collecting("sleep 20000\n");
  std::atomic<bool> abort{false};
  std::atomic<bool> finished{false};
  options.SetAbortPtr(&abort);
  std::thread setter([&abort, &finished] {  // the run clears the flag once, when it starts
    while (!finished) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      abort = true;
    }
  });
  const auto start = Clock::now();
  const bool started = RunCmdProcess(options);
  finished = true;
  setter.join();
  EXPECT_TRUE(started);
  EXPECT_EQ(options.ExitCode(), 1223u);
  EXPECT_LT(SecondsSince(start), 10.0);
}

// The first failing run of a process lets Wine set up what it keeps for good (the unwinder's
// state, for one); handles are therefore counted around a second, identical run.
TEST_F(CmdProcess, ExceptionFromTheCallbackEndsTheChildAndReachesTheCaller) {
  auto failingRun = [this] {
    TIdeExecuteCmdProcessOptions options = Collecting("out boom\nsleep 20000\n");
    options.SetOutputLineCallback([](const String&) { throw std::runtime_error("callback"); });
    EXPECT_THROW(RunCmdProcess(options), std::runtime_error);
    return options.ExitCode();
  };
  failingRun();
  const int handlesBefore = OpenHandleCount();
  const auto start = Clock::now();
  EXPECT_EQ(failingRun(), 1223u);
  EXPECT_LT(SecondsSince(start), 10.0);
  EXPECT_EQ(OpenHandleCount(), handlesBefore);
}

TEST_F(CmdProcess, FailedPipeReadRaisesTheErrorAndCleansUp) {
  auto failingRun = [this](uint32_t& code) {
    TIdeExecuteCmdProcessOptions options = Collecting("out line\nsleep 20000\n");
    platform::FailNth(platform::FaultKind::PipeRead, 1);
    try {
      RunCmdProcess(options);
    } catch (const EOSError& e) {
      code = e.ErrorCode();
    }
    return options.ExitCode();
  };
  uint32_t code = 0;
  failingRun(code);
  const int handlesBefore = OpenHandleCount();
  code = 0;
  EXPECT_EQ(failingRun(code), 1223u);
  EXPECT_EQ(code, kReadFault);
  EXPECT_TRUE(Received.empty());
  EXPECT_EQ(OpenHandleCount(), handlesBefore);
}

TEST_F(CmdProcess, BeforeResumeRunsWhileTheChildIsStillSuspended) {
  TIdeExecuteCmdProcessOptions options = Collecting("out ran\n");
  bool recordExisted = true;
  uint32_t processId = 0;
  options.SetBeforeResume([&](const TIdeProcessInformation& info) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    recordExisted = platform::FileExists(Fake.BinFolder() + L"dcc32.record");
    processId = info.dwProcessId;
  });
  EXPECT_TRUE(RunCmdProcess(options));
  EXPECT_FALSE(recordExisted);
  EXPECT_NE(processId, 0u);
  EXPECT_EQ(Received, Lines{L"ran"});
}

TEST_F(CmdProcess, ExceptionFromBeforeResumeEndsTheChildAndReachesTheCaller) {
  TIdeExecuteCmdProcessOptions options = Collecting("sleep 20000\n");
  options.SetBeforeResume([](const TIdeProcessInformation&) { throw std::runtime_error("hook"); });
  const auto start = Clock::now();
  EXPECT_THROW(RunCmdProcess(options), std::runtime_error);
  EXPECT_EQ(options.ExitCode(), 1223u);
  EXPECT_LT(SecondsSince(start), 10.0);
}

TEST_F(CmdProcess, RunsLeaveNoHandleOpen) {
  TIdeExecuteCmdProcessOptions first = Collecting("out warm-up\n");
  RunCmdProcess(first);
  const int handlesBefore = OpenHandleCount();
  TIdeExecuteCmdProcessOptions second = Collecting("out again\nerr also\n");
  EXPECT_TRUE(RunCmdProcess(second));
  EXPECT_EQ(OpenHandleCount(), handlesBefore);
}

TEST(IdeEvent, ManualResetEventStaysSignalledUntilReset) {
  TIdeEvent event(true, false);
  EXPECT_FALSE(event.WaitFor(0));
  event.SetEvent();
  EXPECT_TRUE(event.WaitFor(0));
  EXPECT_TRUE(event.WaitFor(0));
  event.ResetEvent();
  EXPECT_FALSE(event.WaitFor(0));
}

TEST(IdeEvent, AutoResetEventIsResetByASuccessfulWait) {
  TIdeEvent event(false, true);
  EXPECT_TRUE(event.WaitFor(0));
  EXPECT_FALSE(event.WaitFor(0));
}

TEST(IdeEvent, EventClosesItsHandleWhenDestroyed) {
  const int before = OpenHandleCount();
  {
    const TIdeEvent event(true, false);
    EXPECT_EQ(OpenHandleCount(), before + 1);
  }
  EXPECT_EQ(OpenHandleCount(), before);
}
