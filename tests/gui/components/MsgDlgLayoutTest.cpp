#include <gtest/gtest.h>

#include "components/QoInternalLabel.h"
#include "components/QoMsgDlg.h"
#include "ui/ExtCtrls.h"
#include "ui/StdCtrls.h"

namespace {

class MsgDlgLayout : public ::testing::Test {
 protected:
  void SetUp() override { Reference.Font().Assign(Dlg.MessageFont()); }
  int LineHeight() { return Reference.TextHeight(L"H"); }
  int CharsWidth(const String& text) {
    int width = 0;
    for (wchar_t c : text) width += Reference.TextWidth(String(1, c));
    return width;
  }
  template <typename C>
  C* Part(TForm& dialog, const String& name) {
    return dynamic_cast<C*>(dialog.FindComponent(name));
  }
  TQoMsgDlg Dlg{nullptr};
  TCanvas Reference;
};

}  // namespace

TEST_F(MsgDlgLayout, IconSitsAtTheIndentAsAThirtyTwoPixelSquare) {
  Dlg.SetText(L"Olá");
  auto dialog = Dlg.BuildDialog();
  auto* image = Part<TImage>(*dialog, L"Image");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Left(), 14);
  EXPECT_EQ(image->Top(), 14);
  EXPECT_EQ(image->Width(), 32);
  EXPECT_EQ(image->Height(), 32);
}

TEST_F(MsgDlgLayout, ShortTextIsCentredAgainstTheIcon) {
  Dlg.SetText(L"Olá");
  auto dialog = Dlg.BuildDialog();
  auto* label = Part<TQoInternalLabel>(*dialog, L"Message");
  ASSERT_NE(label, nullptr);
  ASSERT_LT(LineHeight(), 32);
  EXPECT_EQ(label->Left(), 60);
  EXPECT_EQ(label->Top(), 14 + (32 - LineHeight()) / 2);
  EXPECT_EQ(label->Width(), CharsWidth(L"Olá") + 4);
  EXPECT_EQ(label->Height(), LineHeight());
}

TEST_F(MsgDlgLayout, TallTextStartsAtTheIndent) {
  Dlg.SetText(L"um|dois|três|quatro");
  auto dialog = Dlg.BuildDialog();
  auto* label = Part<TQoInternalLabel>(*dialog, L"Message");
  ASSERT_GT(4 * LineHeight(), 32);
  EXPECT_EQ(label->Top(), 14);
  EXPECT_EQ(label->Height(), 4 * LineHeight());
  EXPECT_EQ(label->Caption(), L"um\rdois\rtrês\rquatro");
}

TEST_F(MsgDlgLayout, WithoutIconTheTextStartsAtTwoIndents) {
  Dlg.SetShowIcon(false);
  Dlg.SetText(L"Olá");
  auto dialog = Dlg.BuildDialog();
  EXPECT_EQ(Part<TImage>(*dialog, L"Image"), nullptr);
  EXPECT_EQ(Part<TQoInternalLabel>(*dialog, L"Message")->Left(), 28);
}

TEST_F(MsgDlgLayout, ButtonRowIsCentredBelowIconAndText) {
  const String text = L"Uma mensagem um pouco mais longa para a linha de botões";
  Dlg.SetText(text);
  Dlg.SetButtons({TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo});
  auto dialog = Dlg.BuildDialog();
  const int labelRight = 60 + CharsWidth(text) + 4;
  const int w = labelRight + 28;
  const int rowStart = (w - (2 * 75 + 15)) / 2;
  auto* yes = Part<TButton>(*dialog, L"Btn1");
  auto* no = Part<TButton>(*dialog, L"Btn2");
  ASSERT_NE(yes, nullptr);
  ASSERT_NE(no, nullptr);
  EXPECT_EQ(yes->Left(), rowStart);
  EXPECT_EQ(no->Left(), rowStart + 90);
  EXPECT_EQ(yes->Top(), 46 + 14);
  EXPECT_EQ(yes->Width(), 75);
  EXPECT_EQ(yes->Height(), 25);
  EXPECT_EQ(yes->Caption(), L"&Sim");
  EXPECT_EQ(no->Caption(), L"&Não");
  EXPECT_EQ(dialog->ClientWidth(), w);
  EXPECT_EQ(dialog->ClientHeight(), 46 + 25 + 28);
}

TEST_F(MsgDlgLayout, NarrowTextWidensTheDialogToTheButtonRow) {
  Dlg.SetText(L"a");
  Dlg.SetButtons({TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel});
  auto dialog = Dlg.BuildDialog();
  const int w = 60 + CharsWidth(L"a") + 4 + 28;
  const int row = 3 * 75 + 2 * 15;
  const int rowStart = (w - row) / 2 < 0 ? 14 : (w - row) / 2;
  EXPECT_EQ(Part<TButton>(*dialog, L"Btn1")->Left(), rowStart);
  EXPECT_EQ(dialog->ClientWidth(), row + 2 * rowStart);
}

