// Posting the report to a listener on 127.0.0.1: the exact bytes on the wire, and the servers
// that refuse, never answer, answer and keep the connection, or never accept: the post returns
// within its time-out and raises nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "app/InstallationReport.h"
#include "fixtures/report/ReportListener.h"
#include "platform/Sockets.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kShortTimeoutMs = 400;

TReportServer ServerOf(const TReportListener& listener) {
  return {"127.0.0.1", listener.Port()};
}

int64_t MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

TEST(ReportPost, ServerReceivesExactlyTheRequest) {
  TReportListener listener;
  const std::string request =
      ReportRequest(ServerOf(listener), ReportBody(26, true, false, L"Linha 'um'\r\n"));
  PostReport(ServerOf(listener), request);
  ASSERT_TRUE(listener.WaitForRequests(1, 5000));
  EXPECT_EQ(listener.Requests().at(0), request);
}

TEST(ReportPost, InstallationReportCarriesStateOutcomeAndLog) {
  TReportListener listener;
  TInstallerState state;
  state.TargetVersion = 26;
  state.SourceFlag = true;
  state.ReportServer = listener.Address();
  SendInstallationReport(state, L"ok\r\n", true);
  ASSERT_TRUE(listener.WaitForRequests(1, 5000));
  const std::string expected =
      ReportRequest(ServerOf(listener), "versao=26&fonte=1&erro=1&msg=ok%0D%0A");
  EXPECT_EQ(listener.Requests().at(0), expected);
}

TEST(ReportPost, EmptyServerValueSendsNothing) {
  TReportListener listener;
  TInstallerState state;
  state.ReportServer = String();
  SendInstallationReport(state, L"", false);
  EXPECT_FALSE(listener.WaitForRequests(1, 300));
}

TEST(ReportPost, RefusingServerIsIgnoredAtOnce) {
  uint16_t closedPort = 0;
  {
    const TReportListener gone;
    closedPort = gone.Port();
  }
  const auto start = Clock::now();
  PostReport({"127.0.0.1", closedPort}, "POST / HTTP/1.0\r\n\r\n");
  EXPECT_LT(MillisecondsSince(start), 3000);
}

TEST(ReportPost, SilentServerIsGivenUpAfterTheTimeout) {
  TReportListener listener(TReportListener::TAnswer::Silent);
  const auto start = Clock::now();
  PostReport(ServerOf(listener), ReportRequest(ServerOf(listener), "x=1"), kShortTimeoutMs);
  const int64_t elapsed = MillisecondsSince(start);
  EXPECT_GE(elapsed, kShortTimeoutMs - 10);
  EXPECT_LT(elapsed, kShortTimeoutMs + 2000);
  EXPECT_TRUE(listener.WaitForRequests(1, 5000));
}

TEST(ReportPost, AnswerIsReadUpToItsLengthWithoutWaitingForTheClose) {
  TReportListener listener(TReportListener::TAnswer::KeepOpen);
  const auto start = Clock::now();
  PostReport(ServerOf(listener), ReportRequest(ServerOf(listener), "x=1"), 5000);
  EXPECT_LT(MillisecondsSince(start), 2500);
  EXPECT_TRUE(listener.WaitForRequests(1, 5000));
}

// A listener whose queue is full and that never accepts: the system drops further connection
// requests, so connecting has to give up by itself.
TEST(ReportPost, ConnectingGivesUpWhenTheServerNeverAccepts) {
  std::optional<platform::TcpListener> full = platform::TcpListener::Open(0, 0);
  ASSERT_TRUE(full.has_value());
  std::vector<platform::TcpConnection> waiting;
  for (int i = 0; i < 8; ++i) {
    auto connection = platform::TcpConnection::Connect("127.0.0.1", full->Port(), 200);
    if (!connection) break;
    waiting.push_back(std::move(*connection));
  }
  ASSERT_LT(waiting.size(), 8u) << "the listener's queue never filled";
  const auto start = Clock::now();
  EXPECT_FALSE(platform::TcpConnection::Connect("127.0.0.1", full->Port(), kShortTimeoutMs));
  const int64_t elapsed = MillisecondsSince(start);
  EXPECT_GE(elapsed, kShortTimeoutMs - 10);
  EXPECT_LT(elapsed, kShortTimeoutMs + 2000);
}

}  // namespace
