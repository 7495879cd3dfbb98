#include "shellviews/ShellTreeView.h"

#include <algorithm>
#include <vector>

#include "core/Format.h"
#include "core/StringList.h"

namespace {

struct TSpecialRoot {
  const wchar_t* Name;
  int Csidl;
};
constexpr TSpecialRoot kSpecialRoots[] = {
    {L"rfDesktop", CSIDL_DESKTOP},
    {L"rfMyComputer", CSIDL_DRIVES},
    {L"rfNetwork", CSIDL_NETWORK},
    {L"rfPersonal", CSIDL_PERSONAL},
};

TItemIdList RootItem(const String& root) {
  for (const TSpecialRoot& special : kSpecialRoots) {
    if (SameTextAscii(root, special.Name)) return SpecialFolderItem(special.Csidl);
  }
  return ParseDisplayName(root);
}

// The shows the wait cursor while it lives.
class TWaitCursor {
 public:
  TWaitCursor() : FPrevious(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
  ~TWaitCursor() { ::SetCursor(FPrevious); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  HCURSOR FPrevious;
};

// item, its parent, ... up to the desktop, top first.
std::vector<TItemIdList> AncestorChain(const TItemIdList& item) {
  std::vector<TItemIdList> chain;
  chain.push_back(item.Clone());
  while (chain.back() && !chain.back().IsDesktop()) chain.push_back(chain.back().Parent());
  std::reverse(chain.begin(), chain.end());
  return chain;
}

constexpr SFGAOF kFolder = SFGAO_FOLDER;
constexpr SFGAOF kFileStream = SFGAO_STREAM;

}  // namespace

TShellTreeView::TShellTreeView(TComponent* owner) : TWinControl(owner) {
  static const bool initialized = [] {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_TREEVIEW_CLASSES};
    return ::InitCommonControlsEx(&init) != FALSE;
  }();
  (void)initialized;
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TShellTreeView::~TShellTreeView() {
  BeginDestroy();
  DestroyHandle();
  FNodes.clear();
}

void TShellTreeView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = WC_TREEVIEWW;
  params.Style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS;
  if (!FReadOnly) params.Style |= TVS_EDITLABELS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TShellTreeView::CreateWnd() {
  FNodes.clear();
  TWinControl::CreateWnd();
  TreeView_SetImageList(Handle(), SystemSmallImageList(), TVSIL_NORMAL);
  ApplySettings();
  BuildRoot();
}

void TShellTreeView::DestroyWnd() {
  FRestoring = true;  // the items go with the window; no selection events meanwhile
  TreeView_DeleteAllItems(Handle());
  FRestoring = false;
  FNodes.clear();
  TWinControl::DestroyWnd();
}

void TShellTreeView::ApplySettings() {
  if (!HandleAllocated()) return;
  TreeView_SetIndent(Handle(), FIndent);
  if (FItemHeight > 0) TreeView_SetItemHeight(Handle(), FItemHeight);
}

void TShellTreeView::SetIndent(int value) {
  FIndent = value;
  ApplySettings();
}

void TShellTreeView::SetItemHeight(int value) {
  FItemHeight = value;
  ApplySettings();
}

void TShellTreeView::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (!HandleAllocated()) return;
  const LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
  ::SetWindowLongPtrW(Handle(), GWL_STYLE,
                      value ? style & ~TVS_EDITLABELS : style | TVS_EDITLABELS);
}

void TShellTreeView::SetRoot(const String& value) {
  if (SameTextAscii(value, FRoot)) return;
  if (!RootItem(value)) throw EShellTreeError(Format(L"Error setting root: \"%s\"", {value}));
  FRoot = value;
  if (!HandleAllocated()) return;
  FRestoring = true;
  TreeView_DeleteAllItems(Handle());
  FRestoring = false;
  BuildRoot();
}

void TShellTreeView::BuildRoot() {
  TItemIdList root = RootItem(FRoot);
  if (!root) root = SpecialFolderItem(CSIDL_DESKTOP);
  HTREEITEM node = AddNode(TVI_ROOT, std::move(root), true);
  Expand(node);
  Select(node);
}

TShellTreeView::TNode* TShellTreeView::NodeOf(HTREEITEM node) const {
  if (node == nullptr || !HandleAllocated()) return nullptr;
  TVITEMW item{};
  item.mask = TVIF_PARAM | TVIF_HANDLE;
  item.hItem = node;
  if (!TreeView_GetItem(HandleIfAllocated(), &item)) return nullptr;
  auto* record = reinterpret_cast<const TNode*>(item.lParam);
  const auto found = FNodes.find(record);
  return found == FNodes.end() ? nullptr : found->second.get();
}

HTREEITEM TShellTreeView::AddNode(HTREEITEM parent, TItemIdList item, bool hasChildren) {
  auto record = std::make_unique<TNode>();
  record->Item = std::move(item);
  String text = DisplayName(record->Item);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM;
  insert.item.pszText = text.data();
  insert.item.iImage = SystemIconIndex(record->Item, false);
  insert.item.iSelectedImage = SystemIconIndex(record->Item, true);
  insert.item.cChildren = hasChildren ? 1 : 0;
  insert.item.lParam = reinterpret_cast<LPARAM>(record.get());
  const TNode* key = record.get();
  FNodes.emplace(key, std::move(record));
  HTREEITEM node = TreeView_InsertItem(Handle(), &insert);
  if (node == nullptr) FNodes.erase(key);
  return node;
}

void TShellTreeView::ListChildren(HTREEITEM node) {
  TNode* record = NodeOf(node);
  if (record == nullptr || record->Listed) return;
  record->Listed = true;
  if (!record->Folder) record->Folder = BindToFolder(record->Item);
  IShellFolder* folder = record->Folder.Get();
  TComPtr<IEnumIDList> items;
  if (folder == nullptr ||
      folder->EnumObjects(Handle(), SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN, items.Out()) != S_OK ||
      !items) {
    TVITEMW none{TVIF_CHILDREN | TVIF_HANDLE, node};
    TreeView_SetItem(Handle(), &none);
    return;
  }
  struct TChild {
    TItemIdList Item;
    bool HasChildren;
  };
  std::vector<TChild> children;
  for (;;) {
    TItemIdList child;  // relative to the folder: one item
    ULONG fetched = 0;
    if (items->Next(1, reinterpret_cast<PITEMID_CHILD*>(child.Out()), &fetched) != S_OK ||
        fetched == 0)
      break;
    PCUITEMID_CHILD relative = reinterpret_cast<PCUITEMID_CHILD>(child.Get());
    SFGAOF attributes = kFolder | kFileStream | SFGAO_HASSUBFOLDER;
    if (FAILED(folder->GetAttributesOf(1, &relative, &attributes))) continue;
    if ((attributes & kFolder) == 0 || (attributes & kFileStream) != 0) continue;
    // Each child goes in at its place in the folder's own order: a binary insertion makes as
    // few comparisons as a general sort, with much less code.
    TChild entry{record->Item.Append(relative), (attributes & SFGAO_HASSUBFOLDER) != 0};
    const auto place = std::upper_bound(
        children.begin(), children.end(), entry, [folder](const TChild& a, const TChild& b) {
          const HRESULT order = folder->CompareIDs(0, a.Item.Last(), b.Item.Last());
          return SUCCEEDED(order) && static_cast<short>(HRESULT_CODE(order)) < 0;
        });
    children.insert(place, std::move(entry));
  }
  for (TChild& child : children) AddNode(node, std::move(child.Item), child.HasChildren);
  if (children.empty()) {
    TVITEMW none{TVIF_CHILDREN | TVIF_HANDLE, node};
    TreeView_SetItem(Handle(), &none);
  }
}

void TShellTreeView::DeleteChildren(HTREEITEM node) {
  HTREEITEM child = TreeView_GetChild(Handle(), node);
  while (child != nullptr) {
    HTREEITEM next = TreeView_GetNextSibling(Handle(), child);
    TreeView_DeleteItem(Handle(), child);
    child = next;
  }
  if (TNode* record = NodeOf(node)) record->Listed = false;
}

void TShellTreeView::Expand(HTREEITEM node) {
  ListChildren(node);
  TreeView_Expand(Handle(), node, TVE_EXPAND);
}

bool TShellTreeView::IsExpanded(HTREEITEM node) const {
  return (TreeView_GetItemState(HandleIfAllocated(), node, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

HTREEITEM TShellTreeView::TopItem() const {
  return TreeView_GetFirstVisible(HandleIfAllocated());
}

HTREEITEM TShellTreeView::Selected() const {
  return HandleAllocated() ? TreeView_GetSelection(HandleIfAllocated()) : nullptr;
}

String TShellTreeView::NodePath(HTREEITEM node) const {
  const TNode* record = NodeOf(node);
  return record != nullptr ? ParsingName(record->Item) : String();
}

String TShellTreeView::Path() const {
  return NodePath(Selected());
}

HTREEITEM TShellTreeView::ChildOf(HTREEITEM parent, const TItemIdList& item) const {
  for (HTREEITEM child = TreeView_GetChild(HandleIfAllocated(), parent); child != nullptr;
       child = TreeView_GetNextSibling(HandleIfAllocated(), child)) {
    const TNode* record = NodeOf(child);
    if (record != nullptr && SameItem(record->Item, item)) return child;
  }
  return nullptr;
}

HTREEITEM TShellTreeView::Locate(const TItemIdList& target, bool expand) {
  HTREEITEM node = TreeView_GetRoot(Handle());
  const TNode* root = NodeOf(node);
  if (root == nullptr || !target) return nullptr;
  const std::vector<TItemIdList> chain = AncestorChain(target);
  auto level = std::find_if(chain.begin(), chain.end(),
                            [root](const TItemIdList& item) { return SameItem(root->Item, item); });
  if (level == chain.end()) return nullptr;
  for (++level; level != chain.end(); ++level) {
    if (expand) Expand(node);
    HTREEITEM child = ChildOf(node, *level);
    if (child == nullptr && expand) {
      // The folder may have appeared since the parent was listed.
      RefreshFolder(node);
      Expand(node);
      child = ChildOf(node, *level);
    }
    if (child == nullptr) return nullptr;
    node = child;
  }
  return node;
}

HTREEITEM TShellTreeView::FindNode(const String& path) const {
  const TItemIdList target = ParseDisplayName(path);
  return const_cast<TShellTreeView*>(this)->Locate(target, false);
}

void TShellTreeView::SetPath(const String& value) {
  const TItemIdList target = ParseDisplayName(value);
  HTREEITEM node = target ? Locate(target, true) : nullptr;
  if (node == nullptr) throw EShellTreeError(Format(L"Error setting path: \"%s\"", {value}));
  if (node != Selected()) Select(node);
}

void TShellTreeView::Select(HTREEITEM node) {
  TreeView_SelectItem(Handle(), node);
  TreeView_EnsureVisible(Handle(), node);
}

void TShellTreeView::CollectExpanded(HTREEITEM node, std::vector<TItemIdList>& expanded) const {
  for (HTREEITEM child = TreeView_GetChild(HandleIfAllocated(), node); child != nullptr;
       child = TreeView_GetNextSibling(HandleIfAllocated(), child)) {
    const TNode* record = NodeOf(child);
    if (record == nullptr || !IsExpanded(child)) continue;
    expanded.push_back(record->Item.Clone());
    CollectExpanded(child, expanded);
  }
}

void TShellTreeView::RefreshFolder(HTREEITEM node) {
  TNode* record = NodeOf(node);
  if (record == nullptr) return;
  TWaitCursor wait;
  const TNode* selected = NodeOf(Selected());
  const TNode* top = NodeOf(TopItem());
  const TItemIdList selectedItem = selected != nullptr ? selected->Item.Clone() : TItemIdList();
  const TItemIdList topItem = top != nullptr ? top->Item.Clone() : TItemIdList();
  const String selectedPath = Path();
  const bool wasExpanded = IsExpanded(node);
  std::vector<TItemIdList> expanded;
  CollectExpanded(node, expanded);

  FRestoring = true;
  ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  DeleteChildren(node);
  record->Folder.Reset();  // a fresh view of the folder
  TVITEMW children{TVIF_CHILDREN | TVIF_HANDLE, node};
  children.cChildren = 1;
  TreeView_SetItem(Handle(), &children);
  if (wasExpanded) Expand(node);
  for (const TItemIdList& item : expanded) {
    if (HTREEITEM again = Locate(item, false)) Expand(again);
  }
  HTREEITEM selectAgain = selectedItem ? Locate(selectedItem, false) : nullptr;
  Select(selectAgain != nullptr ? selectAgain : node);
  if (HTREEITEM topAgain = topItem ? Locate(topItem, false) : nullptr)
    TreeView_Select(Handle(), topAgain, TVGN_FIRSTVISIBLE);
  ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  FRestoring = false;
  if (Path() != selectedPath && OnChange) OnChange(this);
}

void TShellTreeView::SelectAtCursor() {
  POINT p;
  ::GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  TVHITTESTINFO hit{};
  hit.pt = p;
  HTREEITEM node = TreeView_HitTest(Handle(), &hit);
  if (node != nullptr && (hit.flags & TVHT_ONITEM) != 0) TreeView_SelectItem(Handle(), node);
}

bool TShellTreeView::RenameNode(const NMTVDISPINFOW& info) {
  TNode* record = NodeOf(info.item.hItem);
  if (info.item.pszText == nullptr || record == nullptr || record->Item.IsDesktop()) return false;
  const TItemIdList parentItem = record->Item.Parent();
  TComPtr<IShellFolder> parent = BindToFolder(parentItem);
  if (!parent) return false;
  TItemIdList renamed;  // relative: one item
  if (FAILED(parent->SetNameOf(Handle(), record->Item.Last(), info.item.pszText, SHGDN_INFOLDER,
                               reinterpret_cast<PITEMID_CHILD*>(renamed.Out()))) ||
      !renamed)
    return false;
  record->Item = parentItem.Append(reinterpret_cast<PCUITEMID_CHILD>(renamed.Get()));
  record->Folder.Reset();
  DeleteChildren(info.item.hItem);
  if (OnChange && info.item.hItem == Selected()) OnChange(this);
  return true;
}

bool TShellTreeView::Notify(const NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: {
      const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
      if ((change.action & TVE_EXPAND) != 0) ListChildren(change.itemNew.hItem);
      result = FALSE;
      return true;
    }
    case TVN_DELETEITEMW: {
      const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
      FNodes.erase(reinterpret_cast<const TNode*>(change.itemOld.lParam));
      return true;
    }
    case TVN_SELCHANGEDW:
      if (!FRestoring && OnChange) OnChange(this);
      return true;
    case TVN_BEGINLABELEDITW:
      result = FReadOnly ? TRUE : FALSE;
      return true;
    case TVN_ENDLABELEDITW:
      result = RenameNode(reinterpret_cast<const NMTVDISPINFOW&>(header)) ? TRUE : FALSE;
      return true;
    case NM_RCLICK:
      SelectAtCursor();
      return false;
    default:
      return false;
  }
}
