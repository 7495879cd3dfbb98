// The wizard window's controls, built from top to bottom: header picture with its two lines, the
// notebook with the six pages, the button row, and the non-visual components. Positions are
// client pixels at 96 dots per inch; each page keeps a 30-pixel margin around its content.
#include <algorithm>

#include "app/Main.h"
#include "app/MainHeader.h"
#include "app/MainTexts.h"
#include "components/ExNotebook.h"
#include "components/QoFindFile.h"
#include "components/QoGauge.h"
#include "components/QoMsgDlg.h"
#include "components/QoRegManager.h"
#include "components/skin/QoSkinPlus.h"

namespace {

constexpr int kClientWidth = 630;
constexpr int kClientHeight = 458;
constexpr TColor kBackground = RgbColor(245, 245, 245);
constexpr int kHeaderHeight = 75;
constexpr int kNotebookTop = 80;
constexpr int kNotebookHeight = 334;
constexpr int kPageMargin = 30;
constexpr int kContentWidth = kClientWidth - 2 * kPageMargin;
constexpr int kFileTitleWidth = 52;
constexpr int kButtonWidth = 85;
constexpr int kButtonHeight = 23;
constexpr int kButtonTop = 424;

// A label at (left, top); with a width it wraps its text to that width and fits its height. It
// is set up as if loaded, so that it measures its text once, at the end.
TLabel* MakeLabel(TComponent* owner, TWinControl* parent, int left, int top, const wchar_t* text,
                  int wrapWidth = 0) {
  auto* label = new TLabel(owner);
  label->SetLoading(true);
  label->SetParent(parent);
  label->SetLeft(left);
  label->SetTop(top);
  if (wrapWidth > 0) {
    label->SetWidth(wrapWidth);
    label->SetWordWrap(true);
  }
  label->SetShowAccelChar(false);
  label->SetTransparent(true);
  label->SetCaption(text);
  label->Loaded();
  return label;
}

TButton* MakeButton(TComponent* owner, TWinControl* parent, int left, int top,
                    const wchar_t* caption) {
  auto* button = new TButton(owner);
  button->SetParent(parent);
  button->SetBounds(left, top, kButtonWidth, kButtonHeight);
  button->SetCaption(caption);
  return button;
}

// A 2-pixel etched horizontal line.
TBevel* MakeLine(TComponent* owner, TWinControl* parent, int left, int top, int width) {
  auto* line = new TBevel(owner);
  line->SetParent(parent);
  line->SetShape(TBevelShape::bsTopLine);
  line->SetBounds(left, top, width, 2);
  return line;
}

TMemo* MakeMemo(TComponent* owner, TWinControl* parent, const RECT& bounds, bool wordWrap) {
  auto* memo = new TMemo(owner);
  memo->SetParent(parent);
  memo->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  memo->SetReadOnly(true);
  memo->SetColor(clWhite);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  memo->SetWordWrap(wordWrap);
  memo->SetTabStop(true);
  return memo;
}

}  // namespace

void TFrmMain::BuildWindow() {
  BuildComponents();
  // The window's layout is made for 96 dots per inch; the dialog adapts its sizes to the screen
  // here, before the window is created and scales itself.
  MsgDlg1->Loaded();
  SetName(L"FrmMain");
  SetCaption(MainTexts::Caption);
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetPosition(TPosition::poScreenCenter);
  SetColor(kBackground);
  Font().SetAppearance(L"Segoe UI", 9, {}, clWindowText);
  SetClientSize(kClientWidth, kClientHeight);
  BuildHeader();
  BuildNotebook();
  BuildButtons();
  BuildDestinationChange();
  BuildSkin();
}

void TFrmMain::BuildHeader() {
  ImgCabecalho = new THeaderPicture(this);
  ImgCabecalho->SetParent(this);
  ImgCabecalho->SetBounds(0, 0, kClientWidth, kHeaderHeight);

  LabInfo = MakeLabel(this, this, 20, 12, MainTexts::Info);
  LabInfo->Font().SetAppearance(L"Tahoma", 8, {TFontStyle::fsBold}, clWhite);
  LabAviso = MakeLabel(this, this, 34, 30, MainTexts::AvisoInitial);
  LabAviso->Font().SetAppearance(L"Segoe UI", 9, {}, clWhite);
  // A fixed band, so that each step's text repaints whole over the picture.
  LabAviso->SetAutoSize(false);
  LabAviso->SetBounds(34, 30, 480, 17);

  PanVersao = new TPanel(this);
  PanVersao->SetParent(this);
  PanVersao->SetBounds(0, kHeaderHeight, kClientWidth, 3);
  PanVersao->SetBevelOuter(TBevelCut::bvNone);
  PanVersao->SetColor(clRed);

  BevTopo = MakeLine(this, this, 0, 78, kClientWidth);
  BevBase = MakeLine(this, this, 0, kNotebookTop + kNotebookHeight, kClientWidth);
}

