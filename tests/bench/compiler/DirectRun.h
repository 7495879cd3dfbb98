// What the process benchmark needs besides the runner itself: a child whose standard output
// goes straight into a file (the baseline without pipes or line splitting), and the CPU time
// the benchmark process itself has used.
#pragma once

#include <filesystem>

// Runs program without arguments, its standard output written to outputFile; waits for it.
void RunStraightIntoFile(const std::filesystem::path& program,
                         const std::filesystem::path& outputFile);
// User plus kernel time of this process so far, in seconds (children not counted).
double ProcessCpuSeconds();
