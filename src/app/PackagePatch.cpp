#include "app/PackagePatch.h"

#include <vector>

#include "components/QoFindFile.h"
#include "core/LibFunctions.h"
#include "core/StringList.h"
#include "platform/CodePages.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/TextFile.h"

namespace {

const String kLineBreak = L"\r\n";
const String kOwnResource = L"{$R *.res}";
const String kContains = L"contains";

// Enclosed in single quotes, any single quote inside doubled.
String Quoted(const String& text) {
  return L"'" + ReplaceOccurrences(text, L"'", L"''", 0) + L"'";
}

String WithoutExtension(const String& name) {
  const size_t dot = name.rfind(L'.');
  return dot == String::npos ? name : name.substr(0, dot);
}

// The lines' text with the first occurrence of find replaced, split into lines again.
void ReplaceFirstInLines(TStringList& lines, const String& find, const String& replacement) {
  lines.SetText(ReplaceOccurrences(lines.Text(), find, replacement, 1));
}

// A stable sort by insertion: each name goes after every name that does not sort after it. The
// list holds a package's few resource files.
void SortIgnoringCase(TStringList& list) {
  std::vector<String> names;
  for (const String& name : list.Items()) {
    size_t at = names.size();
    while (at > 0 && CompareTextLocale(names[at - 1], name) > 0) --at;
    names.insert(names.begin() + static_cast<std::ptrdiff_t>(at), name);
  }
  list.Clear();
  for (const String& name : names) list.Add(name);
}

// The encoding the patched text is saved in: the one it was read in, except that an ANSI
// project whose text now holds a character the code page lacks (a unit or resource name) is
// saved as UTF-8 with its byte-order mark, which the compiler reads, rather than with the
// name garbled.
platform::TTextEncoding SaveEncoding(const String& text, platform::TTextEncoding readIn) {
  if (readIn != platform::TTextEncoding::Ansi) return readIn;
  bool exact = false;
  platform::StringToAnsi(text, &exact);
  return exact ? readIn : platform::TTextEncoding::Utf8;
}

}  // namespace

String PackageResourceBlock(const TStringList& sortedResources, const String& unitList) {
  String block = kOwnResource + kLineBreak;
  for (const String& resource : sortedResources.Items()) {
    const String unit = WithoutExtension(resource);
    if (unitList.find(L"|" + unit + L"|") != String::npos)
      block += L"{$R " + Quoted(unit + L".dcr") + L"}" + kLineBreak;
  }
  return block;
}

String PackageUnitList(const String& folder, const String& unitList) {
  String units = kContains + kLineBreak;
  for (int k = 1; k <= TokenCount(unitList, L'|'); ++k) {
    const String unit = TokenAt(unitList, L'|', k);
    if (unit.empty()) continue;
    if (platform::FileExists(folder + unit + L".pas"))
      units += L"  " + unit + L" in " + Quoted(unit + L".pas") + L"," + kLineBreak;
    else if (platform::FileExists(folder + unit + L".dcu"))
      units += L"  " + unit + L"," + kLineBreak;
  }
  units = TrimBoth(units);
  if (!units.empty() && units.back() == L',') units.back() = L';';
  return units;
}

void PatchPackageSource(const String& packageFile, const String& unitList, TQoFindFile& finder) {
  const String folder = packageFile.substr(0, packageFile.rfind(L'\\') + 1);
  finder.SetInitialDir(folder);
  const platform::TTextFileContent content = platform::ReadTextFile(packageFile);
  TStringList lines;
  lines.SetText(content.Text);

  finder.SetFileToSearch(L"*.dcr");
  finder.Execute();
  SortIgnoringCase(finder.Files());

  ReplaceFirstInLines(lines, kOwnResource,
                      TrimBoth(PackageResourceBlock(finder.Files(), unitList)));
  ReplaceFirstInLines(lines, kContains, PackageUnitList(folder, unitList));
  const String text = lines.Text();
  platform::WriteTextFile(packageFile, text, SaveEncoding(text, content.Encoding));
}
