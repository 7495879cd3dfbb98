// The native run, a stand-in for the Windows one with the same order of steps: pipes, a child
// made with fork and exec, one poll on the child (a pidfd), the pipes and the abort event.
//
// The program named by the command line is looked up before the child is made (as a path, or in
// the current folder and then PATH, with ".exe" tried when the name has no extension), so a
// missing program fails the creation step with ENOENT, the counterpart of Windows'
// ERROR_FILE_NOT_FOUND (both 2). A suspended child waits before exec until it is resumed. A
// child that ends by a signal other than the run's own termination reports 128 + the signal.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "compiler/CmdProcessRun.h"
#include "compiler/OSError.h"
#include "compiler/posix/CommandLineArgs.h"
#include "platform/Faults.h"
#include "platform/posix/NativePath.h"

extern char** environ;

namespace {

constexpr size_t kReadSize = 255;  // into a buffer of 256 bytes
// How often a wait that watches the caller's abort flag looks at it again.
constexpr int kAbortFlagPollMs = 100;

// A file descriptor, closed when destroyed; move-only. Closing keeps errno.
class TFd {
 public:
  TFd() = default;
  explicit TFd(int fd) noexcept : FFd(fd) {}
  TFd(TFd&& other) noexcept : FFd(std::exchange(other.FFd, -1)) {}
  TFd& operator=(TFd&& other) noexcept {
    if (this != &other) {
      Close();
      FFd = std::exchange(other.FFd, -1);
    }
    return *this;
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  ~TFd() { Close(); }

  int Get() const { return FFd; }
  explicit operator bool() const { return FFd >= 0; }
  void Close() noexcept {
    if (FFd < 0) return;
    const int savedErrno = errno;
    ::close(std::exchange(FFd, -1));
    errno = savedErrno;
  }

 private:
  int FFd = -1;
};

// Both ends of a pipe, close-on-exec; false with errno set on failure.
bool MakePipe(TFd& readEnd, TFd& writeEnd) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  readEnd = TFd(fds[0]);
  writeEnd = TFd(fds[1]);
  return true;
}

// One captured stream.
struct TPipeInfo {
  explicit TPipeInfo(TPipeText& text) : Text(text) {}
  TPipeText& Text;
  char Buffer[256] = {};
  TFd PipeRead;
  TFd PipeWrite;
};

bool CreateStreamPipe(TPipeInfo& pipe) {
  if (!MakePipe(pipe.PipeRead, pipe.PipeWrite)) return false;
  ::fcntl(pipe.PipeRead.Get(), F_SETFL, ::fcntl(pipe.PipeRead.Get(), F_GETFL) | O_NONBLOCK);
  return true;
}

// Reads up to count bytes into the buffer; 0 at the end of the stream, -1 when nothing is there
// yet. A failed read raises.
ssize_t ReadChunk(TPipeInfo& pipe, size_t count) {
  if (platform::ShouldFail(platform::FaultKind::PipeRead)) RaiseOSError(EIO);
  for (;;) {
    const ssize_t done = ::read(pipe.PipeRead.Get(), pipe.Buffer, count);
    if (done >= 0) return done;
    if (errno == EAGAIN) return -1;
    if (errno != EINTR) RaiseOSError(static_cast<uint32_t>(errno));
  }
}

void CompletePipeRead(TPipeInfo& pipe) {
  const ssize_t done = ReadChunk(pipe, kReadSize);
  if (done > 0) {
    AppendPipeChunk(pipe.Text, pipe.Buffer, static_cast<size_t>(done));
  } else if (done == 0) {
    pipe.PipeRead.Close();  // every writer has gone: the pipe is broken
  }
}

// After the child has ended: whatever the pipe still holds, without waiting for writers that
// the child may have left behind.
void DrainPipe(TPipeInfo& pipe) {
  if (!pipe.PipeRead) return;
  int available = 0;
  while (::ioctl(pipe.PipeRead.Get(), FIONREAD, &available) == 0 && available > 0) {
    const ssize_t done = ReadChunk(pipe, std::min(static_cast<size_t>(available), kReadSize));
    if (done <= 0) break;
    AppendPipeChunk(pipe.Text, pipe.Buffer, static_cast<size_t>(done));
  }
}

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// The native file of the program, or empty (errno = ENOENT) when there is none.
std::string FindProgram(const String& program) {
  std::vector<std::string> candidates;
  const bool hasFolder = program.find_first_of(L"\\/:") != String::npos;
  const size_t nameStart = program.find_last_of(L"\\/:");
  const bool hasExtension =
      program.find(L'.', nameStart == String::npos ? 0 : nameStart + 1) != String::npos;
  auto addWithExtension = [&candidates, hasExtension](const std::string& path) {
    candidates.push_back(path);
    if (!hasExtension) candidates.push_back(path + ".exe");
  };
  const std::string native = platform::ToNativePath(program);
  if (hasFolder) {
    if (!native.empty()) addWithExtension(native);
  } else {
    addWithExtension(native);
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "";
    for (size_t start = 0; start <= folders.size();) {
      const size_t end = std::min(folders.find(':', start), folders.size());
      if (end > start) addWithExtension(folders.substr(start, end - start) + "/" + native);
      start = end + 1;
    }
  }
  for (const std::string& candidate : candidates) {
    if (IsExecutableFile(candidate)) return candidate;
  }
  errno = ENOENT;
  return std::string();
}

// The environment of the child: the caller's, with QRV_COMMAND_LINE holding the command line.
std::vector<std::string> ChildEnvironment(const String& commandLine) {
  static const std::string kName = "QRV_COMMAND_LINE=";
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::string(*entry).rfind(kName, 0) != 0) entries.emplace_back(*entry);
  }
  entries.push_back(kName + ToUtf8(commandLine));
  return entries;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

