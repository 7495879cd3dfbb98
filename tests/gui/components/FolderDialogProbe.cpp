// A program that opens the folder dialog once, the way the wizard does, for the test that the
// window's position survives the end of the program:
//   folder_dialog_probe move X Y    moves the window to (X, Y), cancels and ends
//   folder_dialog_probe report FILE writes the window's left and top to FILE, cancels and ends
// The dialog is destroyed with the application, which is when its position is written.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "WindowDriver.h"
#include "components/ExSelectFolder.h"
#include "components/FrmExSelFolder.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string mode = argv[1];
  UiApplication().SetTitle(L"folder_dialog_probe");
  TExSelectFolder selector(nullptr);
  TWindowDriver driver(L"Selecionar Pasta", [&](HWND window) {
    if (mode == "move" && argc >= 4) {
      ::SetWindowPos(window, nullptr, std::atoi(argv[2]), std::atoi(argv[3]), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      RECT r{};
      ::GetWindowRect(window, &r);
      std::ofstream(argv[2]) << r.left << ' ' << r.top;
    }
    ::SendMessageW(TFrmExSelFolder::Shared().BtnCancelar->Handle(), BM_CLICK, 0, 0);
  });
  selector.Execute();
  return driver.Done() ? 0 : 1;
}
