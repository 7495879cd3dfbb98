// wizdrive: drives a running program's windows from the command line, as a user would; the main
// job and scripts/run-wizard.sh walk the wizard with it. Each command waits (up to 20 s) for what
// it needs and ends with 0 when it is done, 1 when it could not be done (a sentence on standard
// error), 2 on wrong use.
//
//   wizdrive wait TITLE               a visible window titled TITLE is there
//   wizdrive shows TITLE CAPTION      the window shows a button or check box CAPTION
//   wizdrive has TITLE CAPTION        the same, answered at once without waiting (1: it does not)
//   wizdrive exists TITLE             a visible window titled TITLE is there now (1: it is not)
//   wizdrive first TITLE...           waits (up to 60 s) for the first of these windows to be
//                                     there and prints its title
//   wizdrive click TITLE CAPTION      clicks it once it is enabled (a check box toggles)
//   wizdrive check TITLE CAPTION      checks the check box CAPTION (nothing if it is checked)
//   wizdrive answer TITLE BUTTON      clicks BUTTON of the dialog TITLE; waits until it is gone
//   wizdrive idle TITLE               the program showing TITLE has handled all it was sent
//   wizdrive text TITLE               prints the window's multi-line text boxes (UTF-8)
#include <cstdio>
#include <vector>

#include "WizardDriver.h"

namespace {

// An installation with a silent report server shows its final message after the report's
// 10 s time-outs: the wait for it gives more than the driver's usual 20 s.
constexpr DWORD kFirstWindowTimeoutMs = 60000;

void Print(FILE* stream, const String& text) {
  const std::string bytes = ToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

int Run(const std::vector<String>& a) {
  const String command = a.size() > 1 ? a[1] : String();
  if (a.size() == 3 && command == L"wait") {
    TWizardDriver::ForWindowTitled(a[2]);
  } else if (a.size() == 4 && command == L"shows") {
    const HWND window = TWizardDriver::ForWindowTitled(a[2]).Window(a[2]);
    if (!WaitUntil([&] { return TWizardDriver::Visible(window, a[3]); }))
      throw EWizardDriver(L"\"" + a[2] + L"\" does not show \"" + a[3] + L"\"");
  } else if (a.size() == 4 && command == L"has") {
    const std::vector<HWND> windows = ProcessWindows(0, a[2]);
    return !windows.empty() && TWizardDriver::Visible(windows.front(), a[3]) ? 0 : 1;
  } else if (a.size() == 3 && command == L"exists") {
    return ProcessWindows(0, a[2]).empty() ? 1 : 0;
  } else if (a.size() >= 3 && command == L"first") {
    String found;
    const auto appeared = [&] {
      for (size_t i = 2; i < a.size() && found.empty(); ++i)
        if (!ProcessWindows(0, a[i]).empty()) found = a[i];
      return !found.empty();
    };
    if (!WaitUntil(appeared, kFirstWindowTimeoutMs))
      throw EWizardDriver(L"none of the windows appeared");
    Print(stdout, found + L"\n");
  } else if (a.size() == 4 && (command == L"click" || command == L"check")) {
    const HWND window = TWizardDriver::ForWindowTitled(a[2]).Window(a[2]);
    if (command == L"click")
      TWizardDriver::Click(window, a[3]);
    else
      TWizardDriver::Check(window, a[3]);
  } else if (a.size() == 4 && command == L"answer") {
    TWizardDriver::ForWindowTitled(a[2]).Answer(a[2], a[3]);
  } else if (a.size() == 3 && command == L"idle") {
    TWizardDriver::ForWindowTitled(a[2]).WaitIdle();
  } else if (a.size() == 3 && command == L"text") {
    const HWND window = TWizardDriver::ForWindowTitled(a[2]).Window(a[2]);
    for (const String& text : TWizardDriver::TextBoxes(window)) Print(stdout, text + L"\n");
  } else {
    Print(stderr,
          L"usage: wizdrive wait|idle|text|exists TITLE | shows|has|click|check TITLE CAPTION | "
          L"answer TITLE BUTTON | first TITLE...\n");
    return 2;
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  try {
    return Run(std::vector<String>(argv, argv + argc));
  } catch (const Exception& failure) {
    Print(stderr, L"wizdrive: " + failure.Message() + L"\n");
    return 1;
  }
}
