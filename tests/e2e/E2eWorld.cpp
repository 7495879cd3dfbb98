#include "E2eWorld.h"

#include <stdexcept>

#include "InstallerKey.h"
#include "SetupBuilder.h"
#include "fixtures/ide/MsBuildRuntime.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "support/TestSupport.h"

namespace {

template <typename TText>
TText Replaced(TText text, const TText& from, const TText& to) {
  for (size_t at = text.find(from); at != String::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace

String SampleProjectName(int32_t version) {
  return L"QRVLib" + std::to_wstring(version) + L"0";
}

String PrepareSampleLibrary(int32_t version, const String& folder) {
  const String sample = testing_support::SourcePath(L"samples\\qrvlib\\");
  const String project = SampleProjectName(version);
  platform::ForceDirectories(folder);
  for (const platform::FoundFile& file : platform::FindFiles(sample + L"*")) {
    if ((file.attributes & platform::faDirectory) != 0) continue;
    const String target =
        WithTrailingBackslash(folder) + Replaced<String>(file.name, L"QRVLib260", project);
    if (!platform::CopyFile(sample + file.name, target))
      throw std::runtime_error("cannot copy the sample library");
  }
  const String dpk = WithTrailingBackslash(folder) + project + L".dpk";
  const std::vector<uint8_t> bytes = platform::ReadFileBytes(dpk);
  const std::string text =
      Replaced<std::string>(std::string(bytes.begin(), bytes.end()), "QRVLib260", ToUtf8(project));
  platform::WriteFileBytes(dpk, std::vector<uint8_t>(text.begin(), text.end()));
  return folder;
}

String SetupStub() {
  const std::optional<String> chosen = platform::GetEnvironmentVariable(L"QRV_SETUP_STUB");
  return chosen && !chosen->empty() ? *chosen : String(QRV_SETUP_STUB);
}

bool SetupStubIs32Bit() {
  static const bool is32Bit = [] {
    const std::vector<uint8_t> image = platform::ReadFileBytes(SetupStub());
    if (image.size() < 0x40) return false;
    const uint32_t header = image[0x3c] | image[0x3d] << 8 | image[0x3e] << 16 |
                            static_cast<uint32_t>(image[0x3f]) << 24;
    return header + 6 <= image.size() && image[header + 4] == 0x4c && image[header + 5] == 0x01;
  }();
  return is32Bit;
}

String BuildSampleSetup(int32_t version, const String& folder,
                        const std::optional<String>& reportServer) {
  TBuildOptions options;
  options.Stub = SetupStub();
  options.From = PrepareSampleLibrary(version, WithTrailingBackslash(folder) + L"library");
  options.Output =
      WithTrailingBackslash(folder) + L"qrvsetup-d" + std::to_wstring(version) + L".exe";
  options.Version = version;
  options.Package = L"Personalizado";
  options.ReportServer = reportServer;
  BuildSetup(options);
  return options.Output;
}

TSimulatedIde InstallRadStudioWithFakeCompiler(const String& rootDir, int bdsVersion) {
  if (!EnsureMsBuildRuntime()) throw std::runtime_error("no MSBuild runtime can be provided");
  TSimulatedIde ide = RadStudio103(rootDir);
  ide.BdsVersion = bdsVersion;
  ide.VersionKey = std::to_wstring(bdsVersion) + L".0";
  InstallSimulatedIde(ide);
  // The folders a real installation has for compiled packages.
  platform::ForceDirectories(SimulatedCommonDir(bdsVersion) + L"\\Bpl");
  platform::ForceDirectories(SimulatedCommonDir(bdsVersion) + L"\\Dcp");
  if (!platform::CopyFile(QRV_FAKEDCC, rootDir + L"\\bin\\dcc32.exe"))
    throw std::runtime_error("cannot install the fake compiler");
  return ide;
}

void ResetWorld() {
  RemoveSimulatedIdes();
  DeleteInstallerKey();
  if (platform::DirectoryExists(L"C:\\Quorvane")) testing_support::RemoveTree(L"C:\\Quorvane");
  // The simulated IDE's common folder, where the compiled packages go.
  const String common = L"C:\\Users\\Public\\Documents\\Embarcadero";
  if (platform::DirectoryExists(common)) testing_support::RemoveTree(common);
}

String DefaultDestination(int32_t version) {
  return L"C:\\Quorvane\\QRVComps\\D" + std::to_wstring(version);
}
