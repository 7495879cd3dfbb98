// Moving through the wizard's pages: the header text and button states each page sets when it
// becomes active, Back and Next, the agreement check box, Cancel, and the destination folder
// proposed at start-up.
#include "app/Main.h"
#include "app/MainTexts.h"
#include "components/ExNotebook.h"
#include "components/QoRegManager.h"
#include "core/Format.h"
#include "platform/Application.h"

void TFrmMain::NoteEtapasChange(TComponent* /*sender*/) {
  TExNotebookPage* page = NoteEtapas->ActivePage();
  if (page == NpgBemVindo) {
    LabAviso->SetCaption(MainTexts::AvisoBemVindo);
    BtnVoltar->SetEnabled(false);
    BtnAvancar->SetEnabled(true);
  } else if (page == NpgContrato) {
    LabAviso->SetCaption(MainTexts::AvisoContrato);
    BtnVoltar->SetEnabled(true);
    BtnAvancar->SetEnabled(ChxContrato->Checked());
  } else if (page == NpgCaminho) {
    LabAviso->SetCaption(MainTexts::AvisoCaminho);
    BtnAvancar->SetCaption(MainTexts::Avancar);
  } else if (page == NpgConfirmar) {
    LabAviso->SetCaption(MainTexts::AvisoConfirmar);
    BtnAvancar->SetCaption(MainTexts::Instalar);
  } else if (page == NpgCopiar) {
    LabAviso->SetCaption(MainTexts::AvisoCopiar);
    BtnVoltar->SetEnabled(false);
    BtnAvancar->SetEnabled(false);
    WaitProcessing(100);
    if (RunGoesOn()) CopyFiles();
  } else if (page == NpgRegistrar) {
    LabAviso->SetCaption(MainTexts::AvisoRegistrar);
    WaitProcessing(100);
    if (RunGoesOn()) BuildAndRegister();
  }
}

void TFrmMain::BtnAvancarClick(TComponent* /*sender*/) {
  TExNotebookPage* page = NoteEtapas->ActivePage();
  if (page == NpgBemVindo)
    NoteEtapas->SetActivePage(NpgContrato);
  else if (page == NpgContrato)
    NoteEtapas->SetActivePage(NpgCaminho);
  else if (page == NpgCaminho)
    NoteEtapas->SetActivePage(NpgConfirmar);
  else if (page == NpgConfirmar)
    NoteEtapas->SetActivePage(NpgCopiar);
}

void TFrmMain::BtnVoltarClick(TComponent* /*sender*/) {
  TExNotebookPage* page = NoteEtapas->ActivePage();
  if (page == NpgContrato)
    NoteEtapas->SetActivePage(NpgBemVindo);
  else if (page == NpgCaminho)
    NoteEtapas->SetActivePage(NpgContrato);
  else if (page == NpgConfirmar)
    NoteEtapas->SetActivePage(NpgCaminho);
}

void TFrmMain::BtnCancelarClick(TComponent* /*sender*/) {
  Close();
}

void TFrmMain::ChxContratoClick(TComponent* /*sender*/) {
  BtnAvancar->SetEnabled(ChxContrato->Checked());
}

void TFrmMain::LoadDestination() {
  const String valueName = Format(L"Caminho D%d", {FState.TargetVersion});
  String destination = RegMan1->ReadString(String(), valueName, String());
  if (!destination.empty())
    BtnAlterar->SetEnabled(false);
  else
    destination = Format(L"C:\\Quorvane\\QRVComps\\D%d", {FState.TargetVersion});
  LabCaminho->SetCaption(destination);
}
