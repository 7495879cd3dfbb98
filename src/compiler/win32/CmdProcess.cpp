// The Windows run: uniquely named overlapped pipes, one pending read per pipe, and one alertable
// wait on the child, the pipes' events and the abort event.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "compiler/CmdProcessRun.h"
#include "compiler/OSError.h"
#include "compiler/win32/WinHandles.h"
#include "core/Format.h"
#include "platform/Faults.h"

namespace {

constexpr DWORD kPipeBufferSize = 4096;
constexpr DWORD kPipeTimeoutMs = 120000;
constexpr DWORD kReadSize = 255;  // into a buffer of 256 bytes
// How often a wait that watches the caller's abort flag looks at it again.
constexpr DWORD kAbortFlagPollMs = 100;
constexpr DWORD kPriorityClassBits = 64 | 32 | 128 | 256;

std::atomic<uint32_t> gPipeCounter{0};

// A pipe whose reading end is overlapped, named after this process, this thread and a counter.
bool CreateOverlappedPipe(TPipeHandle& readEnd, TPipeHandle& writeEnd, SECURITY_ATTRIBUTES& sa) {
  const uint32_t serial = ++gPipeCounter;
  const String name = Format(L"\\\\.\\Pipe\\AsyncAnonPipe.%.8x.%.8x.%.8x",
                             {GetCurrentProcessId(), GetCurrentThreadId(), serial});
  TPipeHandle pipe(CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED,
                                    PIPE_TYPE_BYTE | PIPE_WAIT, 1, kPipeBufferSize, kPipeBufferSize,
                                    kPipeTimeoutMs, &sa));
  if (!pipe) return false;
  TPipeHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, &sa, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;  // the pipe closes itself and keeps the last error
  readEnd = std::move(pipe);
  writeEnd = std::move(file);
  return true;
}

using TCancelIo = BOOL(WINAPI*)(HANDLE);

// CancelIo, looked up in kernel32.dll when first needed; null when the lookup failed.
TCancelIo LookUpCancelIo() noexcept {
  static const TCancelIo cancelIo = reinterpret_cast<TCancelIo>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CancelIo")));
  return cancelIo;
}

void CancelPendingRead(HANDLE pipe) {
  const TCancelIo cancelIo = LookUpCancelIo();
  if (cancelIo == nullptr) RaiseOSError(ERROR_PROC_NOT_FOUND);
  cancelIo(pipe);
}

HANDLE AsHandle(TIdeDispatcherObject::THandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

// One captured stream: its pipe, its event and the read in flight.
struct TPipeInfo {
  explicit TPipeInfo(TPipeText& text) : Text(text) {}
  TPipeInfo(const TPipeInfo&) = delete;
  TPipeInfo& operator=(const TPipeInfo&) = delete;
  // A read still in flight is cancelled and waited for before its buffer goes away.
  ~TPipeInfo() {
    const TCancelIo cancelIo = LookUpCancelIo();
    if (!ReadPending || !PipeRead || cancelIo == nullptr) return;
    const DWORD lastError = GetLastError();
    DWORD count = 0;
    cancelIo(PipeRead.Get());
    GetOverlappedResult(PipeRead.Get(), &Overlapped, &count, TRUE);
    SetLastError(lastError);
  }

  TPipeText& Text;
  char Buffer[256] = {};
  OVERLAPPED Overlapped = {};
  std::unique_ptr<TIdeEvent> Event;
  bool ReadPending = false;
  TPipeHandle PipeRead;
  TPipeHandle PipeWrite;
};

void StartPipeRead(TPipeInfo& pipe) {
  pipe.Overlapped = OVERLAPPED{};
  pipe.Overlapped.hEvent = AsHandle(pipe.Event->Handle());
  if (ReadFile(pipe.PipeRead.Get(), pipe.Buffer, kReadSize, nullptr, &pipe.Overlapped)) {
    pipe.ReadPending = true;  // completed at once; the event tells it like any other
    return;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_BROKEN_PIPE) {
    pipe.PipeRead.Close();
  } else if (error == ERROR_IO_PENDING) {
    pipe.ReadPending = true;
  } else {
    RaiseOSError(error);
  }
}

void CompletePipeRead(TPipeInfo& pipe) {
  if (platform::ShouldFail(platform::FaultKind::PipeRead)) RaiseOSError(ERROR_READ_FAULT);
  DWORD count = 0;
  if (GetOverlappedResult(pipe.PipeRead.Get(), &pipe.Overlapped, &count, FALSE)) {
    pipe.ReadPending = false;
    AppendPipeChunk(pipe.Text, pipe.Buffer, count);
    StartPipeRead(pipe);
    return;
  }
  const DWORD error = GetLastError();
  if (error != ERROR_BROKEN_PIPE) RaiseOSError(error);
  pipe.ReadPending = false;
  pipe.PipeRead.Close();
}

// Reads one chunk synchronously from the overlapped pipe.
DWORD ReadAvailable(TPipeInfo& pipe, DWORD count) {
  if (platform::ShouldFail(platform::FaultKind::PipeRead)) RaiseOSError(ERROR_READ_FAULT);
  pipe.Overlapped = OVERLAPPED{};
  pipe.Overlapped.hEvent = AsHandle(pipe.Event->Handle());
  DWORD done = 0;
  if (!ReadFile(pipe.PipeRead.Get(), pipe.Buffer, count, nullptr, &pipe.Overlapped) &&
      GetLastError() != ERROR_IO_PENDING) {
    RaiseOSError(GetLastError());
  }
  pipe.ReadPending = true;
  const BOOL ok = GetOverlappedResult(pipe.PipeRead.Get(), &pipe.Overlapped, &done, TRUE);
  pipe.ReadPending = false;
  if (!ok) RaiseOSError(GetLastError());
  return done;
}

// After the child has ended: what the pending read got, then whatever the pipe still holds.
void DrainPipe(TPipeInfo& pipe) {
  if (!pipe.PipeRead) return;
  if (pipe.ReadPending) {
    CancelPendingRead(pipe.PipeRead.Get());
    DWORD count = 0;
    const BOOL ok = GetOverlappedResult(pipe.PipeRead.Get(), &pipe.Overlapped, &count, TRUE);
    pipe.ReadPending = false;
    if (ok && count > 0) AppendPipeChunk(pipe.Text, pipe.Buffer, count);
  }
  DWORD available = 0;
  while (PeekNamedPipe(pipe.PipeRead.Get(), nullptr, 0, nullptr, &available, nullptr) &&
         available > 0) {
    const DWORD count = ReadAvailable(pipe, std::min(available, kReadSize));
    AppendPipeChunk(pipe.Text, pipe.Buffer, count);
  }
}

bool CreateStreamPipe(TPipeInfo& pipe, SECURITY_ATTRIBUTES& sa) {
  if (!CreateOverlappedPipe(pipe.PipeRead, pipe.PipeWrite, sa)) return false;
  pipe.Event = std::make_unique<TIdeEvent>(false, false);
  return true;
}

uint32_t ExitCodeOf(HANDLE process) {
  DWORD code = 0;
  return GetExitCodeProcess(process, &code) ? code : 0xFFFFFFFFu;
}

}  // namespace

