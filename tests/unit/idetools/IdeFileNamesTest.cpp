#include <gtest/gtest.h>

#include "idetools/IdeFileNames.h"

TEST(FileNames, FolderOfAFileInAFolder) {
  EXPECT_EQ(ExtractFileDir(L"C:\\a\\b.txt"), L"C:\\a");
}

TEST(FileNames, FolderOfAFileAtTheDriveRootIsTheDrive) {
  EXPECT_EQ(ExtractFileDir(L"C:\\b.txt"), L"C:");
}

TEST(FileNames, FolderOfABareNameIsEmpty) {
  EXPECT_EQ(ExtractFileDir(L"b.txt"), L"");
}

TEST(FileNames, NameAndExtension) {
  EXPECT_EQ(ExtractFileName(L"C:\\a\\My.Project.dproj"), L"My.Project.dproj");
  EXPECT_EQ(ExtractFileExt(L"C:\\a\\My.Project.dproj"), L".dproj");
  EXPECT_EQ(ExtractFileExt(L"C:\\a.b\\noext"), L"");
}

TEST(FileNames, ChangeFileExtReplacesOnlyTheLastExtension) {
  EXPECT_EQ(ChangeFileExt(L"C:\\Bin\\coreide260.bpl", L".PTB"), L"C:\\Bin\\coreide260.PTB");
}

TEST(FileNames, AbsoluteForms) {
  EXPECT_TRUE(IsAbsolutePath(L"C:\\x"));
  EXPECT_TRUE(IsAbsolutePath(L"\\\\server\\share\\x"));
  EXPECT_TRUE(IsAbsolutePath(L"\\x"));
  EXPECT_FALSE(IsAbsolutePath(L"C:x"));
  EXPECT_FALSE(IsAbsolutePath(L"x\\y"));
}

TEST(FileNames, JoinResolvesDotSegments) {
  EXPECT_EQ(JoinAndNormalisePath(L"C:\\a\\b", L"..\\c\\.\\d.proj"), L"C:\\a\\c\\d.proj");
}

TEST(FileNames, JoinDoesNotClimbAboveTheRoot) {
  EXPECT_EQ(JoinAndNormalisePath(L"C:\\a", L"..\\..\\..\\x"), L"C:\\x");
}

TEST(FileNames, JoinKeepsAnAbsolutePath) {
  EXPECT_EQ(JoinAndNormalisePath(L"C:\\a", L"D:\\x\\y"), L"D:\\x\\y");
}

TEST(FileNames, JoinKeepsTheUncShare) {
  EXPECT_EQ(JoinAndNormalisePath(L"\\\\srv\\share\\a", L"..\\b"), L"\\\\srv\\share\\b");
}

TEST(FileNames, JoinTakesSlashesAsSeparators) {
  EXPECT_EQ(JoinAndNormalisePath(L"C:/a", L"b/c"), L"C:\\a\\b\\c");
}

TEST(FileNames, WithoutTrailingBackslashRemovesOne) {
  EXPECT_EQ(WithoutTrailingBackslash(L"C:\\a\\\\"), L"C:\\a\\");
}
