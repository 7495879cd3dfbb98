#include <gtest/gtest.h>

#include "WindowDriver.h"
#include "components/QoInternalLabel.h"
#include "core/Format.h"
#include "ui/Forms.h"

namespace {

class InternalLabel : public ::testing::Test {
 protected:
  void SetUp() override {
    Label = new TQoInternalLabel(&Form);
    Label->SetParent(&Form);
    Label->SetBounds(0, 0, 400, 80);
    Reference.Font().Assign(Label->Font());
  }
  // Width of text drawn one character at a time in the reference font.
  int CharsWidth(const String& text, bool bold = false) {
    Reference.Font().SetStyle(bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
    int width = 0;
    for (wchar_t c : text) width += Reference.TextWidth(String(1, c));
    return width;
  }
  int LineHeight() { return Reference.TextHeight(L"H"); }
  RECT Measure(const String& caption) {
    Label->SetCaption(caption);
    return Label->MeasureOrDrawMarkup(RECT{0, 0, 400, 80}, true);
  }
  // The label painted on white.
  void Paint(TBitmap& bitmap) {
    bitmap.SetSize(400, 80);
    Label->PaintTo(bitmap.Canvas().Handle(), 0, 0);
  }
  int CountColour(const TBitmap& bitmap, TColor colour, int left = 0, int right = 400) {
    int n = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = left; x < right; ++x) n += bitmap.Pixel(x, y) == colour ? 1 : 0;
    return n;
  }
  TForm Form{nullptr};
  TQoInternalLabel* Label = nullptr;
  TCanvas Reference;
};

}  // namespace

TEST_F(InternalLabel, PlainTextMeasuresAsItsCharacters) {
  RECT r = Measure(L"Texto simples");
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, CharsWidth(L"Texto simples"));
  EXPECT_EQ(r.bottom, LineHeight());
}

TEST_F(InternalLabel, MeasureStartsAtTheRectanglesCorner) {
  Label->SetCaption(L"ab");
  RECT r = Label->MeasureOrDrawMarkup(RECT{10, 20, 400, 80}, true);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.right, 10 + CharsWidth(L"ab"));
  EXPECT_EQ(r.bottom, 20 + LineHeight());
}

TEST_F(InternalLabel, BoldNameInRegularSentenceMeasuresBoldOnlyForTheName) {
  const String text =
      Format(L"O <b>%s<b> parece não estar corretamente instalado neste computador.",
             {L"Delphi XE10.3 - Rio"});
  RECT r = Measure(text);
  EXPECT_EQ(r.right, CharsWidth(L"O ") + CharsWidth(L"Delphi XE10.3 - Rio", true) +
                         CharsWidth(L" parece não estar corretamente instalado neste computador."));
}

TEST_F(InternalLabel, BoldRunIsDrawnWiderThanTheSameTextRegular) {
  EXPECT_GT(Measure(L"<b>WWWW<b>").right, Measure(L"WWWW").right);
}

TEST_F(InternalLabel, SeparatorsGiveThreeTextLinesWithAnEmptyLineBetweenTheFirstTwo) {
  RECT r = Measure(
      L"Não foi possível extrair os arquivos de instalação.\r\r<b>Mensagem de erro:<b>\rdisco "
      L"cheio");
  EXPECT_EQ(r.bottom, 4 * LineHeight());
  EXPECT_EQ(r.right, CharsWidth(L"Não foi possível extrair os arquivos de instalação."));
}

TEST_F(InternalLabel, CarriageReturnLineFeedIsOneLineBreak) {
  EXPECT_EQ(Measure(L"A\r\nB").bottom, 2 * LineHeight());
}

TEST_F(InternalLabel, LineFeedAloneBreaksTheLine) {
  EXPECT_EQ(Measure(L"A\nB").bottom, 2 * LineHeight());
}

TEST_F(InternalLabel, EmptyBoldPairDrawsNothing) {
  EXPECT_EQ(Measure(L"<b><b>").right, 0);
  TBitmap shot;
  Paint(shot);
  EXPECT_EQ(CountColour(shot, clWhite), 400 * 80);
  EXPECT_FALSE(Label->Canvas().Font().Style().Contains(TFontStyle::fsBold));
}

TEST_F(InternalLabel, UnbalancedBoldLeavesTheNextPaintBold) {
  Label->SetCaption(L"<b>abc");
  TBitmap shot;
  Paint(shot);
  EXPECT_TRUE(Label->Canvas().Font().Style().Contains(TFontStyle::fsBold));
  EXPECT_EQ(Measure(L"WWWW").right, CharsWidth(L"WWWW", true));
}

