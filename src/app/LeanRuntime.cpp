// Replacements for the parts of the C++ runtime that only report errors, so that the setup
// program does not carry what they would link in (see docs/setup-size.md):
//   - std::terminate's default handler prints the exception's demangled type to standard error,
//     which a windowed program does not have, and links the whole demangler; this one ends the
//     program.
//   - The library raises its errors through the std::__throw_* functions (a vector index out of
//     range, a string too long, a failed number conversion). Its own versions construct
//     std::logic_error and std::runtime_error, whose reference-counted strings link a second
//     string implementation and more; these raise EStdLibraryError, a std::exception with the
//     same text, which every handler of std::exception catches as before. Memory and cast
//     failures keep their own standard types.
// Every function of the library's unit that defines them is replaced, so that unit is never
// linked (the linker would otherwise report the functions defined twice).
#include <cstdarg>
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class EStdLibraryError : public std::exception {
 public:
  // Formats the library's message with the directives it uses: %s, %zu and %%.
  EStdLibraryError(const char* format, va_list arguments) noexcept {
    size_t at = 0;
    auto put = [&](char c) {
      if (at + 1 < sizeof FText) FText[at++] = c;
    };
    for (const char* p = format; *p != 0; ++p) {
      if (*p != '%') {
        put(*p);
      } else if (p[1] == 's') {
        for (const char* s = va_arg(arguments, const char*); *s != 0; ++s) put(*s);
        ++p;
      } else if (p[1] == 'z' && p[2] == 'u') {
        char digits[24];
        int count = 0;
        for (size_t n = va_arg(arguments, size_t); count == 0 || n != 0; n /= 10)
          digits[count++] = static_cast<char>('0' + n % 10);
        while (count > 0) put(digits[--count]);
        p += 2;
      } else if (p[1] == '%') {
        put('%');
        ++p;
      } else {
        break;  // not a directive the library writes
      }
    }
    FText[at] = 0;
  }
  const char* what() const noexcept override { return FText; }

 private:
  char FText[256] = {};
};

[[noreturn]] void Raise(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  EStdLibraryError error(format, arguments);
  va_end(arguments);
  throw error;
}

}  // namespace

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() {
  throw bad_alloc();
}
void __throw_bad_array_new_length() {
  throw bad_array_new_length();
}
void __throw_bad_cast() {
  throw bad_cast();
}
void __throw_bad_typeid() {
  throw bad_typeid();
}
void __throw_bad_exception() {
  throw bad_exception();
}
void __throw_logic_error(const char* text) {
  Raise("%s", text);
}
void __throw_domain_error(const char* text) {
  Raise("%s", text);
}
void __throw_invalid_argument(const char* text) {
  Raise("%s", text);
}
void __throw_length_error(const char* text) {
  Raise("%s", text);
}
void __throw_out_of_range(const char* text) {
  Raise("%s", text);
}
void __throw_runtime_error(const char* text) {
  Raise("%s", text);
}
void __throw_range_error(const char* text) {
  Raise("%s", text);
}
void __throw_overflow_error(const char* text) {
  Raise("%s", text);
}
void __throw_underflow_error(const char* text) {
  Raise("%s", text);
}
void __throw_out_of_range_fmt(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  EStdLibraryError error(format, arguments);
  va_end(arguments);
  throw error;
}

}  // namespace std
