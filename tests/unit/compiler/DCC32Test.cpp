#include "compiler/IdeDCC32.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "idetools/IdeFileNames.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

using Lines = std::vector<String>;

String NoSlash(const String& folder) {
  return WithoutTrailingBackslash(folder);
}

// A package source beside a bin folder holding the fake compiler, and the IDE's folders.
class DCC32 : public ::testing::Test {
 protected:
  DCC32()
      : Source(Fake.MakeFolder(L"src")),
        Bpl(Fake.MakeFolder(L"bpl")),
        Dcp(Fake.MakeFolder(L"dcp")),
        Lib(Fake.MakeFolder(L"lib")),
        LibDebug(Fake.MakeFolder(L"lib\\debug")),
        Package(Source + L"QRVLib260.dpk") {
    WriteTextFile(Package, "package QRVLib260;\r\nend.\r\n");
  }

  std::unique_ptr<TIdeDCC32> Driver(float version = 33.0f,
                                    TIdeCompilerSettingsFormat format = csfMsBuild,
                                    bool noConfig = true, bool longPathBug = false,
                                    const String& cpp = String()) {
    return std::make_unique<TIdeDCC32>(Fake.BinFolder(), longPathBug, version, format, noConfig,
                                       true, NoSlash(Dcp), NoSlash(Lib), NoSlash(LibDebug), cpp);
  }

  bool Make(TIdeDCC32& dcc, const String& extra = String()) {
    return dcc.MakePackage(Package, NoSlash(Bpl), NoSlash(Dcp), extra, false);
  }

  // The command line of the fake's only run.
  String RecordedCommandLine() const {
    const std::vector<TFakeRun> runs = Fake.Runs();
    return runs.size() == 1 ? runs[0].at("commandline").at(0)
                            : L"<" + std::to_wstring(runs.size()) + L" runs>";
  }

  String Exe() const { return Fake.BinFolder() + L"dcc32.exe"; }
  String Quoted(const String& folder) const { return L"\"" + NoSlash(folder) + L"\""; }

  TFakeCompiler Fake;
  String Source, Bpl, Dcp, Lib, LibDebug, Package;
};

}  // namespace

TEST_F(DCC32, CreateSetsTheDefaultOptions) {
  const auto dcc = Driver();
  EXPECT_EQ(dcc->Options().Items(), (Lines{L"--no-config", L"-U" + Quoted(Lib)}));
}

TEST_F(DCC32, DebugDefaultsAddTheDebugFolderAndTheCppFolderWithRtl) {
  const String obj = Fake.MakeFolder(L"lib\\obj");
  const auto dcc = Driver(33.0f, csfMsBuild, false, false, NoSlash(obj));
  dcc->SetDefaultOptions(true);
  EXPECT_EQ(dcc->Options().Items(),
            (Lines{L"-U" + Quoted(LibDebug), L"-U" + Quoted(Lib), L"-U" + Quoted(obj), L"-LUrtl"}));
}

TEST_F(DCC32, EqualLibraryFoldersGiveOneEntry) {
  TIdeDCC32 dcc(Fake.BinFolder(), false, 33.0f, csfMsBuild, false, false, L"", L"C:\\Lib",
                L"C:\\Lib\\", L"");
  dcc.SetDefaultOptions(true);
  EXPECT_EQ(dcc.Options().Items(), Lines{L"-U\"C:\\Lib\""});
}

TEST_F(DCC32, PackageWithoutOptionFilesGetsDefaultsOutputFoldersAndTheEmptyExtraOption) {
  const auto dcc = Driver();
  EXPECT_TRUE(Make(*dcc));
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + Package + L"\" --no-config -U" + Quoted(Lib) +
                                       L" -LN" + Quoted(Dcp) + L" -LE" + Quoted(Bpl) + L" ");
}

