#include "components/QoInternalLabel.h"

#include <algorithm>

#include "ui/Colors.h"

namespace {

// How far "<c:" looks for the ">" that closes a colour tag.
constexpr size_t ColorTagReach = 30;

bool At(const String& text, size_t i, const wchar_t* tag) {
  return text.compare(i, 3, tag) == 0;
}

}  // namespace

TQoInternalLabel::TQoInternalLabel(TComponent* owner) : TLabel(owner) {
  SetAutoSize(false);
}

void TQoInternalLabel::FontChanged() {
  FCanvasFontSet = false;
  TLabel::FontChanged();
}

RECT TQoInternalLabel::MeasureOrDrawMarkup(RECT bounds, bool measure) {
  TCanvas& canvas = Canvas();
  TFont& font = canvas.Font();
  if (!FCanvasFontSet) {
    font.Assign(Font());
    FCanvasFontSet = true;
  }
  const String text = Caption();
  int x = bounds.left;
  int y = bounds.top;
  int widest = bounds.left;
  auto toggle = [&font](TFontStyle style) {
    TFontStyles styles = font.Style();
    font.SetStyle(styles.Toggle(style));
  };
  auto newLine = [&] {
    y += canvas.TextHeight(L"H");
    x = bounds.left;
  };
  size_t i = 0;
  while (i < text.size()) {
    const wchar_t c = text[i];
    if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
      newLine();
      i += 2;
    } else if (c == L'\r' || c == L'\n') {
      newLine();
      i += 1;
    } else if (At(text, i, L"<b>")) {
      toggle(TFontStyle::fsBold);
      i += 3;
    } else if (At(text, i, L"<i>")) {
      toggle(TFontStyle::fsItalic);
      i += 3;
    } else if (At(text, i, L"<u>")) {
      toggle(TFontStyle::fsUnderline);
      i += 3;
    } else if (At(text, i, L"<r>")) {
      font.SetColor(font.Color() == clRed ? Font().Color() : clRed);
      i += 3;
    } else if (At(text, i, L"<c>")) {
      font.SetColor(Font().Color());
      i += 3;
    } else if (At(text, i, L"<c:")) {
      const size_t close = text.substr(i + 3, ColorTagReach).find(L'>');
      if (close == String::npos) {
        i += 1;  // the "<" is skipped; what follows reads as text
      } else {
        if (auto color = TextToColor(text.substr(i + 3, close))) font.SetColor(*color);
        i += 3 + close + 1;
      }
    } else {
      const String one(1, c);
      if (!measure) canvas.TextOut(x, y, one);
      x += canvas.TextWidth(one);
      i += 1;
    }
    widest = std::max(widest, x);
  }
  if (measure) {
    bounds.right = widest;
    bounds.bottom = y + canvas.TextHeight(L"H");
  }
  return bounds;
}

void TQoInternalLabel::Paint() {
  Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  MeasureOrDrawMarkup(ClientRect(), false);
}
