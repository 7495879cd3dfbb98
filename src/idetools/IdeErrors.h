// The errors the installation catalogue and the MSBuild evaluator raise. Each carries the
// catalogue's formatted English text in Message().
#pragma once

#include "core/Exception.h"

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
