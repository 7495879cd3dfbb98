// Figures of the process runner: a child writing 50 MB of lines, read through the line callback
// and, for comparison, written by the same child straight into a file; and the parent's CPU time
// while a child stays silent for 5 s.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "DirectRun.h"
#include "compiler/CmdProcess.h"
#include "fixtures/fakedcc/FakeCompilerFolder.h"

namespace {

constexpr size_t kFloodBytes = 50u * 1024 * 1024;
constexpr size_t kLineLength = 80;  // CR LF included

double SecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(ProcessBench, FiftyMegabytesOfLinesThroughTheCallbackAndStraightIntoAFile) {
  TFakeCompiler fake(L"flood.exe");
  fake.WriteScript("flood " + std::to_string(kFloodBytes) + " " + std::to_string(kLineLength) +
                   "\n");
  size_t lines = 0;
  TIdeExecuteCmdProcessOptions options(L"\"" + fake.ExePath() + L"\"");
  options.SetOutputLineCallback([&lines](const String&) { ++lines; });
  const double throughCallback = SecondsOf([&] { RunCmdProcess(options); });
  const double straightIntoFile = SecondsOf([&] {
    RunStraightIntoFile(fake.NativeExePath(), fake.NativeExePath().parent_path() / "out");
  });

  const double megabytes = static_cast<double>(kFloodBytes) / (1024 * 1024);
  std::printf("line callback:      %7.3f s  %10.0f lines/s  %7.1f MB/s  (%zu lines)\n",
              throughCallback, static_cast<double>(lines) / throughCallback,
              megabytes / throughCallback, lines);
  std::printf("straight into file: %7.3f s  %10.0f lines/s  %7.1f MB/s\n", straightIntoFile,
              static_cast<double>(kFloodBytes / kLineLength) / straightIntoFile,
              megabytes / straightIntoFile);
  EXPECT_EQ(lines, (kFloodBytes + kLineLength - 1) / kLineLength);
}

TEST(ProcessBench, SilentChildCostsTheWaitingParentNoCpuTime) {
  TFakeCompiler fake(L"silent.exe");
  fake.WriteScript("sleep 5000\n");
  TIdeExecuteCmdProcessOptions options(L"\"" + fake.ExePath() + L"\"");
  options.SetOutputLineCallback([](const String&) {});
  double cpu = 0;
  const double wall = SecondsOf([&] {
    const double before = ProcessCpuSeconds();
    RunCmdProcess(options);
    cpu = ProcessCpuSeconds() - before;
  });
  std::printf("silent child: %.3f s waited, %.4f CPU seconds in the parent\n", wall, cpu);
  EXPECT_LT(cpu, 0.1);
}
