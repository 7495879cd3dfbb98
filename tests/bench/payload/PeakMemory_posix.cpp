#include "PeakMemory.h"

#include <sys/resource.h>

uint64_t PeakMemoryKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<uint64_t>(usage.ru_maxrss);  // KiB on Linux
}