void TFrmMain::BuildNotebook() {
  NoteEtapas = new TExNotebook(this);
  NoteEtapas->SetName(L"NoteEtapas");
  NoteEtapas->SetParent(this);
  NoteEtapas->SetBounds(0, kNotebookTop, kClientWidth, kNotebookHeight);
  const struct {
    TExNotebookPage** field;
    const wchar_t* name;
  } pages[] = {{&NpgBemVindo, L"NpgBemVindo"}, {&NpgContrato, L"NpgContrato"},
               {&NpgCaminho, L"NpgCaminho"},   {&NpgConfirmar, L"NpgConfirmar"},
               {&NpgCopiar, L"NpgCopiar"},     {&NpgRegistrar, L"NpgRegistrar"}};
  for (const auto& p : pages) {
    auto* page = new TExNotebookPage(this);
    page->SetName(p.name);
    page->SetNotebook(NoteEtapas);
    page->SetBorderWidth(kPageMargin);
    page->SetColor(kBackground);
    *p.field = page;
  }
  BuildBemVindo();
  BuildContrato();
  BuildCaminho();
  BuildConfirmar();
  BuildCopiar();
  BuildRegistrar();
}

void TFrmMain::BuildBemVindo() {
  const int m = kPageMargin;
  LabBemVindo = MakeLabel(this, NpgBemVindo, m, m, MainTexts::BemVindo, kContentWidth);
  LabVersao = MakeLabel(this, NpgBemVindo, m, 100, MainTexts::Versao);
  LabVersao->Font().SetAppearance(L"Segoe UI", 10, {TFontStyle::fsBold}, clWindowText);
  LabAvisoLegal = MakeLabel(this, NpgBemVindo, m, 196, MainTexts::AvisoLegal, kContentWidth);
  LabAvisoLegal->Font().SetColor(RgbColor(96, 96, 96));
  LabCopyright = MakeLabel(this, NpgBemVindo, m, 286, MainTexts::Copyright);
  LabCopyright->Font().SetStyle({TFontStyle::fsBold});
}

void TFrmMain::BuildContrato() {
  const int m = kPageMargin;
  LabContrato = MakeLabel(this, NpgContrato, m, m, MainTexts::ContratoIntro, kContentWidth);
  MemContrato = MakeMemo(this, NpgContrato, RECT{m, 68, m + kContentWidth, 272}, false);
  MemContrato->Lines().SetText(FromUtf8(MainTexts::Contrato));
  ChxContrato = new TCheckBox(this);
  ChxContrato->SetParent(NpgContrato);
  ChxContrato->SetBounds(m, 282, kContentWidth, 19);
  ChxContrato->SetCaption(MainTexts::ContratoAceite);
}

void TFrmMain::BuildCaminho() {
  const int m = kPageMargin;
  LabCaminhoTexto = MakeLabel(this, NpgCaminho, m, m, MainTexts::Caminho, kContentWidth);
  LabPastaDestino = MakeLabel(this, NpgCaminho, m, 143, MainTexts::PastaDestino);
  LabPastaDestino->Font().SetStyle({TFontStyle::fsBold});
  const int lineLeft = m + LabPastaDestino->Width() + 8;
  BevPastaDestino = MakeLine(this, NpgCaminho, lineLeft, 151, m + kContentWidth - lineLeft);
  LabCaminho = MakeLabel(this, NpgCaminho, m, 168, L"");
  LabCaminho->SetAutoSize(false);
  LabCaminho->SetBounds(m, 168, 479, 17);
  BtnAlterar =
      MakeButton(this, NpgCaminho, m + kContentWidth - kButtonWidth, 164, MainTexts::Alterar);
}

void TFrmMain::BuildConfirmar() {
  LabConfirmar =
      MakeLabel(this, NpgConfirmar, kPageMargin, kPageMargin, MainTexts::Confirmar, kContentWidth);
}

