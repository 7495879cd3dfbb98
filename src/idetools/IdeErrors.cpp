#include "IdeErrors.h"

void RaiseMsBuildError(std::wstring_view message) {
  throw EIdeMsBuildError(String(message));
}

void RaiseMsBuildError(std::wstring_view format, std::initializer_list<FormatArg> args) {
  throw EIdeMsBuildError(Format(format, args));
}
