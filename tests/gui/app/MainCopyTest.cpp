// The copy page driven in-process: files copied in archive order with the gauge and the
// shortened path, the package project patched, the registration page made active; a read-only
// file in the destination failing the copy; Cancel confirmed mid-copy stopping before the next
// file; a second installation into the same folder starting again from the template.
#include "WizardFixture.h"

#include "components/QoGauge.h"
#include "platform/Application.h"

namespace {

constexpr const wchar_t* kCopyFailure =
    L"Não foi possível extrair os arquivos de instalação.||<b>Mensagem de erro:<b>|";

const std::string kTemplate = "package QRVLib260;\r\n{$R *.res}\r\ncontains\r\nend.\r\n";

std::string ReadText(const String& path) {
  const std::vector<uint8_t> bytes = platform::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

class WizardCopy : public WizardWindow {
 protected:
  void SetUp() override {
    WizardWindow::SetUp();
    WriteLibraryFile(L"UnitAlfa.dcr", "resource of UnitAlfa");
    WriteLibraryFile(L"UnitBeta.pas", "unit UnitBeta;\r\nend.\r\n");
    WriteLibraryFile(L"UnitBeta.dfm", "object FrmBeta: TFrmBeta end");
    WriteLibraryFile(L"QRVLib260.dpk", kTemplate);
    WriteLibraryFile(L"QRVLib260.res", "package resource");
    BuildSetupFile();
  }

  void TearDown() override {
    Application().OnIdleProcess = nullptr;
    WizardWindow::TearDown();
  }

  String Destination() const { return Scratch() / L"Componentes\\D26"; }
  String Target(const String& name) const { return Destination() + L"\\" + name; }

  // Opens the window, walks to the confirmation page, points it at Destination() and presses
  // "&Instalar": the copy runs inside that click.
  void Install() {
    OpenAt(3);
    Form().LabCaminho->SetCaption(Destination());
    Click(Form().BtnAvancar);
  }

  // Archive order of the test's library.
  const std::vector<String> kOrder = {L"UnitAlfa.dcr", L"UnitAlfa.pas",  L"UnitBeta.dfm",
                                      L"UnitBeta.pas", L"QRVLib260.dpk", L"QRVLib260.res"};
};

TEST_F(WizardCopy, CopiesEveryFileAndMakesTheRegistrationPageActive) {
  Install();
  for (const String& name : kOrder) EXPECT_TRUE(platform::FileExists(Target(name))) << name;
  EXPECT_EQ(ReadText(Target(L"UnitBeta.dfm")), "object FrmBeta: TFrmBeta end");
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgRegistrar);
  EXPECT_FALSE(Form().State().Finished);
}

TEST_F(WizardCopy, PatchesTheCopiedPackageProject) {
  Install();
  EXPECT_EQ(ReadText(Target(L"QRVLib260.dpk")),
            "package QRVLib260;\r\n{$R *.res}\r\n{$R 'UnitAlfa.dcr'}\r\ncontains\r\n"
            "  UnitAlfa in 'UnitAlfa.pas',\r\n  UnitBeta in 'UnitBeta.pas';\r\nend.\r\n");
}

TEST_F(WizardCopy, GaugeCountsTheFilesAndTheLabelShowsEachTarget) {
  std::vector<std::pair<int, String>> seen;
  Application().OnIdleProcess = [&] {
    if (Form().NoteEtapas->ActivePage() != Form().NpgCopiar) return;
    const std::pair<int, String> now{Form().ProgBar1->Progress(), Form().LabArquivo->Caption()};
    if (seen.empty() || seen.back() != now) seen.push_back(now);
  };
  Install();
  EXPECT_EQ(Form().ProgBar1->MaxValue(), 6);
  EXPECT_EQ(Form().ProgBar1->Progress(), 6);
  std::vector<int> progress;
  for (const auto& [value, caption] : seen) {
    if (value > 0 && (progress.empty() || progress.back() != value)) {
      progress.push_back(value);
      const String& name = kOrder[static_cast<size_t>(value - 1)];
      EXPECT_EQ(caption.substr(caption.size() - name.size()), name);
    }
  }
  EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(WizardCopy, LabelTakesTheFiveFormsAsItGetsNarrower) {
  Open(SetupFile());
  const String target = L"C:\\Quorvane\\QRVComps\\D26\\UnitAlfa.pas";
  const std::vector<String> forms = {L"C:\\...\\QRVComps\\D26\\UnitAlfa.pas",
                                     L"C:\\...\\D26\\UnitAlfa.pas", L"C:\\...\\UnitAlfa.pas",
                                     L"...\\UnitAlfa.pas", L"UnitAlfa.pas"};
  TCanvas measure;
  measure.Font().Assign(Form().LabArquivo->Font());
  Form().LabArquivo->SetWidth(measure.TextWidth(target));
  Form().ShowCopiedFile(target);
  EXPECT_EQ(Form().LabArquivo->Caption(), target);
  for (const String& form : forms) {
    Form().LabArquivo->SetWidth(measure.TextWidth(form));
    Form().ShowCopiedFile(target);
    EXPECT_EQ(Form().LabArquivo->Caption(), form);
  }
}

TEST_F(WizardCopy, WidthIsMeasuredInTheLabelsFont) {
  Open(SetupFile());
  const String target = L"C:\\Quorvane\\QRVComps\\D26\\UnitAlfa.pas";
  TCanvas measure;
  measure.Font().Assign(Form().LabArquivo->Font());
  Form().LabArquivo->SetWidth(measure.TextWidth(target));
  Form().LabArquivo->Font().SetSize(Form().LabArquivo->Font().Size() * 2);
  Form().ShowCopiedFile(target);
  EXPECT_NE(Form().LabArquivo->Caption(), target);
}

TEST_F(WizardCopy, ReadOnlyFileInTheDestinationFailsTheCopyWithItsMessage) {
  platform::ForceDirectories(Destination());
  platform::WriteFileBytes(Target(L"UnitBeta.pas"), {'o', 'l', 'd'});
  ASSERT_TRUE(::SetFileAttributesW(Target(L"UnitBeta.pas").c_str(), FILE_ATTRIBUTE_READONLY));
  TWindowDriver error(L"Erro", AnswerDialogs(L"&OK", 1));
  Install();
  ASSERT_TRUE(error.Done());
  ASSERT_EQ(Answered().size(), 1u);
  const String message = Answered()[0];
  EXPECT_EQ(message.substr(0, String(kCopyFailure).size()), kCopyFailure);
  EXPECT_NE(message.find(L"UnitBeta.pas"), String::npos) << message;
  EXPECT_TRUE(Form().State().Finished);
  EXPECT_NE(Form().NoteEtapas->ActivePage(), Form().NpgRegistrar);
  // What was copied before the failure stays; nothing after it is copied.
  EXPECT_TRUE(platform::FileExists(Target(L"UnitBeta.dfm")));
  EXPECT_FALSE(platform::FileExists(Target(L"QRVLib260.dpk")));
  UiApplication().ProcessMessages();
  EXPECT_FALSE(WindowVisible());
}

TEST_F(WizardCopy, ConfirmedCancelFinishesTheFileInHandAndStops) {
  bool cancelled = false;
  Application().OnIdleProcess = [&] {
    if (cancelled || Form().ProgBar1->Progress() != 2) return;
    cancelled = true;
    Form().BtnCancelar->Click();
  };
  TWindowDriver confirmation(L"Confirmação", TWindowDriver::ClickButton(L"&Sim"));
  Install();
  ASSERT_TRUE(confirmation.Done());
  EXPECT_FALSE(WindowVisible());
  EXPECT_TRUE(platform::FileExists(Target(L"UnitAlfa.dcr")));
  EXPECT_TRUE(platform::FileExists(Target(L"UnitAlfa.pas")));
  EXPECT_FALSE(platform::FileExists(Target(L"UnitBeta.dfm")));
  EXPECT_NE(Form().NoteEtapas->ActivePage(), Form().NpgRegistrar);
}

TEST_F(WizardCopy, CancelAnsweredNoLetsTheCopyGoOn) {
  bool asked = false;
  Application().OnIdleProcess = [&] {
    if (asked || Form().ProgBar1->Progress() != 2) return;
    asked = true;
    Form().BtnCancelar->Click();
  };
  TWindowDriver confirmation(L"Confirmação", TWindowDriver::ClickButton(L"&Não"));
  Install();
  ASSERT_TRUE(confirmation.Done());
  EXPECT_TRUE(platform::FileExists(Target(L"QRVLib260.res")));
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgRegistrar);
}

TEST_F(WizardCopy, SecondInstallationIntoTheSameFolderStartsFromTheTemplate) {
  Install();
  const std::string first = ReadText(Target(L"QRVLib260.dpk"));
  testing_support::RemoveTree(Form().State().TempDir);
  Install();
  EXPECT_EQ(ReadText(Target(L"QRVLib260.dpk")), first);
}

}  // namespace
