// The folder selection window, built in code: a flat background panel with a 10-pixel margin
// holding, from top to bottom, the caption, the path box and the folder tree, and the button row
// 10 pixels above the bottom edge. Positions are client pixels at 96 dots per inch.
// Before windows.h, whose A/W macros would rename the platform's file functions used here.
#include "platform/Files.h"

#include "components/FrmExSelFolder.h"

#include "components/QoFormSaver.h"
#include "components/QoMsgDlg.h"
#include "components/QoPanel.h"
#include "shellviews/ShellTreeView.h"
#include "ui/Dialogs.h"
#include "ui/ExtCtrls.h"

#undef CreateDirectory  // windows.h's; the platform layer's is meant here

namespace {

constexpr int kClientWidth = 456;
constexpr int kClientHeight = 350;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 85;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kTreeGap = 6;

TFrmExSelFolder* gShared = nullptr;

// folder + "\" + name, without doubling the backslash of a drive root.
String ChildPath(const String& folder, const String& name) {
  if (!folder.empty() && folder.back() == L'\\') return folder + name;
  return folder + L"\\" + name;
}

template <typename C>
C* Place(TFrmExSelFolder* form, TWinControl* parent, TAlign align, int height) {
  auto* control = new C(form);
  control->SetParent(parent);
  control->SetHeight(height);
  control->SetAlign(align);
  return control;
}

TButton* MakeButton(TFrmExSelFolder* form, TWinControl* parent, const String& caption) {
  auto* button = new TButton(form);
  button->SetParent(parent);
  button->SetBounds(0, 0, kButtonWidth, kButtonHeight);
  button->SetCaption(caption);
  return button;
}

}  // namespace

TFrmExSelFolder& TFrmExSelFolder::Shared() {
  if (gShared == nullptr) UiApplication().AddForm(std::make_unique<TFrmExSelFolder>(nullptr));
  return *gShared;
}

TFrmExSelFolder* TFrmExSelFolder::SharedIfCreated() {
  return gShared;
}

TFrmExSelFolder::TFrmExSelFolder(TComponent* owner) : TForm(owner) {
  if (gShared == nullptr) gShared = this;
  SetCaption(L"Selecionar Pasta");
  SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu});
  SetColor(RgbColor(224, 224, 224));
  SetClientSize(kClientWidth, kClientHeight);
  SetLeft((Screen().Width() - Width()) / 2);
  SetTop((Screen().Height() - Height()) / 2);
  BuildControls();
  BuildComponents();
  OnShow = [this](TComponent* sender) { FormShow(sender); };
  OnActivate = [this](TComponent* sender) { FormActivate(sender); };
  QoFrmSaver->Loaded();
}

TFrmExSelFolder::~TFrmExSelFolder() {
  if (gShared == this) gShared = nullptr;
}

void TFrmExSelFolder::BuildControls() {
  PanFundo = new TQoPanel(this);
  PanFundo->SetParent(this);
  PanFundo->SetAlign(TAlign::alClient);
  PanFundo->SetBevelWidth(0);
  PanFundo->SetBorderWidth(kMargin);
  PanFundo->Gradient().SetEnabled(false);
  PanFundo->SetParentColor(true);

  LabCaminho = Place<TLabel>(this, PanFundo, TAlign::alTop, 13);
  LabCaminho->SetAutoSize(false);
  LabCaminho->SetTransparent(true);
  LabCaminho->SetCaption(L"C&aminho:");
  Bevel2 = Place<TBevel>(this, PanFundo, TAlign::alTop, 2);
  Bevel2->SetShape(TBevelShape::bsSpacer);
  EdtCaminho = Place<TEdit>(this, PanFundo, TAlign::alTop, 21);
  EdtCaminho->SetReadOnly(true);
  EdtCaminho->SetTabStop(false);
  EdtCaminho->SetColor(RgbColor(233, 233, 233));
  Bevel3 = Place<TBevel>(this, PanFundo, TAlign::alTop, 4);
  Bevel3->SetShape(TBevelShape::bsSpacer);

  TrvPastas = new TShellTreeView(this);
  TrvPastas->SetParent(PanFundo);
  TrvPastas->OnChange = [this](TComponent* sender) { TrvPastasChange(sender); };
  TrvPastas->OnKeyDown = [this](TComponent* sender, WORD& key, TShiftState shift) {
    TrvPastasKeyDown(sender, key, shift);
  };

  BtnNova = MakeButton(this, PanFundo, L"Nova &Pasta");
  BtnNova->OnClick = [this](TComponent* sender) { BtnNovaClick(sender); };
  BtnOk = MakeButton(this, PanFundo, L"&OK");
  BtnOk->OnClick = [this](TComponent* sender) { BtnOkClick(sender); };
  BtnCancelar = MakeButton(this, PanFundo, L"&Cancelar");
  BtnCancelar->SetCancel(true);
  BtnCancelar->SetModalResult(mrCancel);

  PanFundo->OnResize = [this](TComponent*) { ArrangeControls(); };
  ArrangeControls();
}

