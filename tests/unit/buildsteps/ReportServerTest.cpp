// Which server a setup reports to: the text HOST[:PORT], the descriptor's key (present, empty,
// absent) and qrvpack's --report-server.
#include <gtest/gtest.h>

#include <sstream>

#include "Qrvpack.h"
#include "app/InstallationReport.h"
#include "app/Payload.h"
#include "platform/Files.h"
#include "support/TestSupport.h"

namespace {

using testing_support::ScratchFolder;

TEST(ReportServerText, HostAloneMeansPort80) {
  const auto server = ParseReportServer(L"reports.example.com");
  ASSERT_TRUE(server.has_value());
  EXPECT_EQ(server->Host, "reports.example.com");
  EXPECT_EQ(server->Port, 80);
}

TEST(ReportServerText, HostWithPort) {
  const auto server = ParseReportServer(L"127.0.0.1:65535");
  ASSERT_TRUE(server.has_value());
  EXPECT_EQ(server->Host, "127.0.0.1");
  EXPECT_EQ(server->Port, 65535);
}

TEST(ReportServerText, RefusesWhatNamesNoServer) {
  for (const wchar_t* text : {L"", L":80", L"host:", L"host:0", L"host:65536", L"host:8o",
                              L"host:123456", L"ho st", L"http://host", L"hóst", L"host/qrv"})
    EXPECT_FALSE(ParseReportServer(text).has_value()) << ToUtf8(text);
}

TEST(ReportServerChoice, DescriptorValueWins) {
  const auto server = ReportServerFor(String(L"127.0.0.1:8123"));
  ASSERT_TRUE(server.has_value());
  EXPECT_EQ(server->Port, 8123);
}

TEST(ReportServerChoice, EmptyDescriptorValueTurnsTheReportOff) {
  EXPECT_FALSE(ReportServerFor(String()).has_value());
}

TEST(ReportServerChoice, WithoutTheKeyTheBuildDefaultApplies) {
  // The test builds are configured with an empty default, so nothing is sent from them.
  EXPECT_EQ(ReportServerFor(std::nullopt).has_value(), ParseReportServer(L"").has_value());
  EXPECT_FALSE(ReportServerFor(std::nullopt).has_value());
}

class ReportServerDescriptor : public ::testing::Test {
 protected:
  std::optional<String> Read(const std::string& setupSection) {
    const std::string text = "[SETUP]\r\nVersion=26\r\n" + setupSection + "[COMPONENTS]\r\n";
    platform::WriteFileBytes(Scratch / L"instalar.inf",
                             std::vector<uint8_t>(text.begin(), text.end()));
    TInstallerState state;
    state.TempDir = Scratch.Path();
    ReadSetupDescriptor(state);
    return state.ReportServer;
  }

  ScratchFolder Scratch;
};

TEST_F(ReportServerDescriptor, PresentValueIsRead) {
  EXPECT_EQ(Read("ReportServer=127.0.0.1:8080\r\n"), String(L"127.0.0.1:8080"));
}

TEST_F(ReportServerDescriptor, EmptyValueIsKeptApartFromAbsence) {
  EXPECT_EQ(Read("ReportServer=\r\n"), String());
}

TEST_F(ReportServerDescriptor, AbsentKeyGivesNoValue) {
  EXPECT_EQ(Read(""), std::nullopt);
}

TEST_F(ReportServerDescriptor, KeyNameIgnoresCase) {
  EXPECT_EQ(Read("reportserver=h:81\r\n"), String(L"h:81"));
}

class QrvpackReportServer : public ::testing::Test {
 protected:
  QrvpackReportServer() {
    platform::ForceDirectories(Scratch / L"lib");
    const std::string unit = "unit A;\r\nend.\r\n";
    platform::WriteFileBytes(Scratch / L"lib\\A.pas",
                             std::vector<uint8_t>(unit.begin(), unit.end()));
    platform::WriteFileBytes(Scratch / L"stub.exe", {'M', 'Z'});
  }

  int Build(std::vector<String> extra) {
    std::vector<String> arguments = {
        L"build", L"--stub", Scratch / L"stub.exe", L"--from", Scratch / L"lib", L"--version",
        L"26",    L"-o",     Scratch / L"setup.exe"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return Run(arguments);
  }

  int Run(const std::vector<String>& arguments) {
    Out.str("");
    Err.str("");
    return RunQrvpack(arguments, Out, Err);
  }

  std::string Listing() {
    EXPECT_EQ(Run({L"list", Scratch / L"setup.exe"}), 0) << Err.str();
    return Out.str();
  }

  ScratchFolder Scratch;
  std::ostringstream Out;
  std::ostringstream Err;
};

TEST_F(QrvpackReportServer, WritesTheKeyAndListsIt) {
  ASSERT_EQ(Build({L"--report-server", L"127.0.0.1:8080"}), 0) << Err.str();
  EXPECT_NE(Listing().find("\nReportServer=127.0.0.1:8080\n"), std::string::npos);
}

TEST_F(QrvpackReportServer, EmptyTextWritesTheEmptyValue) {
  ASSERT_EQ(Build({L"--report-server", L""}), 0) << Err.str();
  EXPECT_NE(Listing().find("\nReportServer=\n"), std::string::npos);
}

TEST_F(QrvpackReportServer, WithoutTheOptionNoKeyIsListed) {
  ASSERT_EQ(Build({}), 0) << Err.str();
  EXPECT_EQ(Listing().find("ReportServer"), std::string::npos);
}

TEST_F(QrvpackReportServer, RefusesAMalformedServerAndWritesNothing) {
  EXPECT_EQ(Build({L"--report-server", L"host:99999"}), 1);
  EXPECT_NE(Err.str().find("--report-server"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(Scratch / L"setup.exe"));
}

}  // namespace
