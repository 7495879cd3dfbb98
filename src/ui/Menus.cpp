#include "ui/Menus.h"

#include <algorithm>
#include <unordered_map>

#include "core/Format.h"
#include "ui/Forms.h"

namespace {

// Command numbers of the live items. WM_COMMAND carries 16 bits, so numbers are reused.
std::unordered_map<UINT, TMenuItem*>& Commands() {
  static std::unordered_map<UINT, TMenuItem*> commands;
  return commands;
}

UINT RegisterCommand(TMenuItem* item) {
  static UINT next = 0;
  auto& commands = Commands();
  if (commands.size() >= 0xFFFF) throw EInvalidOperation(L"Too many menu items");
  do {
    next = next % 0xFFFF + 1;
  } while (commands.count(next) != 0);
  commands[next] = item;
  return next;
}

struct TKeyName {
  WORD Key;
  const wchar_t* Name;
};

constexpr TKeyName KeyNames[] = {
    {VK_BACK, L"BkSp"},   {VK_TAB, L"Tab"},    {VK_RETURN, L"Enter"}, {VK_ESCAPE, L"Esc"},
    {VK_SPACE, L"Space"}, {VK_PRIOR, L"PgUp"}, {VK_NEXT, L"PgDn"},    {VK_END, L"End"},
    {VK_HOME, L"Home"},   {VK_LEFT, L"Left"},  {VK_UP, L"Up"},        {VK_RIGHT, L"Right"},
    {VK_DOWN, L"Down"},   {VK_INSERT, L"Ins"}, {VK_DELETE, L"Del"},
};

String KeyText(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return String(1, wchar_t(key));
  if (key >= VK_F1 && key <= VK_F24) return L"F" + IntToStr(key - VK_F1 + 1);
  for (const TKeyName& name : KeyNames) {
    if (name.Key == key) return name.Name;
  }
  return String();
}

// The platform's menu font, bold for a default item.
void AssignMenuFont(TFont& font, bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font.SetName(metrics.lfMenuFont.lfFaceName);
    font.SetHeight(metrics.lfMenuFont.lfHeight);
  }
  font.SetStyle(bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

constexpr int LineHeight = 5;
constexpr int TextMargin = 6;
constexpr int ShortCutGap = 20;

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  TShortCut result = key & 0xFF;
  if (shift.Contains(TShiftStateMember::ssShift)) result |= scShift;
  if (shift.Contains(TShiftStateMember::ssCtrl)) result |= scCtrl;
  if (shift.Contains(TShiftStateMember::ssAlt)) result |= scAlt;
  return result;
}

String ShortCutToText(TShortCut shortCut) {
  const String key = KeyText(shortCut & 0xFF);
  if (key.empty()) return String();
  String text;
  if ((shortCut & scShift) != 0) text += L"Shift+";
  if ((shortCut & scCtrl) != 0) text += L"Ctrl+";
  if ((shortCut & scAlt) != 0) text += L"Alt+";
  return text + key;
}

String StripHotkey(const String& caption) {
  String text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      if (i + 1 >= caption.size() || caption[i + 1] != L'&') continue;
      ++i;  // "&&" stands for one "&"
    }
    text += caption[i];
  }
  return text;
}

