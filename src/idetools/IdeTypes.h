// The catalogue's enumerations, their small sets, and the table of BDS generations.
// Nothing here raises except PlatformName (EIdeBorRADException for a value outside the enum).
#pragma once

#include <cstdint>
#include <functional>

#include "IdeCompilerSettingsFormat.h"
#include "core/String.h"

enum TIdeBorRADToolKind { brDelphi, brCppBuilder, brBorlandDevStudio };
enum TIdeBorRADToolEdition { deSTD, dePRO, deCSS, deARC };
enum TIdeBorPersonality {
  bpDelphi32,
  bpDelphi64,
  bpDelphiOSX32,
  bpBCBuilder32,
  bpBCBuilder64,
  bpDelphiNet32,
  bpDelphiNet64,
  bpCSBuilder32,
  bpCSBuilder64,
  bpVisualBasic32,
  bpVisualBasic64,
  bpDesign,
  bpUnknown
};
enum TIdeBDSPlatform { bpWin32, bpWin64, bpOSX32 };
enum TCommandLineTool {
  clAsm,
  clBcc32,
  clBcc64,
  clDcc32,
  clDcc64,
  clDccOSX32,
  clDccIL,
  clMake,
  clProj2Mak
};

// A set of enumeration members held in 16 bits (bit n = member n).
template <typename E>
class TIdeSet16 {
 public:
  constexpr TIdeSet16() = default;
  constexpr TIdeSet16(std::initializer_list<E> members) {
    for (E member : members) Include(member);
  }
  constexpr void Include(E member) { FBits = static_cast<uint16_t>(FBits | Bit(member)); }
  constexpr bool Contains(E member) const { return (FBits & Bit(member)) != 0; }
  constexpr uint16_t Bits() const { return FBits; }
  constexpr bool operator==(const TIdeSet16&) const = default;

 private:
  static constexpr uint16_t Bit(E member) { return static_cast<uint16_t>(1u << member); }
  uint16_t FBits = 0;
};

using TIdeBorPersonalities = TIdeSet16<TIdeBorPersonality>;
using TCommandLineTools = TIdeSet16<TCommandLineTool>;

// Receives one line of output without its line end.
using TTextHandler = std::function<void(const String& Text)>;

// One row of the BDS generation table.
struct TIdeBDSVersionInfo {
  const wchar_t* ProductName;
  const wchar_t* VersionText;
  double DCCVersion;
  int IDEPackageVersion;
  int PackageVersion;
  const wchar_t* CoreIdeSuffix;
};

// The row of BDS number n (1 to 23, and 37); nullptr for any other number. Row 13 exists but is
// empty.
const TIdeBDSVersionInfo* BDSVersionInfo(int n);
// The product name of row n, or "Borland Developer Studio" for a number without a row.
String BDSProductName(int n);

// "Win32", "Win64", "OSX32".
String PlatformName(TIdeBDSPlatform platform);

// Member names, for diagnostics ("brDelphi", "dePRO", "bpDelphi32", "clDcc32").
const wchar_t* RadToolKindName(TIdeBorRADToolKind kind);
const wchar_t* EditionName(TIdeBorRADToolEdition edition);
const wchar_t* PersonalityName(TIdeBorPersonality personality);
const wchar_t* CommandLineToolName(TCommandLineTool tool);
