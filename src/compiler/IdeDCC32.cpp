#include "compiler/IdeDCC32.h"

#include <cwctype>

#include "compiler/CompilerPaths.h"
#include "idetools/IdeFileNames.h"
#include "core/Format.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

// Moves the source's ".cfg" to its backup name for as long as it lives, and back afterwards.
class TConfigFileAside {
 public:
  explicit TConfigFileAside(const String& sourceName)
      : FConfigFile(ChangeFileExt(sourceName, L".cfg")), FBackupFile(BackupFileName(FConfigFile)) {
    if (platform::FileExists(FConfigFile)) MoveFileReplacing(FConfigFile, FBackupFile);
  }
  TConfigFileAside(const TConfigFileAside&) = delete;
  TConfigFileAside& operator=(const TConfigFileAside&) = delete;
  ~TConfigFileAside() {
    if (platform::FileExists(FBackupFile)) MoveFileReplacing(FBackupFile, FConfigFile);
  }

 private:
  String FConfigFile;
  String FBackupFile;
};

// The folder of a source as the compile makes it current: its path followed by ".".
String SourceFolder(const String& sourceName) {
  return ExtractFilePath(sourceName) + L".";
}

String WithoutEnclosingQuotes(const String& text) {
  if (text.size() >= 2 && text.front() == text.back() &&
      (text.front() == L'"' || text.front() == L'\'')) {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

String WithTrailingSemicolon(const String& list) {
  return !list.empty() && list.back() == L';' ? list : list + L";";
}

}  // namespace

TIdeDCC32::TIdeDCC32(const String& ABinDirectory, bool ALongPathBug, float ADCCVersion,
                     TIdeCompilerSettingsFormat ACompilerSettingsFormat, bool ASupportsNoConfig,
                     bool ASupportsPlatform, const String& ADCPSearchPath,
                     const String& ALibrarySearchPath, const String& ALibraryDebugSearchPath,
                     const String& ACppSearchPath)
    : TIdeBorlandCommandLineTool(ABinDirectory, ALongPathBug, ACompilerSettingsFormat),
      FDCPSearchPath(ADCPSearchPath),
      FLibrarySearchPath(ALibrarySearchPath),
      FLibraryDebugSearchPath(ALibraryDebugSearchPath),
      FCppSearchPath(ACppSearchPath),
      FSupportsNoConfig(ASupportsNoConfig),
      FSupportsPlatform(ASupportsPlatform),
      FDCCVersion(ADCCVersion) {
  TIdeDCC32::SetDefaultOptions(false);
}

void TIdeDCC32::SetDefaultOptions(bool ADebug) {
  Options().Clear();
  if (FSupportsNoConfig) Options().Add(L"--no-config");
  if (ADebug) AddPathOption(L"U", FLibraryDebugSearchPath);
  AddPathOption(L"U", FLibrarySearchPath);
  if (!FCppSearchPath.empty()) {
    AddPathOption(L"U", FCppSearchPath);
    Options().Add(L"-LUrtl");
  }
}

bool TIdeDCC32::MakePackage(const String& PackageName, const String& BPLPath, const String& DCPPath,
                            const String& ExtraOptions, bool ADebug) {
  const TCurrentFolderChange folder(SourceFolder(PackageName));
  const TConfigFileAside config(PackageName);
  Options().Clear();
  SetDefaultOptions(ADebug);
  ApplyProjectOptions(PackageName, DCPPath);
  AddPathOption(L"LN", DCPPath);
  AddPathOption(L"LE", BPLPath);
  Options().Add(ExtraOptions);
  return CompileFile(PackageName);
}

bool TIdeDCC32::MakeProject(const String& ProjectName, const String& OutputDir,
                            const String& DcpSearchPath, const String& ExtraOptions, bool ADebug) {
  const TCurrentFolderChange folder(SourceFolder(ProjectName));
  const TConfigFileAside config(ProjectName);
  Options().Clear();
  SetDefaultOptions(ADebug);
  ApplyProjectOptions(ProjectName, DcpSearchPath);
  AddPathOption(L"E", OutputDir);
  Options().Add(ExtraOptions);
  return CompileFile(ProjectName);
}

void TIdeDCC32::ApplyProjectOptions(const String& ProjectFileName, const String& DCPPath) {
  TProjectOptions options;
  if (!AddDProjOptions(ProjectFileName, options) && !AddBDSProjOptions(ProjectFileName, options) &&
      !AddDOFOptions(ProjectFileName, options)) {
    return;
  }
  if (!options.UnitOutputDir.empty()) {
    AddPathOption(FDCCVersion >= 24.0f ? L"NU" : L"N", options.UnitOutputDir);
  }
  if (!options.SearchPath.empty()) {
    AddPathOption(L"I", options.SearchPath);
    AddPathOption(L"R", options.SearchPath);
  }
  if (!options.Conditionals.empty()) Options().Add(Format(L"-D%s", {options.Conditionals}));
  options.SearchDcpPath = SameFolder(DCPPath, FDCPSearchPath)
                              ? DCPPath
                              : WithTrailingSemicolon(DCPPath) + FDCPSearchPath;
  AddPathOption(L"U", WithTrailingSemicolon(options.SearchDcpPath) + options.SearchPath);
  if (options.UsePackages && !options.DynamicPackages.empty()) {
    Options().Add(Format(L"-LU\"%s\"", {options.DynamicPackages}));
  }
  if (!options.Namespace.empty()) Options().Add(L"-ns" + options.Namespace);
}

bool TIdeDCC32::CompileFile(const String& ProjectFileName) {
  return Execute(L"\"" + WithoutEnclosingQuotes(ProjectFileName) + L"\"");
}

size_t TIdeDCC32::PathOptionPrefixLength(const String& Option) const {
  if (Option.size() < 2 || Option[0] != L'-') return 0;
  const wchar_t kind = static_cast<wchar_t>(std::towupper(Option[1]));
  const wchar_t next = Option.size() > 2 ? static_cast<wchar_t>(std::towupper(Option[2])) : 0;
  switch (kind) {
    case L'E':
    case L'I':
    case L'O':
    case L'R':
    case L'U':
      return 2;
    case L'L':
      return next == L'E' || next == L'N' ? 3 : 0;
    case L'N':
      if ((next >= L'0' && next <= L'9') || next == L'B' || next == L'H' || next == L'O') return 3;
      if (next == L'S' && FDCCVersion >= 23.0f) return 3;
      if ((next == L'U' || next == L'X') && FDCCVersion >= 24.0f) return 3;
      return 2;
    default:
      return 0;
  }
}

bool TIdeDCC32::Execute(const String& CommandLine) {
  CallOnBeforeExecute();
  ClearOutput();
  String arguments;
  const String folder = CurrentFolder();
  const String shortFolder = LongPathBug() ? ShortPathOrSelf(folder) : String();
  const std::vector<String> options = Options().Items();
  for (const String& option : options) {
    const size_t prefix = PathOptionPrefixLength(option);
    if (prefix == 0) {
      arguments += L" " + option;
      continue;
    }
    String list = WithoutEnclosingQuotes(option.substr(prefix));
    if (LongPathBug()) {
      list = MapPathList(list, [&](const String& element) {
        if (element.empty()) return element;
        return RelativePathFrom(shortFolder,
                                ShortPathOrSelf(JoinAndNormalisePath(folder, element)));
      });
    }
    arguments = Format(L"%s %s\"%s\"", {arguments, option.substr(0, prefix), list});
  }
  const bool result = RunCommandLine(CommandLine + arguments);
  CallOnAfterExecute();
  return result;
}

TIdeDCCIL::TIdeDCCIL(const String& ABinDirectory, bool ALongPathBug, float ADCCVersion,
                     TIdeCompilerSettingsFormat ACompilerSettingsFormat, bool ASupportsNoConfig,
                     bool ASupportsPlatform, const String& ADCPSearchPath,
                     const String& ALibrarySearchPath, const String& ALibraryDebugSearchPath,
                     const String& ACppSearchPath)
    : TIdeDCC32(ABinDirectory, ALongPathBug, ADCCVersion, ACompilerSettingsFormat,
                ASupportsNoConfig, ASupportsPlatform, ADCPSearchPath, ALibrarySearchPath,
                ALibraryDebugSearchPath, ACppSearchPath) {
  TIdeDCCIL::SetDefaultOptions(false);
}

void TIdeDCCIL::SetDefaultOptions(bool ADebug) {
  Options().Clear();
  if (ADebug) AddPathOption(L"U", LibraryDebugSearchPath());
  AddPathOption(L"U", LibrarySearchPath());
}

bool TIdeDCCIL::MakeProject(const String& ProjectName, const String& OutputDir, const String&,
                            const String& ExtraOptions, bool ADebug) {
  const TCurrentFolderChange folder(SourceFolder(ProjectName));
  Options().Clear();
  SetDefaultOptions(ADebug);
  ApplyProjectOptions(ProjectName, String());
  AddPathOption(L"E", OutputDir);
  Options().Add(ExtraOptions);
  return CompileFile(ProjectName);
}
