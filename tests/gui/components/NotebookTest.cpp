#include <gtest/gtest.h>

#include <vector>

#include "WindowDriver.h"
#include "components/ExNotebook.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

namespace {

class Notebook : public ::testing::Test {
 protected:
  void SetUp() override {
    Form.SetClientSize(630, 458);
    Book = new TExNotebook(&Form);
    Book->SetParent(&Form);
    Book->SetBounds(0, 80, 630, 334);
    Book->OnChange = [this](TComponent* sender) {
      EXPECT_EQ(sender, Book);
      Changes.push_back(Book->ActivePage());
    };
    for (int i = 0; i < 6; ++i) {
      auto* page = new TExNotebookPage(&Form);
      page->SetName(L"Npg" + std::to_wstring(i));
      page->SetNotebook(Book);
      Page.push_back(page);
    }
  }
  // A focusable button on a page.
  TButton* ButtonOn(TExNotebookPage* page) {
    auto* button = new TButton(&Form);
    button->SetParent(page);
    button->SetBounds(10, 10, 75, 25);
    return button;
  }
  TForm Form{nullptr};
  TExNotebook* Book = nullptr;
  std::vector<TExNotebookPage*> Page;
  std::vector<TExNotebookPage*> Changes;
};

}  // namespace

TEST_F(Notebook, NewNotebookIsEmptyAndSquare) {
  TExNotebook book(nullptr);
  EXPECT_EQ(book.PageCount(), 0);
  EXPECT_EQ(book.ActivePage(), nullptr);
  EXPECT_EQ(book.ActivePageIndex(), -1);
  EXPECT_EQ(book.Width(), 150);
  EXPECT_EQ(book.Height(), 150);
}

TEST_F(Notebook, PagesJoinInOrderAndStartHidden) {
  ASSERT_EQ(Book->PageCount(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Book->Pages(i), Page[static_cast<size_t>(i)]);
    EXPECT_EQ(Page[static_cast<size_t>(i)]->PageIndex(), i);
    EXPECT_FALSE(Page[static_cast<size_t>(i)]->Visible());
    EXPECT_EQ(Page[static_cast<size_t>(i)]->Parent(), Book);
  }
}

TEST_F(Notebook, ActivePageShowsOnlyThatPageAndFiresChange) {
  Book->SetActivePage(Page[0]);
  Book->SetActivePage(Page[2]);
  EXPECT_TRUE(Page[2]->Visible());
  EXPECT_FALSE(Page[0]->Visible());
  EXPECT_EQ(Book->ActivePageIndex(), 2);
  ASSERT_EQ(Changes.size(), 2u);
  EXPECT_EQ(Changes[1], Page[2]);
}

TEST_F(Notebook, ChangeHandlerSeesTheNewStateComplete) {
  Book->SetActivePage(Page[0]);
  Book->OnChange = [this](TComponent*) {
    EXPECT_EQ(Book->ActivePage(), Page[1]);
    EXPECT_EQ(Book->ActivePageIndex(), 1);
    EXPECT_TRUE(Page[1]->Visible());
    EXPECT_FALSE(Page[0]->Visible());
    Changes.push_back(Page[1]);
  };
  Book->SetActivePage(Page[1]);
  EXPECT_EQ(Changes.size(), 2u);
}

