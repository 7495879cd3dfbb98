// Terminals here take UTF-8 as it is.
#include "ConsoleOutput.h"

void UseUtf8ConsoleOutput() {}
