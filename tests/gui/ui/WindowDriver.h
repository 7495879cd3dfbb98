// Drives windows of the test process from a helper thread, the way a user would, while the test's
// own thread sits in a modal loop: waits for a visible top-level window by caption, then clicks
// one of its buttons (BM_CLICK) or sends it a key. The destructor waits for the helper thread.
// Windows only.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "core/String.h"

// The visible top-level window of this process with that caption; null if none.
HWND FindOwnWindow(const String& caption);
// The same, waiting up to timeoutMs for it to appear.
HWND WaitForWindow(const String& caption, DWORD timeoutMs = 10000);
// The first visible top-level window of this process with one of the captions to appear within
// timeoutMs; null if none.
HWND WaitForAnyWindow(const std::vector<String>& captions, DWORD timeoutMs = 10000);
// The child button of window with that caption; null if none.
HWND FindButton(HWND window, const String& caption);
// The focused window of the thread that owns window (null if none).
HWND FocusOfWindowThread(HWND window);

class TWindowDriver {
 public:
  // Runs action(window) on a helper thread once the window captioned caption is visible; gives
  // up after timeoutMs (a test that expects no such window waits that long).
  TWindowDriver(const String& caption, std::function<void(HWND)> action, DWORD timeoutMs = 10000);
  // The same for the first window to appear with any of the captions.
  TWindowDriver(std::vector<String> captions, std::function<void(HWND)> action,
                DWORD timeoutMs = 10000);
  ~TWindowDriver();
  TWindowDriver(const TWindowDriver&) = delete;
  TWindowDriver& operator=(const TWindowDriver&) = delete;
  // Waits for the helper; true when the window appeared and the action ran.
  bool Done();

  // Ready-made actions.
  static std::function<void(HWND)> ClickButton(const String& buttonCaption);
  // WM_KEYDOWN and WM_KEYUP of a key to the window's focused control (the message loop makes
  // the character from them).
  static std::function<void(HWND)> PressKey(WORD virtualKey);
  // A WM_CHAR alone to the window's focused control.
  static std::function<void(HWND)> TypeChar(wchar_t character);

 private:
  std::atomic<bool> FDone{false};
  std::thread FThread;
};

// Handles the messages of the calling thread for a while (lets posted work run).
void PumpMessages(DWORD milliseconds);
