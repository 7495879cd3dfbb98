// Base of every error the system raises. Message() holds the system's own text; what() gives
// the same text in UTF-8 for code that only knows std::exception.
#pragma once

#include <exception>
#include <string>

#include "String.h"

class Exception : public std::exception {
 public:
  explicit Exception(String message);
  // Defined out of line: one copy of the destructor, the virtual table and the type information
  // serves every file that raises or handles an error.
  ~Exception() override;
  const String& Message() const { return FMessage; }
  const char* what() const noexcept override { return FWhat.c_str(); }

 private:
  String FMessage;
  std::string FWhat;
};

// A text that does not convert to the requested type (numbers, format arguments).
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list's bounds.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be opened, read or written.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};
