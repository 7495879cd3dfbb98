// The registration page's step: the package project in the destination is compiled with the
// target installation's compiler and registered with the IDE, the destination joins the IDE's
// library paths and is remembered, the report goes out and the user is told the outcome. The
// step's handlers give the compiler the installer's option list and write its output to the log.
//
// Errors the catalogue raises are not caught here: they end the step and reach the
// application's default error display, leaving the run unfinished.
#include "app/CompilerOptions.h"
#include "app/InstallationReport.h"
#include "app/Main.h"
#include "app/MainTexts.h"
#include "compiler/IdeDCC32.h"
#include "components/QoMsgDlg.h"
#include "components/QoRegManager.h"
#include "core/Format.h"
#include "core/StringList.h"
#include "idetools/IdeUtils.h"
#include "platform/Paths.h"

void TFrmMain::BuildAndRegister() {
  TIdeBorRADToolInstallation& installation = TargetInstallation();
  const String destination = LabCaminho->Caption();
  installation.DCC32().SetOnBeforeExecute(
      [this](TIdeBorlandCommandLineTool& tool) { CompilerBeforeExecute(tool); });
  installation.SetOutputCallback([this](const String& line) { CompilerOutputLine(line); });
  const String bpl = installation.GetBPLOutputPath(bpWin32);
  const String dcp = installation.GetDCPOutputPath(bpWin32);
  const String project =
      WithTrailingBackslash(destination) + Format(L"QRVLib%d0.dpk", {FState.TargetVersion});
  if (installation.InstallPackage(project, bpl, dcp)) {
    installation.AddToLibraryBrowsingPath(destination, bpWin32);
    installation.AddToLibrarySearchPath(destination, bpWin32);
    installation.AddToDebugDCUPath(destination, bpWin32);
    RegMan1->WriteString(String(), Format(L"Caminho D%d", {FState.TargetVersion}), destination);
    SendInstallationReport(false);
    MsgDlg1->MsgInformation(MainTexts::InstallationDone);
  } else {
    SendInstallationReport(true);
    MsgDlg1->MsgError(Format(MainTexts::InstallationFailed, {FState.TargetVersion}));
  }
  BtnCancelar->SetCaption(MainTexts::Fechar);
  FState.Finished = true;
}

TIdeBorRADToolInstallation& TFrmMain::TargetInstallation() const {
  if (!FState.Installations || FState.TargetIndex < 0)
    throw Exception(L"No target installation was selected");
  return FState.Installations->Installations(FState.TargetIndex);
}

void TFrmMain::CompilerBeforeExecute(TIdeBorlandCommandLineTool& Tool) {
  SetInstallerCompilerOptions(Tool, TargetInstallation(), LabCaminho->Caption(),
                              FState.TargetVersion);
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
