#include "ConsoleOutput.h"

#include <windows.h>

void UseUtf8ConsoleOutput() {
  SetConsoleOutputCP(CP_UTF8);
}
