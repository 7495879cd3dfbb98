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
    if (!found) throw EIdeBorRADException(Format(L"%s not found", {exeName}));
    driver = create();
  }
  return *driver;
}

// A Delphi compiler driver with the installation's folders for the platform.
template <typename TCompiler>
std::unique_ptr<TIdeDCC32> CreateDelphiCompiler(TIdeBorRADToolInstallation& installation,
                                                TIdeBDSPlatform platform) {
  auto compiler = std::make_unique<TCompiler>(
      installation.BinFolderName(), installation.LongPathBug(), installation.DCCVersion(),
      installation.CompilerSettingsFormat(), installation.SupportsNoConfig(),
      installation.SupportsPlatform(), installation.GetDCPOutputPath(platform),
      installation.GetLibFolderName(platform), installation.GetLibDebugFolderName(platform),
      installation.GetObjFolderName(platform));
  compiler->SetOnEnvironmentVariables(
      [&installation] { return installation.GetEnvironmentVariables(); });
  return compiler;
}

template <typename TTool>
std::unique_ptr<TTool> CreateTool(const TIdeBorRADToolInstallation& installation) {
  return std::make_unique<TTool>(installation.BinFolderName(), installation.LongPathBug(),
                                 installation.CompilerSettingsFormat());
}

}  // namespace

TIdeDCC32& TIdeBorRADToolInstallation::DCC32() {
  return DriverOnFirstUse(FDCC32, FCommandLineTools.Contains(clDcc32), L"dcc32.exe",
                          [this] { return CreateDelphiCompiler<TIdeDCC32>(*this, bpWin32); });
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
  return DriverOnFirstUse(FDCC64, CommandLineTools().Contains(clDcc64), L"dcc64.exe",
                          [this] { return CreateDelphiCompiler<TIdeDCC64>(*this, bpWin64); });
}

TIdeDCC32& TIdeBDSInstallation::DCCOSX32() {
  return DriverOnFirstUse(FDCCOSX32, CommandLineTools().Contains(clDccOSX32), L"dccosx.exe",
                          [this] { return CreateDelphiCompiler<TIdeDCCOSX32>(*this, bpOSX32); });
}

TIdeBCC32& TIdeBDSInstallation::BCC64() {
  return DriverOnFirstUse(FBCC64, CommandLineTools().Contains(clBcc64), L"bcc64.exe",
                          [this] { return CreateTool<TIdeBCC64>(*this); });
}

TIdeDCC32& TIdeBDSInstallation::DCCIL() {
  return DriverOnFirstUse(FDCCIL, CommandLineTools().Contains(clDccIL), L"dccil.exe",
                          [this] { return CreateDelphiCompiler<TIdeDCCIL>(*this, bpWin32); });
}

void TIdeBDSInstallation::SetOutputCallback(const TTextHandler& Value) {
  TIdeBorRADToolInstallation::SetOutputCallback(Value);
  const TCommandLineTools tools = CommandLineTools();
  if (tools.Contains(clDcc64)) DCC64().SetOutputCallback(Value);
  if (tools.Contains(clDccOSX32)) DCCOSX32().SetOutputCallback(Value);
  if (tools.Contains(clBcc64)) BCC64().SetOutputCallback(Value);
  if (tools.Contains(clDccIL)) DCCIL().SetOutputCallback(Value);
}
