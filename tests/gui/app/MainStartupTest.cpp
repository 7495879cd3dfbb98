// The wizard's start-up: the payload of an undamaged and of a damaged program file, the proposed
// or remembered destination, the copyright year, and the window's frame and button row.
#include "WizardFixture.h"

#include <ctime>

#include "WindowDriver.h"
#include "platform/Files.h"

namespace {

constexpr const wchar_t* kExtractFailure =
    L"Não foi possível extrair os arquivos de instalação.||<b>Mensagem de erro:<b>|";

TEST_F(WizardWindow, UndamagedPayloadIsExtractedWithoutMessage) {
  TWindowDriver answer(L"Erro", TWindowDriver::ClickButton(L"&OK"), kNoDialogMs);
  Open(SetupFile());
  EXPECT_FALSE(answer.Done());
  EXPECT_FALSE(Form().State().Finished);
  EXPECT_TRUE(WindowVisible());
}

TEST_F(WizardWindow, UndamagedPayloadFillsStateFromDescriptor) {
  Open(SetupFile());
  EXPECT_EQ(Form().State().TargetVersion, 26);
  EXPECT_EQ(Form().State().PackageName, L"Personalizado");
  EXPECT_EQ(Form().State().UnitList, L"|UnitAlfa|");
}

TEST_F(WizardWindow, UndamagedPayloadUnpacksFilesIntoTempFolder) {
  Open(SetupFile());
  ASSERT_EQ(Form().State().ExtractedFiles.Count(), 2);
  EXPECT_EQ(Form().State().ExtractedFiles[0], L"UnitAlfa.pas");
  EXPECT_EQ(Form().State().ExtractedFiles[1], L"QRVLib260.dpk");
  EXPECT_TRUE(platform::FileExists(Form().State().TempDir + L"\\UnitAlfa.pas"));
}

TEST_F(WizardWindow, ShowingAgainDoesNotExtractAgain) {
  Open(SetupFile());
  const String firstFolder = Form().State().TempDir;
  Form().State().Finished = true;
  Click(Form().BtnCancelar);
  Form().Show();
  UiApplication().ProcessMessages();
  EXPECT_EQ(Form().State().TempDir, firstFolder);
}

// A damaged payload gives version 0, for which no installation exists: two errors follow.
TEST_F(WizardWindow, DamagedPayloadShowsExtractionErrorThenMissingInstallation) {
  TWindowDriver answer(L"Erro", AnswerDialogs(L"&OK", 2));
  Open(DamagedSetupFile());
  ASSERT_TRUE(answer.Done());
  ASSERT_EQ(Answered().size(), 2u);
  EXPECT_EQ(Answered()[0].substr(0, String(kExtractFailure).size()), kExtractFailure);
  EXPECT_EQ(Answered()[1], L"O <b><b> parece não estar corretamente instalado neste computador.");
}

TEST_F(WizardWindow, DamagedPayloadFinishesRun) {
  TWindowDriver answer(L"Erro", AnswerDialogs(L"&OK", 2));
  Open(DamagedSetupFile());
  ASSERT_TRUE(answer.Done());
  EXPECT_TRUE(Form().State().Finished);
}

TEST_F(WizardWindow, DamagedPayloadClosesWindowWithoutAsking) {
  TWindowDriver error(L"Erro", AnswerDialogs(L"&OK", 2));
  Open(DamagedSetupFile());
  ASSERT_TRUE(error.Done());
  TWindowDriver confirmation(L"Confirmação", TWindowDriver::ClickButton(L"&Não"), kNoDialogMs);
  UiApplication().ProcessMessages();
  EXPECT_FALSE(WindowVisible());
  EXPECT_FALSE(confirmation.Done());
}

TEST_F(WizardWindow, DamagedPayloadStillProposesDestinationForVersionZero) {
  TWindowDriver answer(L"Erro", AnswerDialogs(L"&OK", 2));
  Open(DamagedSetupFile());
  ASSERT_TRUE(answer.Done());
  EXPECT_EQ(Form().LabCaminho->Caption(), L"C:\\Quorvane\\QRVComps\\D0");
}

TEST_F(WizardWindow, ProposesDefaultDestinationForTargetVersion) {
  Open(SetupFile());
  EXPECT_EQ(Form().LabCaminho->Caption(), L"C:\\Quorvane\\QRVComps\\D26");
  EXPECT_TRUE(Form().BtnAlterar->Enabled());
}

TEST_F(WizardWindow, RememberedDestinationIsShownUnchanged) {
  RememberDestination(L"D:\\Componentes\\QRV");
  Open(SetupFile());
  EXPECT_EQ(Form().LabCaminho->Caption(), L"D:\\Componentes\\QRV");
}

TEST_F(WizardWindow, RememberedDestinationDisablesChange) {
  RememberDestination(L"D:\\Componentes\\QRV");
  Open(SetupFile());
  EXPECT_FALSE(Form().BtnAlterar->Enabled());
}

TEST_F(WizardWindow, CopyrightShowsCurrentYear) {
  const std::time_t now = std::time(nullptr);
  const int year = std::localtime(&now)->tm_year + 1900;
  Open(SetupFile());
  EXPECT_NE(Form().LabCopyright->Caption().find(std::to_wstring(year)), String::npos);
  EXPECT_EQ(Form().LabCopyright->Caption().find(L"%d"), String::npos);
}

TEST_F(WizardWindow, ClientAreaIs630By458) {
  Open(SetupFile());
  RECT client{};
  GetClientRect(Form().Handle(), &client);
  EXPECT_EQ(client.right, 630);
  EXPECT_EQ(client.bottom, 458);
}

TEST_F(WizardWindow, CaptionNamesTheLibrary) {
  Open(SetupFile());
  wchar_t caption[64] = {};
  GetWindowTextW(Form().Handle(), caption, 64);
  EXPECT_STREQ(caption, L"QRV Library");
}

TEST_F(WizardWindow, ButtonRowSitsAt424) {
  Open(SetupFile());
  const TButton* buttons[] = {Form().BtnVoltar, Form().BtnAvancar, Form().BtnCancelar};
  const int lefts[] = {350, 441, 532};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(buttons[i]->BoundsRect().left, lefts[i]);
    EXPECT_EQ(buttons[i]->BoundsRect().top, 424);
    EXPECT_EQ(buttons[i]->Width(), 85);
    EXPECT_EQ(buttons[i]->Height(), 23);
  }
}

TEST_F(WizardWindow, PageFillsTheBandBetweenTheLines) {
  Open(SetupFile());
  EXPECT_EQ(Form().NoteEtapas->Top(), 80);
  EXPECT_EQ(Form().NoteEtapas->Width(), 630);
  EXPECT_EQ(Form().NoteEtapas->Height(), 334);
}

TEST_F(WizardWindow, VersionStripStaysHidden) {
  Open(SetupFile());
  EXPECT_FALSE(Form().PanVersao->Visible());
}

}  // namespace
