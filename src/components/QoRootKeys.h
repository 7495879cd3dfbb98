// The registry roots that the component library's registry users (the registry manager, the
// form saver) choose from, in the platform's order, and their platform counterparts. Portable.
#pragma once

#include <optional>

#include "platform/Registry.h"

enum class TQoRootKeys {
  HKeyClassesRoot,
  HKeyCurrentUser,
  HKeyLocalMachine,
  HKeyUsers,
  HKeyPerformanceData,
  HKeyCurrentConfig,
  HKeyDynData,
};

// The platform root of the same position; empty for the performance-data and dynamic-data
// roots, which hold no keys that can be opened (every open of them fails).
std::optional<platform::RegRoot> PlatformRootKey(TQoRootKeys root);
