#include "app/Payload.h"

#include "app/PayloadFormat.h"
#include "core/Format.h"
#include "core/Sha256.h"
#include "core/StringList.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

using platform::TFileStream;

namespace {

const wchar_t* const kUnpackFailure =
    L"Não foi possível extrair o conteúdo do arquivo <b>comps.pkg<b>.";

void CopyPart(TFileStream& program, int64_t offset, int64_t size, const String& target,
              TSha256* hash = nullptr) {
  TFileStream out(target, TFileStream::Mode::Create);
  program.Seek(offset);
  CopyStreamBytes(program, out, size, hash);
}

// Walks every record header without writing; raises EPayloadDamaged for the first bad one.
void CheckRecords(TFileStream& archive) {
  TArchiveReader reader(archive, 0, archive.Size());
  TArchiveRecord record;
  while (reader.Next(record)) {
  }
}

// A value read from the descriptor, or none when the key is absent. No value read from an INI
// file holds a line break, so a default with one marks the absence.
std::optional<String> ReadOptionalString(const platform::TIniFile& file, const String& section,
                                         const String& key) {
  const String absent = L"\n<absent>";
  const String value = file.ReadString(section, key, absent);
  return value == absent ? std::nullopt : std::optional<String>(value);
}

// Raises EPayloadDigestMismatch when the descriptor names a digest other than the archive's.
void CheckArchiveDigest(const String& archiveDigest, const String& descriptorFile) {
  const String expected = ReadPayloadDigest(descriptorFile);
  if (expected.empty()) return;
  if (!SameTextAscii(expected, archiveDigest))
    throw EPayloadDigestMismatch(expected, archiveDigest);
}

}  // namespace

EPayloadDigestMismatch::EPayloadDigestMismatch(const String& expected, const String& actual)
    : EPayloadError(kUnpackFailure), FExpected(expected), FActual(actual) {}

String ReadPayloadDigest(const String& descriptorFile) {
  return platform::TIniFile(descriptorFile).ReadString(kDigestSection, kDigestKey, L"");
}

EPayloadError::EPayloadError(const String& reason)
    : Exception(Format(L"Não foi possível extrair os arquivos de instalação.||"
                       L"<b>Mensagem de erro:<b>|%s",
                       {reason})),
      FReason(reason) {}

String CreateTempFolder(std::mt19937& random) {
  std::uniform_int_distribution<int> number(0, 999999);
  String result;
  while (result.empty()) {
    const String path = WithTrailingBackslash(SystemTempFolder()) + IntToStr(number(random));
    if (!platform::DirectoryExists(path)) {
      platform::ForceDirectories(path);
      result = path;
    }
  }
  return result;
}

void ExtractPayload(TInstallerState& state, const String& programFile) {
  ExtractPayloadTo(state, programFile, CreateTempFolder(state.Random));
}

void ExtractPayloadTo(TInstallerState& state, const String& programFile, const String& folder) {
  try {
    state.TempDir = folder;
    const String archiveFile = WithTrailingBackslash(folder) + kArchiveFileName;
    const String descriptorFile = WithTrailingBackslash(folder) + kDescriptorFileName;
    // The archive's digest is taken from the bytes as they are copied out, on a second thread,
    // which spares a second reading of the whole archive; it is still checked before any record
    // is unpacked.
    TSha256 archiveHash;
    {
      TFileStream program(programFile, TFileStream::Mode::OpenRead);
      const TPayloadLocation location = LocatePayload(program);
      CopyPart(program, location.ArchiveOffset, location.ArchiveSize, archiveFile, &archiveHash);
      CopyPart(program, location.DescriptorOffset, location.DescriptorSize, descriptorFile);
    }
    CheckArchiveDigest(TSha256::Hex(archiveHash.Final()), descriptorFile);
    if (!UnpackArchive(state, archiveFile, folder)) throw EPayloadError(kUnpackFailure);
  } catch (const EPayloadError&) {
    throw;
  } catch (const Exception& failure) {
    throw EPayloadError(failure.Message());
  } catch (const std::exception& failure) {
    throw EPayloadError(FromUtf8(failure.what()));
  }
}

bool UnpackArchive(TInstallerState& state, const String& archiveFile, const String& targetDir) {
  state.ExtractedFiles.Clear();
  try {
    TFileStream archive(archiveFile, TFileStream::Mode::OpenRead);
    CheckRecords(archive);
    TArchiveReader reader(archive, 0, archive.Size());
    TArchiveRecord record;
    while (reader.Next(record)) {
      state.ExtractedFiles.Add(record.Name);
      TFileStream out(WithTrailingBackslash(targetDir) + record.Name, TFileStream::Mode::Create);
      CopyStreamBytes(archive, out, record.Size);
    }
    return true;
  } catch (const std::exception&) {
    state.ExtractedFiles.Clear();
    return false;
  }
}

void ReadSetupDescriptor(TInstallerState& state) {
  const platform::TIniFile descriptor(WithTrailingBackslash(state.TempDir) + kDescriptorFileName);
  state.TargetVersion = descriptor.ReadInteger(L"SETUP", L"Version", 0);
  state.PackageName = descriptor.ReadString(L"SETUP", L"Package", L"");
  state.UnitList = descriptor.ReadString(L"COMPONENTS", L"Files", L"");
  state.ComponentList = descriptor.ReadString(L"COMPONENTS", L"Names", L"");
  state.SourceFlag = descriptor.ReadInteger(L"COMPONENTS", L"Source", 0) != 0;
  state.ReportServer = ReadOptionalString(descriptor, L"SETUP", L"ReportServer");
}
