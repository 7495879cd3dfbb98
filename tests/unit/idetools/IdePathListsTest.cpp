// The path list rules: merging, splitting, comparing and finding folders.
#include "CatalogueTestSupport.h"
#include "idetools/IdePathLists.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

using PathLists = CatalogueTest;

}  // namespace

TEST(PathListMerge, AppendsOnlyWhatIsMissing) {
  const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
      {L"", L"C:\\Q", L";C:\\Q"},                // an empty list has one empty item
      {L"A;B", L"C:\\Q", L"A;B;C:\\Q"},          //
      {L"A;C:\\Q", L"c:\\q", L"A;C:\\Q"},        // letter case does not count
      {L"A", L"C:\\Q;C:\\Q", L"A;C:\\Q"},        // an item appended before counts too
      {L"A;;B", L"C", L"A;;B;C"},                // empty items stay
      {L"A;", L"B", L"A;;B"},                    // a trailing separator is an empty item
      {L"C:\\Q", L"C:\\Q\\", L"C:\\Q;C:\\Q\\"},  // a trailing backslash counts
      {L"$(BDS)\\lib", L"$(bds)\\LIB", L"$(BDS)\\lib"},
  };
  for (const auto& [current, items, expected] : cases)
    EXPECT_EQ(MergePathList(current, items), expected) << current << " + " << items;
}

TEST(PathListSplit, KeepsEmptyItems) {
  TStringList list;
  TIdeBorRADToolInstallation::ExtractPaths(L";A;;B;", list);
  EXPECT_EQ(list.Items(), (std::vector<String>{L"", L"A", L"", L"B", L""}));
  TIdeBorRADToolInstallation::ExtractPaths(L"", list);
  EXPECT_EQ(list.Items(), std::vector<String>{L""});
}

TEST_F(PathLists, SamePathTextComparesLongFormsIgnoringCase) {
  FFolder.Write(L"Long Folder Name\\file.txt", std::string("x"));
  const String folder = FFolder / L"Long Folder Name";
  EXPECT_TRUE(SamePathText(folder, folder));
  EXPECT_TRUE(SamePathText(folder, FFolder / L"long folder name"));
  EXPECT_FALSE(SamePathText(folder, folder + L"\\"));
  EXPECT_FALSE(SamePathText(L"$(BDS)\\lib", L"C:\\X\\lib"));
}

#ifdef _WIN32
// The platform's locale folds letters beyond ASCII (the native stand-in does not).
TEST_F(PathLists, LetterCaseBeyondAsciiIsIgnored) {
  EXPECT_TRUE(SamePathText(L"C:\\Missing\\\u00C9t\u00E9", L"c:\\missing\\\u00E9T\u00C9"));
}

TEST_F(PathLists, ShortFormNamesTheSameFolderAsItsLongForm) {
  FFolder.Write(L"Long Folder Name\\file.txt", std::string("x"));
  const String folder = FFolder / L"Long Folder Name";
  const String shortForm = platform::ShortPathName(folder);
  if (shortForm == folder) GTEST_SKIP() << "the file system keeps no short names";
  EXPECT_TRUE(SamePathText(shortForm, folder));
}

TEST_F(PathLists, ShellNamespaceTextIsResolvedByTheShell) {
  FFolder.Write(L"Shell\\file.txt", std::string("x"));
  const String folder = FFolder / L"Shell";
  // The desktop's parsing name of the computer, followed by a file system path below it.
  const String shellText = L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\" + folder;
  if (ShellNamespacePath(shellText).empty())
    GTEST_SKIP() << "the shell does not resolve the computer's name space here";
  EXPECT_TRUE(SamePathText(shellText, folder));
}
#endif

TEST_F(PathLists, FindFolderInPathSubstitutesEntriesAndIgnoresOneTrailingBackslash) {
  auto ide =
      Make<TIdeDelphiInstallation>(L"\\SOFTWARE\\Borland\\Delphi\\7.0", {{L"RootDir", L"C:\\X"}});
  TStringList list;
  TIdeBorRADToolInstallation::ExtractPaths(L"A;$(DELPHI)\\lib\\;C:\\X\\lib", list);
  EXPECT_EQ(ide->FindFolderInPath(L"C:\\X\\LIB\\", list), 1);
  EXPECT_EQ(ide->FindFolderInPath(L"$(DELPHI)\\lib", list), -1);
  EXPECT_EQ(ide->FindFolderInPath(L"C:\\Y", list), -1);
}
