#include "components/ExSelectFolder.h"

#include "components/FrmExSelFolder.h"
#include "platform/Files.h"
#include "shellviews/ShellTreeView.h"

TExSelectFolder::TExSelectFolder(TComponent* owner) : TComponent(owner) {
  if (const auto* control = dynamic_cast<const TControl*>(owner)) FFont.Assign(control->Font());
}

bool TExSelectFolder::Execute() {
  TFrmExSelFolder& dialog = TFrmExSelFolder::Shared();
  dialog.SetFont(FFont);
  dialog.SetCaption(FTitle);
  dialog.LabCaminho->SetCaption(FCaption);
  dialog.BtnNova->SetVisible(FNewFolderVisible);
  dialog.BtnNova->SetCaption(FNewFolderCaption);
  TShellTreeView& tree = *dialog.TrvPastas;
  tree.SetRoot(FRoot);
  tree.SetIndent(FIndent);
  if (FItemHeight > 0) tree.SetItemHeight(FItemHeight);
  tree.SetReadOnly(FReadOnly);
  if (!FPath.empty() && platform::DirectoryExists(FPath)) {
    try {
      tree.SetPath(FPath);
    } catch (const EShellTreeError&) {
      // A folder outside the tree's root is ignored like one that does not exist.
    }
  }
  if (dialog.ShowModal() != mrOk) return false;
  FPath = dialog.EdtCaminho->Text();
  return true;
}
