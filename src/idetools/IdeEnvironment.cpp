// The environment list of an installation: the process environment, BDSCOMMONDIR, the IDE's own
// "Environment Variables", rsvars.bat, and the $(NAME) expansion rules over the list.
#include "IdeFileNames.h"
#include "IdeText.h"
#include "IdeUtils.h"
#include "core/Format.h"
#include "platform/CodePages.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

// Expansion re-reads what it inserts; these bounds end a value that refers to itself.
constexpr int kMaxExpansionRounds = 10000;
constexpr size_t kMaxExpandedLength = 1u << 20;

}  // namespace

void ReadProcessEnvironment(TStringList& Variables) {
  for (const String& line : platform::EnvironmentBlock())
    Variables.Add(platform::ExpandEnvironmentStrings(line));
}

bool ExpandVariableReferences(String& Value, const TStringList& List) {
  for (int round = 0; round < kMaxExpansionRounds && Value.size() <= kMaxExpandedLength; ++round) {
    const size_t open = Value.rfind(L"$(");
    if (open == String::npos) return true;
    const size_t close = FindClosingParenthesis(Value, open + 2);
    if (close == String::npos) return true;
    const String name = Value.substr(open + 2, close - open - 2);
    const String replacement = List.Values(name);
    if (replacement.empty()) return false;
    Value = ReplaceAllIgnoringCase(Value, L"$(" + name + L")", replacement);
  }
  return false;
}

void ParseRsVarsLine(const String& Line, TStringList& Variables) {
  size_t at = 0;
  while (at < Line.size() && (Line[at] <= L' ' || Line[at] == L'@')) ++at;
  const size_t wordStart = at;
  while (at < Line.size() && Line[at] > L' ') ++at;
  if (!SameTextAscii(Line.substr(wordStart, at - wordStart), L"set") || at >= Line.size()) return;
  while (at < Line.size() && Line[at] >= 1 && Line[at] <= 32) ++at;
  const size_t eq = Line.find(L'=', at);
  if (eq == String::npos || eq == at) return;
  const String name = Line.substr(at, eq - at);
  String value;
  for (size_t i = eq + 1; i < Line.size();) {
    if (Line[i] != L'%') {
      value += Line[i++];
      continue;
    }
    size_t close = Line.find(L'%', i + 1);
    if (close == String::npos) close = Line.size();
    value += Variables.Values(Line.substr(i + 1, close - i - 1));
    i = close + 1;
  }
  Variables.SetValue(name, value);
  if (value.empty()) Variables.Add(name + L"=");
}

TStringList& TIdeBorRADToolInstallation::BaseEnvironmentVariables() {
  if (FEnvironmentVariables) return *FEnvironmentVariables;
  auto list = std::make_unique<TStringList>();
  ReadProcessEnvironment(*list);
  const int n = FIDEVersionNumber;
  if (RadToolKind() == brBorlandDevStudio && n > 5) {
    String common = platform::ExpandEnvironmentStrings(
        platform::GetEnvironmentVariable(L"BDSCOMMONDIR").value_or(String()));
    const String documents = platform::SpecialFolderPath(platform::SpecialFolder::CommonDocuments);
    if (!documents.empty()) {
      common =
          WithTrailingBackslash(documents) +
          (n > 13 ? Format(L"Embarcadero\\Studio\\%d.0", {n}) : Format(L"RAD Studio\\%d.0", {n}));
    }
    list->SetValue(L"BDSCOMMONDIR", common);
  }
  if ((n >= 6 || RadToolKind() == brBorlandDevStudio) &&
      FConfigData->SectionExists(L"Environment Variables")) {
    for (const String& name : FConfigData->ReadSection(L"Environment Variables")) {
      String value = FConfigData->ReadString(L"Environment Variables", name, String());
      ExpandVariableReferences(value, *list);
      list->SetValue(name, value);
    }
  }
  for (int i = list->Count(); i-- > 0;) {
    if (list->Names(i).empty()) list->Delete(i);
  }
  FEnvironmentVariables = std::move(list);
  return *FEnvironmentVariables;
}

TStringList& TIdeBorRADToolInstallation::GetEnvironmentVariables() {
  return BaseEnvironmentVariables();
}

TStringList& TIdeDelphiInstallation::GetEnvironmentVariables() {
  TStringList& list = BaseEnvironmentVariables();
  list.SetValue(L"DELPHI", WithoutTrailingBackslash(RootDir()));
  return list;
}

TStringList& TIdeBCBInstallation::GetEnvironmentVariables() {
  TStringList& list = BaseEnvironmentVariables();
  list.SetValue(L"BCB", WithoutTrailingBackslash(RootDir()));
  return list;
}

TStringList& TIdeBDSInstallation::GetEnvironmentVariables() {
  if (HasEnvironmentVariables()) return BaseEnvironmentVariables();
  TStringList& list = BaseEnvironmentVariables();
  if (IDEVersionNumber() > 4) {
    const TStringList copy = list;
    list.Clear();
    try {
      GetRADStudioVars(RootDir(), IDEVersionNumber(), list);
    } catch (...) {
      DiscardEnvironmentVariables();  // a half-built list must not be kept
      throw;
    }
    for (int i = 0; i < copy.Count(); ++i) {
      String value = copy.ValueFromIndex(i);
      ExpandVariableReferences(value, list);
      list.SetValue(copy.Names(i), value);
    }
  } else {
    auto setWhenEmpty = [&](const wchar_t* name, const String& value) {
      if (list.Values(name).empty()) list.SetValue(name, value);
    };
    setWhenEmpty(L"BDS", WithoutTrailingBackslash(RootDir()));
    setWhenEmpty(L"BDSPROJECTSDIR", GetDefaultProjectsDir());
    setWhenEmpty(L"BDSCOMMONDIR", GetCommonProjectsDir());
  }
  return list;
}

String TIdeBorRADToolInstallation::SubstitutePath(const String& Path) {
  String result = Path;
  if (result.find(L"$(") != String::npos) {
    const TStringList& list = GetEnvironmentVariables();
    for (int i = 0; i < list.Count(); ++i)
      result = ReplaceAllIgnoringCase(result, L"$(" + list.Names(i) + L")", list.ValueFromIndex(i));
  }
  return ReplaceAllIgnoringCase(result, L"\\\\", L"\\");
}

String TIdeBDSInstallation::GetRADStudioVarsFileName(const String& RootDir, int) {
  return Format(L"%s%sbin%srsvars.bat", {RootDir, L"\\", L"\\"});
}

void TIdeBDSInstallation::GetRADStudioVars(const String& RootDir, int IDEVersionNumber,
                                           TStringList& Variables) {
  if (IDEVersionNumber <= 4) return;
  ReadProcessEnvironment(Variables);
  const std::vector<uint8_t> bytes =
      platform::ReadFileBytes(GetRADStudioVarsFileName(RootDir, IDEVersionNumber));
  TStringList lines;
  lines.SetText(platform::AnsiToString(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
  for (int i = 0; i < lines.Count(); ++i) ParseRsVarsLine(lines[i], Variables);
}
