#include "components/QoRootKeys.h"

std::optional<platform::RegRoot> PlatformRootKey(TQoRootKeys root) {
  switch (root) {
    case TQoRootKeys::HKeyClassesRoot:
      return platform::RegRoot::ClassesRoot;
    case TQoRootKeys::HKeyCurrentUser:
      return platform::RegRoot::CurrentUser;
    case TQoRootKeys::HKeyLocalMachine:
      return platform::RegRoot::LocalMachine;
    case TQoRootKeys::HKeyUsers:
      return platform::RegRoot::Users;
    case TQoRootKeys::HKeyCurrentConfig:
      return platform::RegRoot::CurrentConfig;
    case TQoRootKeys::HKeyPerformanceData:
    case TQoRootKeys::HKeyDynData:
      break;
  }
  return std::nullopt;
}
