#include "IdeErrors.h"

void RaiseBorRADError(std::wstring_view message) {
  throw EIdeBorRADException(String(message));
}

void RaiseBorRADError(std::wstring_view format, std::initializer_list<FormatArg> args) {
  throw EIdeBorRADException(Format(format, args));
}

void RaiseMsBuildError(std::wstring_view message) {
  throw EIdeMsBuildError(String(message));
}

void RaiseMsBuildError(std::wstring_view format, std::initializer_list<FormatArg> args) {
  throw EIdeMsBuildError(Format(format, args));
}
