// The wizard window TFrmMain: the program's only window and the owner of the one installation a
// run performs. It builds its controls in code (MainLayout.cpp), runs the start-up sequence when
// first shown and decides every close request (MainStartup.cpp), walks the six pages with Back
// and Next (MainNavigation.cpp), copies the files into the destination (MainCopy.cpp) and builds
// and registers the package (MainBuild.cpp).
//
// The installer state lives in the window (State()). The program file whose tail carries the
// payload is ProgramFileName() unless the creator names another one (the tests do). Failures of
// the start-up steps are shown with MsgDlg1.MsgError; the window then marks the run finished and
// posts itself a close request. The window owns every control and component placed on it; the
// public control members are views of them, valid for the window's life. Windows only.
#pragma once

#include "app/InstallerState.h"
#include "core/String.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

class TExNotebook;
class TExSelectFolder;
class TExNotebookPage;
class TQoFindFile;
class TQoGauge;
class TQoMsgDlg;
class TQoRegManager;
class TQoSkinPlus;
class THeaderPicture;
class TIdeBorlandCommandLineTool;
class TIdeBorRADToolInstallation;

class TFrmMain : public TForm {
 public:
  // The window of the running program: the payload is read from its own file.
  explicit TFrmMain(TComponent* owner);
  // A window that reads the payload from programFile.
  TFrmMain(TComponent* owner, const String& programFile);
  ~TFrmMain() override;

  TInstallerState& State() { return FState; }
  const String& ProgramFile() const { return FProgramFile; }

  // Creation handler: runs once, at the end of the constructor.
  void FormCreate(TComponent* sender);
  // First-show handler: the start-up sequence (showing the window again does not repeat it).
  void FormShow(TComponent* sender);
  // Grants a close when the run is finished or the user confirms the cancellation.
  void FormCloseQuery(TComponent* sender, bool& canClose);
  // Releases what the installer state holds for the run.
  void FormClose(TComponent* sender, TCloseAction& action);

  // Sets the header text and the buttons for the page that is now active.
  void NoteEtapasChange(TComponent* sender);
  void BtnAvancarClick(TComponent* sender);
  void BtnVoltarClick(TComponent* sender);
  void BtnCancelarClick(TComponent* sender);
  void ChxContratoClick(TComponent* sender);
  // Lets the user choose another destination with SelPasta1 (starting from the destination when
  // it exists, else "C:\"); a confirmed folder becomes the destination and Next takes the focus.
  void BtnAlterarClick(TComponent* sender);
  // Shows the remembered destination for the target version (and locks it), or the default.
  void LoadDestination();
  // Sets TargetIndex to the first installation of the target version; reports when none.
  void SelectInstallation();
  // Copies the unpacked files into the destination and patches the package project there; on
  // success makes the registration page active. Reports its own failures.
  void CopyFiles();
  // Rewrites the package project so that it names the units and resources of its folder.
  void PatchPackageSource(const String& packageFile);
  // Shows a target path in LabArquivo, shortened to the label's width in the label's font.
  void ShowCopiedFile(const String& target);

  // Build step (MainBuild.cpp). BuildAndRegister compiles and registers the package project in
  // the destination with the target installation, adds the destination to the IDE's library
  // paths, remembers it, reports and tells the outcome; the window is then finished. Errors the
  // catalogue raises pass through to the application's default display. CompilerBeforeExecute
  // gives the compiler the installer's whole option list (the driver's OnBeforeExecute);
  // CompilerOutputLine appends a line of the build's output to the log, except the W1057/W1058
  // warnings (the installation's output callback).
  void BuildAndRegister();
  void CompilerBeforeExecute(TIdeBorlandCommandLineTool& Tool);
  void CompilerOutputLine(const String& Line);
  // Posts the report of this run with the log; never fails visibly.
  void SendInstallationReport(bool Failed);

  // Header.
  THeaderPicture* ImgCabecalho = nullptr;
  TLabel* LabInfo = nullptr;
  TLabel* LabAviso = nullptr;
  TPanel* PanVersao = nullptr;
  TBevel* BevTopo = nullptr;
  TBevel* BevBase = nullptr;

  // Pages.
  TExNotebook* NoteEtapas = nullptr;
  TExNotebookPage* NpgBemVindo = nullptr;
  TExNotebookPage* NpgContrato = nullptr;
  TExNotebookPage* NpgCaminho = nullptr;
  TExNotebookPage* NpgConfirmar = nullptr;
  TExNotebookPage* NpgCopiar = nullptr;
  TExNotebookPage* NpgRegistrar = nullptr;

  // Welcome page.
  TLabel* LabBemVindo = nullptr;
  TLabel* LabVersao = nullptr;
  TLabel* LabAvisoLegal = nullptr;
  TLabel* LabCopyright = nullptr;
  // Agreement page.
  TLabel* LabContrato = nullptr;
  TMemo* MemContrato = nullptr;
  TCheckBox* ChxContrato = nullptr;
  // Destination page.
  TLabel* LabCaminhoTexto = nullptr;
  TLabel* LabPastaDestino = nullptr;
  TBevel* BevPastaDestino = nullptr;
  TLabel* LabCaminho = nullptr;
  TButton* BtnAlterar = nullptr;
  // Confirmation page.
  TLabel* LabConfirmar = nullptr;
  // Copy page.
  TLabel* LabCopiar = nullptr;
  TLabel* LabArquivoTitulo = nullptr;
  TLabel* LabArquivo = nullptr;
  TQoGauge* ProgBar1 = nullptr;
  // Registration page.
  TLabel* LabRegistrar = nullptr;
  TMemo* MemRegistro = nullptr;

  // Button row.
  TButton* BtnVoltar = nullptr;
  TButton* BtnAvancar = nullptr;
  TButton* BtnCancelar = nullptr;

  // Components.
  TQoMsgDlg* MsgDlg1 = nullptr;
  TQoRegManager* RegMan1 = nullptr;
  TQoFindFile* FndFile1 = nullptr;
  TExSelectFolder* SelPasta1 = nullptr;
  // The skin: colours of buttons and group boxes for this window and every dialog it shows.
  TQoSkinPlus* SkinPlus1 = nullptr;

 private:
  // MainLayout.cpp: the window and its controls, from top to bottom.
  void BuildWindow();
  void BuildHeader();
  void BuildNotebook();
  void BuildBemVindo();
  void BuildContrato();
  void BuildCaminho();
  void BuildConfirmar();
  void BuildCopiar();
  void BuildRegistrar();
  void BuildButtons();
  void BuildComponents();
  // The skin's scheme; the skin applies itself once the window is built.
  void BuildSkin();
  void ConnectHandlers();
  // MainDestino.cpp: the folder dialog behind BtnAlterar, and its click handler.
  void BuildDestinationChange();

  // Marks the run finished and asks the window to close once its messages are handled.
  void FinishAndClose();
  // False once the application is terminating or the window has closed: a long step then stops.
  bool RunGoesOn() const;
  // Installations[TargetIndex]; raises when no target installation was selected.
  TIdeBorRADToolInstallation& TargetInstallation() const;

  String FProgramFile;
  TInstallerState FState;
  bool FStarted = false;  // the start-up sequence has run
  bool FClosed = false;   // FormClose has run
};
