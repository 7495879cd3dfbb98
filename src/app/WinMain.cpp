// The setup program: the application with its one window, the wizard.
#include <windows.h>

#include "app/Main.h"
#include "app/MainTexts.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  TApplication& application = UiApplication();
  application.SetTitle(MainTexts::Caption);
  application.CreateForm<TFrmMain>();
  application.Run();
  return 0;
}
