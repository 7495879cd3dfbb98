#include "PeakMemory.h"

#include <windows.h>
#include <psapi.h>

uint64_t PeakMemoryKiB() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize / 1024;
}
