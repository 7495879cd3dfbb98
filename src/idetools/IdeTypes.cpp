#include "IdeTypes.h"

#include "IdeErrors.h"

namespace {

// Rows 1 to 21 in order, then the generations whose key numbers continue past the old sequence.
constexpr TIdeBDSVersionInfo kBDSVersionTable[21] = {
    {L"C#Builder", L"1.0", 0, 1, 1, L"71"},
    {L"Delphi", L"8", 15.0, 8, 7, L"71"},
    {L"Delphi", L"2005", 17.0, 9, 9, L"90"},
    {L"Borland Developer Studio", L"2006", 18.0, 10, 10, L"100"},
    {L"RAD Studio", L"2007", 18.5, 11, 10, L"100"},
    {L"RAD Studio", L"2009", 20.0, 12, 12, L"120"},
    {L"RAD Studio", L"2010", 21.0, 14, 14, L"140"},
    {L"RAD Studio", L"XE", 22.0, 15, 15, L"150"},
    {L"RAD Studio", L"XE2", 23.0, 16, 16, L"160"},
    {L"RAD Studio", L"XE3", 24.0, 17, 17, L"170"},
    {L"RAD Studio", L"XE4", 25.0, 18, 18, L"180"},
    {L"RAD Studio", L"XE5", 26.0, 19, 19, L"190"},
    {L"", L"", 0, 0, 0, L""},
    {L"RAD Studio", L"XE6", 27.0, 20, 20, L"200"},
    {L"RAD Studio", L"XE7", 28.0, 21, 21, L"210"},
    {L"RAD Studio", L"XE8", 29.0, 22, 22, L"220"},
    {L"RAD Studio", L"10", 30.0, 23, 23, L"230"},
    {L"RAD Studio", L"10.1", 31.0, 24, 24, L"240"},
    {L"RAD Studio", L"10.2", 32.0, 25, 25, L"250"},
    {L"RAD Studio", L"10.3", 33.0, 26, 26, L"260"},
    {L"RAD Studio", L"10.4", 34.0, 27, 27, L"270"},
};

struct TLaterBDSRow {
  int Bds;
  TIdeBDSVersionInfo Info;
};

constexpr TLaterBDSRow kLaterBDSRows[] = {
    {22, {L"RAD Studio", L"11", 35.0, 28, 28, L"280"}},
    {23, {L"RAD Studio", L"12", 36.0, 29, 29, L"290"}},
    {37, {L"RAD Studio", L"13", 37.0, 37, 37, L"370"}},
};

}  // namespace

const TIdeBDSVersionInfo* BDSVersionInfo(int n) {
  if (n >= 1 && n <= 21) return &kBDSVersionTable[n - 1];
  for (const TLaterBDSRow& row : kLaterBDSRows) {
    if (row.Bds == n) return &row.Info;
  }
  return nullptr;
}

String BDSProductName(int n) {
  const TIdeBDSVersionInfo* info = BDSVersionInfo(n);
  return info ? String(info->ProductName) : String(L"Borland Developer Studio");
}

String PlatformName(TIdeBDSPlatform platform) {
  switch (platform) {
    case bpWin32:
      return L"Win32";
    case bpWin64:
      return L"Win64";
    case bpOSX32:
      return L"OSX32";
  }
  RaiseBorRADError(L"This installation cannot generate binaries for an unknown platform");
}

const wchar_t* RadToolKindName(TIdeBorRADToolKind kind) {
  static const wchar_t* const kNames[] = {L"brDelphi", L"brCppBuilder", L"brBorlandDevStudio"};
  return kNames[kind];
}

const wchar_t* EditionName(TIdeBorRADToolEdition edition) {
  static const wchar_t* const kNames[] = {L"deSTD", L"dePRO", L"deCSS", L"deARC"};
  return kNames[edition];
}

const wchar_t* PersonalityName(TIdeBorPersonality personality) {
  static const wchar_t* const kNames[] = {
      L"bpDelphi32",      L"bpDelphi64",    L"bpDelphiOSX32", L"bpBCBuilder32", L"bpBCBuilder64",
      L"bpDelphiNet32",   L"bpDelphiNet64", L"bpCSBuilder32", L"bpCSBuilder64", L"bpVisualBasic32",
      L"bpVisualBasic64", L"bpDesign",      L"bpUnknown"};
  return kNames[personality];
}

const wchar_t* CommandLineToolName(TCommandLineTool tool) {
  static const wchar_t* const kNames[] = {L"clAsm",   L"clBcc32", L"clBcc64",
                                          L"clDcc32", L"clDcc64", L"clDccOSX32",
                                          L"clDccIL", L"clMake",  L"clProj2Mak"};
  return kNames[tool];
}
