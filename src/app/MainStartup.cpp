// The window's life: construction, the creation and first-show handlers that run the start-up
// sequence, and the rules by which the window may close.
#include <chrono>

#include "app/Main.h"
#include "app/MainTexts.h"
#include "app/Payload.h"
#include "components/ExNotebook.h"
#include "components/QoGauge.h"
#include "components/QoMsgDlg.h"
#include "core/Format.h"
#include "core/LibFunctions.h"
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
  FState.Random.seed(static_cast<std::mt19937::result_type>(
      std::chrono::system_clock::now().time_since_epoch().count()));
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
  ChxContrato->SetChecked(false);
  NoteEtapasChange(NoteEtapas);
  BtnAvancar->SetFocus();
}

void TFrmMain::FormCloseQuery(TComponent* /*sender*/, bool& canClose) {
  canClose = FState.Finished || MsgDlg1->MsgConfirmation(MainTexts::CloseConfirmation) == mrYes;
}

void TFrmMain::FormClose(TComponent* /*sender*/, TCloseAction& /*action*/) {
  FState.ExtractedFiles.Clear();
}

void TFrmMain::FinishAndClose() {
  FState.Finished = true;
  PostMessageW(Handle(), WM_CLOSE, 0, 0);
}
