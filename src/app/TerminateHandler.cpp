// The handler std::terminate calls when an exception escapes where none may. The library's
// default prints the exception's demangled type to standard error, which a windowed program
// does not have, and links the whole demangler into the setup; this one ends the program.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
