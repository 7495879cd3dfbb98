// The report's bytes: the form encoding, the four fields and the request's head.
#include <gtest/gtest.h>

#include "app/InstallationReport.h"

namespace {

TEST(ReportEncoding, UnreservedCharactersStayAsTheyAre) {
  EXPECT_EQ(FormEncode(L"AZaz09*-._"), "AZaz09*-._");
}

TEST(ReportEncoding, SpaceBecomesPlus) {
  EXPECT_EQ(FormEncode(L"a b  c"), "a+b++c");
}

TEST(ReportEncoding, OtherAsciiBecomesUpperCaseHex) {
  EXPECT_EQ(FormEncode(L":\\=\"'&+%/~"), "%3A%5C%3D%22%27%26%2B%25%2F%7E");
}

TEST(ReportEncoding, LineBreaksAreEncoded) {
  EXPECT_EQ(FormEncode(L"a\r\nb\t"), "a%0D%0Ab%09");
}

TEST(ReportEncoding, AccentedCharactersSendTheirUtf8Bytes) {
  EXPECT_EQ(FormEncode(L"ç"), "%C3%A7");
  EXPECT_EQ(FormEncode(L"instalação"), "instala%C3%A7%C3%A3o");
}

TEST(ReportEncoding, CharacterBeyondTheBasicPlaneSendsFourBytes) {
  EXPECT_EQ(FormEncode(FromUtf8("\xF0\x9F\x98\x80")), "%F0%9F%98%80");
}

TEST(ReportBodyText, FieldsComeInOrderWithTheirValues) {
  EXPECT_EQ(ReportBody(26, true, false, L"Compiling\r\n"),
            "versao=26&fonte=1&erro=0&msg=Compiling%0D%0A");
  EXPECT_EQ(ReportBody(37, false, true, L""), "versao=37&fonte=0&erro=1&msg=");
}

TEST(ReportBodyText, EmptyLogGivesEmptyMsg) {
  const std::string body = ReportBody(26, true, false, L"");
  EXPECT_EQ(body.substr(body.size() - 4), "msg=");
}

TEST(ReportBodyText, EqualSignsInsideTheLogAreEncoded) {
  EXPECT_EQ(ReportBody(26, true, false, L"a=b=c\r\n"),
            "versao=26&fonte=1&erro=0&msg=a%3Db%3Dc%0D%0A");
}

TEST(ReportBodyText, ApostrophesAreSentAsDoubleQuotes) {
  EXPECT_EQ(ReportBody(26, true, false, L"File not found: 'X.pas'\r\n"),
            "versao=26&fonte=1&erro=0&msg=File+not+found%3A+%22X.pas%22%0D%0A");
}

TEST(ReportBodyText, PathsAndAccentsOfARealLog) {
  EXPECT_EQ(ReportBody(26, true, false, L"C:\\Quorvane\\D26 ç\r\n"),
            "versao=26&fonte=1&erro=0&msg=C%3A%5CQuorvane%5CD26+%C3%A7%0D%0A");
}

TEST(ReportRequestBytes, HeadersInTheirOrderOnPort80) {
  EXPECT_EQ(ReportRequest({"reports.example", 80}, "versao=26"),
            "POST /qrv/instalar.php HTTP/1.0\r\n"
            "Connection: keep-alive\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: 9\r\n"
            "Host: reports.example\r\n"
            "Accept: text/html, */*\r\n"
            "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64; rv:12.0) Gecko/20100101 "
            "Firefox/12.0\r\n"
            "\r\n"
            "versao=26");
}

TEST(ReportRequestBytes, HostNamesAPortOtherThan80) {
  const std::string request = ReportRequest({"127.0.0.1", 8080}, "");
  EXPECT_NE(request.find("\r\nHost: 127.0.0.1:8080\r\n"), std::string::npos);
  EXPECT_NE(request.find("\r\nContent-Length: 0\r\n"), std::string::npos);
}

TEST(ReportRequestBytes, ContentLengthCountsBytesNotCharacters) {
  const std::string body = ReportBody(26, true, false, L"ç");
  const std::string request = ReportRequest({"h", 80}, body);
  EXPECT_NE(request.find("\r\nContent-Length: " + std::to_string(body.size()) + "\r\n"),
            std::string::npos);
  EXPECT_EQ(request.substr(request.size() - body.size()), body);
}

}  // namespace