TEST_F(InternalLabel, FirstCharacterIsDrawnAtTheTopLeft) {
  Label->Font().SetColor(clBlack);
  Label->SetCaption(L"H");
  TBitmap shot;
  Paint(shot);
  const int w = CharsWidth(L"H");
  EXPECT_GT(CountColour(shot, clBlack, 0, w), 0);
  EXPECT_EQ(CountColour(shot, clBlack, w, 400), 0);
}

TEST_F(InternalLabel, SecondLineIsDrawnOneLetterHeightLower) {
  Label->Font().SetColor(clBlack);
  Label->SetCaption(L"\rH");
  TBitmap shot;
  Paint(shot);
  int firstRow = -1;
  for (int y = 0; y < 80 && firstRow < 0; ++y)
    for (int x = 0; x < 20; ++x)
      if (shot.Pixel(x, y) == clBlack) {
        firstRow = y;
        break;
      }
  EXPECT_GE(firstRow, LineHeight());
  EXPECT_LT(firstRow, 2 * LineHeight());
}

TEST_F(InternalLabel, ColourTagDrawsInThatColour) {
  Label->SetCaption(L"<c:clBlue>HHH");
  TBitmap shot;
  Paint(shot);
  EXPECT_GT(CountColour(shot, clBlue), 10);
}

TEST_F(InternalLabel, NumericColourTagIsRead) {
  Label->SetCaption(L"<c:$00FF00>HHH");
  TBitmap shot;
  Paint(shot);
  EXPECT_GT(CountColour(shot, clLime), 10);
}

TEST_F(InternalLabel, UnreadableColourKeepsTheColourAndIsNotDrawn) {
  Label->Font().SetColor(clBlack);
  EXPECT_EQ(Measure(L"<c:clNenhuma>HHH").right, CharsWidth(L"HHH"));
  TBitmap shot;
  Paint(shot);
  EXPECT_GT(CountColour(shot, clBlack), 10);
}

TEST_F(InternalLabel, ColourTagWithoutCloseDropsOnlyTheAngle) {
  EXPECT_EQ(Measure(L"<c:abc").right, CharsWidth(L"c:abc"));
}

TEST_F(InternalLabel, ColourTagCloseBeyondThirtyCharactersIsNotATag) {
  const String name(31, L'x');
  EXPECT_EQ(Measure(L"<c:" + name + L">").right, CharsWidth(L"c:" + name + L">"));
}

TEST_F(InternalLabel, RedTagTogglesRed) {
  Label->Font().SetColor(clBlack);
  Label->SetCaption(L"<r>HHH<r>");
  TBitmap shot;
  Paint(shot);
  EXPECT_GT(CountColour(shot, clRed), 10);
  EXPECT_EQ(Label->Canvas().Font().Color(), clBlack);
}

TEST_F(InternalLabel, PlainColourTagReturnsToTheFontColour) {
  Label->Font().SetColor(clBlack);
  Label->SetCaption(L"<c:clBlue>H<c>HHH");
  TBitmap shot;
  Paint(shot);
  const int split = CharsWidth(L"H");
  EXPECT_EQ(CountColour(shot, clBlue, split, 400), 0);
  EXPECT_GT(CountColour(shot, clBlack, split, 400), 10);
}

TEST_F(InternalLabel, ItalicAndUnderlineToggle) {
  Label->SetCaption(L"<i><u>a");
  Label->MeasureOrDrawMarkup(RECT{0, 0, 400, 80}, true);
  EXPECT_TRUE(Label->Canvas().Font().Style().Contains(TFontStyle::fsItalic));
  EXPECT_TRUE(Label->Canvas().Font().Style().Contains(TFontStyle::fsUnderline));
}

TEST_F(InternalLabel, BoldRunIsDrawnWithHeavierStrokes) {
  Label->Font().SetColor(clBlack);
  Label->SetCaption(L"<b>W<b>W");
  TBitmap shot;
  Paint(shot);
  const int boldWidth = CharsWidth(L"W", true);
  const int regularWidth = CharsWidth(L"W");
  const int boldInk = CountColour(shot, clBlack, 0, boldWidth);
  const int regularInk = CountColour(shot, clBlack, boldWidth, boldWidth + regularWidth);
  EXPECT_GT(regularInk, 0);
  EXPECT_GT(boldInk, regularInk);
}