wchar_t AcceleratorOf(const String& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

TOwnerDrawState OwnerDrawState(UINT itemState) {
  using M = TOwnerDrawStateMember;
  constexpr std::pair<UINT, M> bits[] = {
      {ODS_SELECTED, M::odSelected}, {ODS_GRAYED, M::odGrayed},
      {ODS_DISABLED, M::odDisabled}, {ODS_CHECKED, M::odChecked},
      {ODS_FOCUS, M::odFocused},     {ODS_DEFAULT, M::odDefault},
      {ODS_HOTLIGHT, M::odHotLight}, {ODS_INACTIVE, M::odInactive},
      {ODS_NOACCEL, M::odNoAccel},   {ODS_NOFOCUSRECT, M::odNoFocusRect}};
  TOwnerDrawState state;
  for (const auto& [bit, member] : bits) {
    if ((itemState & bit) != 0) state.Include(member);
  }
  return state;
}

// TMenuItem --------------------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(RegisterCommand(this)) {}

TMenuItem::~TMenuItem() {
  BeginDestroy();
  Commands().erase(FCommand);
  for (TMenuItem* item : FItems) item->FParent = nullptr;
  FItems.clear();
  if (FParent != nullptr) FParent->Remove(this);
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
  auto it = Commands().find(command);
  return it == Commands().end() ? nullptr : it->second;
}

void TMenuItem::SetCaption(const String& value) {
  if (value == FCaption) return;
  FCaption = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == FShortCut) return;
  FShortCut = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  Changed();
}

void TMenuItem::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  Changed();
}

void TMenuItem::SetSubMenuImages(TImageList* value) {
  if (value == FSubMenuImages) return;
  if (FSubMenuImages != nullptr) RemoveFreeNotification(FSubMenuImages);
  FSubMenuImages = value;
  if (value != nullptr) FreeNotification(value);
  Changed();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FSubMenuImages) {
    FSubMenuImages = nullptr;
    Changed();
  }
}

TImageList* TMenuItem::ImageList() const {
  if (FParent != nullptr && FParent->FSubMenuImages != nullptr) return FParent->FSubMenuImages;
  TMenu* menu = GetParentMenu();
  return menu != nullptr ? menu->Images() : nullptr;
}

bool TMenuItem::HasImage() const {
  TImageList* images = ImageList();
  return images != nullptr && FImageIndex >= 0 && FImageIndex < images->Count();
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr || item == this) throw EInvalidOperation(L"Cannot insert this menu item");
  for (const TMenuItem* p = this; p != nullptr; p = p->FParent) {
    if (p == item) throw EInvalidOperation(L"A menu item cannot be inserted inside itself");
  }
  if (item->FParent != nullptr) item->FParent->Remove(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
  Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TComponent* TMenuItem::ParentComponent() const {
  if (FParent == nullptr) return nullptr;
  if (FParent->FMenu != nullptr) return FParent->FMenu;
  return FParent;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParent != nullptr) root = root->FParent;
  return root->FMenu;
}

