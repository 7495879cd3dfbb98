// Menus: the menu bar of a form (TMainMenu, shown through TForm::SetMenu) and pop-up menus
// (TPopupMenu), both trees of TMenuItem, over the platform's HMENU.
//
// Items. An item has a caption ("&" marks the accelerator, "-" makes a separator), a shortcut
// shown right of the caption (pressing it on the menu bar's form clicks the item), check,
// enabled, visible and default (drawn bold) states, and a picture from an image list: the
// parent item's SubMenuImages when set, else the menu's Images. Items are owned like any
// component (normally by the form); a parent item only lists its sub-items: destroying it
// detaches them without destroying them, and destroying an item takes it out of its parent. An
// image list destroyed first is forgotten by the menus and items that use it.
//
// Platform menu. The menu's HMENU is made on first use and rebuilt whenever an item changes, so
// it always mirrors the tree. Each item has a command number of its own; WM_COMMAND of a menu
// reaching any toolkit window clicks the item with that number.
//
// Owner drawing. A menu with OwnerDraw, or with an image list, is drawn by the toolkit: each
// item is measured (WM_MEASUREITEM) with a proposed size that OnMeasureItem may change, and
// drawn (WM_DRAWITEM) by OnDrawItem with the item's state (selected, hot, disabled, checked,
// default) on a canvas that carries the platform's menu font, or else by the toolkit's own
// drawing in the system colours. The messages reach the
// window the menu belongs to; any toolkit window routes them to the item. Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "ui/Controls.h"
#include "ui/Gdi.h"
#include "ui/Graphics.h"
#include "ui/ImgList.h"

class TMenu;
class TMenuItem;

// A key with modifiers: the virtual key in the low byte, scShift/scCtrl/scAlt above it.
using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShiftState shift);
// "Ctrl+S", "Shift+F5", "Del"; empty for no shortcut (0).
String ShortCutToText(TShortCut shortCut);
// The caption without its "&" accelerator marks ("&&" stands for one "&").
String StripHotkey(const String& caption);
// The letter after the caption's accelerator mark, or 0 when it has none.
wchar_t AcceleratorOf(const String& caption);

enum class TOwnerDrawStateMember {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect
};
using TOwnerDrawState = TSet<TOwnerDrawStateMember>;
// The state of a WM_DRAWITEM's itemState bits.
TOwnerDrawState OwnerDrawState(UINT itemState);

using TMenuMeasureItemEvent =
    std::function<void(TComponent* sender, TCanvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent = std::function<void(TComponent* sender, TCanvas& canvas, const RECT& rect,
                                              TOwnerDrawState state)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& value);
  // A caption of "-" makes the item a separator line.
  bool IsLine() const { return FCaption == L"-"; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  // The menu's default item, drawn bold (at most one per sub-menu by convention).
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  // Index into the image list that serves this item; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  // The image list of this item's sub-items (instead of the menu's).
  TImageList* SubMenuImages() const { return FSubMenuImages; }
  void SetSubMenuImages(TImageList* value);
  // The image list that holds this item's picture, or null.
  TImageList* ImageList() const;
  bool HasImage() const;

  // The sub-items.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return FParent; }
  // The item's parent as the system sees it: the parent item, or the menu for a top-level item.
  TComponent* ParentComponent() const;
  // The menu the item belongs to (through its parents), or null.
  TMenu* GetParentMenu() const;
  // The number WM_COMMAND carries for this item.
  UINT Command() const { return FCommand; }
  // The item with that command number, or null.
  static TMenuItem* FindCommand(UINT command);
  // The enabled, visible item at or under this one whose shortcut that is; null if none.
  TMenuItem* FindShortCut(TShortCut shortCut);

  // Fires OnClick (a checked-on-click toggle is the handler's business).
  virtual void Click();
  // The toolkit's measuring and drawing of the item (owner-drawn menus): the proposed size,
  // then OnMeasureItem; OnDrawItem, or the toolkit's own drawing.
  void MeasureItem(TCanvas& canvas, int& width, int& height);
  void DrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state);

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;
  bool OnBar() const;
  void Changed();
  void DefaultDraw(TCanvas& canvas, const RECT& rect, TOwnerDrawState state);
  void AppendTo(HMENU menu, bool ownerDraw);

  String FCaption;
  TShortCut FShortCut = 0;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  int FImageIndex = -1;
  TImageList* FSubMenuImages = nullptr;
  UINT FCommand;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on the root item of a menu only
  std::vector<TMenuItem*> FItems;
};

// The owner of a platform menu handle; destroying a menu destroys its sub-menus.
struct TDestroyMenuTraits {
  using Handle = HMENU;
  static void Release(HMENU h) { DestroyMenu(h); }
};
using TMenuHandle = TGdiHandle<TDestroyMenuTraits>;

class TMenu : public TComponent {
 public:
  ~TMenu() override;
  // The top-level items live under this root item (owned by the menu).
  TMenuItem* Items() const { return FItems; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* value);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value);
  // Drawn by the toolkit: OwnerDraw, or an image list set.
  bool IsOwnerDraw() const { return FOwnerDraw || FImages != nullptr; }
  // The platform menu, made on first use.
  HMENU Handle();
  bool HandleAllocated() const { return static_cast<bool>(FHandle); }
  // The window the menu belongs to (a form for a menu bar), or null.
  virtual HWND WindowHandle() const = 0;
  // Rebuilds the platform menu after a change of its items.
  void RebuildHandle();
  // A menu bar (TMainMenu), not a pop-up menu.
  bool IsBar() const { return FBar; }

 protected:
  TMenu(TComponent* owner, bool bar);
  virtual void MenuChanged() {}
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TMenuItem* FItems;  // owned (the menu is its owner)
  TImageList* FImages = nullptr;
  bool FOwnerDraw = false;
  bool FBar;
  TMenuHandle FHandle;
};

// Routes a menu's WM_COMMAND, WM_MEASUREITEM or WM_DRAWITEM to its item, and answers
// WM_MENUCHAR with the owner-drawn item of that accelerator; true when handled.
bool HandleMenuMessage(TMessage& message);

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  // The form whose menu bar this is (set by TForm::SetMenu), or null.
  TForm* Form() const { return FForm; }
  HWND WindowHandle() const override;

 protected:
  void MenuChanged() override;

 private:
  friend class TForm;
  TForm* FForm = nullptr;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  // Shows the menu at screen point (x, y) and waits until it closes; the chosen item, if any,
  // is clicked. The menu belongs to the form that owns it (through the owner chain), else to
  // the active form; raises EInvalidOperation when there is none.
  void Popup(int x, int y);
  HWND WindowHandle() const override;
  TNotifyEvent OnPopup;
};
