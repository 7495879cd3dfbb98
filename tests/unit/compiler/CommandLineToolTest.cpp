#include "compiler/IdeCommandLineTool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "platform/Files.h"

namespace {

using Lines = std::vector<String>;

TIdeBorlandMake MakeTool(const String& binFolder, bool longPathBug = false) {
  return TIdeBorlandMake(binFolder, longPathBug, csfMsBuild);
}

}  // namespace

TEST(CommandLineTool, PathOptionLosesItsTrailingBackslashAndIsQuoted) {
  TIdeBorlandMake tool = MakeTool(L"C:\\Bin\\");
  tool.AddPathOption(L"U", L"C:\\Lib\\");
  EXPECT_EQ(tool.Options().Items(), Lines{L"-U\"C:\\Lib\""});
}

TEST(CommandLineTool, OnlyTheLastBackslashOfAPathListGoes) {
  TIdeBorlandMake tool = MakeTool(L"C:\\Bin\\");
  tool.AddPathOption(L"U", L"C:\\Lib\\;D:\\X\\");
  EXPECT_EQ(tool.Options().Items(), Lines{L"-U\"C:\\Lib\\;D:\\X\""});
}

TEST(CommandLineTool, PathOptionAddedTwiceOrInOtherCaseIsKeptOnce) {
  TIdeBorlandMake tool = MakeTool(L"C:\\Bin\\");
  tool.AddPathOption(L"U", L"C:\\Lib");
  tool.AddPathOption(L"U", L"C:\\Lib\\");
  tool.AddPathOption(L"u", L"c:\\LIB");
  EXPECT_EQ(tool.Options().Items(), Lines{L"-U\"C:\\Lib\""});
}

TEST(CommandLineTool, EmptyPathGivesTwoQuotes) {
  TIdeBorlandMake tool = MakeTool(L"C:\\Bin\\");
  tool.AddPathOption(L"LE", L"");
  EXPECT_EQ(tool.Options().Items(), Lines{L"-LE\"\""});
}

TEST(CommandLineTool, LongPathBugShortensEachElementThatExists) {
  TFakeCompiler fake;
  const String existing = fake.MakeFolder(L"Long Folder Name");
  TIdeBorlandMake tool = MakeTool(L"C:\\Bin\\", true);
  tool.AddPathOption(L"U", L"Z:\\no\\such\\folder;" + existing);
  const String shortForm = platform::ShortPathName(existing.substr(0, existing.size() - 1));
  EXPECT_EQ(tool.Options().Items(), Lines{L"-U\"Z:\\no\\such\\folder;" + shortForm + L"\""});
}

TEST(CommandLineTool, FileNameWithoutSpaceIsNotQuoted) {
  EXPECT_EQ(MakeTool(L"C:\\Bin\\").FileName(), L"C:\\Bin\\make.exe");
}

TEST(CommandLineTool, FileNameWithSpaceIsQuoted) {
  EXPECT_EQ(MakeTool(L"C:\\Program Files\\IDE\\bin\\").FileName(),
            L"\"C:\\Program Files\\IDE\\bin\\make.exe\"");
}

TEST(CommandLineTool, BaseClassHasNoExecutableName) {
  const TIdeBorlandCommandLineTool tool(L"C:\\Bin\\", false, csfDOF);
  try {
    tool.GetExeName();
    FAIL() << "no exception";
  } catch (const EAbstractError& e) {
    EXPECT_EQ(e.Message(), L"Abstract Error");
  }
}

TEST(CommandLineTool, OutputCannotBeReadWhileACallbackIsSet) {
  TIdeBorlandMake tool = MakeTool(L"C:\\Bin\\");
  tool.SetOutputCallback([](const String&) {});
  try {
    tool.Output();
    FAIL() << "no exception";
  } catch (const EIdeCommandLineToolError& e) {
    EXPECT_EQ(e.Message(), L"make.exe: Output invalid, when OutputCallback assigned.");
  }
}

TEST(CommandLineTool, DriversKnowTheirExecutablesAndPlatforms) {
  const TIdeBCC32 bcc32(L"", false, csfDOF);
  const TIdeBCC64 bcc64(L"", false, csfDOF);
  EXPECT_EQ(bcc32.GetExeName(), L"bcc32.exe");
  EXPECT_EQ(bcc32.GetPlatform(), L"Win32");
  EXPECT_EQ(bcc64.GetExeName(), L"bcc64.exe");
  EXPECT_EQ(bcc64.GetPlatform(), L"Win64");
  EXPECT_EQ(TIdeBpr2Mak(L"", false, csfDOF).GetExeName(), L"bpr2mak.exe");
  EXPECT_EQ(TIdeBorlandMake(L"", false, csfDOF).GetExeName(), L"make.exe");
}