TEST_F(DCC32, CallbackGetsExactlyTheCommandLineTheCompilerReceives) {
  const auto dcc = Driver();
  Lines received;
  dcc->SetOutputCallback([&](const String& line) { received.push_back(line); });
  Make(*dcc, L"-B");
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received[0], RecordedCommandLine());
}

TEST_F(DCC32, CompilerOutputLinesFollowTheCommandLineUnread) {
  Fake.WriteScript(
      "out Embarcadero Delphi compiler\nraw Compiling 50%\\r\n"
      "out QRVLib.pas(10) Warning: W1058 Implicit string cast\nerr not shown\n");
  const auto dcc = Driver();
  Lines received;
  dcc->SetOutputCallback([&](const String& line) { received.push_back(line); });
  EXPECT_TRUE(Make(*dcc));
  EXPECT_EQ(received, (Lines{RecordedCommandLine(), L"Embarcadero Delphi compiler",
                             L"QRVLib.pas(10) Warning: W1058 Implicit string cast"}));
}

TEST_F(DCC32, CompilerRunsInThePackageFolderAndTheCurrentFolderComesBack) {
  const String before = CurrentFolder();
  const auto dcc = Driver();
  Make(*dcc);
  EXPECT_EQ(Fake.Runs().at(0).at("folder").at(0), Source);
  EXPECT_EQ(CurrentFolder(), before);
}

TEST_F(DCC32, SuccessfulCompileLeavesTheLibraryAndThePackageFile) {
  const auto dcc = Driver();
  EXPECT_TRUE(Make(*dcc));
  EXPECT_TRUE(platform::FileExists(Bpl + L"QRVLib260.bpl"));
  EXPECT_TRUE(platform::FileExists(Dcp + L"QRVLib260.dcp"));
}

TEST_F(DCC32, FailedCompileReturnsFalse) {
  Fake.WriteScript("out QRVLib.pas(1) Error: E2003 Undeclared identifier\nexit 1\n");
  const auto dcc = Driver();
  EXPECT_FALSE(Make(*dcc));
  EXPECT_FALSE(platform::FileExists(Bpl + L"QRVLib260.bpl"));
}

TEST_F(DCC32, ConfigFileIsAbsentDuringTheRunAndBackAfterAFailedCompile) {
  WriteTextFile(Source + L"QRVLib260.cfg", "-U\"C:\\Old\"\r\n");
  Fake.WriteScript("exit 1\n");
  const auto dcc = Driver();
  EXPECT_FALSE(Make(*dcc));
  EXPECT_EQ(Fake.Runs().at(0).at("cfg").at(0), L"no");
  EXPECT_EQ(ReadTextFile(Source + L"QRVLib260.cfg"), "-U\"C:\\Old\"\r\n");
  EXPECT_FALSE(platform::FileExists(Source + L"QRVLib260.~cfg"));
}

TEST_F(DCC32, ConfigFileWrittenByTheHandlerIsSeenAndTheOldOneReturns) {
  WriteTextFile(Source + L"QRVLib260.cfg", "old\r\n");
  const auto dcc = Driver(33.0f, csfMsBuild, false);
  dcc->SetOnBeforeExecute([&](TIdeBorlandCommandLineTool&) {
    WriteTextFile(Source + L"QRVLib260.cfg", "-B\r\n-Q\r\n");
  });
  Make(*dcc);
  EXPECT_EQ(Fake.Runs().at(0).at("cfgline"), (Lines{L"-B", L"-Q"}));
  EXPECT_EQ(ReadTextFile(Source + L"QRVLib260.cfg"), "old\r\n");
}

TEST_F(DCC32, ExceptionFromTheHandlerRestoresTheConfigFileAndTheFolder) {
  WriteTextFile(Source + L"QRVLib260.cfg", "old\r\n");
  const String before = CurrentFolder();
  const auto dcc = Driver();
  dcc->SetOnBeforeExecute([](TIdeBorlandCommandLineTool&) { throw std::runtime_error("no"); });
  EXPECT_THROW(Make(*dcc), std::runtime_error);
  EXPECT_EQ(ReadTextFile(Source + L"QRVLib260.cfg"), "old\r\n");
  EXPECT_EQ(CurrentFolder(), before);
  EXPECT_TRUE(Fake.Runs().empty());
}