bool TMenuItem::OnBar() const {
  return FParent != nullptr && FParent->FMenu != nullptr && FParent->FMenu->IsBar();
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
  if (!FEnabled || !FVisible || shortCut == 0) return nullptr;
  if (FShortCut == shortCut && FMenu == nullptr) return this;
  for (TMenuItem* item : FItems) {
    if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

void TMenuItem::Changed() {
  if (Destroying()) return;
  TMenu* menu = GetParentMenu();
  if (menu != nullptr && !menu->Destroying()) menu->RebuildHandle();
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (ownerDraw) info.fType |= MFT_OWNERDRAW;
  String text = FCaption;
  if (FShortCut != 0 && !OnBar()) text += L"\t" + ShortCutToText(FShortCut);
  if (!ownerDraw && !IsLine()) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  if (FChecked) info.fState |= MFS_CHECKED;
  if (!FEnabled) info.fState |= MFS_DISABLED;
  if (FDefault) info.fState |= MFS_DEFAULT;
  info.wID = FCommand;
  info.dwItemData = FCommand;
  if (!FItems.empty()) {
    HMENU sub = ::CreatePopupMenu();
    for (TMenuItem* item : FItems) {
      if (item->FVisible) item->AppendTo(sub, ownerDraw);
    }
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = sub;
  }
  if (!::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info))
    throw EWindowError(L"Cannot add the menu item '" + FCaption + L"'");
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  AssignMenuFont(canvas.Font(), FDefault);
  TImageList* images = HasImage() ? ImageList() : nullptr;
  if (IsLine()) {
    width = 0;
    height = LineHeight;
  } else if (OnBar()) {
    width = canvas.TextWidth(StripHotkey(FCaption)) + 2 * TextMargin;
    if (images != nullptr) width += images->Width() + TextMargin;
    height = ::GetSystemMetrics(SM_CYMENU);
  } else {
    const int iconColumn = std::max(16, images != nullptr ? images->Width() : 0) + 8;
    width = iconColumn + canvas.TextWidth(StripHotkey(FCaption)) + 2 * TextMargin;
    if (FShortCut != 0) width += ShortCutGap + canvas.TextWidth(ShortCutToText(FShortCut));
    height = std::max(canvas.TextHeight(L"H") + 6, images != nullptr ? images->Height() + 4 : 0);
  }
  if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
  if (OnDrawItem)
    OnDrawItem(this, canvas, rect, state);
  else
    DefaultDraw(canvas, rect, state);
}

// The toolkit's own look of an owner-drawn item, in the system's menu colours.
void TMenuItem::DefaultDraw(TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
  using M = TOwnerDrawStateMember;
  const bool highlighted = state.Contains(M::odSelected) || state.Contains(M::odHotLight);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(highlighted ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    RECT line{rect.left + TextMargin, (rect.top + rect.bottom) / 2, rect.right,
              (rect.top + rect.bottom) / 2 + 2};
    ::DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TImageList* images = HasImage() ? ImageList() : nullptr;
  RECT text = rect;
  if (!OnBar() || images != nullptr) {
    const int column = OnBar() ? images->Width() + TextMargin
                               : std::max(16, images != nullptr ? images->Width() : 0) + 8;
    RECT icon{rect.left, rect.top, rect.left + column, rect.bottom};
    text.left = icon.right;
    if (images != nullptr) {
      images->Draw(canvas, icon.left + (column - images->Width()) / 2,
                   icon.top + (icon.bottom - icon.top - images->Height()) / 2, FImageIndex);
    } else if (FChecked) {
      ::DrawFrameControl(canvas.Handle(), &icon, DFC_MENU, DFCS_MENUCHECK);
    }
  }
  AssignMenuFont(canvas.Font(), FDefault || state.Contains(M::odDefault));
  canvas.Font().SetColor(!FEnabled ? clGrayText : highlighted ? clHighlightText : clMenuText);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  ::InflateRect(&text, -TextMargin, 0);
  UINT format = DT_SINGLELINE | DT_VCENTER | (OnBar() ? DT_CENTER : DT_LEFT);
  if (state.Contains(M::odNoAccel)) format |= DT_HIDEPREFIX;
  canvas.DrawText(FCaption, text, format);
  if (FShortCut != 0 && !OnBar())
    canvas.DrawText(ShortCutToText(FShortCut), text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

// TMenu ------------------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner, bool bar)
    : TComponent(owner), FItems(new TMenuItem(this)), FBar(bar) {
  FItems->FMenu = this;
}

TMenu::~TMenu() {
  BeginDestroy();
}

void TMenu::SetImages(TImageList* value) {
  if (value == FImages) return;
  if (FImages != nullptr) RemoveFreeNotification(FImages);
  FImages = value;
  if (value != nullptr) FreeNotification(value);
  RebuildHandle();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) {
    FImages = nullptr;
    if (!Destroying()) RebuildHandle();
  }
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == FOwnerDraw) return;
  FOwnerDraw = value;
  RebuildHandle();
}

HMENU TMenu::Handle() {
  if (!FHandle) {
    FHandle.Reset(FBar ? ::CreateMenu() : ::CreatePopupMenu());
    if (!FHandle) throw EWindowError(L"Cannot create a menu");
    RebuildHandle();
  }
  return FHandle.Get();
}

void TMenu::RebuildHandle() {
  if (!FHandle) return;
  HMENU menu = FHandle.Get();
  while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
  for (TMenuItem* item : FItems->FItems) {
    if (item->Visible()) item->AppendTo(menu, IsOwnerDraw());
  }
  MenuChanged();
}

// TMainMenu --------------------------------------------------------------------------------------

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner, true) {}

TMainMenu::~TMainMenu() {
  if (FForm != nullptr) FForm->SetMenu(nullptr);
}

HWND TMainMenu::WindowHandle() const {
  return FForm != nullptr ? FForm->HandleIfAllocated() : nullptr;
}

void TMainMenu::MenuChanged() {
  if (HWND window = WindowHandle()) ::DrawMenuBar(window);
}

// TPopupMenu -------------------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner, false) {}

HWND TPopupMenu::WindowHandle() const {
  for (TComponent* c = Owner(); c != nullptr; c = c->Owner()) {
    if (auto* control = dynamic_cast<TControl*>(c)) {
      if (TForm* form = GetParentForm(control); form != nullptr && form->HandleAllocated())
        return form->HandleIfAllocated();
    }
  }
  TForm* active = Screen().ActiveForm();
  return active != nullptr ? active->HandleIfAllocated() : nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  HWND window = WindowHandle();
  if (window == nullptr) throw EInvalidOperation(L"A pop-up menu needs a form to show it");
  if (OnPopup) OnPopup(this);
  const UINT command = static_cast<UINT>(
      ::TrackPopupMenuEx(Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                         x, y, window, nullptr));
  if (TMenuItem* item = command != 0 ? TMenuItem::FindCommand(command) : nullptr) item->Click();
}

namespace {

wchar_t UpperCase(wchar_t c) {
  ::CharUpperBuffW(&c, 1);
  return c;
}

// Owner-drawn items have no text the platform could search for their accelerator: WM_MENUCHAR
// asks the owner, who finds the item by its caption.
LRESULT MenuCharResult(wchar_t key, HMENU menu) {
  const wchar_t upper = UpperCase(key);
  const int count = ::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_FTYPE;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) ||
        (info.fType & MFT_OWNERDRAW) == 0)
      continue;
    TMenuItem* item = TMenuItem::FindCommand(static_cast<UINT>(info.dwItemData));
    if (item == nullptr || !item->Enabled()) continue;
    const wchar_t letter = AcceleratorOf(item->Caption());
    if (letter != 0 && UpperCase(letter) == upper) return MAKELRESULT(position, MNC_EXECUTE);
  }
  return MAKELRESULT(0, MNC_IGNORE);
}

}  // namespace

