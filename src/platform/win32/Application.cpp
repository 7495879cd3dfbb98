#include <windows.h>

#include "platform/Application.h"
#include "platform/ApplicationWait.h"

void TApplicationCore::ProcessMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      SetTerminated();
      return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  if (OnIdleProcess) OnIdleProcess();
}

bool WindowExists(const String& name) {
  const String limited = name.substr(0, 39);
  return ::FindWindowW(nullptr, limited.c_str()) != nullptr ||
         ::FindWindowW(limited.c_str(), nullptr) != nullptr;
}

namespace platform {

void WaitForMessages(uint32_t timeoutMilliseconds) {
  ::MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMilliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace platform
