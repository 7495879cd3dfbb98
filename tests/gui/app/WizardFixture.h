// The wizard window in-process: each test gets a setup program file built by qrvpack from a tiny
// library (a stub, one unit, the package project for version 26), opens the real TFrmMain on it
// and drives it with window messages. The remembered destination value is removed before and
// after each test, and the temporary folder the window extracted into is deleted.
#pragma once

// Before windows.h, whose A/W macros would rename the platform's file functions used here.
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "SetupBuilder.h"
#include "app/Main.h"
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
    const String library = FScratch / L"lib";
    platform::ForceDirectories(library);
    WriteText(library + L"\\UnitAlfa.pas",
              "unit UnitAlfa;\r\ninterface\r\nimplementation\r\nend.\r\n");
    WriteText(library + L"\\QRVLib260.dpk",
              "package QRVLib260;\r\n{$R *.res}\r\ncontains\r\nend.\r\n");
    WriteText(FScratch / L"stub.exe", "MZ stub of the tests");
    TBuildOptions options;
    options.Stub = FScratch / L"stub.exe";
    options.From = library;
    options.Output = SetupFile();
    options.Version = 26;
    options.Package = L"Personalizado";
    BuildSetup(options);
  }

  void TearDown() override {
    if (FForm != nullptr && !FForm->State().TempDir.empty())
      testing_support::RemoveTree(FForm->State().TempDir);
    FForm.reset();
    ForgetDestination();
  }

  String SetupFile() const { return FScratch / L"setup.exe"; }

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
  // 4 copy), accepting the agreement on the way.
  void OpenAt(int index) {
    Open(SetupFile());
    for (int i = 0; i < index; ++i) {
      if (Form().NoteEtapas->ActivePage() == Form().NpgContrato && !Form().ChxContrato->Checked())
        Click(Form().ChxContrato);
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

  static void RememberDestination(const String& folder) {
    auto key = platform::RegistryKey::Create(platform::RegRoot::LocalMachine, kDestinationKey);
    ASSERT_TRUE(key.has_value());
    ASSERT_TRUE(key->WriteString(kDestinationValue, folder));
  }

 private:
  static void ForgetDestination() {
    if (auto key = platform::RegistryKey::Open(platform::RegRoot::LocalMachine, kDestinationKey))
      key->DeleteValue(kDestinationValue);
  }

  static void WriteText(const String& path, const std::string& text) {
    platform::WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
  }

  testing_support::ScratchFolder FScratch;
  std::unique_ptr<TFrmMain> FForm;
};
