#include "WizardDriver.h"

#include <chrono>
#include <thread>

#include "core/Format.h"

namespace {

constexpr DWORD kPollMs = 20;

String WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  String text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

// The text a control holds, asked of the control itself: for a window of another process the
// platform's GetWindowText gives only the stored caption, not an edit control's text.
String ControlText(HWND control) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kDriverTimeoutMs, &length))
    return String();
  String text(static_cast<size_t>(length) + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, kDriverTimeoutMs, &copied);
  text.resize(static_cast<size_t>(copied));
  return text;
}

String ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

template <typename TVisit>
void EachChild(HWND window, TVisit visit) {
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        (*reinterpret_cast<TVisit*>(data))(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&visit));
}

HWND Require(HWND window, const String& caption, DWORD timeoutMs) {
  HWND control = nullptr;
  if (!WaitUntil(
          [&] {
            control = TWizardDriver::Control(window, caption);
            return control != nullptr && IsWindowEnabled(control);
          },
          timeoutMs))
    throw EWizardDriver(
        Format(L"no enabled control \"%s\" appeared in \"%s\"", {caption, WindowText(window)}));
  return control;
}

// The notification a click gives the control's parent; posted, so that a handler that opens a
// modal dialog does not hold the driver.
void NotifyClick(HWND control) {
  PostMessageW(GetParent(control), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

bool IsCheckBox(HWND control) {
  const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
  }
}

TDrivenProcess::TDrivenProcess(const String& program, const String& arguments) {
  String commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &FInfo))
    throw EWizardDriver(Format(L"cannot start %s", {program}));
}

TDrivenProcess::~TDrivenProcess() {
  if (Running()) {
    TerminateProcess(FInfo.hProcess, 1);
    WaitForSingleObject(FInfo.hProcess, 5000);
  }
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
}

bool TDrivenProcess::Running() const {
  return WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> TDrivenProcess::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(FInfo.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(FInfo.hProcess, &code);
  return code;
}

std::vector<HWND> ProcessWindows(DWORD processId, const String& title) {
  struct TSearch {
    DWORD ProcessId;
    const String* Title;
    std::vector<HWND> Found;
  } search{processId, &title, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<TSearch*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((s.ProcessId == 0 || owner == s.ProcessId) && IsWindowVisible(window) &&
            (s.Title->empty() || WindowText(window) == *s.Title))
          s.Found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

TWizardDriver TWizardDriver::ForWindowTitled(const String& title, DWORD timeoutMs) {
  HWND window = nullptr;
  if (!WaitUntil(
          [&] {
            const std::vector<HWND> found = ProcessWindows(0, title);
            window = found.empty() ? nullptr : found.front();
            return window != nullptr;
          },
          timeoutMs))
    throw EWizardDriver(Format(L"no window \"%s\" appeared", {title}));
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return TWizardDriver(processId);
}

HWND TWizardDriver::Window(const String& title, DWORD timeoutMs) const {
  HWND window = nullptr;
  if (!WaitUntil(
          [&] {
            const std::vector<HWND> found = ProcessWindows(FProcessId, title);
            window = found.empty() ? nullptr : found.front();
            return window != nullptr;
          },
          timeoutMs))
    throw EWizardDriver(Format(L"no window \"%s\" appeared", {title}));
  return window;
}

bool TWizardDriver::HasWindow(const String& title) const {
  return !ProcessWindows(FProcessId, title).empty();
}

HWND TWizardDriver::Control(HWND window, const String& caption) {
  HWND found = nullptr;
  EachChild(window, [&](HWND child) {
    if (found == nullptr && IsWindowVisible(child) && ClassOf(child) == L"Button" &&
        WindowText(child) == caption)
      found = child;
  });
  return found;
}

void TWizardDriver::Click(HWND window, const String& caption, DWORD timeoutMs) {
  HWND control = Require(window, caption, timeoutMs);
  if (IsCheckBox(control)) {
    const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SendMessageW(control, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
  }
  NotifyClick(control);
}

void TWizardDriver::Check(HWND window, const String& caption, DWORD timeoutMs) {
  if (!Checked(window, caption)) Click(window, caption, timeoutMs);
}

bool TWizardDriver::Visible(HWND window, const String& caption) {
  return Control(window, caption) != nullptr;
}

bool TWizardDriver::Enabled(HWND window, const String& caption) {
  HWND control = Control(window, caption);
  return control != nullptr && IsWindowEnabled(control);
}

bool TWizardDriver::Checked(HWND window, const String& caption) {
  HWND control = Control(window, caption);
  return control != nullptr && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<String> TWizardDriver::TextBoxes(HWND window) {
  std::vector<String> texts;
  EachChild(window, [&](HWND child) {
    if (IsWindowVisible(child) && ClassOf(child) == L"Edit" &&
        (GetWindowLongPtrW(child, GWL_STYLE) & ES_MULTILINE) != 0)
      texts.push_back(ControlText(child));
  });
  return texts;
}

void TWizardDriver::Answer(const String& title, const String& answer, DWORD timeoutMs) const {
  HWND dialog = Window(title, timeoutMs);
  Click(dialog, answer, timeoutMs);
  if (!WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, timeoutMs))
    throw EWizardDriver(Format(L"the dialog \"%s\" stayed open after \"%s\"", {title, answer}));
}

void TWizardDriver::WaitIdle(DWORD timeoutMs) const {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, FProcessId);
  if (process == nullptr) return;
  WaitForInputIdle(process, timeoutMs);
  CloseHandle(process);
  for (HWND window : ProcessWindows(FProcessId)) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
  }
}