TEST_F(MsgDlgLayout, WithoutButtonsTheDialogEndsOneIndentBelowTheText) {
  Dlg.SetShowIcon(false);
  Dlg.SetText(L"um|dois|três|quatro");
  Dlg.SetButtons({});
  auto dialog = Dlg.BuildDialog();
  auto* label = Part<TQoInternalLabel>(*dialog, L"Message");
  EXPECT_EQ(dialog->ClientHeight(), label->Top() + label->Height() + 14);
}

TEST_F(MsgDlgLayout, ButtonsFollowEnumerationOrderWithTheirCaptions) {
  Dlg.SetButtons({TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbOK, TMsgDlgBtn::mbYesToAll});
  auto dialog = Dlg.BuildDialog();
  auto* ok = Part<TButton>(*dialog, L"Btn3");
  auto* cancel = Part<TButton>(*dialog, L"Btn4");
  auto* yesToAll = Part<TButton>(*dialog, L"Btn10");
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(cancel, nullptr);
  ASSERT_NE(yesToAll, nullptr);
  EXPECT_LT(ok->Left(), cancel->Left());
  EXPECT_LT(cancel->Left(), yesToAll->Left());
  EXPECT_EQ(yesToAll->Caption(), L"S&im Todos");
  EXPECT_EQ(yesToAll->ModalResult(), 14);
  EXPECT_FALSE(cancel->Cancel());
}

TEST_F(MsgDlgLayout, DefaultButtonComesFirstInTabOrder) {
  Dlg.SetButtons({TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo});
  Dlg.SetDefaultButton(TMsgDlgBtn::mbNo);
  auto dialog = Dlg.BuildDialog();
  auto* no = Part<TButton>(*dialog, L"Btn2");
  EXPECT_EQ(no->TabOrder(), 0);
  EXPECT_EQ(dialog->ActiveControl(), no);
}

TEST_F(MsgDlgLayout, CaptionFollowsTheMessageTypeUnlessTitled) {
  Dlg.SetMessageType(TMsgDlgType::mtError);
  EXPECT_EQ(Dlg.BuildDialog()->Caption(), L"Erro");
  Dlg.SetMessageType(TMsgDlgType::mtConfirmation);
  EXPECT_EQ(Dlg.BuildDialog()->Caption(), L"Confirmação");
  Dlg.SetTitle(L"Meu título");
  EXPECT_EQ(Dlg.BuildDialog()->Caption(), L"Meu título");
}

TEST_F(MsgDlgLayout, CustomTypeIsCaptionedWithTheApplicationTitle) {
  UiApplication().SetTitle(L"QRV Library");
  Dlg.SetMessageType(TMsgDlgType::mtCustom);
  EXPECT_EQ(Dlg.BuildDialog()->Caption(), L"QRV Library");
}

TEST_F(MsgDlgLayout, DialogTakesColourAndButtonSizes) {
  Dlg.SetColor(RgbColor(245, 245, 245));
  Dlg.SetBtnWidth(85);
  Dlg.SetBtnHeight(23);
  auto dialog = Dlg.BuildDialog();
  EXPECT_EQ(dialog->Color(), RgbColor(245, 245, 245));
  EXPECT_EQ(Part<TQoInternalLabel>(*dialog, L"Message")->Color(), RgbColor(245, 245, 245));
  EXPECT_EQ(Part<TButton>(*dialog, L"Btn3")->Width(), 85);
  EXPECT_EQ(Part<TButton>(*dialog, L"Btn3")->Height(), 23);
}

TEST_F(MsgDlgLayout, DialogIsAFixedDialogAboveOtherWindows) {
  auto dialog = Dlg.BuildDialog();
  EXPECT_EQ(dialog->BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_EQ(dialog->FormStyle(), TFormStyle::fsStayOnTop);
  EXPECT_TRUE(dialog->KeyPreview());
}

TEST(MsgDlgTimer, CaptionGainsTheRemainingSeconds) {
  EXPECT_EQ(TQoMsgDlg::TimedCaption(L"Informação", 4), L"Informação - 4s");
  EXPECT_EQ(TQoMsgDlg::TimedCaption(L"Informação - 4s", 3), L"Informação - 3s");
}

TEST(MsgDlgDensity, LoadedScalesSizesByScreenOverFormDensity) {
  TForm form(nullptr);
  form.SetPixelsPerInch(Screen().PixelsPerInch() * 2);
  auto* dlg = new TQoMsgDlg(&form);
  dlg->ButtonFont().SetSize(9);
  dlg->Loaded();
  EXPECT_EQ(dlg->BtnWidth(), 38);   // 37.5 to the even neighbour
  EXPECT_EQ(dlg->BtnHeight(), 12);  // 12.5 to the even neighbour
  EXPECT_EQ(dlg->BtnSpace(), 8);    // 7.5
  EXPECT_EQ(dlg->Indent(), 7);
  EXPECT_EQ(dlg->ButtonFont().Size(), 4);  // 4.5
  EXPECT_EQ(dlg->MessageFont().Size(), 4);
}

TEST(MsgDlgDensity, LoadedKeepsSizesAtTheSameDensity) {
  TForm form(nullptr);
  form.SetPixelsPerInch(Screen().PixelsPerInch());
  auto* dlg = new TQoMsgDlg(&form);
  dlg->Loaded();
  EXPECT_EQ(dlg->BtnWidth(), 75);
  EXPECT_EQ(dlg->Indent(), 14);
}