TEST_F(Notebook, SettingTheActivePageAgainFiresNoChange) {
  Book->SetActivePage(Page[3]);
  Book->SetActivePage(Page[3]);
  EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(Notebook, PageOfAnotherNotebookIsIgnored) {
  TExNotebook other(&Form);
  auto* stranger = new TExNotebookPage(&Form);
  stranger->SetNotebook(&other);
  Book->SetActivePage(Page[1]);
  Book->SetActivePage(stranger);
  EXPECT_EQ(Book->ActivePage(), Page[1]);
  EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(Notebook, ActivePageIndexOutOfRangeIsIgnored) {
  Book->SetActivePageIndex(4);
  Book->SetActivePageIndex(6);
  Book->SetActivePageIndex(-1);
  EXPECT_EQ(Book->ActivePage(), Page[4]);
  EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(Notebook, SelectNextPageDoesNotWrap) {
  Book->SetActivePageIndex(5);
  Book->SelectNextPage(true);
  EXPECT_EQ(Book->ActivePageIndex(), 5);
  Book->SetActivePageIndex(0);
  Book->SelectNextPage(false);
  EXPECT_EQ(Book->ActivePageIndex(), 0);
  Book->SelectNextPage(true);
  EXPECT_EQ(Book->ActivePageIndex(), 1);
}

TEST_F(Notebook, FindNextPageWrapsAround) {
  EXPECT_EQ(Book->FindNextPage(Page[5], true), Page[0]);
  EXPECT_EQ(Book->FindNextPage(Page[0], false), Page[5]);
  EXPECT_EQ(Book->FindNextPage(Page[2], true), Page[3]);
}

TEST_F(Notebook, FindNextPageFromNoneGivesFirstOrLast) {
  EXPECT_EQ(Book->FindNextPage(nullptr, true), Page[0]);
  EXPECT_EQ(Book->FindNextPage(nullptr, false), Page[5]);
}

TEST_F(Notebook, FindNextPageWithoutPagesIsNone) {
  TExNotebook empty(nullptr);
  EXPECT_EQ(empty.FindNextPage(nullptr, true), nullptr);
  EXPECT_EQ(empty.FindNextPage(nullptr, false), nullptr);
}

TEST_F(Notebook, PageIndexIsClampedWhenMoved) {
  Page[2]->SetPageIndex(99);
  EXPECT_EQ(Page[2]->PageIndex(), 5);
  EXPECT_EQ(Book->Pages(5), Page[2]);
  Page[4]->SetPageIndex(-5);
  EXPECT_EQ(Page[4]->PageIndex(), 0);
}

TEST_F(Notebook, PageWithoutNotebookHasIndexMinusOne) {
  TExNotebookPage loose(nullptr);
  loose.SetPageIndex(3);
  EXPECT_EQ(loose.PageIndex(), -1);
}

TEST_F(Notebook, MovingAPageToAnotherNotebookAppendsIt) {
  TExNotebook other(&Form);
  other.SetParent(&Form);
  Book->SetActivePage(Page[1]);
  Page[1]->SetNotebook(&other);
  EXPECT_EQ(Book->PageCount(), 5);
  EXPECT_EQ(Book->ActivePage(), nullptr);
  EXPECT_EQ(other.PageCount(), 1);
  EXPECT_EQ(Page[1]->Parent(), &other);
  EXPECT_EQ(Page[1]->Notebook(), &other);
}

TEST_F(Notebook, PlacingAPageOnANotebookJoinsIt) {
  auto* page = new TExNotebookPage(&Form);
  page->SetParent(Book);
  EXPECT_EQ(page->Notebook(), Book);
  EXPECT_EQ(page->PageIndex(), 6);
}

TEST_F(Notebook, DestroyingTheActivePageLeavesNoActivePage) {
  Book->SetActivePage(Page[2]);
  delete Page[2];
  EXPECT_EQ(Book->ActivePage(), nullptr);
  EXPECT_EQ(Book->ActivePageIndex(), -1);
  EXPECT_EQ(Book->PageCount(), 5);
  Book->SetActivePage(Page[3]);
  EXPECT_TRUE(Page[3]->Visible());
  EXPECT_EQ(Book->ActivePageIndex(), 2);
}

TEST_F(Notebook, DestroyingTheNotebookReleasesItsPages) {
  delete Book;
  EXPECT_EQ(Page[0]->Notebook(), nullptr);
  EXPECT_EQ(Page[0]->PageIndex(), -1);
}

TEST_F(Notebook, GetChildrenListsPagesInPageOrder) {
  Page[0]->SetPageIndex(5);
  std::vector<TComponent*> listed;
  Book->GetChildren([&](TComponent* c) { listed.push_back(c); }, &Form);
  ASSERT_EQ(listed.size(), 6u);
  EXPECT_EQ(listed[0], Page[1]);
  EXPECT_EQ(listed[5], Page[0]);
}

TEST_F(Notebook, LoadingAssignsPagesWithoutChange) {
  Book->SetLoading(true);
  Book->SetActivePageIndex(4);
  Book->SetLoading(false);
  EXPECT_EQ(Book->ActivePage(), Page[4]);
  EXPECT_TRUE(Changes.empty());
}

TEST_F(Notebook, PagesFillTheNotebookEvenWhileHidden) {
  Form.Show();
  Book->SetActivePage(Page[0]);
  EXPECT_EQ(Page[0]->Width(), 630);
  EXPECT_EQ(Page[0]->Height(), 334);
  EXPECT_EQ(Page[5]->Width(), 630);
  EXPECT_EQ(Page[5]->Height(), 334);
}

TEST_F(Notebook, NotebookWindowClipsItsChildren) {
  Form.Show();
  EXPECT_NE(::GetWindowLongPtrW(Book->Handle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
}

TEST_F(Notebook, FocusOnAHiddenPageMovesToTheFirstControlOfTheNewPage) {
  TButton* first = ButtonOn(Page[0]);
  TButton* second = ButtonOn(Page[1]);
  Book->SetActivePage(Page[0]);
  Form.Show();
  first->SetFocus();
  ASSERT_TRUE(first->Focused());
  Book->SetActivePage(Page[1]);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(Form.ActiveControl(), second);
}

TEST_F(Notebook, FocusMovesToTheNotebookWhenTheNewPageCannotTakeIt) {
  TButton* first = ButtonOn(Page[0]);
  Page[1]->SetEnabled(false);
  Book->SetActivePage(Page[0]);
  Form.Show();
  first->SetFocus();
  Book->SetActivePage(Page[1]);
  EXPECT_EQ(Form.ActiveControl(), Book);
  EXPECT_TRUE(Book->Focused());
}

TEST_F(Notebook, ShowingAControlOnAHiddenPageActivatesThatPage) {
  TButton* onThird = ButtonOn(Page[3]);
  Book->SetActivePage(Page[0]);
  Form.Show();
  onThird->SetFocus();
  EXPECT_EQ(Book->ActivePage(), Page[3]);
  EXPECT_TRUE(onThird->Focused());
}

TEST_F(Notebook, PageTakesItsOwnersSizeAndHasNoBevel) {
  TForm owner(nullptr);
  owner.SetBounds(0, 0, 300, 200);
  TExNotebookPage page(&owner);
  EXPECT_EQ(page.Width(), 300);
  EXPECT_EQ(page.Height(), 200);
  EXPECT_EQ(page.BevelOuter(), TBevelCut::bvNone);
  EXPECT_EQ(page.Align(), TAlign::alClient);
  EXPECT_EQ(page.Caption(), L"");
}

TEST_F(Notebook, DesignedPageShowsADashedFrameAndItsName) {
  Page[0]->SetDesigning(true);
  Book->SetActivePage(Page[0]);
  Form.Show();
  TBitmap shot(630, 334);
  Page[0]->PaintTo(shot.Canvas().Handle(), 0, 0);
  EXPECT_EQ(shot.Pixel(1, 0), clBlack);
  const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
  int greyPixels = 0;
  for (int y = 334 - 14; y < 334 - 1; ++y)
    for (int x = 2; x < 60; ++x)
      greyPixels += shot.Pixel(x, y) == RgbColor(GetRValue(grey), GetGValue(grey), GetBValue(grey));
  EXPECT_GT(greyPixels, 5);
}

TEST_F(Notebook, PageAtRunTimePaintsOnlyItsColour) {
  Page[0]->SetColor(clWhite);
  Book->SetActivePage(Page[0]);
  Form.Show();
  TBitmap shot(630, 334);
  shot.Canvas().Brush().SetColor(clRed);
  shot.Canvas().FillRect(RECT{0, 0, 630, 334});
  Page[0]->PaintTo(shot.Canvas().Handle(), 0, 0);
  EXPECT_EQ(shot.Pixel(0, 0), clWhite);
  EXPECT_EQ(shot.Pixel(629, 333), clWhite);
}
