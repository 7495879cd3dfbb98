// Failures that tests can force: the n-th next operation of a kind fails as if the platform had
// refused it. Counting is per process and per kind; n = 1 fails the very next one.
#pragma once

#include <cstdint>

namespace platform {

enum class FaultKind { FileWrite, FileRename, PipeRead, RegistryWrite };

void FailNth(FaultKind kind, int n);
void ClearFaults();
// Called by the platform layer before each operation of the kind; true means: fail this one.
bool ShouldFail(FaultKind kind);

}  // namespace platform
