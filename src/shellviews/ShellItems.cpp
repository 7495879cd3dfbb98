#include "shellviews/ShellItems.h"

#include <shellapi.h>
#include <shlwapi.h>

TComApartment::TComApartment()
    : FInitialized(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

TComApartment::~TComApartment() {
  if (FInitialized) ::CoUninitialize();
}

PIDLIST_ABSOLUTE* TItemIdList::Out() {
  ::CoTaskMemFree(FList);
  FList = nullptr;
  return &FList;
}

TItemIdList TItemIdList::Clone() const {
  return TItemIdList(FList != nullptr ? ILClone(FList) : nullptr);
}

TItemIdList TItemIdList::Append(PCUITEMID_CHILD child) const {
  return TItemIdList(ILCombine(FList, child));
}

TItemIdList TItemIdList::Parent() const {
  TItemIdList parent = Clone();
  if (parent) ILRemoveLastID(reinterpret_cast<PUIDLIST_RELATIVE>(parent.FList));
  return parent;
}

TComPtr<IShellFolder> DesktopFolder() {
  TComPtr<IShellFolder> desktop;
  if (FAILED(::SHGetDesktopFolder(desktop.Out()))) desktop.Reset();
  return desktop;
}

TComPtr<IShellFolder> BindToFolder(const TItemIdList& item) {
  TComPtr<IShellFolder> desktop = DesktopFolder();
  if (!desktop || !item || item.IsDesktop()) return desktop;
  TComPtr<IShellFolder> folder;
  if (FAILED(desktop->BindToObject(item.Get(), nullptr, IID_IShellFolder,
                                   reinterpret_cast<void**>(folder.Out()))))
    folder.Reset();
  return folder;
}

TItemIdList ParseDisplayName(const String& path) {
  TItemIdList item;
  TComPtr<IShellFolder> desktop = DesktopFolder();
  if (!desktop || path.empty()) return item;
  String name = path;  // the call may write into the name it is given
  ULONG eaten = 0;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, name.data(), &eaten,
                                       reinterpret_cast<PIDLIST_RELATIVE*>(item.Out()), nullptr)))
    *item.Out() = nullptr;
  return item;
}

TItemIdList SpecialFolderItem(int csidl) {
  TItemIdList item;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, item.Out()))) *item.Out() = nullptr;
  return item;
}

bool SameItem(const TItemIdList& a, const TItemIdList& b) {
  if (!a || !b) return false;
  TComPtr<IShellFolder> desktop = DesktopFolder();
  if (!desktop) return false;
  const HRESULT order = desktop->CompareIDs(0, a.Get(), b.Get());
  return SUCCEEDED(order) && static_cast<short>(HRESULT_CODE(order)) == 0;
}

bool IsAncestorOrSelf(const TItemIdList& ancestor, const TItemIdList& item) {
  if (!ancestor || !item) return false;
  if (ancestor.IsDesktop()) return true;
  for (TItemIdList probe = item.Clone(); probe && !probe.IsDesktop(); probe = probe.Parent()) {
    if (SameItem(ancestor, probe)) return true;
  }
  return false;
}

namespace {

String NameOf(const TItemIdList& item, SHGDNF flags) {
  if (!item) return String();
  TComPtr<IShellFolder> desktop = DesktopFolder();
  if (!desktop) return String();
  STRRET name{};
  if (FAILED(desktop->GetDisplayNameOf(item.Get(), flags, &name))) return String();
  wchar_t* text = nullptr;
  if (FAILED(::StrRetToStrW(&name, reinterpret_cast<PCUITEMID_CHILD>(item.Get()), &text)) ||
      text == nullptr)
    return String();
  String result(text);
  ::CoTaskMemFree(text);
  return result;
}

}  // namespace

String DisplayName(const TItemIdList& item) {
  return NameOf(item, SHGDN_NORMAL);
}

String ParsingName(const TItemIdList& item) {
  if (item.IsDesktop()) return L"::{00021400-0000-0000-C000-000000000046}";
  return NameOf(item, SHGDN_FORPARSING);
}

int SystemIconIndex(const TItemIdList& item, bool open) {
  SHFILEINFOW info{};
  UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
  if (open) flags |= SHGFI_OPENICON;
  if (::SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item.Get()), 0, &info, sizeof(info), flags) == 0)
    return 0;
  return info.iIcon;
}

HIMAGELIST SystemSmallImageList() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}
