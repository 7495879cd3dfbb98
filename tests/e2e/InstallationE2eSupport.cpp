#include "InstallationE2eSupport.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "core/StringList.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Registry.h"

namespace {

// The sample library's files all begin with "Qrv" (QrvConsts.pas, QRVLib260.dpk, ...).
bool LibraryFileName(const String& name) {
  return SameTextAscii(name.substr(0, 3), L"Qrv");
}

}  // namespace

std::string ReadBytes(const String& path) {
  if (!platform::FileExists(path)) return std::string();
  const std::vector<uint8_t> bytes = platform::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

std::optional<String> UserValue(int bds, const String& subKey, const String& name) {
  const auto key = platform::RegistryKey::Open(
      platform::RegRoot::CurrentUser,
      L"Software\\Embarcadero\\BDS\\" + std::to_wstring(bds) + L".0\\" + subKey);
  if (!key) return std::nullopt;
  return key->ReadString(name);
}

int PathCount(const String& pathList, const String& folder) {
  int count = 0;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(pathList.find(L';', start), pathList.size());
    if (SameTextAscii(pathList.substr(start, end - start), folder)) ++count;
    if (end == pathList.size()) return count;
    start = end + 1;
  }
}

std::string Win32EnvOption(const std::string& envOptions, const std::string& element) {
  const size_t group = envOptions.find("<PropertyGroup Condition=\"'$(Platform)'=='Win32'\">");
  if (group == std::string::npos) return std::string();
  const size_t groupEnd = envOptions.find("</PropertyGroup>", group);
  const std::string open = "<" + element + ">";
  const size_t start = envOptions.find(open, group);
  if (start == std::string::npos || start > groupEnd) return std::string();
  const size_t end = envOptions.find("</" + element + ">", start);
  return envOptions.substr(start + open.size(), end - start - open.size());
}

String ExpectedCommandLine(const TIdeGeneration& generation, const String& rootDir,
                           const String& destination) {
  const String key = std::to_wstring(generation.Bds) + L".0";
  const String commonDir = SimulatedCommonDir(generation.Bds);
  const String library = rootDir + L"\\lib\\Win32\\release";
  const String search = library + L";C:\\Users\\dev\\Documents\\Embarcadero\\Studio\\" + key +
                        L"\\Imports;" + rootDir + L"\\Imports;" + commonDir + L"\\Dcp\\Win32;" +
                        rootDir + L"\\include";
  return rootDir + L"\\bin\\dcc32.exe \"" + destination + L"\\" +
         SampleProjectName(generation.Version) +
         L".dpk\" --no-config -B -$O- -$W+ -$Y- -M -Q -H- -W- "
         L"-NS\"Winapi;System.Win;Data.Win;Datasnap.Win;Web.Win;Soap.Win;Xml.Win;Bde;System;Xml;"
         L"Data;Datasnap;Web;Soap;Vcl;Vcl.Imaging;Vcl.Touch;Vcl.Samples;Vcl.Shell\" -U\"" +
         library + L"\" -U\"" + search + L"\" -U\"" + destination + L"\" -I\"" + search +
         L"\" -R\"" + search + L"\" -N0\"" + destination + L"\" -LE\"" + commonDir +
         L"\\Bpl\" -LN\"" + commonDir + L"\\Dcp\"";
}

std::string FormEncoded(const String& log) {
  std::string encoded;
  for (const char byte : ToUtf8(log)) {
    const unsigned char c = static_cast<unsigned char>(byte == '\'' ? '"' : byte);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '*' ||
        c == '-' || c == '.' || c == '_') {
      encoded += static_cast<char>(c);
    } else if (c == ' ') {
      encoded += '+';
    } else {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", c);
      encoded += escape;
    }
  }
  return encoded;
}

std::string ExpectedReport(uint16_t port, const std::string& body) {
  return "POST /qrv/instalar.php HTTP/1.0\r\n"
         "Connection: keep-alive\r\n"
         "Content-Type: application/x-www-form-urlencoded\r\n"
         "Content-Length: " +
         std::to_string(body.size()) +
         "\r\n"
         "Host: 127.0.0.1:" +
         std::to_string(port) +
         "\r\n"
         "Accept: text/html, */*\r\n"
         "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64; rv:12.0) Gecko/20100101 "
         "Firefox/12.0\r\n"
         "\r\n" +
         body;
}

void WriteFakeScript(const String& path, const std::string& script) {
  platform::WriteFileBytes(path, std::vector<uint8_t>(script.begin(), script.end()));
}

void TamperWithArchive(const String& setup) {
  std::vector<uint8_t> bytes = platform::ReadFileBytes(setup);
  const std::string text(bytes.begin(), bytes.end());
  const size_t at = text.rfind("unit QrvConsts;");
  if (at == std::string::npos) throw std::runtime_error("the setup carries no QrvConsts.pas");
  bytes[at + 5] = 'X';
  platform::WriteFileBytes(setup, bytes);
}

std::vector<String> TempFolderEntries() {
  std::vector<String> names;
  for (const platform::FoundFile& entry :
       platform::FindFiles(WithTrailingBackslash(SystemTempFolder()) + L"*"))
    if ((entry.attributes & platform::faDirectory) != 0 && entry.name[0] != L'.')
      names.push_back(entry.name);
  return names;
}

int UnpackedLibraryFiles(const std::vector<String>& before) {
  int count = 0;
  for (const String& name : TempFolderEntries()) {
    if (std::find(before.begin(), before.end(), name) != before.end()) continue;
    const String folder = WithTrailingBackslash(SystemTempFolder()) + name + L"\\";
    for (const platform::FoundFile& file : platform::FindFiles(folder + L"*"))
      if (LibraryFileName(file.name)) ++count;
  }
  return count;
}
