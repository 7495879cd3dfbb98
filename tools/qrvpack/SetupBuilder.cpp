#include "SetupBuilder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "app/PayloadFormat.h"
#include "app/ReportServer.h"
#include "core/Format.h"
#include "core/LibFunctions.h"
#include "core/Sha256.h"
#include "core/StringList.h"
#include "platform/CodePages.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

using platform::TFileStream;

namespace {

constexpr int64_t kMaxPartSize = INT32_MAX;
// The setup's size before the payload is kept a multiple of this, so that a signing tool,
// which aligns the certificate table it appends, adds no bytes after the trailer.
constexpr int64_t kSigningAlignment = 8;

String AsciiUpper(String text) {
  for (wchar_t& c : text) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return text;
}

String Extension(const String& name) {
  const size_t dot = name.rfind(L'.');
  return dot == String::npos ? String() : AsciiUpper(name.substr(dot));
}

String BaseName(const String& name) {
  return name.substr(0, name.rfind(L'.'));
}

std::vector<String> UnitsOf(const String& unitList) {
  std::vector<String> units;
  for (int i = 1; i <= TokenCount(unitList, L'|'); ++i) {
    const String unit = TokenAt(unitList, L'|', i);
    if (!unit.empty()) units.push_back(unit);
  }
  return units;
}

void CheckUnitList(const String& list, const wchar_t* option) {
  if (list.empty()) return;
  const bool enclosed = list.size() >= 3 && list.front() == L'|' && list.back() == L'|' &&
                        list.find(L"||") == String::npos;
  if (!enclosed) {
    throw EQrvpackError(Format(L"%s must read |Name1|Name2|...|, not \"%s\"", {option, list}));
  }
}

// The ANSI bytes of a descriptor value; refuses what the INI reader would not give back.
std::string DescriptorValue(const String& value, const wchar_t* what) {
  bool exact = false;
  std::string bytes = platform::StringToAnsi(value, &exact);
  if (!exact)
    throw EQrvpackError(Format(L"%s holds characters outside the ANSI code page", {what}));
  if (value.find_first_of(String(L"\r\n\0", 3)) != String::npos)
    throw EQrvpackError(Format(L"%s holds a line break", {what}));
  if (value.size() > platform::kIniValueLimit) {
    throw EQrvpackError(Format(L"%s is longer than %d characters, the most the wizard reads",
                               {what, static_cast<int>(platform::kIniValueLimit)}));
  }
  return bytes;
}

struct TArchiveEntry {
  String Name;
  std::string AnsiName;
  int64_t Size = 0;
  String Path;
};

TArchiveEntry CheckedEntry(const String& folder, const String& name) {
  TArchiveEntry entry{name, ArchiveName(name), 0, folder + L"\\" + name};
  const auto size = platform::FileSize(entry.Path);
  if (!size) throw EQrvpackError(Format(L"cannot read %s", {entry.Path}));
  if (static_cast<int64_t>(*size) > kMaxPartSize)
    throw EQrvpackError(Format(L"file larger than 2 GiB: %s", {entry.Path}));
  entry.Size = static_cast<int64_t>(*size);
  return entry;
}

std::array<uint8_t, 4> LittleEndian(int64_t value) {
  const auto bits = static_cast<uint32_t>(value);
  return {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
          static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
}

// A file written under a temporary name and moved to its final name by Commit(); removed when
// it goes out of scope uncommitted.
class TPendingFile {
 public:
  explicit TPendingFile(String finalPath)
      : FFinalPath(std::move(finalPath)),
        FTempPath(FFinalPath + L".qrvpack-tmp"),
        FStream(std::in_place, FTempPath, TFileStream::Mode::Create) {}
  TPendingFile(const TPendingFile&) = delete;
  TPendingFile& operator=(const TPendingFile&) = delete;
  ~TPendingFile() {
    if (!FCommitted) {
      FStream.reset();
      platform::DeleteFile(FTempPath);
    }
  }

  TFileStream& Stream() { return *FStream; }

  void Commit() {
    FStream.reset();
    if (platform::FileExists(FFinalPath) && !platform::DeleteFile(FFinalPath))
      throw EQrvpackError(Format(L"cannot replace %s", {FFinalPath}));
    if (!platform::RenameFile(FTempPath, FFinalPath))
      throw EQrvpackError(Format(L"cannot rename %s to %s", {FTempPath, FFinalPath}));
    FCommitted = true;
  }

 private:
  String FFinalPath;
  String FTempPath;
  std::optional<TFileStream> FStream;
  bool FCommitted = false;
};

// Writes the archive's bytes to the setup and hashes them on the way.
class THashingWriter {
 public:
  explicit THashingWriter(TFileStream& out) : FOut(out) {}

  void Write(const void* data, size_t size) {
    FOut.Write(data, size);
    FSha.Update(data, size);
  }

  void CopyFile(const TArchiveEntry& entry) {
    TFileStream file(entry.Path, TFileStream::Mode::OpenRead);
    const auto chunk = std::make_unique_for_overwrite<uint8_t[]>(kPayloadChunkSize);
    int64_t copied = 0;
    while (const size_t got = file.Read(chunk.get(), kPayloadChunkSize)) {
      copied += static_cast<int64_t>(got);
      if (copied > entry.Size) break;
      Write(chunk.get(), got);
    }
    if (copied != entry.Size)
      throw EQrvpackError(Format(L"%s changed while the setup was built", {entry.Path}));
  }

  String Digest() { return TSha256::Hex(FSha.Final()); }

 private:
  TFileStream& FOut;
  TSha256 FSha;
};

}  // namespace

std::string ArchiveName(const String& name) {
  bool exact = false;
  std::string bytes = platform::StringToAnsi(name, &exact);
  if (!exact)
    throw EQrvpackError(Format(L"file name not representable in the ANSI code page: %s", {name}));
  if (bytes.size() > kMaxRecordNameBytes)
    throw EQrvpackError(Format(L"file name longer than 255 bytes: %s", {name}));
  if (!IsBareFileName(name))
    throw EQrvpackError(Format(L"file name the wizard would refuse: %s", {name}));
  return bytes;
}

bool NameLess(const String& a, const String& b) {
  const String upperA = AsciiUpper(a);
  const String upperB = AsciiUpper(b);
  return upperA != upperB ? upperA < upperB : a < b;
}

String DefaultUnitList(const std::vector<String>& files) {
  std::vector<String> units;
  for (const String& file : files) {
    if (Extension(file) == L".PAS") units.push_back(BaseName(file));
  }
  std::sort(units.begin(), units.end(), NameLess);
  String list;
  for (const String& unit : units) list += L"|" + unit;
  return units.empty() ? String() : list + L"|";
}

std::vector<String> ArchiveOrder(const std::vector<String>& files, const String& unitList,
                                 int32_t version) {
  std::vector<String> rest = files;
  std::sort(rest.begin(), rest.end(), NameLess);
  std::vector<String> order;
  const auto take = [&](const String& wanted) {
    const auto found = std::find_if(
        rest.begin(), rest.end(), [&](const String& file) { return SameTextAscii(file, wanted); });
    if (found != rest.end()) {
      order.push_back(*found);
      rest.erase(found);
    }
  };
  for (const String& unit : UnitsOf(unitList)) {
    for (const wchar_t* extension : {L".dcr", L".dfm", L".pas"}) take(unit + extension);
  }
  const String package = L"QRVLib" + std::to_wstring(version) + L"0";
  take(package + L".dpk");
  take(package + L".res");
  order.insert(order.end(), rest.begin(), rest.end());
  return order;
}

std::string DescriptorText(const TBuildOptions& options, const String& unitList,
                           const String& digest) {
  const std::string eol = "\r\n";
  const std::string reportServer =
      options.ReportServer ? "ReportServer=" + ToUtf8(*options.ReportServer) + eol : "";
  return "[SETUP]" + eol + "Version=" + std::to_string(options.Version) + eol +
         "Package=" + DescriptorValue(options.Package, L"--package") + eol +
         "Digest=" + ToUtf8(digest) + eol + reportServer + "[COMPONENTS]" + eol +
         "Source=" + (options.Source ? "1" : "0") + eol +
         "Files=" + DescriptorValue(unitList, L"--files") + eol +
         "Names=" + DescriptorValue(options.Names, L"--names") + eol;
}

void BuildSetup(const TBuildOptions& options) {
  if (!platform::FileExists(options.Stub))
    throw EQrvpackError(Format(L"stub not found: %s", {options.Stub}));
  if (!platform::DirectoryExists(options.From))
    throw EQrvpackError(Format(L"folder not found: %s", {options.From}));
  if (options.Version <= 0) throw EQrvpackError(L"--version must be a positive number");

  std::vector<String> files;
  for (const platform::FoundFile& found : platform::FindFiles(options.From + L"\\*")) {
    if ((found.attributes & platform::faDirectory) == 0) files.push_back(found.name);
  }
  const String unitList = options.Files.value_or(DefaultUnitList(files));
  CheckUnitList(unitList, L"--files");
  CheckUnitList(options.Names, L"--names");
  if (options.ReportServer && !options.ReportServer->empty() &&
      !ParseReportServer(*options.ReportServer))
    throw EQrvpackError(
        Format(L"--report-server takes HOST or HOST:PORT (port 1 to 65535), "
               L"not \"%s\"",
               {*options.ReportServer}));
  // The digest has a fixed length, so the descriptor's size is known before the archive is.
  const size_t descriptorSize = DescriptorText(options, unitList, String(64, L'0')).size();

  std::vector<TArchiveEntry> entries;
  int64_t archiveSize = 0;
  for (const String& name : ArchiveOrder(files, unitList, options.Version)) {
    entries.push_back(CheckedEntry(options.From, name));
    archiveSize += 5 + static_cast<int64_t>(entries.back().AnsiName.size()) + entries.back().Size;
  }
  if (archiveSize > kMaxPartSize)
    throw EQrvpackError(Format(L"the files of %s add up to more than 2 GiB", {options.From}));

  try {
    TPendingFile setup(options.Output);
    TFileStream& out = setup.Stream();
    {
      TFileStream stub(options.Stub, TFileStream::Mode::OpenRead);
      CopyStreamBytes(stub, out, stub.Size());
    }
    const int64_t padding =
        (kSigningAlignment -
         (out.Position() + archiveSize + static_cast<int64_t>(descriptorSize) + kTrailerSize) %
             kSigningAlignment) %
        kSigningAlignment;
    const std::array<uint8_t, kSigningAlignment> zeros{};
    out.Write(zeros.data(), static_cast<size_t>(padding));
    THashingWriter archive(out);
    for (const TArchiveEntry& entry : entries) {
      const uint8_t length = static_cast<uint8_t>(entry.AnsiName.size());
      archive.Write(&length, 1);
      archive.Write(LittleEndian(entry.Size).data(), 4);
      archive.Write(entry.AnsiName.data(), entry.AnsiName.size());
      archive.CopyFile(entry);
    }
    const std::string descriptor = DescriptorText(options, unitList, archive.Digest());
    out.Write(descriptor.data(), descriptor.size());
    out.Write(LittleEndian(archiveSize).data(), 4);
    out.Write(LittleEndian(static_cast<int64_t>(descriptor.size())).data(), 4);
    setup.Commit();
  } catch (const EQrvpackError&) {
    throw;
  } catch (const Exception& failure) {
    throw EQrvpackError(failure.Message());
  }
}
