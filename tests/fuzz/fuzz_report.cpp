// Any text through the report's form encoding: the result holds only letters, digits, "*-._+"
// and "%" with two upper-case hexadecimal digits (only for bytes that have no shorter form), and
// decodes back to the text (code units that are no character come back as U+FFFD). The body
// built from it has the four fields in order, each decoding back to its value, and the request
// announces the body's exact length.
//
// Input: a first byte for the version, a second whose low bits are the source and failure
// flags, then the log text in UTF-8. The same bytes, three to a code unit, are also encoded as
// a string that may hold surrogates and values beyond Unicode.
#include <string>
#include <string_view>

#include "FuzzScratch.h"
#include "app/InstallationReport.h"
#include "core/LibFunctions.h"

namespace {

bool StaysAsItIs(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '*' ||
         c == '-' || c == '.' || c == '_';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower-case digits are not what the encoding writes
}

// The bytes a form-encoded text stands for; aborts on a character the encoding never writes and
// on a "%XX" code for a byte that has a shorter form.
std::string FormDecode(std::string_view encoded) {
  std::string bytes;
  for (size_t i = 0; i < encoded.size(); ++i) {
    Require(StaysAsItIs(encoded[i]) || encoded[i] == '+' || encoded[i] == '%');
    if (encoded[i] == '+') {
      bytes += ' ';
    } else if (encoded[i] == '%') {
      Require(i + 2 < encoded.size());
      const int high = HexValue(encoded[i + 1]);
      const int low = HexValue(encoded[i + 2]);
      Require(high >= 0 && low >= 0);
      const auto byte = static_cast<char>(high * 16 + low);
      Require(!StaysAsItIs(byte) && byte != ' ');
      bytes += byte;
      i += 2;
    } else {
      bytes += encoded[i];
    }
  }
  return bytes;
}

bool IsCharacter(wchar_t unit) {
  const auto value = static_cast<uint32_t>(unit);
  return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

void RequireFieldsDecodeBack(const std::string& body, const std::vector<std::string>& values) {
  static const char* const kNames[] = {"versao", "fonte", "erro", "msg"};
  size_t start = 0;
  for (size_t field = 0; field < values.size(); ++field) {
    const size_t end = field + 1 == values.size() ? body.size() : body.find('&', start);
    Require(end != std::string::npos);
    const std::string_view pair = std::string_view(body).substr(start, end - start);
    const size_t equals = pair.find('=');
    Require(equals != std::string::npos && pair.substr(0, equals) == kNames[field]);
    Require(FormDecode(pair.substr(equals + 1)) == values[field]);
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int32_t version = data[0];
  const bool source = (data[1] & 1) != 0;
  const bool failed = (data[1] & 2) != 0;
  const std::string_view logBytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  const String log = FromUtf8(logBytes);

  Require(FormDecode(FormEncode(log)) == ToUtf8(log));
  Require(FromUtf8(FormDecode(FormEncode(log))) == log);

  String units;
  String characters;
  for (size_t i = 0; i + 2 < size; i += 3) {
    const auto unit = static_cast<wchar_t>(data[i] | (data[i + 1] << 8) | (data[i + 2] << 16));
    units += unit;
    characters += IsCharacter(unit) ? unit : L'\xFFFD';
  }
  Require(FromUtf8(FormDecode(FormEncode(units))) == characters);

  const std::string body = ReportBody(version, source, failed, log);
  RequireFieldsDecodeBack(body, {std::to_string(version), source ? "1" : "0", failed ? "1" : "0",
                                 ToUtf8(ReplaceOccurrences(log, L"'", L"\"", 0))});
  const std::string request = ReportRequest(TReportServer{"localhost", 8080}, body);
  const std::string head = "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n";
  Require(request.find(head) != std::string::npos);
  Require(request.size() > body.size() + 4 &&
          request.compare(request.size() - body.size() - 4, std::string::npos, "\r\n\r\n" + body) ==
              0);
  return 0;
}
