// The fake compiler checks the package project it is given as dcc32 would: every resource and
// every unit of "contains" must be found, or it fails with F1026 naming the missing file; an
// output it cannot create fails with F2039 naming it.
#include <gtest/gtest.h>

#include <memory>

#include "compiler/IdeDCC32.h"
#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "idetools/IdeFileNames.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

class FakeCompilerChecks : public ::testing::Test {
 protected:
  FakeCompilerChecks()
      : Source(Fake.MakeFolder(L"src")),
        Out(Fake.MakeFolder(L"out")),
        Package(Source + L"QRVLib260.dpk") {}

  void WriteProject(const std::string& body) {
    WriteTextFile(Package, "package QRVLib260;\r\n" + body + "end.\r\n");
  }
  void Touch(const String& path) { WriteTextFile(path, "x"); }

  // Compiles the package, its library going to bplFolder (Out when empty); Lines receives what
  // the compiler printed.
  bool Make(const String& extra = String(), const String& bplFolder = String()) {
    TIdeDCC32 dcc(Fake.BinFolder(), false, 33.0f, csfMsBuild, true, true, L"", L"", L"", L"");
    dcc.SetOutputCallback([this](const String& line) { Lines.push_back(line); });
    return dcc.MakePackage(Package, WithoutTrailingBackslash(bplFolder.empty() ? Out : bplFolder),
                           WithoutTrailingBackslash(Out), extra, false);
  }

  // What the compiler printed, for failure messages.
  std::string Printout() const {
    std::string text;
    for (const String& line : Lines) text += ToUtf8(line) + "\n";
    return text;
  }

  bool Printed(const String& line) const {
    return std::find(Lines.begin(), Lines.end(), line) != Lines.end();
  }

  TFakeCompiler Fake;
  String Source, Out, Package;
  std::vector<String> Lines;
};

TEST_F(FakeCompilerChecks, CompleteProjectCompilesWithWarningLines) {
  Touch(Source + L"QRVLib260.res");
  Touch(Source + L"UnitA.pas");
  Touch(Source + L"UnitA.dcr");
  Touch(Source + L"UnitB.pas");
  WriteProject(
      "{$R *.res}\r\n{$R 'UnitA.dcr'}\r\ncontains\r\n  UnitA in 'UnitA.pas',\r\n  UnitB;\r\n");
  EXPECT_TRUE(Make()) << Printout();
  EXPECT_TRUE(platform::FileExists(Out + L"QRVLib260.bpl"));
  EXPECT_TRUE(platform::FileExists(Out + L"QRVLib260.dcp"));
  EXPECT_TRUE(
      Printed(L"UnitB.pas(40) Warning: W1058 Implicit string cast with potential data "
              L"loss from 'string' to 'AnsiString'"));
}

TEST_F(FakeCompilerChecks, MissingInFileFailsNamingIt) {
  WriteProject("contains\r\n  UnitA in 'UnitA.pas';\r\n");
  EXPECT_FALSE(Make());
  EXPECT_TRUE(Printed(L"QRVLib260.dpk(3) Fatal: F1026 File not found: 'UnitA.pas'"));
  EXPECT_FALSE(platform::FileExists(Out + L"QRVLib260.bpl"));
}

TEST_F(FakeCompilerChecks, MissingUnitFailsNamingItsSource) {
  Touch(Source + L"UnitA.pas");
  WriteProject("contains\r\n  UnitA,\r\n  UnitZ;\r\n");
  EXPECT_FALSE(Make());
  EXPECT_TRUE(Printed(L"QRVLib260.dpk(4) Fatal: F1026 File not found: 'UnitZ.pas'"));
}

TEST_F(FakeCompilerChecks, CompiledUnitOnAUnitPathIsFound) {
  const String units = Fake.MakeFolder(L"units");
  Touch(units + L"UnitC.dcu");
  WriteProject("contains\r\n  UnitC;\r\n");
  EXPECT_FALSE(Make());
  Lines.clear();
  EXPECT_TRUE(Make(L"-U\"C:\\nowhere;" + WithoutTrailingBackslash(units) + L"\""));
}

TEST_F(FakeCompilerChecks, MissingOwnResourceFailsWithTheProjectsName) {
  WriteProject("{$R *.res}\r\ncontains\r\n");
  EXPECT_FALSE(Make());
  EXPECT_TRUE(Printed(L"QRVLib260.dpk(2) Fatal: F1026 File not found: 'QRVLib260.res'"));
}

TEST_F(FakeCompilerChecks, MissingComponentResourceFails) {
  WriteProject("{$RESOURCE 'UnitA.dcr'}\r\ncontains\r\n");
  EXPECT_FALSE(Make());
  EXPECT_TRUE(Printed(L"QRVLib260.dpk(2) Fatal: F1026 File not found: 'UnitA.dcr'"));
}

TEST_F(FakeCompilerChecks, CommentsAreNotRead) {
  WriteProject("// {$R 'Gone.dcr'}\r\n{ contains Gone; }\r\n(* {$R 'Gone.res'} *)\r\ncontains\r\n");
  EXPECT_TRUE(Make()) << Printout();
}

TEST_F(FakeCompilerChecks, MissingOutputFolderFailsNamingTheFile) {
  WriteProject("contains\r\n");
  const String missing = Out + L"gone\\";
  EXPECT_FALSE(Make(String(), missing));
  EXPECT_TRUE(Printed(L"Fatal: F2039 Could not create output file '" + missing + L"QRVLib260.bpl'"))
      << Printout();
}

TEST_F(FakeCompilerChecks, MissingProjectFails) {
  EXPECT_FALSE(Make());
  EXPECT_TRUE(Printed(L"Fatal: F1026 File not found: 'QRVLib260.dpk'"));
}

}  // namespace
