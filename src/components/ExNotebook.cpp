#include "components/ExNotebook.h"

#include <algorithm>

#include "ui/Forms.h"

// TExNotebookPage --------------------------------------------------------------------------------

namespace {

SIZE OwnerSize(TComponent* owner) {
  if (const auto* control = dynamic_cast<const TControl*>(owner))
    return SIZE{control->Width(), control->Height()};
  return SIZE{0, 0};
}

}  // namespace

TExNotebookPage::TExNotebookPage(TComponent* owner) : TCustomPanel(owner) {
  const SIZE size = OwnerSize(owner);
  SetBounds(0, 0, size.cx, size.cy);
  SetAlign(TAlign::alClient);
  SetBevelOuter(TBevelCut::bvNone);
  SetVisible(false);
}

TExNotebookPage::~TExNotebookPage() {
  if (FNotebook != nullptr) FNotebook->RemovePage(this);
}

void TExNotebookPage::SetNotebook(TExNotebook* notebook) {
  if (notebook == FNotebook) return;
  if (FNotebook != nullptr) FNotebook->RemovePage(this);
  TCustomPanel::SetParent(notebook);
  if (notebook != nullptr) notebook->InsertPage(this);
}

void TExNotebookPage::SetParent(TWinControl* parent) {
  if (auto* notebook = dynamic_cast<TExNotebook*>(parent)) {
    SetNotebook(notebook);
    return;
  }
  if (FNotebook != nullptr) FNotebook->RemovePage(this);
  TCustomPanel::SetParent(parent);
}

int TExNotebookPage::PageIndex() const {
  if (FNotebook == nullptr) return -1;
  const auto& pages = FNotebook->FPages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TExNotebookPage::SetPageIndex(int value) {
  if (FNotebook == nullptr) return;
  auto& pages = FNotebook->FPages;
  value = std::clamp(value, 0, static_cast<int>(pages.size()) - 1);
  pages.erase(std::find(pages.begin(), pages.end(), this));
  pages.insert(pages.begin() + value, this);
}

void TExNotebookPage::Paint() {
  TCustomPanel::Paint();
  if (!Designing()) return;
  TCanvas& canvas = Canvas();
  canvas.Pen().SetStyle(TPenStyle::psDash);
  canvas.Pen().SetColor(clBlack);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Rectangle(0, 0, Width(), Height());
  canvas.Font().SetName(L"Tahoma");
  canvas.Font().SetSize(8);
  canvas.Font().SetStyle({});
  canvas.Font().SetColor(clGrayText);
  canvas.TextOut(2, Height() - 14, Name());
}

// TExNotebook ------------------------------------------------------------------------------------

TExNotebook::TExNotebook(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 150);
}

TExNotebook::~TExNotebook() {
  BeginDestroy();
  for (TExNotebookPage* page : FPages) page->FNotebook = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

void TExNotebook::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TExNotebook::InsertPage(TExNotebookPage* page) {
  FPages.push_back(page);
  page->FNotebook = this;
}

void TExNotebook::RemovePage(TExNotebookPage* page) {
  if (page == FActivePage) SetActivePage(nullptr);
  FPages.erase(std::remove(FPages.begin(), FPages.end(), page), FPages.end());
  page->FNotebook = nullptr;
}

void TExNotebook::SetActivePage(TExNotebookPage* page) {
  if ((page != nullptr && page->FNotebook != this) || page == FActivePage) return;
  TForm* form = GetParentForm(this);
  TExNotebookPage* old = FActivePage;
  if (form != nullptr && old != nullptr && form->ActiveControl() != nullptr &&
      old->ContainsControl(form->ActiveControl()))
    form->SetActiveControl(old);  // focus must not stay on a control about to be hidden
  if (page != nullptr) {
    page->BringToFront();
    page->SetVisible(true);
    if (form != nullptr && old != nullptr && form->ActiveControl() == old)
      form->SetActiveControl(page->CanFocus() ? static_cast<TWinControl*>(page) : this);
  }
  if (old != nullptr) old->SetVisible(false);
  FActivePage = page;
  if (form != nullptr && page != nullptr && form->ActiveControl() == page) page->SelectFirst();
  FActivePageIndex = page != nullptr ? page->PageIndex() : -1;
  if (OnChange && !Loading() && !Designing() && !Destroying()) OnChange(this);
}

void TExNotebook::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount() || index == FActivePageIndex) return;
  FActivePageIndex = index;
  SetActivePage(FPages[static_cast<size_t>(index)]);
}

TExNotebookPage* TExNotebook::FindNextPage(TExNotebookPage* current, bool goForward) const {
  const int count = PageCount();
  if (count == 0) return nullptr;
  auto it = std::find(FPages.begin(), FPages.end(), current);
  int index = it == FPages.end() ? (goForward ? -1 : count) : static_cast<int>(it - FPages.begin());
  index = goForward ? (index + 1) % count : (index - 1 + count) % count;
  return FPages[static_cast<size_t>(index)];
}

void TExNotebook::SelectNextPage(bool goForward) {
  SetActivePageIndex(FActivePageIndex + (goForward ? 1 : -1));
}

void TExNotebook::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (TExNotebookPage* page : FPages) proc(page);
}

void TExNotebook::ShowControl(TControl* control) {
  if (auto* page = dynamic_cast<TExNotebookPage*>(control);
      page != nullptr && page->FNotebook == this)
    SetActivePage(page);
  TWinControl::ShowControl(control);
}

void TExNotebook::AlignControls(RECT rect) {
  TWinControl::AlignControls(rect);
  if (::IsRectEmpty(&rect)) return;
  for (TExNotebookPage* page : FPages) {
    if (!page->Visible())
      page->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  }
}