int NiceValueOf(TIdeProcessPriority priority) {
  switch (priority) {
    case ppIdle:
      return 19;
    case ppBelowNormal:
      return 10;
    default:
      return 0;  // raising a priority needs privileges the stand-in does not ask for
  }
}

// What the child does between fork and exec; only async-signal-safe calls.
struct TChildStart {
  int stdOut;
  int stdErr;
  int resumeFd;  // -1 unless the child starts suspended
  int statusFd;  // receives errno when exec fails
  int nice;
  const char* program;
  char* const* argv;
  char* const* envp;
};

[[noreturn]] void StartChild(const TChildStart& start) {
  ::dup2(start.stdOut, STDOUT_FILENO);
  ::dup2(start.stdErr, STDERR_FILENO);
  if (start.nice != 0) ::setpriority(PRIO_PROCESS, 0, start.nice);
  if (start.resumeFd >= 0) {
    char go = 0;
    ssize_t done = 0;
    do {
      done = ::read(start.resumeFd, &go, 1);
    } while (done < 0 && errno == EINTR);
    if (done != 1) ::_exit(127);
  }
  ::execve(start.program, start.argv, start.envp);
  const int error = errno;
  (void)!::write(start.statusFd, &error, sizeof(error));
  ::_exit(127);
}

// The child's exit code once it has ended; terminatedByRun tells the run's own termination.
uint32_t ExitCodeFromStatus(int status, bool terminatedByRun) {
  if (WIFEXITED(status)) return static_cast<uint32_t>(WEXITSTATUS(status));
  if (terminatedByRun && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
    return kAbortedExitCode;
  }
  return WIFSIGNALED(status) ? 128u + static_cast<uint32_t>(WTERMSIG(status)) : 0xFFFFFFFFu;
}

// The child as the run knows it: its pid and whether it has been waited for.
class TChild {
 public:
  explicit TChild(pid_t pid) : FPid(pid) {}
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;
  // Never leaves a zombie behind, whatever path the run took.
  ~TChild() {
    if (FReaped) return;
    Terminate();
    Wait();
  }

  pid_t Pid() const { return FPid; }
  void Terminate() {
    if (!FReaped && ::kill(FPid, SIGKILL) == 0) FTerminated = true;
  }
  // Waits without limit; the exit code, or 4294967295 when the wait fails.
  uint32_t Wait() {
    if (FReaped) return FExitCode;
    int status = 0;
    pid_t done = 0;
    do {
      done = ::waitpid(FPid, &status, 0);
    } while (done < 0 && errno == EINTR);
    FReaped = true;
    FExitCode = done == FPid ? ExitCodeFromStatus(status, FTerminated) : 0xFFFFFFFFu;
    return FExitCode;
  }

 private:
  pid_t FPid;
  bool FReaped = false;
  bool FTerminated = false;
  uint32_t FExitCode = 0xFFFFFFFFu;
};

// errno sent by a child whose exec failed, 0 once exec succeeded (the pipe closed on exec).
int ExecStatus(const TFd& statusRead) {
  int error = 0;
  ssize_t done = 0;
  do {
    done = ::read(statusRead.Get(), &error, sizeof(error));
  } while (done < 0 && errno == EINTR);
  return done == static_cast<ssize_t>(sizeof(error)) ? error : 0;
}

}  // namespace