bool TCmdProcessRun::RunChild() {
  SECURITY_ATTRIBUTES sa{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const bool merged = FOptions.MergeError();
  TPipeInfo output(FOutputText);
  TPipeInfo error(FErrorText);
  if (!CreateStreamPipe(output, sa) || (!merged && !CreateStreamPipe(error, sa))) {
    FOptions.FExitCode = GetLastError();
    return false;
  }

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  if (FOptions.StartupVisibility() != svNotSet) {
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = FOptions.StartupVisibility() == svHide ? SW_HIDE : SW_SHOW;
  }
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output.PipeWrite.Get();
  startup.hStdError = merged ? output.PipeWrite.Get() : error.PipeWrite.Get();

  DWORD flags = (FOptions.CreateProcessFlags() & ~kPriorityClassBits) |
                PriorityClassOf(FOptions.ProcessPriority());
  if (FOptions.BeforeResume()) flags |= CREATE_SUSPENDED;

  std::vector<wchar_t> commandLine(FOptions.CommandLine().begin(), FOptions.CommandLine().end());
  commandLine.push_back(L'\0');
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                      &startup, &info)) {
    FOptions.FExitCode = GetLastError();
    return false;
  }
  const TIdeDispatcherObject process(
      reinterpret_cast<TIdeDispatcherObject::THandle>(info.hProcess));
  TThreadHandle thread(info.hThread);

  try {
    if (FOptions.BeforeResume()) {
      const TIdeProcessInformation processInfo{reinterpret_cast<intptr_t>(info.hProcess),
                                               reinterpret_cast<intptr_t>(info.hThread),
                                               info.dwProcessId, info.dwThreadId};
      try {
        FOptions.BeforeResume()(processInfo);
      } catch (...) {
        ResumeThread(thread.Get());
        throw;
      }
    }
    if ((flags & CREATE_SUSPENDED) != 0) ResumeThread(thread.Get());

    output.PipeWrite.Close();
    error.PipeWrite.Close();

    std::atomic<bool>& abort = AbortFlag();
    std::vector<HANDLE> waitList{info.hProcess, AsHandle(output.Event->Handle())};
    if (!merged) waitList.push_back(AsHandle(error.Event->Handle()));
    const DWORD abortIndex = static_cast<DWORD>(waitList.size());
    if (FOptions.AbortEvent() != nullptr) {
      FOptions.AbortEvent()->ResetEvent();
      waitList.push_back(AsHandle(FOptions.AbortEvent()->Handle()));
    }
    StartPipeRead(output);
    if (!merged) StartPipeRead(error);

    const DWORD timeout = FOptions.AbortPtr() != nullptr ? kAbortFlagPollMs : INFINITE;
    while (!abort.load()) {
      const DWORD signalled = WaitForMultipleObjectsEx(static_cast<DWORD>(waitList.size()),
                                                       waitList.data(), FALSE, timeout, TRUE);
      if (signalled == WAIT_TIMEOUT) continue;
      const DWORD index = signalled - WAIT_OBJECT_0;
      if (index == 0) break;
      if (index == 1) {
        CompletePipeRead(output);
      } else if (index == 2 && !merged) {
        CompletePipeRead(error);
      } else if (index == abortIndex && index < waitList.size()) {
        abort.store(true);
      } else {
        RaiseOSError(signalled);
      }
    }

    if (abort.load()) TerminateProcess(info.hProcess, kAbortedExitCode);
    if (WaitForSingleObject(info.hProcess, INFINITE) == WAIT_OBJECT_0) {
      FOptions.FExitCode = ExitCodeOf(info.hProcess);
    }
    thread.Close();
    DrainPipe(output);
    if (!merged) DrainPipe(error);
  } catch (...) {
    TerminateProcess(info.hProcess, kAbortedExitCode);
    WaitForSingleObject(info.hProcess, INFINITE);
    FOptions.FExitCode = ExitCodeOf(info.hProcess);
    throw;
  }
  return true;
}
