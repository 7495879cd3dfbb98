// The errors the installation catalogue and the MSBuild evaluator raise. Each carries the
// catalogue's formatted English text in Message().
#pragma once

#include <initializer_list>
#include <string_view>

#include "core/Exception.h"
#include "core/Format.h"

// A question the installation cannot answer (unsupported platform, missing tool, ...).
class EIdeBorRADException : public Exception {
 public:
  using Exception::Exception;
};

// A registry key or value that exists but cannot be read.
class EIdeRegistryError : public Exception {
 public:
  using Exception::Exception;
};

// A syntax or evaluation error in an MSBuild project.
class EIdeMsBuildError : public Exception {
 public:
  using Exception::Exception;
};

// Raise the error with the text as it stands, or with Format(format, args). Out of line, so that
// each raising site stays a call.
[[noreturn]] void RaiseBorRADError(std::wstring_view message);
[[noreturn]] void RaiseBorRADError(std::wstring_view format, std::initializer_list<FormatArg> args);
[[noreturn]] void RaiseMsBuildError(std::wstring_view message);
[[noreturn]] void RaiseMsBuildError(std::wstring_view format,
                                    std::initializer_list<FormatArg> args);