bool TCmdProcessRun::RunChild() {
  const bool merged = FOptions.MergeError();
  TPipeInfo output(FOutputText);
  TPipeInfo error(FErrorText);
  if (!CreateStreamPipe(output) || (!merged && !CreateStreamPipe(error))) {
    FOptions.FExitCode = static_cast<uint32_t>(errno);
    return false;
  }

  std::vector<String> arguments = SplitCommandLine(FOptions.CommandLine());
  const std::string program = FindProgram(arguments.front());
  TFd resumeRead, resumeWrite, statusRead, statusWrite;
  const bool suspended = static_cast<bool>(FOptions.BeforeResume());
  if (program.empty() || (suspended && !MakePipe(resumeRead, resumeWrite)) ||
      !MakePipe(statusRead, statusWrite)) {
    FOptions.FExitCode = static_cast<uint32_t>(errno);
    return false;
  }
  std::vector<std::string> argvTexts;
  for (const String& argument : arguments) argvTexts.push_back(ToUtf8(argument));
  std::vector<std::string> envTexts = ChildEnvironment(FOptions.CommandLine());
  std::vector<char*> argv = PointersTo(argvTexts);
  std::vector<char*> envp = PointersTo(envTexts);
  const TChildStart start{output.PipeWrite.Get(),
                          merged ? output.PipeWrite.Get() : error.PipeWrite.Get(),
                          suspended ? resumeRead.Get() : -1,
                          statusWrite.Get(),
                          NiceValueOf(FOptions.ProcessPriority()),
                          program.c_str(),
                          argv.data(),
                          envp.data()};

  const pid_t pid = ::fork();
  if (pid < 0) {
    FOptions.FExitCode = static_cast<uint32_t>(errno);
    return false;
  }
  if (pid == 0) StartChild(start);
  TChild child(pid);
  resumeRead.Close();
  statusWrite.Close();
  const TIdeDispatcherObject process(::syscall(SYS_pidfd_open, pid, 0));
  if (process.Handle() < 0) {
    FOptions.FExitCode = static_cast<uint32_t>(errno);
    return false;
  }

  try {
    if (suspended) {
      const TIdeProcessInformation processInfo{process.Handle(), 0, static_cast<uint32_t>(pid),
                                               static_cast<uint32_t>(pid)};
      try {
        FOptions.BeforeResume()(processInfo);
      } catch (...) {
        (void)!::write(resumeWrite.Get(), "g", 1);
        throw;
      }
      (void)!::write(resumeWrite.Get(), "g", 1);
    }
    if (const int execError = ExecStatus(statusRead); execError != 0) {
      child.Wait();
      FOptions.FExitCode = static_cast<uint32_t>(execError);
      return false;
    }

    output.PipeWrite.Close();
    error.PipeWrite.Close();

    std::atomic<bool>& abort = AbortFlag();
    std::vector<pollfd> waitList{{static_cast<int>(process.Handle()), POLLIN, 0},
                                 {output.PipeRead.Get(), POLLIN, 0}};
    if (!merged) waitList.push_back({error.PipeRead.Get(), POLLIN, 0});
    const size_t abortIndex = waitList.size();
    if (FOptions.AbortEvent() != nullptr) {
      FOptions.AbortEvent()->ResetEvent();
      waitList.push_back({static_cast<int>(FOptions.AbortEvent()->Handle()), POLLIN, 0});
    }

    const int timeout = FOptions.AbortPtr() != nullptr ? kAbortFlagPollMs : -1;
    while (!abort.load()) {
      waitList[1].fd = output.PipeRead.Get();  // a closed pipe (-1) is left out of the wait
      if (!merged) waitList[2].fd = error.PipeRead.Get();
      const int ready = ::poll(waitList.data(), waitList.size(), timeout);
      if (ready < 0 && errno != EINTR) RaiseOSError(static_cast<uint32_t>(errno));
      if (ready <= 0) continue;
      const auto signalled = std::find_if(waitList.begin(), waitList.end(),
                                          [](const pollfd& entry) { return entry.revents != 0; });
      const size_t index = static_cast<size_t>(signalled - waitList.begin());
      if (index == 0) break;
      if (index == 1) {
        CompletePipeRead(output);
      } else if (index == 2 && !merged) {
        CompletePipeRead(error);
      } else if (index == abortIndex) {
        if (!FOptions.AbortEvent()->ManualReset()) FOptions.AbortEvent()->ResetEvent();
        abort.store(true);
      }
    }

    if (abort.load()) child.Terminate();
    FOptions.FExitCode = child.Wait();
    DrainPipe(output);
    if (!merged) DrainPipe(error);
  } catch (...) {
    child.Terminate();
    FOptions.FExitCode = child.Wait();
    throw;
  }
  return true;
}
