#include "app/ReportServer.h"

#include <algorithm>

namespace {

bool IsHostCharacter(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
         c == L'-' || c == L'.' || c == L'_';
}

}  // namespace

std::optional<TReportServer> ParseReportServer(const String& text) {
  const size_t colon = text.rfind(L':');
  const String host = text.substr(0, colon);
  if (host.empty() || host.size() > 253 || !std::all_of(host.begin(), host.end(), IsHostCharacter))
    return std::nullopt;
  TReportServer server;
  server.Host = ToUtf8(host);
  if (colon == String::npos) return server;
  const String port = text.substr(colon + 1);
  if (port.empty() || port.size() > 5 || port.find_first_not_of(L"0123456789") != String::npos)
    return std::nullopt;
  const unsigned long number = std::stoul(port);
  if (number == 0 || number > 65535) return std::nullopt;
  server.Port = static_cast<uint16_t>(number);
  return server;
}
