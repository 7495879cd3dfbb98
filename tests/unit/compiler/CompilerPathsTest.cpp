#include "compiler/CompilerPaths.h"

#include <gtest/gtest.h>

#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "platform/Files.h"

TEST(CompilerPaths, FilePathKeepsItsTrailingBackslash) {
  EXPECT_EQ(ExtractFilePath(L"C:\\Src\\QRVLib260.dpk"), L"C:\\Src\\");
}

TEST(CompilerPaths, NameWithoutFolderHasAnEmptyFilePath) {
  EXPECT_EQ(ExtractFilePath(L"QRVLib260.dpk"), L"");
}

TEST(CompilerPaths, BackupNameTurnsTheDotIntoATilde) {
  EXPECT_EQ(BackupFileName(L"C:\\Src\\QRVLib260.cfg"), L"C:\\Src\\QRVLib260.~cfg");
}

TEST(CompilerPaths, BackupNameOfAFileWithoutExtensionEndsWithDotTilde) {
  EXPECT_EQ(BackupFileName(L"C:\\Src.d\\Makefile"), L"C:\\Src.d\\Makefile.~");
}

TEST(CompilerPaths, RelativePathClimbsToTheCommonFolder) {
  EXPECT_EQ(RelativePathFrom(L"C:\\Work\\Src\\", L"C:\\Work\\Bpl"), L"..\\Bpl");
}

TEST(CompilerPaths, RelativePathOfAFolderBelowIsItsTail) {
  EXPECT_EQ(RelativePathFrom(L"C:\\Work\\", L"C:\\WORK\\Src\\Units"), L"Src\\Units");
}

TEST(CompilerPaths, RelativePathOfTheFolderItselfIsADot) {
  EXPECT_EQ(RelativePathFrom(L"C:\\Work\\", L"C:\\Work"), L".");
}

TEST(CompilerPaths, PathOnAnotherDriveStaysFull) {
  EXPECT_EQ(RelativePathFrom(L"C:\\Work\\", L"D:\\Lib"), L"D:\\Lib");
}

TEST(CompilerPaths, FoldersDifferingInCaseAndTrailingBackslashAreTheSame) {
  EXPECT_TRUE(SameFolder(L"C:\\Dcp\\", L"c:\\DCP"));
}

TEST(CompilerPaths, DifferentFoldersAreNotTheSame) {
  EXPECT_FALSE(SameFolder(L"C:\\Dcp", L"C:\\Dcp2"));
}

TEST(CompilerPaths, MoveReplacesAnExistingTarget) {
  TFakeCompiler scratch;
  const String from = scratch.RootFolder() + L"a.cfg";
  const String to = scratch.RootFolder() + L"a.~cfg";
  WriteTextFile(from, "new");
  WriteTextFile(to, "old");
  EXPECT_TRUE(MoveFileReplacing(from, to));
  EXPECT_FALSE(platform::FileExists(from));
  EXPECT_EQ(ReadTextFile(to), "new");
}
