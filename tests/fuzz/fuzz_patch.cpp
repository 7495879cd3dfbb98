// Any package project, unit list and set of unit files: the patch keeps every line it does not
// change, in order; ends every line with CR LF; saves in the encoding it read (an ANSI project
// that cannot hold a new name goes over to UTF-8), so that the saved file reads back as it was
// written; names every listed unit whose ".pas" or ".dcu" is there and the resource of every
// listed unit; and writes nothing but the package project.
//
// Input: a first line naming the encoding the project is written in ("A" ANSI, "8" UTF-8,
// "L" UTF-16 LE, "B" UTF-16 BE, anything else: the text's bytes as they are), a second line with
// the unit list, a third with the names of the files to put beside the project, separated by
// "/" (names that are not bare unit file names of at most 64 characters are left out), then the
// project's text in UTF-8.
#include <algorithm>
#include <string_view>

#include "FuzzScratch.h"
#include "app/PackagePatch.h"
#include "app/PayloadFormat.h"
#include "components/QoFindFile.h"
#include "core/LibFunctions.h"
#include "platform/CodePages.h"
#include "platform/TextFile.h"

namespace {

const String kOwnResource = L"{$R *.res}";
const String kContains = L"contains";
const String kPackageName = L"QRVLib260.dpk";
constexpr size_t kMostUnitFiles = 16;
constexpr size_t kLongestFileName = 64;

struct TPatchInput {
  std::string_view Encoding;
  String UnitList;
  std::vector<String> UnitFiles;  // bare names ending in ".pas", ".dcu" or ".dcr"
  std::string_view Project;
};

std::string_view NextLine(std::string_view& data) {
  const size_t end = std::min(data.find('\n'), data.size());
  const std::string_view line = data.substr(0, end);
  data.remove_prefix(std::min(end + 1, data.size()));
  return line;
}

bool EndsWith(const String& text, const String& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsUnitFileName(const String& name) {
  return name.size() <= kLongestFileName && IsBareFileName(name) &&
         (EndsWith(name, L".pas") || EndsWith(name, L".dcu") || EndsWith(name, L".dcr"));
}

TPatchInput ParseInput(const uint8_t* data, size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  TPatchInput input;
  input.Encoding = NextLine(rest);
  input.UnitList = FromUtf8(NextLine(rest));
  const String files = FromUtf8(NextLine(rest));
  for (size_t start = 0; start <= files.size() && input.UnitFiles.size() < kMostUnitFiles;) {
    const size_t end = std::min(files.find(L'/', start), files.size());
    const String name = files.substr(start, end - start);
    if (IsUnitFileName(name) &&
        std::find(input.UnitFiles.begin(), input.UnitFiles.end(), name) == input.UnitFiles.end())
      input.UnitFiles.push_back(name);
    start = end + 1;
  }
  input.Project = rest;
  return input;
}

void WriteProject(const String& path, const TPatchInput& input) {
  const String text = FromUtf8(input.Project);
  if (input.Encoding == "A")
    platform::WriteTextFile(path, text, platform::TTextEncoding::Ansi);
  else if (input.Encoding == "8")
    platform::WriteTextFile(path, text, platform::TTextEncoding::Utf8);
  else if (input.Encoding == "L")
    platform::WriteTextFile(path, text, platform::TTextEncoding::Utf16LE);
  else if (input.Encoding == "B")
    platform::WriteTextFile(path, text, platform::TTextEncoding::Utf16BE);
  else
    platform::WriteFileBytes(path,
                             std::vector<uint8_t>(input.Project.begin(), input.Project.end()));
}

// Lines as a text editor shows them: ended by CR LF, LF or CR; a final line break ends the last
// line rather than starting an empty one.
std::vector<String> Lines(const String& text) {
  std::vector<String> lines;
  String line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\r' && text[i] != L'\n') {
      line += text[i];
      continue;
    }
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

size_t FirstLineWith(const std::vector<String>& lines, const String& word) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(word) != String::npos) return i;
  }
  return lines.size();
}

