// TShellTreeView: a tree of the folders of the Windows shell namespace (SysTreeView32), filled
// from IShellFolder/IEnumIDList as nodes are expanded, with the shell's icons from the system
// image list. Folders only, hidden ones included; there are no lines or buttons at the root
// level, the selection stays visible without the focus and a right click selects.
//   - Root: "rfDesktop" (the top of the namespace), another special folder ("rfMyComputer",
//     "rfNetwork", "rfPersonal") or a path. Setting it rebuilds the tree with the root as its only
//     top node, expanded and selected; setting the same root again (any letter case) does nothing.
//     A path the shell cannot parse raises EShellTreeError "Error setting root: "%s"".
//   - Path: the parsing name of the selected folder (the full path of a file-system folder; see
//     ShellItems.h for the desktop), empty when nothing is selected. Setting it expands the
//     ancestors and selects the folder, which fires OnChange; selecting the selected folder does
//     nothing. An ancestor listed before the folder existed is read again from the shell. A path
//     the shell cannot parse, or that does not lie under the root, raises EShellTreeError "Error
//     setting path: "%s"".
//   - RefreshFolder re-reads a node's children from the shell under the wait cursor, keeping the
//     expanded nodes below it, the selection and the topmost visible row.
// The tree owns one node record per item (its item ID list and, once bound, its shell folder),
// freed as the item leaves the tree. COM is initialised for the tree's life. Windows only.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <unordered_map>

#include "shellviews/ShellItems.h"
#include "ui/Controls.h"

class EShellTreeError : public Exception {
 public:
  using Exception::Exception;
};

class TShellTreeView : public TWinControl {
 public:
  explicit TShellTreeView(TComponent* owner);
  ~TShellTreeView() override;

  const String& Root() const { return FRoot; }
  void SetRoot(const String& value);
  String Path() const;
  void SetPath(const String& value);

  // The selected node, or null.
  HTREEITEM Selected() const;
  // The parsing name of a node's folder.
  String NodePath(HTREEITEM node) const;
  // The node of a folder that is in the tree now (nothing is expanded to find it), or null.
  HTREEITEM FindNode(const String& path) const;
  bool IsExpanded(HTREEITEM node) const;
  void Expand(HTREEITEM node);
  // The first visible row.
  HTREEITEM TopItem() const;
  // Re-reads the children of node (a node without a shell folder is left alone).
  void RefreshFolder(HTREEITEM node);
  // How many node records the tree holds (one per item in the tree).
  size_t NodeCount() const { return FNodes.size(); }

  int Indent() const { return FIndent; }
  void SetIndent(int value);
  // Row height in pixels; 0 or less keeps the tree's own height.
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int value);
  // Folder names cannot be edited in place when true.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);

  // The selection changed (not fired while a refresh restores it).
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  bool Notify(const NMHDR& header, LRESULT& result) override;

 private:
  struct TNode {
    TItemIdList Item;
    TComPtr<IShellFolder> Folder;  // bound on first listing
    bool Listed = false;
  };

  TNode* NodeOf(HTREEITEM node) const;
  HTREEITEM AddNode(HTREEITEM parent, TItemIdList item, bool hasChildren);
  void BuildRoot();
  void ListChildren(HTREEITEM node);
  void DeleteChildren(HTREEITEM node);
  // Walks from the root down to target; with expand, lists and expands the ancestors on the way.
  HTREEITEM Locate(const TItemIdList& target, bool expand);
  HTREEITEM ChildOf(HTREEITEM parent, const TItemIdList& item) const;
  void CollectExpanded(HTREEITEM node, std::vector<TItemIdList>& expanded) const;
  void Select(HTREEITEM node);
  void SelectAtCursor();
  bool RenameNode(const NMTVDISPINFOW& info);
  void ApplySettings();

  TComApartment FApartment;
  String FRoot = L"rfDesktop";
  int FIndent = 19;
  int FItemHeight = 0;
  bool FReadOnly = true;
  bool FRestoring = false;  // a refresh is putting the tree back: no OnChange
  std::unordered_map<const TNode*, std::unique_ptr<TNode>> FNodes;
};
