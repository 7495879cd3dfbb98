#include "app/InstallationReport.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <exception>

#include "core/Format.h"
#include "core/LibFunctions.h"
#include "platform/Clock.h"
#include "platform/Sockets.h"

#ifndef QRV_REPORT_SERVER
#define QRV_REPORT_SERVER ""
#endif

namespace {

const char* const kUserAgent =
    "Mozilla/5.0 (Windows NT 6.1; WOW64; rv:12.0) Gecko/20100101 Firefox/12.0";

bool Unreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '*' ||
         c == '-' || c == '.' || c == '_';
}

// The value of the Content-Length header of a response head, when it has one.
std::optional<size_t> ContentLength(const std::string& head) {
  std::string lower = head;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const size_t at = lower.find("\r\ncontent-length:");
  if (at == std::string::npos) return std::nullopt;
  size_t digit = at + 17;
  while (digit < lower.size() && lower[digit] == ' ') ++digit;
  size_t length = 0;
  bool any = false;
  for (; digit < lower.size() && std::isdigit(static_cast<unsigned char>(lower[digit])) != 0;
       ++digit) {
    if (length > (SIZE_MAX - 9) / 10) return std::nullopt;
    length = length * 10 + static_cast<size_t>(lower[digit] - '0');
    any = true;
  }
  return any ? std::optional<size_t>(length) : std::nullopt;
}

// Reads the answer and drops it: up to the end of its body when the head gives its length, else
// until the server closes. Gives up when a read fails or the time for the whole answer is over.
void ReadAnswer(platform::TcpConnection& connection, int timeoutMs) {
  const uint64_t end =
      platform::MonotonicMilliseconds() + static_cast<uint64_t>(std::max(timeoutMs, 0));
  std::string received;
  std::optional<size_t> expected;
  for (;;) {
    const uint64_t now = platform::MonotonicMilliseconds();
    if (now >= end) return;
    const std::optional<std::string> piece = connection.Receive(static_cast<int>(end - now));
    if (!piece || piece->empty()) return;
    received += *piece;
    if (!expected) {
      const size_t headEnd = received.find("\r\n\r\n");
      if (headEnd == std::string::npos) continue;
      const std::optional<size_t> body = ContentLength(received.substr(0, headEnd + 2));
      if (body) expected = headEnd + 4 + *body;
    }
    if (expected && received.size() >= *expected) return;
  }
}

}  // namespace

std::optional<TReportServer> ReportServerFor(const std::optional<String>& descriptorValue) {
  return ParseReportServer(descriptorValue.value_or(FromUtf8(QRV_REPORT_SERVER)));
}

std::string FormEncode(const String& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const unsigned char c : ToUtf8(text)) {
    if (Unreserved(c)) {
      encoded += static_cast<char>(c);
    } else if (c == ' ') {
      encoded += '+';
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 15];
    }
  }
  return encoded;
}

std::string ReportBody(int32_t version, bool source, bool failed, const String& logText) {
  const String fields[] = {
      L"versao=" + IntToStr(version),
      String(L"fonte=") + (source ? L"1" : L"0"),
      String(L"erro=") + (failed ? L"1" : L"0"),
      L"msg=" + ReplaceOccurrences(logText, L"'", L"\"", 0),
  };
  std::string body;
  for (const String& field : fields) {
    const size_t equals = field.find(L'=');
    if (!body.empty()) body += '&';
    body += FormEncode(field.substr(0, equals)) + "=" + FormEncode(field.substr(equals + 1));
  }
  return body;
}

std::string ReportRequest(const TReportServer& server, const std::string& body) {
  const std::string host =
      server.Port == 80 ? server.Host : server.Host + ":" + std::to_string(server.Port);
  return std::string("POST ") + kReportPath +
         " HTTP/1.0\r\n"
         "Connection: keep-alive\r\n"
         "Content-Type: application/x-www-form-urlencoded\r\n"
         "Content-Length: " +
         std::to_string(body.size()) +
         "\r\n"
         "Host: " +
         host +
         "\r\n"
         "Accept: text/html, */*\r\n"
         "User-Agent: " +
         kUserAgent + "\r\n\r\n" + body;
}

void PostReport(const TReportServer& server, const std::string& request, int timeoutMs) {
  try {
    std::optional<platform::TcpConnection> connection =
        platform::TcpConnection::Connect(server.Host, server.Port, timeoutMs);
    if (!connection || !connection->SendAll(request, timeoutMs)) return;
    ReadAnswer(*connection, timeoutMs);
  } catch (const std::exception&) {
    // The report never changes what the installer does: a failure is dropped.
  }
}

void SendInstallationReport(const TInstallerState& state, const String& logText, bool failed) {
  const std::optional<TReportServer> server = ReportServerFor(state.ReportServer);
  if (!server) return;
  PostReport(*server, ReportRequest(*server, ReportBody(state.TargetVersion, state.SourceFlag,
                                                        failed, logText)));
}