TEST_F(DCC32, ExceptionFromTheOutputCallbackRestoresTheConfigFileAndTheFolder) {
  WriteTextFile(Source + L"QRVLib260.cfg", "old\r\n");
  Fake.WriteScript("out Compiling\nsleep 20000\n");
  const String before = CurrentFolder();
  const auto dcc = Driver();
  int lines = 0;
  dcc->SetOutputCallback([&lines](const String&) {
    if (++lines == 2) throw std::runtime_error("log full");
  });
  EXPECT_THROW(Make(*dcc), std::runtime_error);
  EXPECT_EQ(ReadTextFile(Source + L"QRVLib260.cfg"), "old\r\n");
  EXPECT_FALSE(platform::FileExists(Source + L"QRVLib260.~cfg"));
  EXPECT_EQ(CurrentFolder(), before);
}

TEST_F(DCC32, HandlerReplacingTheWholeListDecidesTheCommandLine) {
  const auto dcc = Driver();
  dcc->SetOnBeforeExecute([&](TIdeBorlandCommandLineTool& tool) {
    tool.Options().Clear();
    tool.Options().Add(L"--no-config");
    for (const wchar_t* option : {L"-B", L"-$O-", L"-$W+", L"-M", L"-Q", L"-H-", L"-W-"}) {
      tool.Options().Add(option);
    }
    tool.Options().Add(L"-NSWinapi;System.Win");
    tool.AddPathOption(L"U", Lib);
    tool.AddPathOption(L"N0", Source);
    tool.AddPathOption(L"LE", Bpl);
    tool.AddPathOption(L"LN", Dcp);
  });
  EXPECT_TRUE(Make(*dcc));
  EXPECT_EQ(RecordedCommandLine(),
            Exe() + L" \"" + Package +
                L"\" --no-config -B -$O- -$W+ -M -Q -H- -W- -NS\"Winapi;System.Win\" -U" +
                Quoted(Lib) + L" -N0" + Quoted(Source) + L" -LE" + Quoted(Bpl) + L" -LN" +
                Quoted(Dcp));
}

TEST_F(DCC32, HandlerClearingTheListLeavesCompilerAndSourceOnly) {
  const auto dcc = Driver();
  dcc->SetOnBeforeExecute([](TIdeBorlandCommandLineTool& tool) { tool.Options().Clear(); });
  Make(*dcc);
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + Package + L"\"");
}

TEST_F(DCC32, PlainOptionsAreCopiedAndPathOptionsRequoted) {
  const auto dcc = Driver();
  dcc->SetOnBeforeExecute([](TIdeBorlandCommandLineTool& tool) {
    tool.Options().Clear();
    for (const wchar_t* option : {L"-LUrtl", L"-DDEBUG;X", L"-I'C:\\Inc'", L"-uC:\\A;;C:\\B",
                                  L"-LEC:\\Out", L"-N\"C:\\Dcu\""}) {
      tool.Options().Add(option);
    }
  });
  Make(*dcc);
  EXPECT_EQ(
      RecordedCommandLine(),
      Exe() + L" \"" + Package +
          L"\" -LUrtl -DDEBUG;X -I\"C:\\Inc\" -u\"C:\\A;;C:\\B\" -LE\"C:\\Out\" -N\"C:\\Dcu\"");
}

TEST_F(DCC32, NamespaceOptionBeforeVersion23IsTheUnitOutputOption) {
  const auto dcc = Driver(22.0f);
  dcc->SetOnBeforeExecute([](TIdeBorlandCommandLineTool& tool) {
    tool.Options().Clear();
    tool.Options().Add(L"-NSWinapi;System.Win");
  });
  Make(*dcc);
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + Package + L"\" -N\"SWinapi;System.Win\"");
}

