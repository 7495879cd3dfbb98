// Changing the destination folder: the folder dialog SelPasta1 behind the destination page's
// "A&lterar..." button.
#include "app/Main.h"
#include "components/ExSelectFolder.h"
#include "platform/Files.h"

void TFrmMain::BuildDestinationChange() {
  SelPasta1 = new TExSelectFolder(this);
  SelPasta1->SetName(L"SelPasta1");
  SelPasta1->SetRoot(L"rfDesktop");
  SelPasta1->SetCaption(L"Caminho:");
  SelPasta1->SetTitle(L"Selecionar Pasta");
  SelPasta1->SetNewFolderVisible(true);
  SelPasta1->SetNewFolderCaption(L"Criar Pasta");
  SelPasta1->Font().SetName(L"Segoe UI");
  SelPasta1->Font().SetSize(9);
  BtnAlterar->OnClick = [this](TComponent* sender) { BtnAlterarClick(sender); };
}

void TFrmMain::BtnAlterarClick(TComponent* /*sender*/) {
  const String destination = LabCaminho->Caption();
  SelPasta1->SetPath(platform::DirectoryExists(destination) ? destination : String(L"C:\\"));
  if (!SelPasta1->Execute()) return;
  LabCaminho->SetCaption(SelPasta1->Path());
  BtnAvancar->SetFocus();
}
