// The window's life: construction, the creation and first-show handlers that run the start-up
// sequence, and the rules by which the window may close.
#include "app/Main.h"
#include "app/MainTexts.h"
#include "app/Payload.h"
#include "app/TargetInstallation.h"
#include "components/ExNotebook.h"
#include "components/QoGauge.h"
#include "components/QoMsgDlg.h"
#include "core/Format.h"
#include "core/LibFunctions.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Paths.h"

TFrmMain::TFrmMain(TComponent* owner) : TFrmMain(owner, ProgramFileName()) {}

TFrmMain::TFrmMain(TComponent* owner, const String& programFile)
    : TForm(owner), FProgramFile(programFile) {
  BuildWindow();
  ConnectHandlers();
  FormCreate(this);
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::FormCreate(TComponent* /*sender*/) {
  NoteEtapas->SetActivePage(NpgBemVindo);
  MemContrato->SetWordWrap(true);
  ProgBar1->SetProgress(0);
  LabCopyright->SetCaption(Format(LabCopyright->Caption(), {YearOfDate(Now())}));
  FState.Random.seed(static_cast<std::mt19937::result_type>(platform::MonotonicMilliseconds()));
  FState.ExtractedFiles.Clear();
  // The catalogue's registry errors are not the installer's to report: they go to the
  // application's default error display, and the run goes on without installations (the
  // start-up then reports the missing target installation).
  try {
    FState.Installations = std::make_unique<TIdeBorRADToolInstallations>();
  } catch (const std::exception& error) {
    UiApplication().HandleException(error);
  }
  FState.Finished = false;
  PanVersao->SetVisible(false);
}

void TFrmMain::FormShow(TComponent* /*sender*/) {
  try {
    ExtractPayload(FState, FProgramFile);
  } catch (const EPayloadError& error) {
    MsgDlg1->MsgError(error.Message());
    FinishAndClose();
  }
  ReadSetupDescriptor(FState);
  LoadDestination();
  SelectInstallation();
  LabVersao->SetCaption(
      Format(LabVersao->Caption(), {FState.PackageName, IdeDisplayName(FState.TargetVersion)}));
  ChxContrato->SetChecked(false);
  NoteEtapasChange(NoteEtapas);
  if (WindowExists(MainTexts::DelphiMainWindow)) MsgDlg1->MsgWarning(MainTexts::DelphiRunning);
  BtnAvancar->SetFocus();
}

void TFrmMain::SelectInstallation() {
  FState.TargetIndex =
      FirstInstallationOfVersion(VersionTags(FState.Installations.get()), FState.TargetVersion);
  if (FState.TargetIndex >= 0) return;
  MsgDlg1->MsgError(Format(MainTexts::MissingInstallation, {IdeDisplayName(FState.TargetVersion)}));
  FinishAndClose();
}

void TFrmMain::FormCloseQuery(TComponent* /*sender*/, bool& canClose) {
  canClose = FState.Finished || MsgDlg1->MsgConfirmation(MainTexts::CloseConfirmation) == mrYes;
}

void TFrmMain::FormClose(TComponent* /*sender*/, TCloseAction& /*action*/) {
  FClosed = true;
  FState.ExtractedFiles.Clear();
  FState.Installations.reset();
}

bool TFrmMain::RunGoesOn() const {
  return !FClosed && !Application().Terminated();
}

void TFrmMain::FinishAndClose() {
  FState.Finished = true;
  PostMessageW(Handle(), WM_CLOSE, 0, 0);
}
