#include "SetupReader.h"

#include <random>

#include "SetupBuilder.h"
#include "app/Payload.h"
#include "app/PayloadFormat.h"
#include "core/Format.h"
#include "platform/Files.h"
#include "platform/Paths.h"

using platform::TFileStream;

namespace {

// The failure's text without the message dialog's bold markers.
String PlainText(const String& text) {
  String plain = text;
  for (size_t at = plain.find(L"<b>"); at != String::npos; at = plain.find(L"<b>", at))
    plain.erase(at, 3);
  return plain;
}

void PrintDescriptor(const TInstallerState& state, const String& digest, std::ostream& out) {
  out << "Version=" << state.TargetVersion << "\n"
      << "Package=" << ToUtf8(state.PackageName) << "\n"
      << "Source=" << (state.SourceFlag ? 1 : 0) << "\n"
      << "Files=" << ToUtf8(state.UnitList) << "\n"
      << "Names=" << ToUtf8(state.ComponentList) << "\n";
  if (!digest.empty()) out << "Digest=" << ToUtf8(digest) << "\n";
  if (state.ReportServer) out << "ReportServer=" << ToUtf8(*state.ReportServer) << "\n";
}

void PrintFile(int64_t size, const String& name, std::ostream& out) {
  out << size << "\t" << ToUtf8(name) << "\n";
}

// Reads the descriptor bytes through the wizard's own reader, from a scratch copy; returns its
// Digest.
String ReadDescriptorPart(TFileStream& setup, const TPayloadLocation& location,
                          TInstallerState& state) {
  std::random_device seed;
  std::mt19937 random(seed());
  state.TempDir = CreateTempFolder(random);
  const String copy = WithTrailingBackslash(state.TempDir) + kDescriptorFileName;
  String digest;
  try {
    {
      TFileStream out(copy, TFileStream::Mode::Create);
      setup.Seek(location.DescriptorOffset);
      CopyStreamBytes(setup, out, location.DescriptorSize);
    }
    ReadSetupDescriptor(state);
    digest = ReadPayloadDigest(copy);
  } catch (...) {
    platform::DeleteFile(copy);
    platform::RemoveDirectory(state.TempDir);
    throw;
  }
  platform::DeleteFile(copy);
  platform::RemoveDirectory(state.TempDir);
  return digest;
}

}  // namespace

void ListSetup(const String& setup, std::ostream& out) {
  try {
    TFileStream file(setup, TFileStream::Mode::OpenRead);
    const TPayloadLocation location = LocatePayload(file);
    TInstallerState state;
    const String digest = ReadDescriptorPart(file, location, state);
    PrintDescriptor(state, digest, out);
    TArchiveReader reader(file, location.ArchiveOffset,
                          location.ArchiveOffset + location.ArchiveSize);
    TArchiveRecord record;
    while (reader.Next(record)) PrintFile(record.Size, record.Name, out);
  } catch (const Exception& failure) {
    throw EQrvpackError(PlainText(failure.Message()));
  }
}

void ExtractSetup(const String& setup, const String& folder, std::ostream& out) {
  if (!platform::ForceDirectories(folder))
    throw EQrvpackError(Format(L"cannot create folder %s", {folder}));
  TInstallerState state;
  try {
    ExtractPayloadTo(state, setup, folder);
  } catch (const EPayloadDigestMismatch& damaged) {
    throw EQrvpackError(
        Format(L"comps.pkg does not match the descriptor's Digest (expected %s, "
               L"found %s): the setup is damaged, nothing was unpacked",
               {damaged.Expected(), damaged.Actual()}));
  } catch (const EPayloadError& failure) {
    throw EQrvpackError(PlainText(failure.Reason()));
  }
  ReadSetupDescriptor(state);
  PrintDescriptor(state, ReadPayloadDigest(WithTrailingBackslash(folder) + kDescriptorFileName),
                  out);
  for (const String& name : state.ExtractedFiles.Items()) {
    const auto size = platform::FileSize(WithTrailingBackslash(folder) + name);
    PrintFile(static_cast<int64_t>(size.value_or(0)), name, out);
  }
}
