// Drives a running setup program from outside, the way a user does: it finds the program's
// windows by title, its buttons and check boxes by caption, presses them, answers its message
// dialogs, and reads what a user can see of them (captions, enabled states, the text of its
// text boxes). Used by the end-to-end tests and by "wizdrive", the main job's driver.
//
// Clicks are posted, so a click that opens a modal dialog or starts a long step does not block
// the driver. Every wait has a time limit; a wait that runs out raises EWizardDriver with a
// sentence saying what did not happen. Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "core/Exception.h"
#include "core/String.h"

class EWizardDriver : public Exception {
 public:
  using Exception::Exception;
};

// How long a wait gives the program by default.
inline constexpr DWORD kDriverTimeoutMs = 20000;

// Waits up to timeoutMs for condition; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDriverTimeoutMs);

// A program started by the driver; ended (if still running) when the object goes.
class TDrivenProcess {
 public:
  // Starts program with the arguments given as one command-line text.
  explicit TDrivenProcess(const String& program, const String& arguments = String());
  TDrivenProcess(const TDrivenProcess&) = delete;
  TDrivenProcess& operator=(const TDrivenProcess&) = delete;
  ~TDrivenProcess();

  DWORD Id() const { return FInfo.dwProcessId; }
  bool Running() const;
  // Waits for the program's end; its exit code, or no value when it still runs after timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = kDriverTimeoutMs);

 private:
  PROCESS_INFORMATION FInfo{};
};

// The visible top-level windows of process processId titled title (any title when empty).
std::vector<HWND> ProcessWindows(DWORD processId, const String& title = String());

class TWizardDriver {
 public:
  // Drives the windows of the process with that id.
  explicit TWizardDriver(DWORD processId) : FProcessId(processId) {}
  // Drives the process that shows a visible top-level window titled title.
  static TWizardDriver ForWindowTitled(const String& title, DWORD timeoutMs = kDriverTimeoutMs);

  DWORD ProcessId() const { return FProcessId; }
  // The visible window titled title; waits for it to appear.
  HWND Window(const String& title, DWORD timeoutMs = kDriverTimeoutMs) const;
  // Whether a visible window titled title is there now.
  bool HasWindow(const String& title) const;

  // The visible control of window with that caption (a button or a check box); null if none.
  static HWND Control(HWND window, const String& caption);
  // Waits until the control is visible and enabled, then clicks it (a check box toggles).
  static void Click(HWND window, const String& caption, DWORD timeoutMs = kDriverTimeoutMs);
  // Sets a check box to checked, as a click on it would.
  static void Check(HWND window, const String& caption, DWORD timeoutMs = kDriverTimeoutMs);
  static bool Visible(HWND window, const String& caption);
  static bool Enabled(HWND window, const String& caption);
  static bool Checked(HWND window, const String& caption);
  // The texts of the visible multi-line text boxes of window, in window order.
  static std::vector<String> TextBoxes(HWND window);

  // Waits for the message dialog titled title, clicks its button answer, and waits until the
  // dialog is gone.
  void Answer(const String& title, const String& answer, DWORD timeoutMs = kDriverTimeoutMs) const;
  // Waits until the process has handled everything it was sent so far and is waiting for input.
  void WaitIdle(DWORD timeoutMs = kDriverTimeoutMs) const;

 private:
  DWORD FProcessId;
};
