#include "app/CompilerOptions.h"

#include <vector>

#include "compiler/IdeCommandLineTool.h"
#include "core/Format.h"
#include "core/LibFunctions.h"
#include "idetools/IdeUtils.h"
#include "platform/CodePages.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

const wchar_t* const kDelphi16Scopes =
    L"-NSData.Win;Datasnap.Win;Web.Win;Soap.Win;Xml.Win;Bde;Vcl;Vcl.Imaging;Vcl.Touch;"
    L"Vcl.Samples;Vcl.Shell;System;Xml;Data;Datasnap;Web;Soap;Winapi;System.Win";
const wchar_t* const kDelphi17OnScopes =
    L"-NSWinapi;System.Win;Data.Win;Datasnap.Win;Web.Win;Soap.Win;Xml.Win;Bde;System;Xml;Data;"
    L"Datasnap;Web;Soap;Vcl;Vcl.Imaging;Vcl.Touch;Vcl.Samples;Vcl.Shell";

// The tags that take the second unit scope option. The generations from RAD Studio 10.4 on
// ("d27" and later) need it as much as their predecessors: without it a library that names its
// units unscoped (Classes, Controls) does not compile under "--no-config".
const std::vector<String> kScopedTags = {L"d17", L"d18", L"d19", L"d20", L"d21", L"d22", L"d23",
                                         L"d24", L"d25", L"d26", L"d27", L"d28", L"d29", L"d37"};

}  // namespace

String UnitScopeOption(const String& versionTag) {
  if (versionTag == L"d16") return kDelphi16Scopes;
  if (FindTextIndex(versionTag, kScopedTags) >= 0) return kDelphi17OnScopes;
  return String();
}

String CompilerConfigFileName(const String& destination, int32_t targetVersion) {
  return WithTrailingBackslash(destination) + L"QRVLib" + IntToStr(targetVersion) + L"0.cfg";
}

void SetInstallerCompilerOptions(TIdeBorlandCommandLineTool& tool,
                                 TIdeBorRADToolInstallation& installation,
                                 const String& destination, int32_t targetVersion) {
  TStringList& options = tool.Options();
  options.Clear();
  if (installation.SupportsNoConfig()) options.Add(L"--no-config");
  for (const wchar_t* option : {L"-B", L"-$O-", L"-$W+", L"-$Y-", L"-M", L"-Q", L"-H-", L"-W-"})
    options.Add(option);
  const String scopes = UnitScopeOption(installation.IDEVersionNumberStr());
  if (!scopes.empty()) options.Add(scopes);

  const String bpl = installation.GetBPLOutputPath(bpWin32);
  const String dcp = installation.GetDCPOutputPath(bpWin32);
  const String lib = installation.GetLibFolderName(bpWin32);
  tool.AddPathOption(L"U", lib);
  tool.AddPathOption(L"U", installation.GetLibrarySearchPath(bpWin32));
  tool.AddPathOption(L"U", destination);
  tool.AddPathOption(L"I", installation.GetLibrarySearchPath(bpWin32));
  tool.AddPathOption(L"R", installation.GetLibrarySearchPath(bpWin32));
  tool.AddPathOption(L"N0", destination);
  tool.AddPathOption(L"LE", bpl);
  tool.AddPathOption(L"LN", dcp);

  if (!installation.SupportsNoConfig()) {
    const std::string text = platform::StringToAnsi(options.Text());
    platform::WriteFileBytes(CompilerConfigFileName(destination, targetVersion),
                             std::vector<uint8_t>(text.begin(), text.end()));
  }
}
