#include "IdePackageSource.h"

#include <vector>

#include "IdeFileNames.h"
#include "compiler/IdeCompilerErrors.h"
#include "core/Format.h"
#include "core/LibFunctions.h"
#include "core/StringList.h"
#include "platform/CodePages.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

std::vector<String> ReadSourceLines(const String& fileName) {
  const std::vector<uint8_t> bytes = platform::ReadFileBytes(fileName);
  String text;
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    text = FromUtf8(
        std::string_view(reinterpret_cast<const char*>(bytes.data()) + 3, bytes.size() - 3));
  } else if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
      text += static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
  } else {
    text = platform::AnsiToString(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  TStringList lines;
  lines.SetText(text);
  return lines.Items();
}

// The prefixes are views, so that a literal prefix makes no temporary text at each call.
bool StartsWith(const String& text, std::wstring_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool StartsWithIgnoringCase(const String& text, std::wstring_view prefix) {
  return text.size() >= prefix.size() &&
         SameTextAscii(text.substr(0, prefix.size()), String(prefix));
}

// The text from the 1-based position to the second-last character of the line.
String DirectiveArgument(const String& line, size_t position) {
  if (line.size() < position + 1) return String();
  return line.substr(position - 1, line.size() - position);
}

String WithoutEnclosingQuotes(const String& text) {
  if (text.size() >= 2 && text.front() == text.back() &&
      (text.front() == L'\'' || text.front() == L'"'))
    return text.substr(1, text.size() - 2);
  return text;
}

void ReadDelphiDirectives(const String& fileName, TIdePackageSourceInfo& info) {
  bool kindFound = false;
  for (const String& rawLine : ReadSourceLines(fileName)) {
    const String line = TrimTrailing(rawLine);
    if (StartsWith(line, L"{$DESCRIPTION '")) {
      info.Description = DirectiveArgument(line, 15);
    } else if (StartsWith(line, L"{$LIBSUFFIX '")) {
      info.LibSuffix = WithoutEnclosingQuotes(DirectiveArgument(line, 13));
    } else if (StartsWith(line, L"{$RUNONLY}")) {
      info.RunOnly = true;
    } else if (StartsWith(line, L"{$E ")) {
      const String extension = WithoutEnclosingQuotes(TrimBoth(DirectiveArgument(line, 4)));
      if (!extension.empty())
        info.BinaryExtension = extension[0] == L'.' ? extension : L"." + extension;
      kindFound = true;
    } else if (!kindFound && StartsWithIgnoringCase(line, L"program")) {
      info.BinaryExtension = L".exe";
      kindFound = true;
    } else if (!kindFound && StartsWithIgnoringCase(line, L"library")) {
      info.BinaryExtension = L".dll";
      kindFound = true;
    }
  }
}

// The element beginning with start, following lines joined on until it holds a ">".
String ProjectElement(const std::vector<String>& lines, std::wstring_view start) {
  for (size_t i = 0; i < lines.size(); ++i) {
    String element = TrimLeading(lines[i]);
    if (!StartsWith(element, start)) continue;
    for (size_t next = i + 1; element.find(L'>') == String::npos && next < lines.size(); ++next)
      element += lines[next];
    return element;
  }
  return String();
}

void ReadCppProject(const String& fileName, bool isPackage, TIdePackageSourceInfo& info) {
  const std::vector<String> lines = ReadSourceLines(fileName);
  const String project = ProjectElement(lines, L"<PROJECT ");
  const size_t open = project.find(L'"');
  const size_t close = open == String::npos ? open : project.find(L'"', open + 1);
  if (close != String::npos) info.OutputName = project.substr(open + 1, close - open - 1);
  const String flags = ProjectElement(lines, L"<LFLAGS ");
  const size_t option = flags.find(L"-D");
  const size_t semicolon = option == String::npos ? option : flags.find(L';', option);
  if (semicolon != String::npos) {
    const size_t ampersand = flags.find(L'&', semicolon + 1);
    info.Description = flags.substr(
        semicolon + 1, ampersand == String::npos ? String::npos : ampersand - semicolon - 1);
  }
  if (isPackage && flags.find(L"-Gpr") != String::npos) info.RunOnly = true;
}

[[noreturn]] void RaiseUnknownExtension(const String& extension) {
  throw EIdeCompilerUtilsException(Format(L"%s not a known project extension", {extension}));
}

String NameWithoutExtension(const String& fileName) {
  return ChangeFileExt(ExtractFileName(fileName), String());
}

}  // namespace

TIdePackageSourceInfo ReadPackageSourceInfo(const String& SourceFileName) {
  const String extension = ExtractFileExt(SourceFileName);
  TIdePackageSourceInfo info;
  if (SameTextAscii(extension, L".dpk") || SameTextAscii(extension, L".dpr"))
    ReadDelphiDirectives(SourceFileName, info);
  else if (SameTextAscii(extension, L".bpk") || SameTextAscii(extension, L".bpr"))
    ReadCppProject(SourceFileName, SameTextAscii(extension, L".bpk"), info);
  else
    RaiseUnknownExtension(extension);
  return info;
}

String ProjectBinaryPath(const String& OutputPath, const String& SourceFileName) {
  const String extension = ExtractFileExt(SourceFileName);
  const TIdePackageSourceInfo info = ReadPackageSourceInfo(SourceFileName);
  const String folder = WithTrailingBackslash(OutputPath);
  if (SameTextAscii(extension, L".dpk"))
    return folder + NameWithoutExtension(SourceFileName) + info.LibSuffix + L".bpl";
  if (SameTextAscii(extension, L".dpr"))
    return folder + NameWithoutExtension(SourceFileName) + info.LibSuffix + info.BinaryExtension;
  return folder + info.OutputName;
}
