// Where the wizard's parts sit and how they look: the header, the destination row, the copy
// page's gauge and the message dialog's settings; the window painted into a bitmap shows the
// header picture, the separator lines and the window's background.
#include "WizardFixture.h"

#include "components/QoGauge.h"
#include "ui/Graphics.h"

namespace {

constexpr TColor kBackground = RgbColor(245, 245, 245);

TEST_F(WizardWindow, HeaderLinesSitOverThePicture) {
  Open(SetupFile());
  EXPECT_EQ(Form().LabInfo->Left(), 20);
  EXPECT_EQ(Form().LabInfo->Top(), 12);
  EXPECT_EQ(Form().LabAviso->Left(), 34);
  EXPECT_EQ(Form().LabAviso->Top(), 30);
}

TEST_F(WizardWindow, HeaderLinesAreWhite) {
  Open(SetupFile());
  EXPECT_EQ(Form().LabInfo->Font().Color(), clWhite);
  EXPECT_EQ(Form().LabAviso->Font().Color(), clWhite);
  EXPECT_TRUE(Form().LabInfo->Font().Style().Contains(TFontStyle::fsBold));
}

TEST_F(WizardWindow, DestinationIsA479PixelLabelAt168) {
  Open(SetupFile());
  EXPECT_EQ(Form().LabCaminho->Top(), 168);
  EXPECT_EQ(Form().LabCaminho->Width(), 479);
  EXPECT_FALSE(Form().LabCaminho->AutoSize());
}

TEST_F(WizardWindow, ChangeButtonSitsRightOfDestination) {
  Open(SetupFile());
  EXPECT_GE(Form().BtnAlterar->Left(), Form().LabCaminho->Left() + 479);
  EXPECT_EQ(Form().BtnAlterar->Width(), 85);
  EXPECT_EQ(Form().BtnAlterar->Height(), 23);
  EXPECT_EQ(Form().BtnAlterar->Caption(), L"A&lterar...");
}

// The bold title keeps its whole text (52 pixels unless the font is wider) and the file's label
// fills the rest of the 570-pixel row.
TEST_F(WizardWindow, CopyRowShowsTheWholeFileTitle) {
  Open(SetupFile());
  TLabel& title = *Form().LabArquivoTitulo;
  TCanvas& canvas = title.Canvas();
  canvas.Font().Assign(title.Font());
  EXPECT_EQ(title.Caption(), L"Arquivo:");
  EXPECT_TRUE(title.Font().Style().Contains(TFontStyle::fsBold));
  EXPECT_GE(title.Width(), 52);
  EXPECT_GE(title.Width(), canvas.TextWidth(L"Arquivo:"));
  EXPECT_EQ(Form().LabArquivo->Left(), title.Left() + title.Width());
  EXPECT_EQ(Form().LabArquivo->Left() + Form().LabArquivo->Width(), 30 + 570);
}

TEST_F(WizardWindow, CopyGaugeIsAGreenBarOf570By19) {
  Open(SetupFile());
  EXPECT_EQ(Form().ProgBar1->Width(), 570);
  EXPECT_EQ(Form().ProgBar1->Height(), 19);
  EXPECT_EQ(Form().ProgBar1->GaugeStyle(), TQoGaugeStyle::gsBar);
  EXPECT_EQ(Form().ProgBar1->BorderStyle(), TBorderStyle::bsSingle);
  EXPECT_EQ(Form().ProgBar1->BevelStyle(), TQoGaugeBevel::bvNone);
  EXPECT_EQ(Form().ProgBar1->BoxColor(), RgbColor(0, 159, 0));
}

TEST_F(WizardWindow, CopyGaugeStartsAtZero) {
  Open(SetupFile());
  EXPECT_EQ(Form().ProgBar1->Progress(), 0);
}

TEST_F(WizardWindow, AgreementMemoIsReadOnlyAndWraps) {
  Open(SetupFile());
  EXPECT_TRUE(Form().MemContrato->ReadOnly());
  EXPECT_TRUE(Form().MemContrato->WordWrap());
  EXPECT_GT(Form().MemContrato->Lines().Count(), 40);
}

TEST_F(WizardWindow, LogMemoIsReadOnlyWithoutWrapping) {
  Open(SetupFile());
  EXPECT_TRUE(Form().MemRegistro->ReadOnly());
  EXPECT_FALSE(Form().MemRegistro->WordWrap());
}

TEST_F(WizardWindow, MessageDialogTakesTheWindowsLook) {
  Open(SetupFile());
  EXPECT_EQ(Form().MsgDlg1->Color(), kBackground);
  EXPECT_EQ(Form().MsgDlg1->BtnWidth(), 85);
  EXPECT_EQ(Form().MsgDlg1->BtnHeight(), 23);
  EXPECT_EQ(Form().MsgDlg1->MessageFont().Name(), L"Segoe UI");
}

class PaintedWizard : public WizardWindow {
 protected:
  void SetUp() override {
    WizardWindow::SetUp();
    Open(SetupFile());
    FPicture.SetSize(630, 458);
    Form().PaintTo(FPicture.Canvas().Handle(), 0, 0);
  }
  TColor Pixel(int x, int y) const { return FPicture.Pixel(x, y); }

 private:
  TBitmap FPicture;
};

TEST_F(PaintedWizard, HeaderPictureIsDarkBlueAtItsLeft) {
  EXPECT_EQ(Pixel(2, 40), RgbColor(12, 36, 84));
}

TEST_F(PaintedWizard, HeaderPictureEndsAbove75) {
  EXPECT_NE(Pixel(2, 74), kBackground);
  EXPECT_EQ(Pixel(2, 76), kBackground);
}

// The innermost ring, 3 pixels wide at radius 18 around (560, 37): its colour on the ring, the
// gradient in its hole, and the outer rings cut off at the band's lower edge.
TEST_F(PaintedWizard, HeaderRingsAreHollowAndStayInTheBand) {
  EXPECT_EQ(Pixel(560 + 18, 37), RgbColor(35, 70, 120));
  EXPECT_EQ(Pixel(560 - 18, 37), RgbColor(35, 70, 120));
  EXPECT_NE(Pixel(560, 37), RgbColor(35, 70, 120));
  EXPECT_NE(Pixel(560 + 14, 37), RgbColor(35, 70, 120));
  EXPECT_EQ(Pixel(560, 76), kBackground);
}

TEST_F(PaintedWizard, SeparatorLinesLieAt78And414) {
  EXPECT_NE(Pixel(300, 78), kBackground);
  EXPECT_NE(Pixel(300, 414), kBackground);
  EXPECT_EQ(Pixel(300, 80), kBackground);
}

TEST_F(PaintedWizard, PagesShowTheWindowBackground) {
  EXPECT_EQ(Pixel(10, 200), kBackground);
}

}  // namespace
