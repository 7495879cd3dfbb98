// The world of an end-to-end test, inside the Wine prefix the tests run in: a simulated RAD
// Studio with the fake compiler as its dcc32.exe, the sample library packed into a real setup
// program by qrvpack, and a clean slate (no simulated IDE, no remembered destination, no
// destination folder) before and after each test. Windows only.
#pragma once

#include <cstdint>
#include <optional>

#include "core/String.h"
#include "fixtures/ide/SimulatedIde.h"

// The sample library as a setup for version (26: RAD Studio 10.3) needs it: a copy in folder
// whose package project and its resource are named "QRVLib" + version + "0". Returns folder.
String PrepareSampleLibrary(int32_t version, const String& folder);

// Packs the sample library into the wizard built with the tests; reportServer becomes the
// descriptor's ReportServer when given. Returns the setup's path, folder\qrvsetup-dVERSION.exe.
String BuildSampleSetup(int32_t version, const String& folder,
                        const std::optional<String>& reportServer);

// A simulated RAD Studio of that BDS number installed in rootDir with the fake compiler.
TSimulatedIde InstallRadStudioWithFakeCompiler(const String& rootDir, int bdsVersion = 20);

// Removes every simulated IDE with its common folder (compiled packages), the installer's
// remembered destinations and the default destination folders (C:\Quorvane\QRVComps).
void ResetWorld();

// The destination a setup for version proposes when nothing is remembered.
String DefaultDestination(int32_t version);