// Every original line but the first with "{$R *.res}" and the first with "contains" is in the
// result, in its order; those before the first changed line open it and those after the last
// changed line close it.
void RequireUnchangedLinesKept(const std::vector<String>& before,
                               const std::vector<String>& after) {
  const size_t resourceLine = FirstLineWith(before, kOwnResource);
  const size_t containsLine = FirstLineWith(before, kContains);
  const size_t firstChanged = std::min(resourceLine, containsLine);
  size_t lastChanged = std::max(resourceLine, containsLine);
  if (lastChanged == before.size()) lastChanged = firstChanged;
  if (firstChanged == before.size()) {
    Require(after == before);
    return;
  }
  Require(after.size() >= firstChanged + before.size() - lastChanged - 1);
  Require(std::equal(before.begin(), before.begin() + static_cast<ptrdiff_t>(firstChanged),
                     after.begin()));
  Require(std::equal(before.begin() + static_cast<ptrdiff_t>(lastChanged) + 1, before.end(),
                     after.end() - static_cast<ptrdiff_t>(before.size() - lastChanged - 1)));
  size_t next = 0;
  for (size_t i = 0; i < before.size(); ++i) {
    if (i == resourceLine || i == containsLine) continue;
    while (next < after.size() && after[next] != before[i]) ++next;
    Require(next < after.size());
    ++next;
  }
}

// CR only before LF, LF only after CR, and a text that is not empty ends with CR LF.
void RequireCrLfLineEnds(const String& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r') Require(i + 1 < text.size() && text[i + 1] == L'\n');
    if (text[i] == L'\n') Require(i > 0 && text[i - 1] == L'\r');
  }
  Require(text.empty() || EndsWith(text, L"\r\n"));
}

String PascalQuoted(const String& text) {
  return L"'" + ReplaceOccurrences(text, L"'", L"''", 0) + L"'";
}

bool HasFile(const std::vector<String>& files, const String& name) {
  return std::find(files.begin(), files.end(), name) != files.end();
}

// The units of the list whose source or compiled unit is there, and the resources of listed
// units, are named in the result (when the project has the places they go). A resource whose
// name holds "contains" is left out: the unit list replaces the first "contains" of the text,
// which may then be the one in that resource's line.
void RequireUnitsAndResourcesNamed(const TPatchInput& input, const String& before,
                                   const String& after) {
  if (before.find(kContains) != String::npos) {
    for (int k = 1; k <= TokenCount(input.UnitList, L'|'); ++k) {
      const String unit = TokenAt(input.UnitList, L'|', k);
      if (unit.empty()) continue;
      if (HasFile(input.UnitFiles, unit + L".pas"))
        Require(after.find(unit + L" in " + PascalQuoted(unit + L".pas")) != String::npos);
      else if (HasFile(input.UnitFiles, unit + L".dcu"))
        Require(after.find(L"  " + unit + L",") != String::npos ||
                after.find(L"  " + unit + L";") != String::npos);
    }
  }
  if (before.find(kOwnResource) != String::npos) {
    for (const String& file : input.UnitFiles) {
      const String unit = file.substr(0, file.size() - 4);
      if (EndsWith(file, L".dcr") && file.find(kContains) == String::npos &&
          input.UnitList.find(L"|" + unit + L"|") != String::npos)
        Require(after.find(L"{$R " + PascalQuoted(file) + L"}") != String::npos);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TPatchInput input = ParseInput(data, size);
  const auto& scratch = FuzzScratch();
  const String folder = scratch / L"package\\";
  const String project = folder + kPackageName;
  platform::ForceDirectories(folder);
  for (const String& name : input.UnitFiles)
    platform::WriteFileBytes(folder + name, std::vector<uint8_t>{'x'});
  WriteProject(project, input);
  const platform::TTextFileContent before = platform::ReadTextFile(project);

  TQoFindFile finder(nullptr);
  finder.SetOptions(
      {TQoFindOption::foReadOnlyFiles, TQoFindOption::foHiddenFiles, TQoFindOption::foSysFiles});
  PatchPackageSource(project, input.UnitList, finder);

  Require(FolderNames(scratch.Path()) == std::set<String>{L"package"});
  std::set<String> expected(input.UnitFiles.begin(), input.UnitFiles.end());
  expected.insert(kPackageName);
  Require(FolderNames(folder) == expected);

  const std::vector<uint8_t> saved = platform::ReadFileBytes(project);
  const platform::TTextFileContent after = platform::ReadTextFile(project);
  // The saved bytes are exactly what writing the text read back gives: nothing was lost to the
  // encoding on the way.
  platform::WriteTextFile(project, after.Text, after.Encoding);
  Require(platform::ReadFileBytes(project) == saved);
  bool ansiHoldsText = false;
  platform::StringToAnsi(after.Text, &ansiHoldsText);
  Require(after.Encoding == before.Encoding ||
          (before.Encoding == platform::TTextEncoding::Ansi &&
           after.Encoding == platform::TTextEncoding::Utf8 && !ansiHoldsText));

  RequireCrLfLineEnds(after.Text);
  RequireUnchangedLinesKept(Lines(before.Text), Lines(after.Text));
  RequireUnitsAndResourcesNamed(input, before.Text, after.Text);
  testing_support::RemoveTree(folder);
  return 0;
}