void TFrmMain::BuildCopiar() {
  const int m = kPageMargin;
  LabCopiar = MakeLabel(this, NpgCopiar, m, m, MainTexts::Copiar, kContentWidth);
  // The title takes its 52 pixels, or its text's width where the font is wider (the colon is
  // never cut); the file's label takes the rest of the row.
  LabArquivoTitulo = MakeLabel(this, NpgCopiar, m, 62, MainTexts::Arquivo);
  LabArquivoTitulo->Font().SetStyle({TFontStyle::fsBold});
  const int titleWidth = std::max(kFileTitleWidth, LabArquivoTitulo->Width());
  LabArquivoTitulo->SetAutoSize(false);
  LabArquivoTitulo->SetBounds(m, 62, titleWidth, 19);
  LabArquivoTitulo->SetLayout(TTextLayout::tlCenter);
  LabArquivo = MakeLabel(this, NpgCopiar, m + titleWidth, 62, L"");
  LabArquivo->SetAutoSize(false);
  LabArquivo->SetBounds(m + titleWidth, 62, kContentWidth - titleWidth, 19);
  LabArquivo->SetLayout(TTextLayout::tlCenter);

  ProgBar1 = new TQoGauge(this);
  ProgBar1->SetName(L"ProgBar1");
  ProgBar1->SetParent(NpgCopiar);
  ProgBar1->SetGaugeStyle(TQoGaugeStyle::gsBar);
  ProgBar1->SetBorderStyle(TBorderStyle::bsSingle);
  ProgBar1->SetBevelStyle(TQoGaugeBevel::bvNone);
  ProgBar1->SetMargin(1);
  ProgBar1->SetBoxColor(RgbColor(0, 159, 0));
  ProgBar1->SetParentColor(true);
  ProgBar1->Font().SetAppearance(L"Tahoma", 8, {}, clWhite);
  ProgBar1->SetBounds(m, 86, kContentWidth, 19);
}

void TFrmMain::BuildRegistrar() {
  const int m = kPageMargin;
  LabRegistrar = MakeLabel(this, NpgRegistrar, m, m, MainTexts::Registrar, kContentWidth);
  MemRegistro = MakeMemo(this, NpgRegistrar, RECT{m, 54, m + kContentWidth, 304}, false);
}

void TFrmMain::BuildButtons() {
  BtnVoltar = MakeButton(this, this, 350, kButtonTop, MainTexts::Voltar);
  BtnAvancar = MakeButton(this, this, 441, kButtonTop, MainTexts::Avancar);
  BtnCancelar = MakeButton(this, this, 532, kButtonTop, MainTexts::Cancelar);
  BtnCancelar->SetCancel(true);
}

void TFrmMain::BuildComponents() {
  MsgDlg1 = new TQoMsgDlg(this);
  MsgDlg1->SetName(L"MsgDlg1");
  MsgDlg1->ButtonFont().SetAppearance(L"Segoe UI", 9, {}, clWindowText);
  MsgDlg1->MessageFont().SetAppearance(L"Segoe UI", 9, {}, clWindowText);
  MsgDlg1->SetBtnWidth(kButtonWidth);
  MsgDlg1->SetBtnHeight(kButtonHeight);
  MsgDlg1->SetColor(kBackground);

  RegMan1 = new TQoRegManager(this);
  RegMan1->SetName(L"RegMan1");
  RegMan1->SetRootKey(TQoRootKeys::HKeyLocalMachine);
  RegMan1->SetKey(L"\\SOFTWARE\\Quorvane\\QRVComps");

  FndFile1 = new TQoFindFile(this);
  FndFile1->SetName(L"FndFile1");
  FndFile1->SetOptions(
      {TQoFindOption::foReadOnlyFiles, TQoFindOption::foHiddenFiles, TQoFindOption::foSysFiles});
}

void TFrmMain::BuildSkin() {
  SkinPlus1 = new TQoSkinPlus(this);
  SkinPlus1->SetName(L"SkinPlus1");
  TQoButtonColors& button = SkinPlus1->Colors().Button();
  button.Border = button.Face = button.Light = RgbColor(37, 160, 218);
  button.BorderOn = button.FaceOn = button.LightOn = RgbColor(0, 130, 204);
  button.BorderPress = button.FacePress = button.LightPress = RgbColor(60, 127, 177);
  button.DefaultBorder = RgbColor(44, 98, 139);
  button.FaceDisable = RgbColor(233, 241, 252);
  button.Text = button.TextOn = button.TextPress = clWhite;
  button.TextDisable = RgbColor(128, 128, 128);
  SkinPlus1->Colors().Form().Face = kBackground;
  SkinPlus1->Colors().Group().Border = RgbColor(185, 185, 185);
  SkinPlus1->Colors().Group().Text = RgbColor(82, 109, 207);
  SkinPlus1->Loaded();
}

void TFrmMain::ConnectHandlers() {
  OnShow = [this](TComponent* sender) {
    if (FStarted) return;
    FStarted = true;
    FormShow(sender);
  };
  OnCloseQuery = [this](TComponent* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  OnClose = [this](TComponent* sender, TCloseAction& action) { FormClose(sender, action); };
  NoteEtapas->OnChange = [this](TComponent* sender) { NoteEtapasChange(sender); };
  BtnAvancar->OnClick = [this](TComponent* sender) { BtnAvancarClick(sender); };
  BtnVoltar->OnClick = [this](TComponent* sender) { BtnVoltarClick(sender); };
  BtnCancelar->OnClick = [this](TComponent* sender) { BtnCancelarClick(sender); };
  ChxContrato->OnClick = [this](TComponent* sender) { ChxContratoClick(sender); };
}
