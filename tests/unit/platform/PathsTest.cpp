#include <gtest/gtest.h>

#include <cwctype>

#include "core/LibFunctions.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

namespace {

using testing_support::ScratchFolder;

TEST(Paths, TrailingBackslashIsAddedOnce) {
  EXPECT_EQ(WithTrailingBackslash(L"C:\\Qrv"), L"C:\\Qrv\\");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\Qrv\\"), L"C:\\Qrv\\");
  EXPECT_EQ(WithTrailingBackslash(L""), L"\\");
}

TEST(Paths, TempAndCurrentFoldersEndWithABackslashAndExist) {
  const String temp = SystemTempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), L'\\');
  EXPECT_TRUE(platform::DirectoryExists(temp));
  const String current = CurrentFolder();
  EXPECT_EQ(current.back(), L'\\');
  EXPECT_TRUE(platform::DirectoryExists(current));
}

TEST(Paths, DrivePartIsALetterAndColonOrAShare) {
  EXPECT_EQ(ExtractFileDrive(L"c:\\x"), L"c:");
  EXPECT_EQ(ExtractFileDrive(L"\\\\srv\\share\\x"), L"\\\\srv\\share");
  EXPECT_EQ(ExtractFileDrive(L"relative\\x"), L"");
}

TEST(Paths, LongPathNameOfAMissingFileIsEmpty) {
  ScratchFolder dir;
  EXPECT_EQ(LongPathName(dir / L"none.txt"), L"");
}

TEST(Paths, LongPathNameUpperCasesTheDriveAndKeepsStoredNames) {
  ScratchFolder dir;
  platform::ForceDirectories(dir / L"Mixed Folder");
  platform::WriteFileBytes(dir / L"Mixed Folder\\Arquivo Longo.txt", {'x'});
  String path = dir / L"Mixed Folder\\Arquivo Longo.txt";
  path[0] = static_cast<wchar_t>(std::towlower(path[0]));
  const String expected = UpperText(path.substr(0, 1)) + path.substr(1);
  EXPECT_EQ(LongPathName(path), expected);
}

TEST(Paths, RelativePathsStartFromTheCurrentFolder) {
  ScratchFolder dir;
  platform::WriteFileBytes(dir / L"rel.txt", {'x'});
  const String before = CurrentFolder();
  ASSERT_TRUE(SetCurrentFolder(dir.Path()));
  const String expanded = LongPathName(L"rel.txt");
  SetCurrentFolder(before);
  EXPECT_EQ(RightPart(expanded, 8), L"\\rel.txt");
  EXPECT_TRUE(platform::FileExists(expanded));
}

TEST(Paths, ProgramFileNameNamesThisTestProgram) {
  const String self = ProgramFileName();
  ASSERT_FALSE(self.empty());
  EXPECT_TRUE(platform::FileExists(self));
  EXPECT_NE(UpperText(self).find(L"PLATFORM_TESTS"), String::npos);
}

#ifdef _WIN32
TEST(Paths, LongPathNameRestoresLongNamesAndLetterCaseFromShortForms) {
  ScratchFolder dir;
  platform::ForceDirectories(dir / L"Pasta Com Nome Longo");
  platform::WriteFileBytes(dir / L"Pasta Com Nome Longo\\Componentes.dcr", {'x'});
  const String longPath = LongPathName(dir / L"Pasta Com Nome Longo\\Componentes.dcr");
  const String shortPath = platform::ShortPathName(longPath);
  EXPECT_NE(shortPath, longPath);
  EXPECT_EQ(LongPathName(shortPath), longPath);
  EXPECT_EQ(LongPathName(UpperText(longPath)), longPath);
  EXPECT_EQ(ExpandPathName(longPath, false), shortPath);
}
#endif

}  // namespace