// Message routing --------------------------------------------------------------------------------

bool HandleMenuMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
      if (message.LParam != 0 || HIWORD(message.WParam) != 0) return false;
      if (TMenuItem* item = TMenuItem::FindCommand(LOWORD(message.WParam))) {
        item->Click();
        return true;
      }
      return false;
    case WM_MENUCHAR:
      message.Result = MenuCharResult(static_cast<wchar_t>(LOWORD(message.WParam)),
                                      reinterpret_cast<HMENU>(message.LParam));
      return HIWORD(message.Result) != MNC_IGNORE;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (measure->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FindCommand(static_cast<UINT>(measure->itemData));
      if (item == nullptr) return false;
      TCanvas canvas;
      int width = static_cast<int>(measure->itemWidth);
      int height = static_cast<int>(measure->itemHeight);
      item->MeasureItem(canvas, width, height);
      measure->itemWidth = static_cast<UINT>(std::max(0, width));
      measure->itemHeight = static_cast<UINT>(std::max(0, height));
      message.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (draw->CtlType != ODT_MENU) return false;
      TMenuItem* item = TMenuItem::FindCommand(static_cast<UINT>(draw->itemData));
      if (item == nullptr) return false;
      TSavedDC saved(draw->hDC);
      TCanvas canvas;
      AssignMenuFont(canvas.Font(), false);
      canvas.SetHandle(draw->hDC);
      item->DrawItem(canvas, draw->rcItem, OwnerDrawState(draw->itemState));
      canvas.SetHandle(nullptr);
      message.Result = TRUE;
      return true;
    }
    default:
      return false;
  }
}
