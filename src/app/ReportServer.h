// The report server as the setup descriptor names it: SETUP ReportServer=HOST[:PORT]. The
// descriptor reader, qrvpack and the report share this one reading of the text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/String.h"

struct TReportServer {
  std::string Host;  // a host name or an IPv4 address, ASCII
  uint16_t Port = 80;
};

// "HOST" or "HOST:PORT" (port 1 to 65535, decimal). No value for an empty text, a host with
// characters other than ASCII letters, digits, "-", "." and "_", or a bad port.
std::optional<TReportServer> ParseReportServer(const String& text);
