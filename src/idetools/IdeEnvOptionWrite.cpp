// Writing the BDS path lists: the registry value first, then, from BDS 5 on, the stored text of
// the matching property of EnvOptions.proj, saved with a ".bak" copy as a safeguard.
#include "IdeMsBuild.h"
#include "IdeUtils.h"
#include "core/Format.h"
#include "platform/Files.h"

namespace {

// A document in a single-byte code page keeps its declaration: without a byte-order mark nothing
// else tells a reader its encoding.
bool NeedsDeclaration(const TIdeSimpleXML& xml) {
  const uint32_t codePage = xml.SaveEncoding().CodePage;
  return xml.HasDeclaration() && codePage != 65001 && codePage != 1200 && codePage != 1201;
}

// Moves the project file aside to its ".bak" name, saves the parser's document, and removes the
// copy after that succeeded. When saving raises, the partly written file goes and the copy is put
// back before the error is raised again. A copy that cannot be made raises EInOutError before
// anything is written.
void SaveKeepingBackup(TIdeMsBuildParser& parser) {
  const String& file = parser.ProjectFileName();
  const String backup = file + L".bak";
  platform::DeleteFile(backup);
  if (!platform::RenameFile(file, backup)) {
    throw EInOutError(
        Format(L"Cannot rename %s to %s: %s",
               {file, backup, platform::SystemErrorMessage(platform::LastErrorCode())}));
  }
  try {
    parser.Save(NeedsDeclaration(parser.Xml()));
  } catch (...) {
    platform::DeleteFile(file);
    if (!platform::RenameFile(backup, file) && platform::CopyFile(backup, file))
      platform::DeleteFile(backup);
    throw;
  }
  platform::DeleteFile(backup);
}

}  // namespace

void TIdeBDSInstallation::WriteEnvOption(const String& Name, const String& Value,
                                         TIdeBDSPlatform APlatform) {
  EnsureMsBuildSupported();
  const String fileName = EnvOptionsFileName();
  TIdeMsBuildParser parser(fileName);
  parser.Init();
  parser.Properties().EnvironmentProperties().Assign(GetEnvironmentVariables());
  if (SupportsPlatform())
    parser.Properties().GlobalProperties().SetValue(L"Platform", PlatformName(APlatform));
  parser.Parse();
  parser.SetRawValue(Name, Value);
  SaveKeepingBackup(parser);
}

String TIdeBDSInstallation::LibrarySection(TIdeBDSPlatform APlatform) const {
  return IDEVersionNumber() >= 9 ? L"Library\\" + PlatformName(APlatform) : String(L"Library");
}

void TIdeBDSInstallation::SetRawLibrarySearchPath(TIdeBDSPlatform APlatform, const String& Value) {
  EnsurePlatformSupported(APlatform);
  ConfigData().WriteString(LibrarySection(APlatform), L"Search Path", Value);
  if (IDEVersionNumber() >= 5)
    WriteEnvOption(EnvOptionName(L"Win32LibraryPath", L"DelphiLibraryPath"), Value, APlatform);
}

void TIdeBDSInstallation::SetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform,
                                                    const String& Value) {
  EnsurePlatformSupported(APlatform);
  ConfigData().WriteString(LibrarySection(APlatform), L"Browsing Path", Value);
  if (IDEVersionNumber() >= 5)
    WriteEnvOption(EnvOptionName(L"Win32BrowsingPath", L"DelphiBrowsingPath"), Value, APlatform);
}

void TIdeBDSInstallation::SetRawDebugDCUPath(TIdeBDSPlatform APlatform, const String& Value) {
  EnsurePlatformSupported(APlatform);
  ConfigData().WriteString(LibrarySection(APlatform), L"Debug DCU Path", Value);
  if (IDEVersionNumber() >= 5)
    WriteEnvOption(EnvOptionName(L"Win32DebugDCUPath", L"DelphiDebugDCUPath"), Value, APlatform);
}