TEST_F(DCC32, UnitScopeAndSearchOptionsFollowTheCompilerVersion) {
  const auto dcc = Driver(23.0f);
  dcc->SetOnBeforeExecute([](TIdeBorlandCommandLineTool& tool) {
    tool.Options().Clear();
    for (const wchar_t* option : {L"-NSA", L"-NUB", L"-NXC", L"-NBD", L"-NHE", L"-NOF", L"-N"}) {
      tool.Options().Add(option);
    }
  });
  Make(*dcc);
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + Package +
                                       L"\" -NS\"A\" -N\"UB\" -N\"XC\" -NB\"D\" -NH\"E\" -NO\"F\" "
                                       L"-N\"\"");
}

TEST_F(DCC32, LongPathBugMakesPathOptionsRelativeToThePackageFolder) {
  const auto dcc = Driver(33.0f, csfMsBuild, true, true);
  const bool made = Make(*dcc);
  EXPECT_TRUE(made) << ToUtf8(dcc->GetOutput());
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + Package +
                                       L"\" --no-config -U\"..\\lib\" -LN\"..\\dcp\" "
                                       L"-LE\"..\\bpl\" ");
}

TEST_F(DCC32, RelativeOutputFoldersReachTheCompilerAsTheSameFolders) {
  const auto dcc = Driver(33.0f, csfMsBuild, true, true);
  EXPECT_TRUE(Make(*dcc));
  EXPECT_TRUE(platform::FileExists(Bpl + L"QRVLib260.bpl"));
  EXPECT_TRUE(platform::FileExists(Dcp + L"QRVLib260.dcp"));
}

TEST_F(DCC32, OutputOfEachRunReplacesTheLastOne) {
  Fake.WriteScript("out compiled\n");
  const auto dcc = Driver();
  Make(*dcc);
  Make(*dcc);
  EXPECT_EQ(dcc->Output(), L"compiled\r\n");
}

TEST_F(DCC32, DofOptionsAreApplied) {
  WriteTextFile(Source + L"QRVLib260.dof",
                "[Directories]\r\nSearchPath=C:\\Search\r\nUnitOutputDir=C:\\Dcu\r\n"
                "Conditionals=RELEASE;QRV\r\n[Compiler]\r\nPackageNoLink=1\r\n"
                "[Linker]\r\nPackages=rtl;vcl\r\n");
  const auto dcc = Driver(15.0f, csfDOF, false);
  Make(*dcc);
  EXPECT_EQ(RecordedCommandLine(),
            Exe() + L" \"" + Package + L"\" -U" + Quoted(Lib) +
                L" -N\"C:\\Dcu\" -I\"C:\\Search\" -R\"C:\\Search\" -DRELEASE;QRV -U\"" +
                NoSlash(Dcp) + L";C:\\Search\" -LU\"rtl;vcl\" -LN" + Quoted(Dcp) + L" -LE" +
                Quoted(Bpl) + L" ");
}

TEST_F(DCC32, DifferentDcpFolderIsSearchedBeforeTheInstallationsOne) {
  WriteTextFile(Source + L"QRVLib260.dof", "[Directories]\r\nSearchPath=C:\\S\r\n");
  const String otherDcp = Fake.MakeFolder(L"otherdcp");
  const auto dcc = Driver(15.0f, csfDOF, false);
  dcc->MakePackage(Package, NoSlash(Bpl), NoSlash(otherDcp), L"", false);
  const String line = RecordedCommandLine();
  EXPECT_NE(line.find(L" -U\"" + NoSlash(otherDcp) + L";" + NoSlash(Dcp) + L";C:\\S\""),
            String::npos)
      << ToUtf8(line);
}

