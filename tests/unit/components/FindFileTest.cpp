// TQoFindFile: masks and their order, the attribute rule, the folder walk, the result limit,
// Abort, the events and the points where messages are processed. Natively the attributes that
// the file stand-in cannot hold are forced through the platform layer; under Wine read-only,
// hidden and system are set on the files themselves and only the states Wine's file system
// cannot take (compressed, temporary, encrypted) are forced.
#include <gtest/gtest.h>

#include <algorithm>

#include "components/QoFindFile.h"
#include "platform/Application.h"
#include "platform/Faults.h"
#include "platform/Files.h"
#include "support/TestSupport.h"

namespace {

using testing_support::ScratchFolder;

constexpr uint32_t kCompressed = 0x800;
constexpr uint32_t kTemporary = 0x100;
constexpr uint32_t kEncrypted = 0x4000;

class FindFile : public ::testing::Test {
 protected:
  FindFile() { Finder.SetInitialDir(Root()); }
  ~FindFile() override {
    platform::ClearFaults();
    Application().OnIdleProcess = nullptr;
  }

  // The scratch folder without its trailing backslash.
  String Root() const { return Scratch.Path().substr(0, Scratch.Path().size() - 1); }

  String Add(const String& relative) {
    const String path = Root() + L"\\" + relative;
    platform::ForceDirectories(path.substr(0, path.rfind(L'\\')));
    platform::WriteFileBytes(path, {'x'});
    return path;
  }

  String AddFolder(const String& relative) {
    const String path = Root() + L"\\" + relative;
    platform::ForceDirectories(path);
    return path;
  }

  // Gives the entry read-only, hidden or system the way the platform can.
  static void SetAttribute(const String& path, uint32_t attribute) {
#ifdef _WIN32
    const uint32_t before = platform::FileAttributes(path).value_or(0) & ~platform::faNormal;
    ASSERT_TRUE(platform::SetFileAttributes(path, before | attribute));
    ASSERT_EQ(platform::FileAttributes(path).value_or(0) & attribute, attribute);
#else
    if (attribute == platform::faReadOnly)
      ASSERT_TRUE(platform::SetFileAttributes(path, attribute));
    else
      platform::ForceFoundAttributes(path, attribute);
#endif
  }

  std::vector<String> Results() {
    return Finder.Files().Items();
  }

  static std::vector<String> Sorted(std::vector<String> names) {
    std::sort(names.begin(), names.end());
    return names;
  }

