// The compiler options of the installer's build step. Before every compiler run the installer
// throws away what the compiler driver prepared and gives its own list, in a fixed order: the
// switches (build all, no optimisation, stack frames, quiet, no hints or warnings), the unit
// scope names the IDE generation needs, and the search and output folders of the target
// installation and the destination folder. A compiler without "--no-config" would read its
// default configuration instead, so for it the same list is also written, one option a line, to
// the package project's ".cfg" in the destination folder.
//
// Errors of the installation's path questions and of writing the ".cfg" pass through.
#pragma once

#include <cstdint>

#include "core/String.h"

class TIdeBorlandCommandLineTool;
class TIdeBorRADToolInstallation;

// The unit scope option for an installation's version tag ("d16", "d26", ...); empty when that
// generation takes none. "d16" is compared exactly, the later tags ignoring ASCII letter case.
String UnitScopeOption(const String& versionTag);

// The compiler configuration file of the package project: destination\QRVLib<version>0.cfg.
String CompilerConfigFileName(const String& destination, int32_t targetVersion);

// Replaces tool's options by the installer's list for installation and destination, and writes
// the ".cfg" when the installation's compiler does not take "--no-config".
void SetInstallerCompilerOptions(TIdeBorlandCommandLineTool& tool,
                                 TIdeBorRADToolInstallation& installation,
                                 const String& destination, int32_t targetVersion);