TEST_F(DCC32, BdsProjOptionsOfTheDelphiPersonalityAreApplied) {
  WriteTextFile(Source + L"QRVLib260.bdsproj",
                "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<BorlandProject>"
                "<PersonalityInfo><Option><Option Name=\"Personality\">Delphi.Personality</Option>"
                "</Option></PersonalityInfo><Delphi.Personality><Directories>"
                "<Directories Name=\"UnitOutputDir\">C:\\Dcu</Directories>"
                "<Directories Name=\"SearchPath\">C:\\S</Directories>"
                "<Directories Name=\"Packages\">rtl;vcl</Directories>"
                "<Directories Name=\"Conditionals\">X</Directories>"
                "<Directories Name=\"UsePackages\">True</Directories>"
                "</Directories></Delphi.Personality></BorlandProject>");
  const auto dcc = Driver(10.0f, csfBDSProj, false);
  Make(*dcc);
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + Package + L"\" -U" + Quoted(Lib) +
                                       L" -N\"C:\\Dcu\" -I\"C:\\S\" -R\"C:\\S\" -DX -U\"" +
                                       NoSlash(Dcp) + L";C:\\S\" -LU\"rtl;vcl\" -LN" + Quoted(Dcp) +
                                       L" -LE" + Quoted(Bpl) + L" ");
}

TEST_F(DCC32, UnconvertibleUsePackagesRaisesAndTheConfigFileStillComesBack) {
  WriteTextFile(Source + L"QRVLib260.cfg", "old\r\n");
  WriteTextFile(Source + L"QRVLib260.bdsproj",
                "<BorlandProject><PersonalityInfo><Option><Option Name=\"Personality\">"
                "Delphi.Personality</Option></Option></PersonalityInfo><Delphi.Personality>"
                "<Directories><Directories Name=\"UsePackages\">Maybe</Directories></Directories>"
                "</Delphi.Personality></BorlandProject>");
  const auto dcc = Driver(10.0f, csfBDSProj, false);
  try {
    Make(*dcc);
    FAIL() << "no exception";
  } catch (const EIdeConversionError& e) {
    EXPECT_EQ(e.Message(), L"Unable to convert the string \"Maybe\" to a boolean");
  }
  EXPECT_EQ(ReadTextFile(Source + L"QRVLib260.cfg"), "old\r\n");
}

TEST_F(DCC32, DProjIsEvaluatedForTheDriversPlatform) {
  WriteTextFile(Source + L"QRVLib260.dproj",
                "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">"
                "<PropertyGroup><DCC_DcuOutput>C:\\Dcu\\$(Platform)</DCC_DcuOutput>"
                "<DCC_UnitSearchPath>C:\\S</DCC_UnitSearchPath><DCC_Define>RELEASE</DCC_Define>"
                "<DCC_Namespace>Vcl;System</DCC_Namespace><DCC_UsePackage>rtl</DCC_UsePackage>"
                "</PropertyGroup><ProjectExtensions><Borland.Personality>Delphi.Personality.12"
                "</Borland.Personality></ProjectExtensions></Project>");
  const auto dcc = Driver(33.0f, csfMsBuild, true);
  Make(*dcc);
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + Package + L"\" --no-config -U" + Quoted(Lib) +
                                       L" -NU\"C:\\Dcu\\Win32\" -I\"C:\\S\" -R\"C:\\S\" -DRELEASE "
                                       L"-U\"" +
                                       NoSlash(Dcp) + L";C:\\S\" -LU\"rtl\" -ns\"Vcl;System\" -LN" +
                                       Quoted(Dcp) + L" -LE" + Quoted(Bpl) + L" ");
}

