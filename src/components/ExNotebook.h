// TExNotebook and TExNotebookPage: a container that stacks pages in one rectangle and shows one
// at a time, with no tabs; its owner switches pages from code and hears of each switch through
// OnChange, which fires after the new page is visible, the old one hidden and ActivePage and
// ActivePageIndex hold the new values (not when the page set is already active, nor while the
// notebook is loaded, edited in a designer or destroyed). Pages fill the notebook's client area.
// The notebook does not own its pages (their owner does); a destroyed page leaves its notebook,
// and a destroyed notebook releases its pages. Out-of-range indices are ignored or clamped;
// nothing raises. Windows only.
#pragma once

#include <functional>
#include <vector>

#include "ui/ExtCtrls.h"

class TExNotebook;

class TExNotebookPage : public TCustomPanel {
 public:
  // Takes its owner's size, fills its parent, has no bevel and starts hidden.
  explicit TExNotebookPage(TComponent* owner);
  ~TExNotebookPage() override;

  TExNotebook* Notebook() const { return FNotebook; }
  // Moves the page to the end of notebook's pages (null: out of any notebook).
  void SetNotebook(TExNotebook* notebook);
  // Placing a page on a notebook makes it a page of that notebook.
  void SetParent(TWinControl* parent) override;
  // Position in the notebook's page order; -1 without a notebook. Writing clamps the value to
  // the pages there are and moves the page (the notebook's ActivePageIndex is refreshed at its
  // next change of page).
  int PageIndex() const;
  void SetPageIndex(int value);

 protected:
  void Paint() override;

 private:
  friend class TExNotebook;
  TExNotebook* FNotebook = nullptr;
};

class TExNotebook : public TWinControl {
 public:
  explicit TExNotebook(TComponent* owner);  // 150 by 150, no pages
  ~TExNotebook() override;

  TExNotebookPage* ActivePage() const { return FActivePage; }
  // Shows page and hides the old one (focus moves along, see the implementation notes); null
  // hides the active page. A page of another notebook, or the active page, changes nothing.
  void SetActivePage(TExNotebookPage* page);
  int ActivePageIndex() const { return FActivePageIndex; }
  // Ignored unless 0 <= index < PageCount and index differs from ActivePageIndex.
  void SetActivePageIndex(int index);
  int PageCount() const { return static_cast<int>(FPages.size()); }
  TExNotebookPage* Pages(int index) const { return FPages.at(static_cast<size_t>(index)); }
  // The page after (or before) current, wrapping around; a page not in the notebook counts as
  // standing before the first page (forward) or after the last (back). Null without pages.
  TExNotebookPage* FindNextPage(TExNotebookPage* current, bool goForward) const;
  // ActivePageIndex + 1 or - 1, without wrapping.
  void SelectNextPage(bool goForward);
  // Calls proc for each page in page order (how a stored form keeps the order).
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

  TNotifyEvent OnChange;

  void ShowControl(TControl* control) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void AlignControls(RECT rect) override;

 private:
  friend class TExNotebookPage;
  void InsertPage(TExNotebookPage* page);
  void RemovePage(TExNotebookPage* page);

  TExNotebookPage* FActivePage = nullptr;
  std::vector<TExNotebookPage*> FPages;  // in page order; not owned
  int FActivePageIndex = -1;
};
