// The errors the command-line tool drivers raise, each carrying a formatted English text.
#pragma once

#include "core/Exception.h"

// A virtual operation called on a class that does not implement it ("Abstract Error").
class EAbstractError : public Exception {
 public:
  using Exception::Exception;
};

// Misuse of a command-line tool driver, such as reading Output while a callback is set.
class EIdeCommandLineToolError : public Exception {
 public:
  using Exception::Exception;
};

// A failure of the compiler utilities, such as an unknown project extension.
class EIdeCompilerUtilsException : public Exception {
 public:
  using Exception::Exception;
};

// A project option text that does not convert to the type it stands for.
class EIdeConversionError : public Exception {
 public:
  using Exception::Exception;
};