TEST_F(DCC32, DProjSeesTheInstallationsEnvironmentVariables) {
  WriteTextFile(Source + L"QRVLib260.dproj",
                "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">"
                "<PropertyGroup><DCC_UnitSearchPath>$(QRVSOURCES)\\units</DCC_UnitSearchPath>"
                "</PropertyGroup><ProjectExtensions><Borland.Personality>Delphi.Personality.12"
                "</Borland.Personality></ProjectExtensions></Project>");
  const auto dcc = Driver(33.0f, csfMsBuild, true);
  dcc->SetOnEnvironmentVariables([] {
    TStringList variables;
    variables.Add(L"QRVSOURCES=C:\\Src");
    return variables;
  });
  Make(*dcc);
  EXPECT_NE(RecordedCommandLine().find(L" -I\"C:\\Src\\units\" "), String::npos)
      << ToUtf8(RecordedCommandLine());
}

TEST_F(DCC32, DProjOfAnotherPersonalityGivesOnlyTheDcpSearchPath) {
  WriteTextFile(Source + L"QRVLib260.dproj",
                "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">"
                "<PropertyGroup><DCC_Define>X</DCC_Define></PropertyGroup><ProjectExtensions>"
                "<Borland.Personality>CPlusPlusBuilder.Personality.12</Borland.Personality>"
                "</ProjectExtensions></Project>");
  const auto dcc = Driver(33.0f, csfMsBuild, true);
  Make(*dcc);
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + Package + L"\" --no-config -U" + Quoted(Lib) +
                                       L" -U\"" + NoSlash(Dcp) + L";\" -LN" + Quoted(Dcp) +
                                       L" -LE" + Quoted(Bpl) + L" ");
}

TEST_F(DCC32, DProjIsIgnoredByGenerationsWithoutMsBuildProjects) {
  WriteTextFile(Source + L"QRVLib260.dproj", "not even XML");
  const auto dcc = Driver(18.0f, csfBDSProj, false);
  EXPECT_TRUE(Make(*dcc));
}

TEST_F(DCC32, ProjectGoesToItsOutputFolderWithTheExtraOptions) {
  const String project = Source + L"Demo.dpr";
  WriteTextFile(project, "program Demo;\r\nend.\r\n");
  const String out = Fake.MakeFolder(L"out");
  const auto dcc = Driver();
  EXPECT_TRUE(dcc->MakeProject(project, NoSlash(out), NoSlash(Dcp), L"-B", false));
  EXPECT_EQ(RecordedCommandLine(), Exe() + L" \"" + project + L"\" --no-config -U" + Quoted(Lib) +
                                       L" -E" + Quoted(out) + L" -B");
}

TEST_F(DCC32, RelativesKnowTheirExecutablesAndPlatforms) {
  const TIdeDCC64 dcc64(L"", false, 33.0f, csfMsBuild, true, true, L"", L"", L"", L"");
  const TIdeDCCOSX32 dccosx(L"", false, 33.0f, csfMsBuild, true, true, L"", L"", L"", L"");
  const TIdeDCCIL dccil(L"", false, 33.0f, csfMsBuild, true, true, L"", L"", L"", L"");
  EXPECT_EQ(dcc64.GetExeName(), L"dcc64.exe");
  EXPECT_EQ(dcc64.GetPlatform(), L"Win64");
  EXPECT_EQ(dccosx.GetExeName(), L"dccosx.exe");
  EXPECT_EQ(dccosx.GetPlatform(), L"OSX32");
  EXPECT_EQ(dccil.GetExeName(), L"dccil.exe");
  EXPECT_EQ(dccil.GetPlatform(), L"Win32");
}

TEST_F(DCC32, DotNetCompilerDefaultsHaveNeitherNoConfigNorCppFolder) {
  TIdeDCCIL dccil(L"", false, 33.0f, csfMsBuild, true, true, L"", L"C:\\Lib", L"C:\\Dbg",
                  L"C:\\Obj");
  EXPECT_EQ(dccil.Options().Items(), Lines{L"-U\"C:\\Lib\""});
  dccil.SetDefaultOptions(true);
  EXPECT_EQ(dccil.Options().Items(), (Lines{L"-U\"C:\\Dbg\"", L"-U\"C:\\Lib\""}));
}
