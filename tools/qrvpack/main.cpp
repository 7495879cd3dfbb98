// qrvpack: builds, lists and extracts setups of the wizard (see Qrvpack.h).
#include <iostream>
#include <vector>

#include "Qrvpack.h"

#ifdef _WIN32
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  std::vector<String> arguments(argv + 1, argv + argc);
  return RunQrvpack(arguments, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  std::vector<String> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(FromUtf8(argv[i]));
  return RunQrvpack(arguments, std::cout, std::cerr);
}
#endif
