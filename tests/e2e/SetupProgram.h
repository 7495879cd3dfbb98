// The fixture of the end-to-end tests: a clean world in the tests' Wine prefix (E2eWorld.h) with
// a simulated RAD Studio of the target generation (10.3 unless a test names another) whose
// dcc32.exe is the fake compiler, a report listener on 127.0.0.1, and the real setup program
// built from the sample library for that generation, started as its own process and driven
// like a user: buttons by caption, dialogs by title.
#pragma once

// The platform's headers before windows.h, whose A/W macros would rename their file functions.
#include "platform/Files.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "E2eWorld.h"
#include "InstallerKey.h"
#include "WizardDriver.h"
#include "fixtures/report/ReportListener.h"

inline constexpr const wchar_t* kTitle = L"QRV Library";
inline constexpr const wchar_t* kConfirmation = L"Confirmação";
inline constexpr const wchar_t* kError = L"Erro";
inline constexpr const wchar_t* kInformation = L"Informação";
inline constexpr const wchar_t* kOk = L"&OK";
inline constexpr const wchar_t* kNext = L"&Avançar";
inline constexpr const wchar_t* kBack = L"&Voltar";
inline constexpr const wchar_t* kCancel = L"&Cancelar";
inline constexpr const wchar_t* kClose = L"Fechar";
inline constexpr const wchar_t* kInstall = L"&Instalar";
inline constexpr const wchar_t* kChange = L"A&lterar...";
inline constexpr const wchar_t* kAgree =
    L"Sim, concordo e aceito todos os termos e condições desse Contrato";

class SetupProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWorld();
    const int bds = Target().Bds;
    Ide = InstallRadStudioWithFakeCompiler(Scratch / (L"Studio\\" + std::to_wstring(bds) + L".0"),
                                           bds);
  }

  void TearDown() override {
    Process.reset();
    ResetWorld();
  }

  // The generation whose IDE is installed and for which the setup is built.
  virtual TIdeGeneration Target() const { return kRadStudio103; }

  // Builds the setup for the target generation, reporting to reportServer (the test's listener
  // when not given), and starts it; returns its main window.
  HWND Start(const std::optional<String>& reportServer = std::nullopt) {
    Setup = BuildSampleSetup(Target().Version, Scratch.Path(),
                             reportServer.value_or(Listener.Address()));
    Process = std::make_unique<TDrivenProcess>(Setup);
    Driver = std::make_unique<TWizardDriver>(Process->Id());
    return Driver->Window(kTitle);
  }

  // Waits until the wizard shows the button, visible and enabled or not, and has finished
  // handling the click that brought it: a page is shown before its buttons take their states.
  bool Shows(HWND window, const String& caption) const {
    if (!WaitUntil([&] { return TWizardDriver::Visible(window, caption); })) return false;
    Driver->WaitIdle();
    return true;
  }

  // From the welcome page to the destination page, accepting the agreement.
  void WalkToDestination(HWND window) const {
    TWizardDriver::Click(window, kNext);
    ASSERT_TRUE(Shows(window, kAgree));
    TWizardDriver::Check(window, kAgree);
    TWizardDriver::Click(window, kNext);
    ASSERT_TRUE(Shows(window, kChange));
  }

  // From the welcome page to the confirmation page, accepting the agreement.
  void WalkToConfirmation(HWND window) const {
    WalkToDestination(window);
    TWizardDriver::Click(window, kNext);
    ASSERT_TRUE(Shows(window, kInstall));
  }

  void RememberDestination(const String& folder) const {
    ASSERT_TRUE(WriteInstallerValue(RememberedName(), folder));
  }

  // The name of the installer's value that remembers the destination for the target version.
  String RememberedName() const { return L"Caminho D" + std::to_wstring(Target().Version); }

  testing_support::ScratchFolder Scratch;
  TSimulatedIde Ide;
  TReportListener Listener;
  String Setup;
  std::unique_ptr<TDrivenProcess> Process;
  std::unique_ptr<TWizardDriver> Driver;
};