void TFrmExSelFolder::BuildComponents() {
  QoFrmSaver = new TQoFormSaver(this);
  QoFrmSaver->SetName(L"QoFrmSaver");
  QoFrmSaver->SetKey(L"\\SOFTWARE\\Quorvane\\Talvekor\\Forms");
  QoFrmSaver->SetAllowMaximize(false);
  QoFrmSaver->SetSaveSize(false);
  QoFrmSaver->SetSaveState(false);

  QoMsgDlg1 = new TQoMsgDlg(this);
  QoMsgDlg1->SetName(L"QoMsgDlg1");
  QoMsgDlg1->SetBtnWidth(kButtonWidth);
  QoMsgDlg1->SetBtnHeight(kButtonHeight);
  QoMsgDlg1->SetBtnSpace(12);
  QoMsgDlg1->SetShowGlyph(false);
}

void TFrmExSelFolder::ArrangeControls() {
  const int width = PanFundo->ClientWidth();
  const int buttonTop = PanFundo->ClientHeight() - kMargin - kButtonHeight;
  BtnNova->SetBounds(kMargin, buttonTop, kButtonWidth, kButtonHeight);
  BtnCancelar->SetBounds(width - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
  BtnOk->SetBounds(BtnCancelar->Left() - kButtonGap - kButtonWidth, buttonTop, kButtonWidth,
                   kButtonHeight);
  const int treeTop = Bevel3->Top() + Bevel3->Height();
  TrvPastas->SetBounds(kMargin, treeTop, width - 2 * kMargin, TrvPastas->Height());
  FitTreeAboveButtons();
}

void TFrmExSelFolder::FitTreeAboveButtons() {
  TrvPastas->SetHeight(BtnNova->Top() - TrvPastas->Top() - kTreeGap);
}

void TFrmExSelFolder::RefreshSelectedFolder() {
  if (HTREEITEM selected = TrvPastas->Selected()) TrvPastas->RefreshFolder(selected);
}

void TFrmExSelFolder::FormShow(TComponent*) {
  QoMsgDlg1->SetButtonFont(Font());
  QoMsgDlg1->SetMessageFont(Font());
  FitTreeAboveButtons();
  RefreshSelectedFolder();
}

void TFrmExSelFolder::FormActivate(TComponent*) {
  if (TrvPastas->CanFocus()) TrvPastas->SetFocus();
}

void TFrmExSelFolder::TrvPastasChange(TComponent*) {
  EdtCaminho->SetText(TrvPastas->Path());
}

void TFrmExSelFolder::TrvPastasKeyDown(TComponent*, WORD& key, TShiftState) {
  if (key == VK_F5) RefreshSelectedFolder();
}

void TFrmExSelFolder::BtnNovaClick(TComponent*) {
  String name = L"Nova Pasta";
  if (!InputQuery(L"Criar Pasta", L"Entre com o nome da nova pasta:", name)) return;
  platform::CreateDirectory(ChildPath(EdtCaminho->Text(), name));
  RefreshSelectedFolder();
  TrvPastas->SetPath(ChildPath(EdtCaminho->Text(), name));
  TrvPastas->SetFocus();
}

void TFrmExSelFolder::BtnOkClick(TComponent*) {
  const String folder = EdtCaminho->Text();
  if (!folder.empty() && platform::DirectoryExists(folder)) {
    SetModalResult(mrOk);
    return;
  }
  QoMsgDlg1->MsgError(L"A pasta selecionada não é um caminho válido.");
  TrvPastas->SetFocus();
}
