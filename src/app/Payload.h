// The start-up steps that unpack the setup's payload into a fresh temporary folder and read the
// setup descriptor into the installer state (formats in PayloadFormat.h).
//   - ExtractPayload raises EPayloadError, whose Message() is the complete text the window shows
//     with MsgError; files written before the failure stay where they are. An archive that does
//     not match the descriptor's Digest is not unpacked at all.
//   - UnpackArchive returns false on any failure; it checks every record before it writes a
//     file, so a damaged or hostile archive writes nothing, and nothing is ever written outside
//     the target folder.
//   - ReadSetupDescriptor never fails: what it cannot read keeps its default.
#pragma once

#include <random>

#include "app/InstallerState.h"
#include "core/Exception.h"
#include "core/String.h"

class EPayloadError : public Exception {
 public:
  // reason: the failure's own text, placed after "Mensagem de erro:" in Message().
  explicit EPayloadError(const String& reason);
  const String& Reason() const { return FReason; }

 private:
  String FReason;
};

// The archive does not have the SHA-256 that the descriptor's Digest names: the payload was
// damaged (a download cut short, a changed copy). Reported like a failed unpack.
class EPayloadDigestMismatch : public EPayloadError {
 public:
  EPayloadDigestMismatch(const String& expected, const String& actual);
  const String& Expected() const { return FExpected; }
  const String& Actual() const { return FActual; }

 private:
  String FExpected;
  String FActual;
};

// The SETUP Digest of a descriptor file; empty when it has none.
String ReadPayloadDigest(const String& descriptorFile);

// A newly created folder named by a random number from 0 to 999999 inside the system temporary
// folder, without a trailing backslash. A number whose folder exists is drawn again; a folder
// that cannot be created is still returned (the first file written into it fails).
String CreateTempFolder(std::mt19937& random);

// Sets state.TempDir to a new temporary folder and extracts the payload of programFile into it.
// When the descriptor carries a Digest, the archive is checked against it before any record is
// unpacked (EPayloadDigestMismatch).
void ExtractPayload(TInstallerState& state, const String& programFile);

// The same into a folder of the caller's choice, which becomes state.TempDir.
void ExtractPayloadTo(TInstallerState& state, const String& programFile, const String& folder);

// Unpacks every record of archiveFile into targetDir and lists the names, in archive order, in
// state.ExtractedFiles; on failure the list is left empty.
bool UnpackArchive(TInstallerState& state, const String& archiveFile, const String& targetDir);

// Reads TempDir\instalar.inf into TargetVersion, PackageName, UnitList, ComponentList and
// SourceFlag.
void ReadSetupDescriptor(TInstallerState& state);
