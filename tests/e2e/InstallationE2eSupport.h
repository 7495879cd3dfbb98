// What the end-to-end installation tests read back and expect: registry values of the simulated
// IDE and of the installer, the Win32 paths of EnvOptions.proj, the compiler's command line for
// the installer's option list, and the report's request, encoded here independently of the
// program. Windows only (the tests' Wine prefix).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "E2eWorld.h"
#include "InstallerKey.h"
#include "core/String.h"

// A file's bytes; empty when it is missing.
std::string ReadBytes(const String& path);

// A string value under a simulated RAD Studio's per-user key (subKey below
// HKCU Software\Embarcadero\BDS\<bds>.0); none when the key or the value is missing.
std::optional<String> UserValue(int bds, const String& subKey, const String& name);

// How often folder appears in a ";"-separated path list (ignoring case).
int PathCount(const String& pathList, const String& folder);
// The text of element in the Win32 property group of an EnvOptions.proj; empty when absent.
std::string Win32EnvOption(const std::string& envOptions, const std::string& element);

// The command line the compiler receives for the sample package project of the generation in
// destination, with the installer's option list (the second unit scope option, as every
// generation from RAD Studio XE3 on takes) and "--no-config", for that generation's simulated
// IDE in rootDir.
String ExpectedCommandLine(const TIdeGeneration& generation, const String& rootDir,
                           const String& destination);

// Form encoding as a browser does it: letters, digits and "*-._" stay, a space becomes "+",
// every other character the "%XX" codes of its UTF-8 bytes; apostrophes are first turned into
// double quotes, as the report does with its log.
std::string FormEncoded(const String& log);
// The whole report request to the listener on 127.0.0.1:port with that body.
std::string ExpectedReport(uint16_t port, const std::string& body);

// Writes the fake compiler's script (one command a line) to path.
void WriteFakeScript(const String& path, const std::string& script);
// Changes one byte of the archive inside a setup program (a letter of a unit's source), so that
// the archive no longer has the digest its descriptor names.
void TamperWithArchive(const String& setup);

// The folders now in the system's temporary folder.
std::vector<String> TempFolderEntries();
// Files of the sample library unpacked into temporary folders that are not in before.
int UnpackedLibraryFiles(const std::vector<String>& before);
