// The .NET Framework runtimes installed under the Windows folder, in the order the file system
// lists them; each one whose folder holds MSBuild.exe.
#include "idetools/IdeMsBuild.h"
#include "platform/Environment.h"
#include "platform/Files.h"

std::vector<TIdeDotNetRuntime> InstalledDotNetRuntimes() {
  String windows = platform::GetEnvironmentVariable(L"SystemRoot").value_or(String());
  if (windows.empty()) windows = platform::GetEnvironmentVariable(L"windir").value_or(String());
  std::vector<TIdeDotNetRuntime> runtimes;
  if (windows.empty()) return runtimes;
  const String framework = windows + L"\\Microsoft.NET\\Framework";
  for (const platform::FoundFile& entry : platform::FindFiles(framework + L"\\v*")) {
    const String folder = framework + L"\\" + entry.name;
    if ((entry.attributes & platform::faDirectory) != 0 &&
        platform::FileExists(folder + L"\\MSBuild.exe"))
      runtimes.push_back({entry.name, folder});
  }
  return runtimes;
}
