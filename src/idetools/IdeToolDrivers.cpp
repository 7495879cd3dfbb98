// The installation's command-line tool drivers: created on first use with the installation's
// values, owned and kept, and given the installation's output callback.
#include "IdeUtils.h"
#include "core/Format.h"

namespace {

// The driver, created by create on the first call; "<exe> not found" without the tool.
template <typename TDriver, typename TCreate>
TDriver& DriverOnFirstUse(std::unique_ptr<TDriver>& driver, bool found, const wchar_t* exeName,
                          TCreate create) {
  if (!driver) {
    if (!found) RaiseBorRADError(L"%s not found", {exeName});
    driver = create();
  }
  return *driver;
}

template <typename TCompiler>
std::unique_ptr<TIdeDCC32> NewDelphiCompiler(const TIdeBorRADToolInstallation& installation,
                                             const String& dcpPath, const String& libFolder,
                                             const String& libDebugFolder,
                                             const String& objFolder) {
  return std::make_unique<TCompiler>(
      installation.BinFolderName(), installation.LongPathBug(), installation.DCCVersion(),
      installation.CompilerSettingsFormat(), installation.SupportsNoConfig(),
      installation.SupportsPlatform(), dcpPath, libFolder, libDebugFolder, objFolder);
}

using TDelphiCompilerFactory = decltype(&NewDelphiCompiler<TIdeDCC32>);

// A Delphi compiler driver with the installation's folders for the platform, created on the
// first call; "<exe> not found" without the tool.
TIdeDCC32& DelphiCompilerOnFirstUse(std::unique_ptr<TIdeDCC32>& driver,
                                    TIdeBorRADToolInstallation& installation, TCommandLineTool tool,
                                    const wchar_t* exeName, TIdeBDSPlatform platform,
                                    TDelphiCompilerFactory create) {
  if (!driver) {
    if (!installation.CommandLineTools().Contains(tool))
      RaiseBorRADError(L"%s not found", {exeName});
    driver = create(installation, installation.GetDCPOutputPath(platform),
                    installation.GetLibFolderName(platform),
                    installation.GetLibDebugFolderName(platform),
                    installation.GetObjFolderName(platform));
    driver->SetOnEnvironmentVariables(
        [&installation] { return installation.GetEnvironmentVariables(); });
  }
  return *driver;
}

template <typename TTool>
std::unique_ptr<TTool> CreateTool(const TIdeBorRADToolInstallation& installation) {
  return std::make_unique<TTool>(installation.BinFolderName(), installation.LongPathBug(),
                                 installation.CompilerSettingsFormat());
}

}  // namespace

TIdeDCC32& TIdeBorRADToolInstallation::DCC32() {
  return DelphiCompilerOnFirstUse(FDCC32, *this, clDcc32, L"dcc32.exe", bpWin32,
                                  NewDelphiCompiler<TIdeDCC32>);
}

TIdeBCC32& TIdeBorRADToolInstallation::BCC32() {
  return DriverOnFirstUse(FBCC32, FCommandLineTools.Contains(clBcc32), L"bcc32.exe",
                          [this] { return CreateTool<TIdeBCC32>(*this); });
}

TIdeBorlandMake& TIdeBorRADToolInstallation::Make() {
  return DriverOnFirstUse(FMake, FCommandLineTools.Contains(clMake), L"make.exe",
                          [this] { return CreateTool<TIdeBorlandMake>(*this); });
}

TIdeBpr2Mak& TIdeBorRADToolInstallation::Bpr2Mak() {
  return DriverOnFirstUse(FBpr2Mak, FCommandLineTools.Contains(clProj2Mak), L"bpr2mak.exe",
                          [this] { return CreateTool<TIdeBpr2Mak>(*this); });
}

void TIdeBorRADToolInstallation::SetOutputCallback(const TTextHandler& Value) {
  FOutputCallback = Value;
  if (FCommandLineTools.Contains(clBcc32)) BCC32().SetOutputCallback(Value);
  if (FCommandLineTools.Contains(clDcc32)) DCC32().SetOutputCallback(Value);
  if (FCommandLineTools.Contains(clMake)) Make().SetOutputCallback(Value);
  if (FCommandLineTools.Contains(clProj2Mak)) Bpr2Mak().SetOutputCallback(Value);
}

void TIdeBorRADToolInstallation::EmitLine(const String& Text) const {
  if (FOutputCallback) FOutputCallback(Text);
}

TIdeDCC32& TIdeBDSInstallation::DCC64() {
  return DelphiCompilerOnFirstUse(FDCC64, *this, clDcc64, L"dcc64.exe", bpWin64,
                                  NewDelphiCompiler<TIdeDCC64>);
}

TIdeDCC32& TIdeBDSInstallation::DCCOSX32() {
  return DelphiCompilerOnFirstUse(FDCCOSX32, *this, clDccOSX32, L"dccosx.exe", bpOSX32,
                                  NewDelphiCompiler<TIdeDCCOSX32>);
}

TIdeBCC32& TIdeBDSInstallation::BCC64() {
  return DriverOnFirstUse(FBCC64, CommandLineTools().Contains(clBcc64), L"bcc64.exe",
                          [this] { return CreateTool<TIdeBCC64>(*this); });
}

TIdeDCC32& TIdeBDSInstallation::DCCIL() {
  return DelphiCompilerOnFirstUse(FDCCIL, *this, clDccIL, L"dccil.exe", bpWin32,
                                  NewDelphiCompiler<TIdeDCCIL>);
}

void TIdeBDSInstallation::SetOutputCallback(const TTextHandler& Value) {
  TIdeBorRADToolInstallation::SetOutputCallback(Value);
  const TCommandLineTools tools = CommandLineTools();
  if (tools.Contains(clDcc64)) DCC64().SetOutputCallback(Value);
  if (tools.Contains(clDccOSX32)) DCCOSX32().SetOutputCallback(Value);
  if (tools.Contains(clBcc64)) BCC64().SetOutputCallback(Value);
  if (tools.Contains(clDccIL)) DCCIL().SetOutputCallback(Value);
}
