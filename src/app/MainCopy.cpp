// The copy page's step: every unpacked file from the temporary folder into the destination, with
// the gauge and the shortened target path, then the package project's patch. Messages are
// processed before each file and during a 30 ms pause after it, so Cancel works; a confirmed
// Cancel lets the file in hand finish and stops there, without patch or build.
#include "app/Main.h"
#include "app/MainTexts.h"
#include "app/PackagePatch.h"
#include "app/PathEllipsis.h"
#include "app/PayloadFormat.h"
#include "components/ExNotebook.h"
#include "components/QoGauge.h"
#include "components/QoMsgDlg.h"
#include "core/Format.h"
#include "platform/Application.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

// Creates or truncates target and copies every byte of source into it.
void CopyWholeFile(const String& source, const String& target) {
  platform::TFileStream in(source, platform::TFileStream::Mode::OpenRead);
  platform::TFileStream out(target, platform::TFileStream::Mode::Create);
  CopyStreamBytes(in, out, in.Size());
}

}  // namespace

void TFrmMain::CopyFiles() {
  try {
    const String destination = LabCaminho->Caption();
    platform::ForceDirectories(destination);
    const int count = FState.ExtractedFiles.Count();
    ProgBar1->SetMaxValue(count);
    for (int i = 0; i < count && RunGoesOn(); ++i) {
      const String name = FState.ExtractedFiles[i];
      const String target = WithTrailingBackslash(destination) + name;
      ProgBar1->SetProgress(i + 1);
      ShowCopiedFile(target);
      Application().ProcessMessages();
      CopyWholeFile(WithTrailingBackslash(FState.TempDir) + name, target);
      WaitProcessing(30);
    }
    if (!RunGoesOn()) return;
    PatchPackageSource(WithTrailingBackslash(destination) +
                       Format(L"QRVLib%d0.dpk", {FState.TargetVersion}));
  } catch (const std::exception& failure) {
    MsgDlg1->MsgError(Format(MainTexts::CopyFailure, {ErrorText(failure)}));
    FinishAndClose();
    return;
  }
  if (RunGoesOn()) NoteEtapas->SetActivePage(NpgRegistrar);
}

void TFrmMain::PatchPackageSource(const String& packageFile) {
  ::PatchPackageSource(packageFile, FState.UnitList, *FndFile1);
}

void TFrmMain::ShowCopiedFile(const String& target) {
  TCanvas measure;
  measure.Font().Assign(LabArquivo->Font());
  LabArquivo->SetCaption(PathEllipsis(target, LabArquivo->Width(),
                                      [&](const String& text) { return measure.TextWidth(text); }));
}
