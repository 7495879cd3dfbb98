// The one folder a fuzzing process writes to: made in the system temporary folder on first use
// and removed with its contents when the process ends.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "core/String.h"
#include "platform/Files.h"
#include "support/TestSupport.h"

inline const testing_support::ScratchFolder& FuzzScratch() {
  static testing_support::ScratchFolder scratch;
  return scratch;
}

// Names of the entries of a folder.
inline std::set<String> FolderNames(const String& folder) {
  std::set<String> names;
  for (const auto& entry : platform::FindFiles(WithTrailingBackslash(folder) + L"*"))
    names.insert(entry.name);
  return names;
}

// Ends the run as a crash when a property of the code under test does not hold.
inline void Require(bool holds) {
  if (!holds) std::abort();
}
