// The installation report: one HTTP/1.0 POST of the form fields versao, fonte, erro and msg to
// "/qrv/instalar.php" on the report server, sent at the end of the build step and forgotten.
// The request is built here byte for byte; the answer is read up to its end and discarded.
//
// The server is the setup descriptor's SETUP ReportServer=HOST[:PORT] when the key is there (an
// empty value: no report at all), otherwise the default this program was built with
// (QRV_REPORT_SERVER). Connecting, sending and receiving each give up after the time-out, so a
// silent server delays the caller by at most that much per step. Nothing here raises and no
// failure reaches the caller.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/InstallerState.h"
#include "app/ReportServer.h"
#include "core/String.h"

inline constexpr const char* kReportPath = "/qrv/instalar.php";
// How long connecting, sending and receiving may each take.
inline constexpr int kReportTimeoutMs = 10000;

// Where a setup reports to: its descriptor's value when it has one, else the built-in default.
// No value when that is empty or malformed.
std::optional<TReportServer> ReportServerFor(const std::optional<String>& descriptorValue);

// Form encoding: letters, digits and "*-._" stay, a space becomes "+", every other character
// becomes the "%XX" codes of its UTF-8 bytes.
std::string FormEncode(const String& text);

// The request's body: versao, fonte, erro and msg, encoded and joined with "&". logText is the
// log's lines, each followed by CR LF; its apostrophes are sent as double quotes.
std::string ReportBody(int32_t version, bool source, bool failed, const String& logText);

// The whole request: request line, the headers in their fixed order, an empty line, the body.
std::string ReportRequest(const TReportServer& server, const std::string& body);

// Sends the request and reads the answer to its end (its Content-Length, or until the server
// closes). Every failure is swallowed.
void PostReport(const TReportServer& server, const std::string& request,
                int timeoutMs = kReportTimeoutMs);

// Sends the report of this run: version and source flag from the state, the outcome, the log.
void SendInstallationReport(const TInstallerState& state, const String& logText, bool failed);
