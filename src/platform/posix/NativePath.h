// Mapping between the Windows paths the system works with and Linux paths: "Z:\a\b" is "/a/b"
// (as under Wine), a path that already begins with "/" is taken as it is, and backslashes become
// slashes. Other drive letters have no Linux counterpart and map to an empty path.
#pragma once

#include <string>

#include "core/String.h"

namespace platform {

std::string ToNativePath(const String& path);
String FromNativePathBytes(const std::string& nativePath);

}  // namespace platform
