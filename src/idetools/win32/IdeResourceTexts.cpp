// Reads string resources of the IDE's core package and its language module as data files.
#include <windows.h>

#include <memory>
#include <optional>

#include "idetools/IdeFileNames.h"
#include "idetools/IdeResourceTexts.h"
#include "idetools/IdeTypes.h"
#include "platform/Files.h"

namespace {

struct TModuleDeleter {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using TModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, TModuleDeleter>;

TModule LoadDataModule(const String& fileName) {
  return TModule(LoadLibraryExW(fileName.c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

struct TStringSearch {
  const String* Text;
  std::optional<UINT> Id;
};

// Resource enumeration callback: looks through one string-table block (16 strings, each
// preceded by its length) for the searched text; returning FALSE stops the enumeration.
BOOL CALLBACK SearchStringBlock(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param) {
  auto* search = reinterpret_cast<TStringSearch*>(param);
  if (!IS_INTRESOURCE(name)) return TRUE;
  const HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(6));
  const HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const auto* p = data ? static_cast<const WCHAR*>(LockResource(data)) : nullptr;
  const DWORD size = info ? SizeofResource(module, info) / sizeof(WCHAR) : 0;
  if (!p) return TRUE;
  const UINT block = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)) - 1;
  DWORD at = 0;
  for (UINT i = 0; i < 16 && at < size; ++i) {
    const DWORD length = p[at++];
    if (at + length > size) return TRUE;
    if (length == search->Text->size() && search->Text->compare(0, length, p + at, length) == 0) {
      search->Id = block * 16 + i;
      return FALSE;
    }
    at += length;
  }
  return TRUE;
}

// The identifier of the first string resource whose text is text.
std::optional<UINT> FindStringId(HMODULE module, const String& text) {
  TStringSearch search{&text, std::nullopt};
  EnumResourceNamesW(module, MAKEINTRESOURCEW(6),  // RT_STRING
                     SearchStringBlock, reinterpret_cast<LONG_PTR>(&search));
  return search.Id;
}

String LoadStringText(HMODULE module, UINT id) {
  const WCHAR* text = nullptr;
  const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 && text ? String(text, static_cast<size_t>(length)) : String();
}

String LanguageModuleOf(const String& corePackage) {
  WCHAR abbreviation[16] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, abbreviation, 16) <= 0)
    return String();
  const String three = abbreviation;
  for (const String& ext : {three, three.substr(0, 2)}) {
    const String candidate = ChangeFileExt(corePackage, L"." + ext);
    if (!ext.empty() && platform::FileExists(candidate)) return candidate;
  }
  return String();
}

}  // namespace

TIdeResourceTexts::TIdeResourceTexts(const String& RootDir, int IDEVersionNumber) {
  const TIdeBDSVersionInfo* info = BDSVersionInfo(IDEVersionNumber);
  if (info && *info->CoreIdeSuffix)
    FCorePackage = RootDir + L"\\Bin\\coreide" + info->CoreIdeSuffix + L".bpl";
}

String TIdeResourceTexts::Text(const String& English) const {
  if (FCorePackage.empty() || !platform::FileExists(FCorePackage)) return English;
  const String languageModule = LanguageModuleOf(FCorePackage);
  if (languageModule.empty()) return English;
  const TModule core = LoadDataModule(FCorePackage);
  const std::optional<UINT> id = core ? FindStringId(core.get(), English) : std::nullopt;
  if (!id) return English;
  const TModule language = LoadDataModule(languageModule);
  const String text = language ? LoadStringText(language.get(), *id) : String();
  return text.empty() ? English : text;
}
