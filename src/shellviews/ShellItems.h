// Owners and helpers for the Windows shell namespace, as the shell folder views use it.
//   - TComApartment initialises COM on the calling thread for its life (balanced with
//     CoUninitialize when it succeeded).
//   - TComPtr<T> owns one reference to a COM interface; TItemIdList owns one item ID list
//     (allocated by the shell, freed with CoTaskMemFree). Both are move-only: a moved-from or
//     default-constructed owner holds nothing and releases nothing.
//   - The helpers return empty owners (or empty text) when the shell refuses; nothing here raises.
// Windows only.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <utility>

#include "core/String.h"

class TComApartment {
 public:
  TComApartment();
  ~TComApartment();
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;

 private:
  bool FInitialized;
};

template <typename T>
class TComPtr {
 public:
  TComPtr() = default;
  ~TComPtr() { Reset(); }
  TComPtr(TComPtr&& other) noexcept : FPointer(std::exchange(other.FPointer, nullptr)) {}
  TComPtr& operator=(TComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      FPointer = std::exchange(other.FPointer, nullptr);
    }
    return *this;
  }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;

  T* Get() const { return FPointer; }
  T* operator->() const { return FPointer; }
  explicit operator bool() const { return FPointer != nullptr; }
  // For calls that hand out a new reference; releases what was held first.
  T** Out() {
    Reset();
    return &FPointer;
  }
  void Reset() {
    if (FPointer != nullptr) FPointer->Release();
    FPointer = nullptr;
  }

 private:
  T* FPointer = nullptr;
};

class TItemIdList {
 public:
  TItemIdList() = default;
  // Takes ownership of list (which the shell allocated).
  explicit TItemIdList(PIDLIST_ABSOLUTE list) : FList(list) {}
  ~TItemIdList() { ::CoTaskMemFree(FList); }
  TItemIdList(TItemIdList&& other) noexcept : FList(std::exchange(other.FList, nullptr)) {}
  TItemIdList& operator=(TItemIdList&& other) noexcept {
    if (this != &other) {
      ::CoTaskMemFree(FList);
      FList = std::exchange(other.FList, nullptr);
    }
    return *this;
  }
  TItemIdList(const TItemIdList&) = delete;
  TItemIdList& operator=(const TItemIdList&) = delete;

  PCIDLIST_ABSOLUTE Get() const { return FList; }
  explicit operator bool() const { return FList != nullptr; }
  // For calls that hand out a new list; frees what was held first.
  PIDLIST_ABSOLUTE* Out();
  // The desktop (the top of the namespace) has an empty list.
  bool IsDesktop() const { return FList != nullptr && ILIsEmpty(FList); }
  TItemIdList Clone() const;
  // This list with one child item appended.
  TItemIdList Append(PCUITEMID_CHILD child) const;
  // This list without its last item (the desktop stays the desktop).
  TItemIdList Parent() const;
  // The last item of the list (the list itself for the desktop).
  PCUITEMID_CHILD Last() const { return ILFindLastID(FList); }

 private:
  PIDLIST_ABSOLUTE FList = nullptr;
};

// The desktop folder, the top of the namespace.
TComPtr<IShellFolder> DesktopFolder();
// The folder of an absolute item ID list (the desktop folder for the desktop).
TComPtr<IShellFolder> BindToFolder(const TItemIdList& item);
// The absolute item ID list of a parsing name (a path); empty when the shell cannot parse it.
TItemIdList ParseDisplayName(const String& path);
// The absolute item ID list of a special folder by its CSIDL.
TItemIdList SpecialFolderItem(int csidl);
// Whether two absolute lists name the same item.
bool SameItem(const TItemIdList& a, const TItemIdList& b);
// Whether ancestor is item itself or one of its ancestors.
bool IsAncestorOrSelf(const TItemIdList& ancestor, const TItemIdList& item);
// The item's name as the shell shows it, and its parsing name (the full path of a file-system
// item). The desktop's parsing name is its class identifier, "::{00021400-...}", since the top of
// the namespace is no folder of the file system.
String DisplayName(const TItemIdList& item);
String ParsingName(const TItemIdList& item);
// Index in the system's small image list of the item's icon (normal or open).
int SystemIconIndex(const TItemIdList& item, bool open);
// The system's small image list (shared; never destroyed by the program).
HIMAGELIST SystemSmallImageList();
