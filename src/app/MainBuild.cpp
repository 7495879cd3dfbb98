// The build step's handlers: the compiler's option list, the log of the build and the report.
#include "app/CompilerOptions.h"
#include "app/InstallationReport.h"
#include "app/Main.h"
#include "core/StringList.h"

void TFrmMain::CompilerBeforeExecute(TIdeBorlandCommandLineTool& Tool) {
  SetInstallerCompilerOptions(Tool, *BuildTarget, LabCaminho->Caption(), FState.TargetVersion);
}

void TFrmMain::CompilerOutputLine(const String& Line) {
  if (Line.find(L"Warning: W1057") != String::npos || Line.find(L"Warning: W1058") != String::npos)
    return;
  MemRegistro->Lines().Add(Line);
}

void TFrmMain::SendInstallationReport(bool Failed) {
  TStringList log;
  log.SetText(MemRegistro->Lines().Text());
  ::SendInstallationReport(FState, log.Text(), Failed);
}
