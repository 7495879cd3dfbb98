// Pages, header texts and button states of the wizard as Back, Next and the agreement check box
// move through it.
#include "WizardFixture.h"

#include "platform/Application.h"

namespace {

enum { kWelcome, kAgreement, kDestination, kConfirmation, kCopy };

TEST_F(WizardWindow, StartsOnWelcomePage) {
  Open(SetupFile());
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgBemVindo);
  EXPECT_EQ(Form().LabAviso->Caption(), L"Apresentação da QRV Library");
}

TEST_F(WizardWindow, WelcomePageDisablesBackAndEnablesNext) {
  Open(SetupFile());
  EXPECT_FALSE(Form().BtnVoltar->Enabled());
  EXPECT_TRUE(Form().BtnAvancar->Enabled());
  EXPECT_EQ(Form().BtnAvancar->Caption(), L"&Avançar");
}

TEST_F(WizardWindow, StartsWithFocusOnNext) {
  Open(SetupFile());
  EXPECT_TRUE(Form().BtnAvancar->Focused());
}

TEST_F(WizardWindow, NextFromWelcomeShowsAgreementWithNextDisabled) {
  OpenAt(kWelcome);
  Click(Form().BtnAvancar);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgContrato);
  EXPECT_EQ(Form().LabAviso->Caption(), L"Ler e aceitar o Contrato de Licença");
  EXPECT_TRUE(Form().BtnVoltar->Enabled());
  EXPECT_FALSE(Form().BtnAvancar->Enabled());
}

TEST_F(WizardWindow, AgreementStartsUnchecked) {
  OpenAt(kWelcome);
  EXPECT_FALSE(Form().ChxContrato->Checked());
}

TEST_F(WizardWindow, CheckingAgreementEnablesNext) {
  OpenAt(kAgreement);
  Click(Form().ChxContrato);
  EXPECT_TRUE(Form().ChxContrato->Checked());
  EXPECT_TRUE(Form().BtnAvancar->Enabled());
}

TEST_F(WizardWindow, UncheckingAgreementDisablesNext) {
  OpenAt(kAgreement);
  Click(Form().ChxContrato);
  Click(Form().ChxContrato);
  EXPECT_FALSE(Form().BtnAvancar->Enabled());
}

TEST_F(WizardWindow, NextFromAgreementShowsDestination) {
  OpenAt(kDestination);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgCaminho);
  EXPECT_EQ(Form().LabAviso->Caption(), L"Definir a pasta de destino da instalação");
  EXPECT_TRUE(Form().BtnVoltar->Enabled());
  EXPECT_TRUE(Form().BtnAvancar->Enabled());
  EXPECT_EQ(Form().BtnAvancar->Caption(), L"&Avançar");
}

TEST_F(WizardWindow, NextFromDestinationShowsConfirmationWithInstall) {
  OpenAt(kConfirmation);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgConfirmar);
  EXPECT_EQ(Form().LabAviso->Caption(), L"Confirmar a instalação dos componentes");
  EXPECT_TRUE(Form().BtnVoltar->Enabled());
  EXPECT_TRUE(Form().BtnAvancar->Enabled());
  EXPECT_EQ(Form().BtnAvancar->Caption(), L"&Instalar");
}

TEST_F(WizardWindow, BackFromConfirmationRestoresNextCaption) {
  OpenAt(kConfirmation);
  Click(Form().BtnVoltar);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgCaminho);
  EXPECT_EQ(Form().BtnAvancar->Caption(), L"&Avançar");
}

TEST_F(WizardWindow, BackFromDestinationKeepsAgreementAccepted) {
  OpenAt(kDestination);
  Click(Form().BtnVoltar);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgContrato);
  EXPECT_TRUE(Form().ChxContrato->Checked());
  EXPECT_TRUE(Form().BtnAvancar->Enabled());
}

TEST_F(WizardWindow, UncheckingAfterComingBackDisablesNextAndCheckingEnablesIt) {
  OpenAt(kDestination);
  Click(Form().BtnVoltar);
  Click(Form().ChxContrato);
  EXPECT_FALSE(Form().BtnAvancar->Enabled());
  Click(Form().ChxContrato);
  EXPECT_TRUE(Form().BtnAvancar->Enabled());
}

TEST_F(WizardWindow, BackFromAgreementShowsWelcome) {
  OpenAt(kAgreement);
  Click(Form().BtnVoltar);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgBemVindo);
  EXPECT_EQ(Form().LabAviso->Caption(), L"Apresentação da QRV Library");
  EXPECT_FALSE(Form().BtnVoltar->Enabled());
  EXPECT_TRUE(Form().BtnAvancar->Enabled());
}

// The copy page is seen while the copy runs, from the message processing inside it.
TEST_F(WizardWindow, InstallShowsCopyPageWithBackAndNextDisabled) {
  bool seen = false;
  Application().OnIdleProcess = [&] {
    if (seen || Form().NoteEtapas->ActivePage() != Form().NpgCopiar) return;
    seen = true;
    EXPECT_EQ(Form().LabAviso->Caption(), L"Copiar os arquivos para pasta destino");
    EXPECT_FALSE(Form().BtnVoltar->Enabled());
    EXPECT_FALSE(Form().BtnAvancar->Enabled());
    EXPECT_TRUE(Form().BtnCancelar->Enabled());
  };
  OpenAt(kCopy);
  Application().OnIdleProcess = nullptr;
  EXPECT_TRUE(seen);
}

TEST_F(WizardWindow, NextAndBackDoNothingOnCopyPage) {
  bool tried = false;
  Application().OnIdleProcess = [&] {
    if (tried || Form().NoteEtapas->ActivePage() != Form().NpgCopiar) return;
    tried = true;
    Form().BtnAvancarClick(Form().BtnAvancar);
    EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgCopiar);
    Form().BtnVoltarClick(Form().BtnVoltar);
    EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgCopiar);
  };
  OpenAt(kCopy);
  Application().OnIdleProcess = nullptr;
  EXPECT_TRUE(tried);
}

TEST_F(WizardWindow, SuccessfulCopyMakesTheRegistrationPageActive) {
  OpenAt(kCopy);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgRegistrar);
  EXPECT_FALSE(Form().State().Finished);
}

TEST_F(WizardWindow, RegistrationPageKeepsBackAndNextDisabled) {
  OpenAt(kCopy);
  Form().NoteEtapas->SetActivePage(Form().NpgRegistrar);
  EXPECT_EQ(Form().LabAviso->Caption(), L"Registrar o package no Delphi.");
  EXPECT_FALSE(Form().BtnVoltar->Enabled());
  EXPECT_FALSE(Form().BtnAvancar->Enabled());
}

TEST_F(WizardWindow, NextAndBackDoNothingOnRegistrationPage) {
  OpenAt(kCopy);
  Form().NoteEtapas->SetActivePage(Form().NpgRegistrar);
  Form().BtnAvancarClick(Form().BtnAvancar);
  Form().BtnVoltarClick(Form().BtnVoltar);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgRegistrar);
}

}  // namespace
