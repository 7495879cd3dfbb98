// The world of an end-to-end test, inside the Wine prefix the tests run in: a simulated RAD
// Studio with the fake compiler as its dcc32.exe, the sample library packed into a real setup
// program by qrvpack, and a clean slate (no simulated IDE, no remembered destination, no
// destination folder) before and after each test. Windows only.
#pragma once

#include <cstdint>
#include <optional>

#include "core/String.h"
#include "fixtures/ide/SimulatedIde.h"

// A RAD Studio generation a setup can be built for: the setup's Version, the IDE's registry
// version key number (BDS N.0) and the name the welcome page gives that version.
struct TIdeGeneration {
  int32_t Version;
  int Bds;
  const wchar_t* DisplayName;
};

inline constexpr TIdeGeneration kRadStudio103{26, 20, L"Delphi XE10.3 - Rio"};
inline constexpr TIdeGeneration kRadStudio104{27, 21, L"Delphi XE10.4 - Sydney"};
inline constexpr TIdeGeneration kRadStudio11{28, 22, L"Delphi 11 - Alexandria"};
inline constexpr TIdeGeneration kRadStudio12{29, 23, L"Delphi 12 - Athens"};
inline constexpr TIdeGeneration kRadStudio13{37, 37, L"Delphi 13 - Florence"};
inline constexpr TIdeGeneration kIdeGenerations[] = {kRadStudio103, kRadStudio104, kRadStudio11,
                                                     kRadStudio12, kRadStudio13};

// The package project of the sample library for version: "QRVLib" + version + "0".
String SampleProjectName(int32_t version);

// The sample library as a setup for version (26: RAD Studio 10.3) needs it: a copy in folder
// whose package project and its resource are named "QRVLib" + version + "0". Returns folder.
String PrepareSampleLibrary(int32_t version, const String& folder);

// The wizard the setups are made of: the program named by the environment variable
// QRV_SETUP_STUB (a Windows path) when set, such as the shipped 32-bit build, else the one built
// with the tests.
String SetupStub();
// Whether that wizard is a 32-bit program (it then keeps its own key in the 32-bit registry view).
bool SetupStubIs32Bit();

// Packs the sample library into the wizard (SetupStub); reportServer becomes the
// descriptor's ReportServer when given. Returns the setup's path, folder\qrvsetup-dVERSION.exe.
String BuildSampleSetup(int32_t version, const String& folder,
                        const std::optional<String>& reportServer);

// A simulated RAD Studio of that BDS number installed in rootDir with the fake compiler.
TSimulatedIde InstallRadStudioWithFakeCompiler(const String& rootDir, int bdsVersion);

// Removes every simulated IDE with its common folder (compiled packages), the installer's
// remembered destinations (InstallerKey.h) and the default destination folders
// (C:\Quorvane\QRVComps).
void ResetWorld();

// The destination a setup for version proposes when nothing is remembered.
String DefaultDestination(int32_t version);
