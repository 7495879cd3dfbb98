// The process's peak memory so far, in KiB: the resident set's high-water mark natively
// (getrusage), the peak working set on Windows (GetProcessMemoryInfo).
#pragma once

#include <cstdint>

uint64_t PeakMemoryKiB();
