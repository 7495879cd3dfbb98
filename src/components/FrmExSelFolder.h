// TFrmExSelFolder: the folder selection window that TExSelectFolder (ExSelectFolder.h) shows.
// One instance serves the whole process: Shared() creates it on first use, owned by the
// application, and it lives until the application ends, so the tree's expansion and selection
// carry over from one use to the next. Its form saver remembers only the window's position,
// under HKEY_CURRENT_USER\SOFTWARE\Quorvane\Talvekor\Forms, value "FrmExSelFolder", written once
// when the window is destroyed.
//
// The window closes with mrOk only through OK with an existing folder in EdtCaminho; Cancel and
// the close box give mrCancel. Errors of the tree while creating a folder reach the application's
// error display; the window stays open. Windows only.
#pragma once

#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

class TQoPanel;
class TQoFormSaver;
class TQoMsgDlg;
class TShellTreeView;

class TFrmExSelFolder : public TForm {
 public:
  explicit TFrmExSelFolder(TComponent* owner);
  ~TFrmExSelFolder() override;

  // The process's window, created on the first call.
  static TFrmExSelFolder& Shared();
  // The window if it has been created, else null.
  static TFrmExSelFolder* SharedIfCreated();

  void FormShow(TComponent* sender);
  void FormActivate(TComponent* sender);
  void TrvPastasChange(TComponent* sender);
  void TrvPastasKeyDown(TComponent* sender, WORD& key, TShiftState shift);
  void BtnNovaClick(TComponent* sender);
  void BtnOkClick(TComponent* sender);

  TQoPanel* PanFundo = nullptr;
  TLabel* LabCaminho = nullptr;
  TBevel* Bevel2 = nullptr;
  TEdit* EdtCaminho = nullptr;
  TBevel* Bevel3 = nullptr;
  TShellTreeView* TrvPastas = nullptr;
  TButton* BtnNova = nullptr;
  TButton* BtnOk = nullptr;
  TButton* BtnCancelar = nullptr;
  TQoFormSaver* QoFrmSaver = nullptr;
  TQoMsgDlg* QoMsgDlg1 = nullptr;

 private:
  void BuildControls();
  void BuildComponents();
  // Keeps the button row at the bottom and the tree above it as the window is sized.
  void ArrangeControls();
  void FitTreeAboveButtons();
  void RefreshSelectedFolder();
};
