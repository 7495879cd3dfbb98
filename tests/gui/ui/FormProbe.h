// Helpers of the window tests (toolkit and skin): placing a control on a form, adding menu items,
// a sample menu bar, and sending a form the owner-draw messages the platform sends for a menu item.
// Windows only.
#pragma once

#include "ui/Forms.h"
#include "ui/Menus.h"

// A control owned by form, placed on parent at the given bounds.
template <typename C>
C* PlaceOn(TForm& form, TWinControl* parent, int left, int top, int width, int height) {
  auto* control = new C(&form);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// An item owned by owner, with that caption, added under parent.
inline TMenuItem* AddMenuItem(TComponent& owner, TMenuItem* parent, const String& caption) {
  auto* item = new TMenuItem(&owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// A menu bar "&Arquivo" (Novo, separator, Salvar Ctrl+S) and "A&juda", owned by a form; test
// fixtures derive from it to name its items.
struct TSampleMenuBar {
  void BuildMenuBar(TForm& form) {
    Bar = new TMainMenu(&form);
    File = AddMenuItem(form, Bar->Items(), L"&Arquivo");
    New = AddMenuItem(form, File, L"&Novo");
    Line = AddMenuItem(form, File, L"-");
    Save = AddMenuItem(form, File, L"&Salvar");
    Save->SetShortCut(ShortCut('S', TShiftState{TShiftStateMember::ssCtrl}));
    Help = AddMenuItem(form, Bar->Items(), L"A&juda");
  }
  TMainMenu* Bar = nullptr;
  TMenuItem* File = nullptr;
  TMenuItem* New = nullptr;
  TMenuItem* Line = nullptr;
  TMenuItem* Save = nullptr;
  TMenuItem* Help = nullptr;
};

// The WM_DRAWITEM the platform would send form for item, drawing into bitmap at rect.
inline void SendDrawItem(TForm& form, TMenuItem* item, TBitmap& bitmap, const RECT& rect,
                         UINT itemState) {
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = item->Command();
  draw.itemState = itemState;
  draw.hDC = bitmap.Canvas().Handle();
  draw.rcItem = rect;
  draw.itemData = item->Command();
  ::SendMessageW(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

// The size form's WM_MEASUREITEM gives item.
inline SIZE SendMeasureItem(TForm& form, TMenuItem* item) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = item->Command();
  measure.itemData = item->Command();
  ::SendMessageW(form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  return SIZE{static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
}
