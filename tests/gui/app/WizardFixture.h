// The wizard window in-process: each test gets a setup program file built by qrvpack from a tiny
// library (a stub, one unit, the package project for version 26) and a simulated RAD Studio 10.3
// without its compiler in the registry (with its package output folders), opens the real
// TFrmMain on it and drives it with window messages. The remembered destination value and the
// simulated IDEs are removed before and after each test, and the temporary folder the window
// extracted into is deleted.
#pragma once

// Before windows.h, whose A/W macros would rename the platform's file functions used here.
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "WindowDriver.h"

#include "SetupBuilder.h"
#include "app/Main.h"
#include "fixtures/ide/SimulatedIde.h"
#include "components/ExNotebook.h"
#include "components/QoMsgDlg.h"
#include "platform/Files.h"
#include "platform/Registry.h"

class WizardWindow : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kDestinationKey = L"SOFTWARE\\Quorvane\\QRVComps";
  static constexpr const wchar_t* kDestinationValue = L"Caminho D26";
  // How long a test that expects no dialog gives one to appear.
  static constexpr DWORD kNoDialogMs = 1500;

  void SetUp() override {
    ForgetDestination();
    RemoveSimulatedIdes();
    // No compiler: a test that reaches the registration page meets the build step's error, which
    // goes to the application's error display and is recorded in Errors(). The build's own
    // tests put the fake compiler in.
    TSimulatedIde ide = RadStudio103(Scratch() / L"Studio20");
    ide.BinFiles = {L"bds.exe", L"rsvars.bat"};
    InstallSimulatedIde(ide);
    // The folders a real installation has for compiled packages, where the compiler writes.
    platform::ForceDirectories(SimulatedCommonDir(20) + L"\\Bpl");
    platform::ForceDirectories(SimulatedCommonDir(20) + L"\\Dcp");
    UiApplication().OnException = [this](const std::exception& error) {
      FErrors.push_back(ErrorText(error));
    };
    WriteLibraryFile(L"UnitAlfa.pas", "unit UnitAlfa;\r\ninterface\r\nimplementation\r\nend.\r\n");
    WriteLibraryFile(L"QRVLib260.dpk", "package QRVLib260;\r\n{$R *.res}\r\ncontains\r\nend.\r\n");
    WriteText(FScratch / L"stub.exe", "MZ stub of the tests");
    BuildSetupFile();
  }

  void TearDown() override {
    UiApplication().OnException = nullptr;
    if (FForm != nullptr && !FForm->State().TempDir.empty())
      testing_support::RemoveTree(FForm->State().TempDir);
    FForm.reset();
    ForgetDestination();
    RemoveSimulatedIdes();
  }

  String SetupFile() const { return FScratch / L"setup.exe"; }
  const testing_support::ScratchFolder& Scratch() const { return FScratch; }

  // A file of the library the setup is built from.
  void WriteLibraryFile(const String& name, const std::string& text) {
    platform::ForceDirectories(FScratch / L"lib");
    WriteText(FScratch / L"lib\\" + name, text);
  }

  // (Re)builds SetupFile() from the library for a version; the unit list is every ".pas".
  void BuildSetupFile(int32_t version = 26, const String& package = L"Personalizado") {
    TBuildOptions options;
    options.Stub = FScratch / L"stub.exe";
    options.From = FScratch / L"lib";
    options.Output = SetupFile();
    options.Version = version;
    options.Package = package;
    BuildSetup(options);
  }

  // A program file whose trailer names an archive larger than the file.
  String DamagedSetupFile() {
    const String path = FScratch / L"damaged.exe";
    WriteText(path, std::string("MZ damaged") + std::string("\xff\xff\xff\x7f\x10\x00\x00\x00", 8));
    return path;
  }

  // Creates the window on programFile and shows it; the start-up sequence runs inside.
  void Open(const String& programFile) {
    FForm = std::make_unique<TFrmMain>(nullptr, programFile);
    FForm->Show();
    UiApplication().ProcessMessages();
  }

  // Opens the window on the test's setup and walks forward to page `index` (0 welcome ...
  // 4 copy), accepting the agreement on the way. The copy goes to a folder of the test's own.
  void OpenAt(int index) {
    Open(SetupFile());
    WalkTo(index);
  }

  // From the welcome page forward to page `index`, as OpenAt.
  void WalkTo(int index) {
    for (int i = 0; i < index; ++i) {
      if (Form().NoteEtapas->ActivePage() == Form().NpgContrato && !Form().ChxContrato->Checked())
        Click(Form().ChxContrato);
      if (Form().NoteEtapas->ActivePage() == Form().NpgConfirmar)
        Form().LabCaminho->SetCaption(FScratch / L"destino");
      Click(Form().BtnAvancar);
    }
  }

  TFrmMain& Form() { return *FForm; }

  // A click as the mouse or the keyboard gives it, through the control's window.
  static void Click(TWinControl* control) {
    SendMessageW(control->Handle(), BM_CLICK, 0, 0);
    UiApplication().ProcessMessages();
  }

  // Esc pressed while `control` has the focus.
  static void PressEscape(TWinControl* control) {
    control->SetFocus();
    PostMessageW(control->Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(control->Handle(), WM_KEYUP, VK_ESCAPE, 0xC0010001);
    UiApplication().ProcessMessages();
  }

  bool WindowVisible() { return IsWindowVisible(Form().Handle()) != FALSE; }

  // An action for TWindowDriver that answers `count` dialogs of the caption it waits for, one
  // after the other, with the button; Answered() then holds the message of each. A dialog that
  // opens after the window has closed is hidden with it (the running program would end there):
  // it is answered all the same.
  std::function<void(HWND)> AnswerDialogs(const String& button, int count) {
    return [this, button, count](HWND window) {
      wchar_t caption[64] = {};
      ::GetWindowTextW(window, caption, 64);
      for (int answered = 0;;) {
        FAnswered.push_back(Form().MsgDlg1->Text());
        TWindowDriver::ClickButton(button)(window);
        if (++answered == count) return;
        // The next dialog may get the handle of the last one: wait for the gap between them.
        const ULONGLONG gapEnd = ::GetTickCount64() + 2000;
        while (OwnWindowShownOrHidden(caption) != nullptr && ::GetTickCount64() < gapEnd)
          ::Sleep(1);
        const ULONGLONG end = ::GetTickCount64() + 10000;
        while ((window = OwnWindowShownOrHidden(caption)) == nullptr && ::GetTickCount64() < end)
          ::Sleep(10);
        if (window == nullptr) return;
        ::Sleep(50);
      }
    };
  }
  const std::vector<String>& Answered() const { return FAnswered; }
  // The errors that reached the application's error display, in order.
  const std::vector<String>& Errors() const { return FErrors; }
  // The bin folder of the simulated IDE.
  String IdeBin() const { return FScratch / L"Studio20\\bin\\"; }

  static void WriteText(const String& path, const std::string& text) {
    platform::WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
  }

  static void RememberDestination(const String& folder) {
    auto key = platform::RegistryKey::Create(platform::RegRoot::LocalMachine, kDestinationKey);
    ASSERT_TRUE(key.has_value());
    ASSERT_TRUE(key->WriteString(kDestinationValue, folder));
  }

 private:
  static HWND OwnWindowShownOrHidden(const wchar_t* caption) {
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, nullptr, caption)) != nullptr) {
      DWORD process = 0;
      ::GetWindowThreadProcessId(window, &process);
      if (process == ::GetCurrentProcessId()) return window;
    }
    return nullptr;
  }

  static void ForgetDestination() {
    if (auto key = platform::RegistryKey::Open(platform::RegRoot::LocalMachine, kDestinationKey))
      key->DeleteValue(kDestinationValue);
  }

  testing_support::ScratchFolder FScratch;
  std::vector<String> FAnswered;
  std::vector<String> FErrors;
  std::unique_ptr<TFrmMain> FForm;
};
