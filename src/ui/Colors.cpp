#include "ui/Colors.h"

#include <cstdint>

#include "core/StringList.h"

namespace {

struct TColorName {
  const wchar_t* Name;
  TColor Value;
};

constexpr TColorName ColorNames[] = {
    {L"clBlack", clBlack},
    {L"clMaroon", clMaroon},
    {L"clGreen", clGreen},
    {L"clOlive", clOlive},
    {L"clNavy", clNavy},
    {L"clPurple", clPurple},
    {L"clTeal", clTeal},
    {L"clGray", clGray},
    {L"clSilver", clSilver},
    {L"clRed", clRed},
    {L"clLime", clLime},
    {L"clYellow", clYellow},
    {L"clBlue", clBlue},
    {L"clFuchsia", clFuchsia},
    {L"clAqua", clAqua},
    {L"clLtGray", clSilver},
    {L"clDkGray", clGray},
    {L"clWhite", clWhite},
    {L"clMoneyGreen", clMoneyGreen},
    {L"clSkyBlue", clSkyBlue},
    {L"clCream", clCream},
    {L"clMedGray", clMedGray},
    {L"clScrollBar", clScrollBar},
    {L"clBackground", clBackground},
    {L"clActiveCaption", clActiveCaption},
    {L"clInactiveCaption", clInactiveCaption},
    {L"clMenu", clMenu},
    {L"clWindow", clWindow},
    {L"clWindowFrame", clWindowFrame},
    {L"clMenuText", clMenuText},
    {L"clWindowText", clWindowText},
    {L"clCaptionText", clCaptionText},
    {L"clActiveBorder", clActiveBorder},
    {L"clInactiveBorder", clInactiveBorder},
    {L"clAppWorkSpace", clAppWorkSpace},
    {L"clHighlight", clHighlight},
    {L"clHighlightText", clHighlightText},
    {L"clBtnFace", clBtnFace},
    {L"clBtnShadow", clBtnShadow},
    {L"clGrayText", clGrayText},
    {L"clBtnText", clBtnText},
    {L"clInactiveCaptionText", clInactiveCaptionText},
    {L"clBtnHighlight", clBtnHighlight},
    {L"cl3DDkShadow", cl3DDkShadow},
    {L"cl3DLight", cl3DLight},
    {L"clInfoText", clInfoText},
    {L"clInfoBk", clInfoBk},
    {L"clHotLight", clHotLight},
    {L"clGradientActiveCaption", clGradientActiveCaption},
    {L"clGradientInactiveCaption", clGradientInactiveCaption},
    {L"clMenuHighlight", clMenuHighlight},
    {L"clMenuBar", clMenuBar},
    {L"clNone", clNone},
    {L"clDefault", clDefault},
};

int DigitValue(wchar_t c, int base) {
  int v = -1;
  if (c >= L'0' && c <= L'9')
    v = c - L'0';
  else if (c >= L'a' && c <= L'f')
    v = c - L'a' + 10;
  else if (c >= L'A' && c <= L'F')
    v = c - L'A' + 10;
  return v < base ? v : -1;
}

// Digits of the given base from position start to the end; nothing when empty or too large.
std::optional<uint64_t> ReadDigits(const String& text, size_t start, int base, uint64_t limit) {
  if (start >= text.size()) return std::nullopt;
  uint64_t value = 0;
  for (size_t i = start; i < text.size(); ++i) {
    int d = DigitValue(text[i], base);
    if (d < 0) return std::nullopt;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<TColor> IdentToColor(const String& name) {
  for (const TColorName& entry : ColorNames) {
    if (SameTextAscii(name, entry.Name)) return entry.Value;
  }
  return std::nullopt;
}

std::optional<TColor> TextToColor(const String& text) {
  if (auto named = IdentToColor(text)) return named;
  if (text.starts_with(L"$")) {
    auto v = ReadDigits(text, 1, 16, UINT32_MAX);
    return v ? std::optional<TColor>(static_cast<TColor>(*v)) : std::nullopt;
  }
  if (text.starts_with(L"0x") || text.starts_with(L"0X")) {
    auto v = ReadDigits(text, 2, 16, UINT32_MAX);
    return v ? std::optional<TColor>(static_cast<TColor>(*v)) : std::nullopt;
  }
  bool negative = text.starts_with(L"-");
  size_t start = (negative || text.starts_with(L"+")) ? 1 : 0;
  auto v = ReadDigits(text, start, 10, negative ? uint64_t{1} << 31 : UINT32_MAX);
  if (!v) return std::nullopt;
  return negative ? static_cast<TColor>(0u - static_cast<uint32_t>(*v)) : static_cast<TColor>(*v);
}
