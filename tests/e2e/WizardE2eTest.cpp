// The real setup program, packed by qrvpack from the sample library, run as its own process in
// the tests' Wine prefix beside a simulated RAD Studio (10.3, or 13 for the setup built for it)
// whose dcc32.exe is the fake compiler, with a report listener on 127.0.0.1. The tests drive it
// like a user (buttons by caption, dialogs by title) and read outcomes from the registry, the files
// and the listener only.
#include <sstream>

#include "SetupProgram.h"
#include "SetupReader.h"

namespace {

TEST_F(SetupProgram, WelcomePageOffersNextButNotBack) {
  const HWND window = Start();
  ASSERT_TRUE(Shows(window, kNext));
  EXPECT_TRUE(TWizardDriver::Enabled(window, kNext));
  EXPECT_FALSE(TWizardDriver::Enabled(window, kBack));
  EXPECT_TRUE(TWizardDriver::Enabled(window, kCancel));
}

TEST_F(SetupProgram, AgreementGatesNextAndPagesLeadToTheInstallButton) {
  const HWND window = Start();
  TWizardDriver::Click(window, kNext);
  ASSERT_TRUE(Shows(window, kAgree));
  EXPECT_FALSE(TWizardDriver::Enabled(window, kNext));
  EXPECT_FALSE(TWizardDriver::TextBoxes(window).empty());  // the agreement's text
  TWizardDriver::Check(window, kAgree);
  EXPECT_TRUE(WaitUntil([&] { return TWizardDriver::Enabled(window, kNext); }));
  TWizardDriver::Click(window, kNext);
  ASSERT_TRUE(Shows(window, kChange));
  EXPECT_TRUE(TWizardDriver::Enabled(window, kChange));
  TWizardDriver::Click(window, kNext);
  ASSERT_TRUE(Shows(window, kInstall));
  TWizardDriver::Click(window, kBack);
  EXPECT_TRUE(Shows(window, kNext));
  EXPECT_FALSE(TWizardDriver::Visible(window, kInstall));
}

TEST_F(SetupProgram, CancelAnsweredYesEndsTheProgram) {
  const HWND window = Start();
  WalkToConfirmation(window);
  TWizardDriver::Click(window, kCancel);
  Driver->Answer(kConfirmation, L"&Sim");
  EXPECT_EQ(Process->WaitForExit(), std::optional<DWORD>(0));
  EXPECT_FALSE(platform::DirectoryExists(DefaultDestination(26)));
  EXPECT_TRUE(Listener.Requests().empty());
}

TEST_F(SetupProgram, CancelAnsweredNoKeepsTheWizardWhereItWas) {
  const HWND window = Start();
  WalkToConfirmation(window);
  TWizardDriver::Click(window, kCancel);
  Driver->Answer(kConfirmation, L"&Não");
  Driver->WaitIdle();
  EXPECT_TRUE(Process->Running());
  EXPECT_TRUE(TWizardDriver::Visible(window, kInstall));
}

TEST_F(SetupProgram, RememberedDestinationLocksTheChangeButton) {
  RememberDestination(L"D:\\Components\\QRV");
  const HWND window = Start();
  WalkToDestination(window);
  EXPECT_FALSE(TWizardDriver::Enabled(window, kChange));
}

TEST_F(SetupProgram, DamagedSetupShowsTheExtractionErrorAndCloses) {
  const String setup = BuildSampleSetup(26, Scratch.Path(), Listener.Address());
  std::vector<uint8_t> bytes = platform::ReadFileBytes(setup);
  bytes[bytes.size() - 8] = 0xFF;  // the archive's size now points before the file's start
  bytes[bytes.size() - 5] = 0x7F;
  platform::WriteFileBytes(setup, bytes);
  Process = std::make_unique<TDrivenProcess>(setup);
  Driver = std::make_unique<TWizardDriver>(Process->Id());
  Driver->Answer(kError, L"&OK");
  EXPECT_TRUE(Process->WaitForExit().has_value());
}

class SetupForRadStudio13 : public SetupProgram {
 protected:
  TIdeGeneration Target() const override { return kRadStudio13; }
};

TEST_F(SetupForRadStudio13, CarriesItsOwnPackageProject) {
  const HWND window = Start();
  ASSERT_TRUE(Shows(window, kNext));
  std::ostringstream listing;
  ListSetup(Setup, listing);
  EXPECT_NE(listing.str().find("Version=37\n"), std::string::npos);
  EXPECT_NE(listing.str().find("\tQRVLib370.dpk\n"), std::string::npos);
  EXPECT_NE(listing.str().find("\tQRVLib370.res\n"), std::string::npos);
  EXPECT_EQ(listing.str().find("QRVLib260"), std::string::npos);
  const std::vector<uint8_t> project = platform::ReadFileBytes(Scratch / L"library\\QRVLib370.dpk");
  EXPECT_EQ(std::string(project.begin(), project.end()).rfind("package QRVLib370;", 0), 0u);
}

}  // namespace