  ScratchFolder Scratch;
  TQoFindFile Finder{nullptr};
};

TEST(FindFileDefaults, AllOptionsNoLimitNoMasks) {
  TQoFindFile finder(nullptr);
  EXPECT_EQ(finder.Options(),
            (TQoFindOptions{TQoFindOption::foIncludePath, TQoFindOption::foRecursiveDir,
                            TQoFindOption::foReadOnlyFiles, TQoFindOption::foHiddenFiles,
                            TQoFindOption::foSysFiles}));
  EXPECT_EQ(finder.MaxFiles(), 0);
  EXPECT_EQ(finder.FileToSearch(), L"");
  EXPECT_EQ(finder.InitialDir(), L"");
  EXPECT_EQ(finder.Files().Count(), 0);
}

TEST(FindFileDefaults, AttributeMaskAddsTheAttributeOptionsToArchiveNormalNotIndexed) {
  TQoFindFile finder(nullptr);
  EXPECT_EQ(finder.AttributeMask(), 0x20A7u);
  finder.SetOptions({});
  EXPECT_EQ(finder.AttributeMask(), 0x20A0u);
  finder.SetOptions({TQoFindOption::foHiddenFiles});
  EXPECT_EQ(finder.AttributeMask(), 0x20A2u);
  finder.SetOptions({TQoFindOption::foIncludePath, TQoFindOption::foSysFiles});
  EXPECT_EQ(finder.AttributeMask(), 0x20A4u);
}

TEST(FindFileDefaults, InitialDirLosesOneTrailingBackslash) {
  TQoFindFile finder(nullptr);
  finder.SetInitialDir(L"C:\\Quorvane\\QRVComps\\D26\\");
  EXPECT_EQ(finder.InitialDir(), L"C:\\Quorvane\\QRVComps\\D26");
  finder.SetInitialDir(L"C:\\");
  EXPECT_EQ(finder.InitialDir(), L"C:");
  finder.SetInitialDir(L"C:\\\\");
  EXPECT_EQ(finder.InitialDir(), L"C:\\");
}

TEST_F(FindFile, BareNamesOfOneFolderWithoutRecursion) {
  Add(L"UnitA.dcr");
  Add(L"UnitB.dcr");
  Add(L"UnitA.pas");
  Add(L"sub\\UnitC.dcr");
  Finder.SetOptions({TQoFindOption::foReadOnlyFiles});
  Finder.SetFileToSearch(L"*.dcr");
  EXPECT_TRUE(Finder.Execute());
  EXPECT_EQ(Sorted(Results()), (std::vector<String>{L"UnitA.dcr", L"UnitB.dcr"}));
}

TEST_F(FindFile, IncludePathPutsTheFolderBeforeTheName) {
  Add(L"UnitA.dcr");
  Finder.SetOptions({TQoFindOption::foIncludePath});
  Finder.SetFileToSearch(L"*.dcr");
  Finder.Execute();
  EXPECT_EQ(Results(), (std::vector<String>{Root() + L"\\UnitA.dcr"}));
}

TEST_F(FindFile, MasksAreSplitAtSemicolonsTrimmedAndSearchedInOrder) {
  Add(L"a.dfm");
  Add(L"b.pas");
  Add(L"c.dfm");
  Add(L"d.pas");
  Add(L"e.txt");
  Finder.SetOptions({});
  Finder.SetFileToSearch(L"  *.pas ;  *.dfm ; ");
  Finder.Execute();
  const std::vector<String> results = Results();
  ASSERT_EQ(results.size(), 4u);
  EXPECT_EQ(Sorted({results[0], results[1]}), (std::vector<String>{L"b.pas", L"d.pas"}));
  EXPECT_EQ(Sorted({results[2], results[3]}), (std::vector<String>{L"a.dfm", L"c.dfm"}));
}

TEST_F(FindFile, FileMatchingTwoMasksIsListedTwice) {
  Add(L"UnitA.pas");
  Finder.SetOptions({});
  Finder.SetFileToSearch(L"*.pas;Unit*");
  Finder.Execute();
  EXPECT_EQ(Results(), (std::vector<String>{L"UnitA.pas", L"UnitA.pas"}));
}

TEST_F(FindFile, FolderWhoseNameMatchesTheMaskIsNoResult) {
  AddFolder(L"Folder.dcr");
  Add(L"UnitA.dcr");
  Finder.SetFileToSearch(L"*.dcr");
  Finder.SetOptions(
      {TQoFindOption::foReadOnlyFiles, TQoFindOption::foHiddenFiles, TQoFindOption::foSysFiles});
  Finder.Execute();
  EXPECT_EQ(Results(), (std::vector<String>{L"UnitA.dcr"}));
}

TEST_F(FindFile, CompressedTemporaryOrEncryptedFileIsNoResult) {
  platform::ForceFoundAttributes(Add(L"Compressed.dcr"), kCompressed);
  platform::ForceFoundAttributes(Add(L"Temporary.dcr"), kTemporary);
  platform::ForceFoundAttributes(Add(L"Encrypted.dcr"), kEncrypted);
  Add(L"Plain.dcr");
  Finder.SetFileToSearch(L"*.dcr");
  Finder.Execute();
  EXPECT_EQ(Results(), (std::vector<String>{Root() + L"\\Plain.dcr"}));
}

TEST_F(FindFile, ReadOnlyHiddenAndSystemFilesNeedTheirOptions) {
  SetAttribute(Add(L"ReadOnly.dcr"), platform::faReadOnly);
  SetAttribute(Add(L"Hidden.dcr"), platform::faHidden);
  SetAttribute(Add(L"System.dcr"), platform::faSysFile);
  Add(L"Plain.dcr");
  Finder.SetFileToSearch(L"*.dcr");

  Finder.SetOptions({});
  Finder.Execute();
  EXPECT_EQ(Results(), (std::vector<String>{L"Plain.dcr"}));

  Finder.SetOptions({TQoFindOption::foReadOnlyFiles});
  Finder.Execute();
  EXPECT_EQ(Sorted(Results()), (std::vector<String>{L"Plain.dcr", L"ReadOnly.dcr"}));

  Finder.SetOptions({TQoFindOption::foHiddenFiles});
  Finder.Execute();
  EXPECT_EQ(Sorted(Results()), (std::vector<String>{L"Hidden.dcr", L"Plain.dcr"}));

  Finder.SetOptions({TQoFindOption::foSysFiles});
  Finder.Execute();
  EXPECT_EQ(Sorted(Results()), (std::vector<String>{L"Plain.dcr", L"System.dcr"}));

  Finder.SetOptions(
      {TQoFindOption::foReadOnlyFiles, TQoFindOption::foHiddenFiles, TQoFindOption::foSysFiles});
  Finder.Execute();
  EXPECT_EQ(Sorted(Results()),
            (std::vector<String>{L"Hidden.dcr", L"Plain.dcr", L"ReadOnly.dcr", L"System.dcr"}));
}

TEST_F(FindFile, FolderIsSearchedBeforeItsSubfoldersDepthFirst) {
  Add(L"root.pas");
  Add(L"a\\a.pas");
  Add(L"a\\deep\\deep.pas");
  Add(L"b\\b.pas");
  Finder.SetOptions({TQoFindOption::foRecursiveDir});
  Finder.SetFileToSearch(L"*.pas");
  Finder.Execute();
  const std::vector<String> results = Results();
  ASSERT_EQ(results.size(), 4u);
  EXPECT_EQ(results[0], L"root.pas");
  // "a" and "b" come in the file system's order; "deep" follows "a" at once.
  const auto at = [&](const wchar_t* name) {
    return std::find(results.begin(), results.end(), name) - results.begin();
  };
  EXPECT_EQ(at(L"deep.pas"), at(L"a.pas") + 1);
  EXPECT_TRUE(at(L"b.pas") == 1 || at(L"b.pas") == 3);
}

TEST_F(FindFile, HiddenFolderIsSearchedOnlyWithHiddenFiles) {
  const String hidden = AddFolder(L"secret");
  Add(L"secret\\unit.pas");
  SetAttribute(hidden, platform::faHidden);
  Finder.SetFileToSearch(L"*.pas");
  Finder.SetOptions({TQoFindOption::foRecursiveDir});
  Finder.Execute();
  EXPECT_EQ(Finder.Files().Count(), 0);
  Finder.SetOptions({TQoFindOption::foRecursiveDir, TQoFindOption::foHiddenFiles});
  Finder.Execute();
  EXPECT_EQ(Results(), (std::vector<String>{L"unit.pas"}));
}

TEST_F(FindFile, EmptyMaskStillWalksEverySubfolder) {
  AddFolder(L"a\\deep");
  AddFolder(L"b");
  Add(L"a\\x.pas");
  std::vector<String> entered;
  Finder.OnSearchDir = [&](TComponent* sender, const String& folder) {
    EXPECT_EQ(sender, &Finder);
    entered.push_back(folder);
  };
  Finder.SetFileToSearch(L"   ");
  EXPECT_TRUE(Finder.Execute());
  EXPECT_EQ(Finder.Files().Count(), 0);
  EXPECT_EQ(Sorted(entered),
            (std::vector<String>{Root(), Root() + L"\\a", Root() + L"\\a\\deep", Root() + L"\\b"}));
  EXPECT_EQ(entered[0], Root());
}

TEST_F(FindFile, MaxFilesStopsAtTheLimitAndStillSucceeds) {
  for (const wchar_t* name : {L"1.pas", L"2.pas", L"3.pas", L"4.pas", L"5.pas"}) Add(name);
  Add(L"sub\\6.pas");
  Finder.SetMaxFiles(3);
  Finder.SetFileToSearch(L"*.pas");
  EXPECT_TRUE(Finder.Execute());
  EXPECT_EQ(Finder.Files().Count(), 3);
}

TEST_F(FindFile, MaxFilesCountsTheResultsOfAllMasks) {
  Add(L"a.pas");
  Add(L"b.dfm");
  Add(L"c.dfm");
  Finder.SetOptions({});
  Finder.SetMaxFiles(2);
  Finder.SetFileToSearch(L"*.pas;*.dfm");
  Finder.Execute();
  ASSERT_EQ(Finder.Files().Count(), 2);
  EXPECT_EQ(Finder.Files()[0], L"a.pas");
}

TEST_F(FindFile, AbortFromOnFoundKeepsTheResultsSoFarAndFails) {
  for (const wchar_t* name : {L"1.pas", L"2.pas", L"3.pas", L"4.pas"}) Add(name);
  std::vector<String> found;
  Finder.OnFound = [&](TComponent* sender, const String& name) {
    found.push_back(name);
    if (found.size() == 2) static_cast<TQoFindFile*>(sender)->Abort();
  };
  Finder.SetFileToSearch(L"*.pas");
  EXPECT_FALSE(Finder.Execute());
  EXPECT_EQ(Results(), found);
  EXPECT_EQ(found.size(), 2u);
}

TEST_F(FindFile, AbortWhileMessagesAreProcessedStopsTheWalk) {
  Add(L"a\\1.pas");
  Add(L"b\\2.pas");
  int folders = 0;
  Finder.OnSearchDir = [&](TComponent*, const String&) { ++folders; };
  Application().OnIdleProcess = [&] { Finder.Abort(); };
  Finder.SetFileToSearch(L"*.pas");
  EXPECT_FALSE(Finder.Execute());
  EXPECT_EQ(folders, 1);
  EXPECT_EQ(Finder.Files().Count(), 0);
}

TEST_F(FindFile, ExecuteClearsTheAbortAndTheEarlierResults) {
  Add(L"1.pas");
  Finder.SetFileToSearch(L"*.pas");
  Finder.OnFound = [&](TComponent*, const String&) { Finder.Abort(); };
  EXPECT_FALSE(Finder.Execute());
  Finder.OnFound = nullptr;
  EXPECT_TRUE(Finder.Execute());
  EXPECT_EQ(Finder.Files().Count(), 1);
}

TEST_F(FindFile, MessagesAreProcessedOncePerFolderAndOncePerExaminedEntry) {
  Add(L"1.pas");
  Add(L"2.pas");
  Add(L"3.pas");
  Add(L"other.txt");
  int processed = 0;
  Application().OnIdleProcess = [&] { ++processed; };
  Finder.SetOptions({});
  Finder.SetFileToSearch(L"*.pas");
  Finder.Execute();
  EXPECT_EQ(processed, 1 + 3);
}

}  // namespace