TEST(CommandLineTool, CallbackGetsTheCommandLineFirstEvenWhenTheToolCannotStart) {
  TFakeCompiler fake;
  TIdeBorlandMake tool = MakeTool(fake.BinFolder());
  Lines received;
  tool.SetOutputCallback([&](const String& line) { received.push_back(line); });
  EXPECT_FALSE(tool.Execute(L"-f makefile"));
  EXPECT_EQ(received, Lines{fake.BinFolder() + L"make.exe -f makefile"});
}

TEST(CommandLineTool, CallbackGetsTheCommandLineThenTheStandardOutputOnly) {
  TFakeCompiler fake(L"make.exe");
  fake.WriteScript("out building\nerr dropped\nout done\n");
  TIdeBorlandMake tool = MakeTool(fake.BinFolder());
  Lines received;
  tool.SetOutputCallback([&](const String& line) { received.push_back(line); });
  EXPECT_TRUE(tool.Execute(L"all"));
  EXPECT_EQ(received, (Lines{fake.BinFolder() + L"make.exe all", L"building", L"done"}));
}

TEST(CommandLineTool, NonZeroExitCodeMakesExecuteFalse) {
  TFakeCompiler fake(L"make.exe");
  fake.WriteScript("exit 2\n");
  TIdeBorlandMake tool = MakeTool(fake.BinFolder());
  EXPECT_FALSE(tool.Execute(L""));
}

TEST(CommandLineTool, OutputOfRunsWithoutCallbackIsConcatenated) {
  TFakeCompiler fake(L"make.exe");
  fake.WriteScript("out hello\n");
  TIdeBorlandMake tool = MakeTool(fake.BinFolder());
  EXPECT_TRUE(tool.Execute(L"one"));
  EXPECT_TRUE(tool.Execute(L"two"));
  EXPECT_EQ(tool.Output(), L"hello\r\nhello\r\n");
}

TEST(CommandLineTool, EventsAreCalledBeforeAndAfterTheRunWithTheDriver) {
  TFakeCompiler fake(L"make.exe");
  TIdeBorlandMake tool = MakeTool(fake.BinFolder());
  Lines calls;
  tool.SetOnBeforeExecute([&](TIdeBorlandCommandLineTool& sender) {
    calls.push_back(L"before " + sender.ExeName() + L" " + std::to_wstring(fake.Runs().size()));
  });
  tool.SetOnAfterExecute([&](TIdeBorlandCommandLineTool& sender) {
    calls.push_back(L"after " + sender.ExeName() + L" " + std::to_wstring(fake.Runs().size()));
  });
  tool.Execute(L"");
  EXPECT_EQ(calls, (Lines{L"before make.exe 0", L"after make.exe 1"}));
}

TEST(CommandLineTool, ExceptionFromTheCallbackSkipsTheAfterEvent) {
  TFakeCompiler fake(L"make.exe");
  TIdeBorlandMake tool = MakeTool(fake.BinFolder());
  bool afterCalled = false;
  tool.SetOnAfterExecute([&](TIdeBorlandCommandLineTool&) { afterCalled = true; });
  tool.SetOutputCallback([](const String&) { throw std::runtime_error("stop"); });
  EXPECT_THROW(tool.Execute(L""), std::runtime_error);
  EXPECT_FALSE(afterCalled);
}

TEST(CommandLineTool, ToolInAFolderWithASpaceRunsThroughItsQuotedFileName) {
  TFakeCompiler fake(L"make.exe");
  const String spacedBin = fake.MakeFolder(L"IDE Bin");
  std::filesystem::copy_file(
      fake.NativeExePath(),
      fake.NativeExePath().parent_path().parent_path() / "IDE Bin" / "make.exe");
  TIdeBorlandMake tool = MakeTool(spacedBin);
  Lines received;
  tool.SetOutputCallback([&](const String& line) { received.push_back(line); });
  EXPECT_TRUE(tool.Execute(L"-f \"my makefile\""));
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received[0], L"\"" + spacedBin + L"make.exe\" -f \"my makefile\"");
  EXPECT_EQ(ReadTextFile(spacedBin + L"make.record")
                .find("commandline=\"" + ToUtf8(spacedBin) + "make.exe\""),
            0u);
}
