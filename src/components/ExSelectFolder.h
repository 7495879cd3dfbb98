// TExSelectFolder: a non-visual component that shows the process's folder selection window
// (FrmExSelFolder.h) with its settings and reports the folder the user confirmed.
//   - Execute returns true when the user pressed OK on an existing folder; Path then holds that
//     folder's parsing name (its full path). On false Path is left as it was.
//   - A Path that is empty or not an existing folder is ignored: the window keeps the selection
//     it had.
//   - Font starts as a copy of the owner's font (when the owner is a control) and is owned;
//     assigning copies it.
// Windows only.
#pragma once

#include "ui/Forms.h"

class TExSelectFolder : public TComponent {
 public:
  explicit TExSelectFolder(TComponent* owner);

  const String& Root() const { return FRoot; }
  void SetRoot(const String& value) { FRoot = value; }
  const String& Path() const { return FPath; }
  void SetPath(const String& value) { FPath = value; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& value) { FCaption = value; }
  TFont& Font() { return FFont; }
  void SetFont(const TFont& font) { FFont.Assign(font); }
  int Indent() const { return FIndent; }
  void SetIndent(int value) { FIndent = value; }
  // Row height of the tree; 0 or less keeps the tree's own.
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int value) { FItemHeight = value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& value) { FTitle = value; }
  bool NewFolderVisible() const { return FNewFolderVisible; }
  void SetNewFolderVisible(bool value) { FNewFolderVisible = value; }
  const String& NewFolderCaption() const { return FNewFolderCaption; }
  void SetNewFolderCaption(const String& value) { FNewFolderCaption = value; }

  bool Execute();

 private:
  String FRoot = L"rfDesktop";
  String FPath;
  String FCaption = L"Caminho:";
  TFont FFont;
  int FIndent = 20;
  int FItemHeight = 18;
  bool FReadOnly = true;
  String FTitle = L"Selecionar Pasta";
  bool FNewFolderVisible = false;
  String FNewFolderCaption = L"Criar Pasta";
};
