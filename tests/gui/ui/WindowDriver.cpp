#include "WindowDriver.h"

#include <utility>

namespace {

// Under Wine without a window manager, hiding a "managed" window waits two seconds for a window
// manager that never answers. Test programs ask Wine (before their first window) to leave their
// windows unmanaged; on Windows this does nothing.
const bool UnmanagedWindowsUnderWine = [] {
  HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr || ::GetProcAddress(ntdll, "wine_get_version") == nullptr) return false;
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  String exe(path);
  exe.erase(0, exe.find_last_of(L'\\') + 1);
  const String keyName = L"Software\\Wine\\AppDefaults\\" + exe + L"\\X11 Driver";
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, keyName.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return false;
  const wchar_t value[] = L"N";
  ::RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof(value));
  ::RegCloseKey(key);
  return true;
}();

}  // namespace

// Other test programs that share the Wine server may show windows of the same caption at the
// same time; they are left alone.
HWND FindOwnWindow(const String& caption) {
  HWND window = nullptr;
  while ((window = ::FindWindowExW(nullptr, window, nullptr, caption.c_str())) != nullptr) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND WaitForWindow(const String& caption, DWORD timeoutMs) {
  return WaitForAnyWindow({caption}, timeoutMs);
}

HWND WaitForAnyWindow(const std::vector<String>& captions, DWORD timeoutMs) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  do {
    for (const String& caption : captions) {
      if (HWND window = FindOwnWindow(caption)) return window;
    }
    ::Sleep(10);
  } while (::GetTickCount64() < end);
  return nullptr;
}

HWND FindButton(HWND window, const String& caption) {
  return ::FindWindowExW(window, nullptr, L"Button", caption.c_str());
}

HWND FocusOfWindowThread(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

TWindowDriver::TWindowDriver(const String& caption, std::function<void(HWND)> action,
                             DWORD timeoutMs)
    : TWindowDriver(std::vector<String>{caption}, std::move(action), timeoutMs) {}

TWindowDriver::TWindowDriver(std::vector<String> captions, std::function<void(HWND)> action,
                             DWORD timeoutMs)
    : FThread([this, captions = std::move(captions), action = std::move(action), timeoutMs] {
        HWND window = WaitForAnyWindow(captions, timeoutMs);
        if (window == nullptr) return;
        ::Sleep(50);  // let the dialog finish showing, as a user would
        action(window);
        FDone = true;
      }) {}

TWindowDriver::~TWindowDriver() {
  if (FThread.joinable()) FThread.join();
}

bool TWindowDriver::Done() {
  if (FThread.joinable()) FThread.join();
  return FDone;
}

std::function<void(HWND)> TWindowDriver::ClickButton(const String& buttonCaption) {
  return [buttonCaption](HWND window) {
    if (HWND button = FindButton(window, buttonCaption)) ::SendMessageW(button, BM_CLICK, 0, 0);
  };
}

namespace {

HWND FocusOrWindow(HWND window) {
  HWND target = FocusOfWindowThread(window);
  return target != nullptr ? target : window;
}

}  // namespace

std::function<void(HWND)> TWindowDriver::PressKey(WORD virtualKey) {
  return [virtualKey](HWND window) {
    HWND target = FocusOrWindow(window);
    const UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    ::PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001 | (scan << 16));
  };
}

std::function<void(HWND)> TWindowDriver::TypeChar(wchar_t character) {
  return [character](HWND window) { ::PostMessageW(FocusOrWindow(window), WM_CHAR, character, 1); };
}

void PumpMessages(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  MSG msg;
  while (::GetTickCount64() < end) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(5);
  }
}
