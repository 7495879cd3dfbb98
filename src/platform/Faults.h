// Failures that tests can force: the n-th next operation of a kind fails as if the platform had
// refused it. Counting is per process and per kind; n = 1 fails the very next one.
#pragma once

#include <cstdint>

#include "core/String.h"

namespace platform {

enum class FaultKind { FileWrite, FileRename, PipeRead, RegistryWrite, FileRead };

void FailNth(FaultKind kind, int n);
void ClearFaults();
// Called by the platform layer before each operation of the kind; true means: fail this one.
bool ShouldFail(FaultKind kind);

// File states a file system cannot take everywhere (compressed, encrypted, system on the native
// stand-in): FindFiles reports these attributes in addition for the entry at path (the path as
// the mask's folder and the entry's name form it, compared ignoring ASCII case). ClearFaults
// forgets them.
void ForceFoundAttributes(const String& path, uint32_t attributes);
uint32_t ForcedFoundAttributes(const String& path);

}  // namespace platform
