// Directives of package and project sources, and the library names derived from them.
#include <gtest/gtest.h>

#include "compiler/IdeCompilerErrors.h"
#include "fixtures/ide/TempFolder.h"
#include "idetools/IdePackageSource.h"

namespace {

class PackageSource : public ::testing::Test {
 protected:
  String Source(const String& name, const std::string& text) { return FFolder.Write(name, text); }
  TTempFolder FFolder;
};

}  // namespace

TEST_F(PackageSource, DescriptionKeepsItsApostrophes) {
  const String dpk =
      Source(L"a.dpk", "package a;\r\n{$DESCRIPTION 'QRV Library - Components'}  \r\n");
  EXPECT_EQ(ReadPackageSourceInfo(dpk).Description, L"'QRV Library - Components'");
}

TEST_F(PackageSource, LaterDirectiveReplacesTheEarlierOne) {
  const String dpk = Source(L"a.dpk", "{$LIBSUFFIX '1'}\n{$LIBSUFFIX '2'}\n{$RUNONLY}\n");
  const TIdePackageSourceInfo info = ReadPackageSourceInfo(dpk);
  EXPECT_EQ(info.LibSuffix, L"2");
  EXPECT_TRUE(info.RunOnly);
}

TEST_F(PackageSource, IndentedOrLowerCaseDirectivesAreNotRecognised) {
  const String dpk =
      Source(L"a.dpk", "  {$DESCRIPTION 'x'}\n{$description 'y'}\n{$runonly}\n{$LIBSUFFIX 260}\n");
  const TIdePackageSourceInfo info = ReadPackageSourceInfo(dpk);
  EXPECT_EQ(info.Description, L"");
  EXPECT_FALSE(info.RunOnly);
  EXPECT_EQ(info.LibSuffix, L"");
}

TEST_F(PackageSource, Utf8SourceWithByteOrderMarkIsDecoded) {
  const String dpk = Source(L"a.dpk", "\xEF\xBB\xBF{$DESCRIPTION 'Comp\xC3\xB3nentes'}\r\n");
  EXPECT_EQ(ReadPackageSourceInfo(dpk).Description, L"'Comp\u00F3nentes'");
}

TEST_F(PackageSource, PackageLibraryNameCarriesTheSuffix) {
  const String dpk = Source(L"QRVLib260.DPK", "{$LIBSUFFIX '260'}\n");
  EXPECT_EQ(ProjectBinaryPath(L"C:\\Bpl", dpk), L"C:\\Bpl\\QRVLib260260.bpl");
  EXPECT_EQ(ProjectBinaryPath(L"C:\\Bpl\\", dpk), L"C:\\Bpl\\QRVLib260260.bpl");
}

TEST_F(PackageSource, ProjectExtensionFollowsProgramLibraryOrTheExtensionDirective) {
  EXPECT_EQ(ProjectBinaryPath(L"C:\\Out", Source(L"p.dpr", "PROGRAM p;\nlibrary x;\n")),
            L"C:\\Out\\p.exe");
  EXPECT_EQ(ProjectBinaryPath(L"C:\\Out", Source(L"l.dpr", "Library l;\n")), L"C:\\Out\\l.dll");
  EXPECT_EQ(ProjectBinaryPath(L"C:\\Out", Source(L"c.dpr", "library c;\n{$E cpl}\n")),
            L"C:\\Out\\c.cpl");
}

TEST_F(PackageSource, CppProjectGivesOutputNameDescriptionAndRunOnlyFlag) {
  const String bpk = Source(L"p.bpk",
                            "<?xml version='1.0' encoding='utf-8' ?>\r\n<PROJECT>\r\n  <MACROS>\r\n"
                            "    <PROJECT value=\"QRVCpp60.bpl\"/>\r\n  </MACROS>\r\n"
                            "  <LINKER>\r\n    <LFLAGS value=\"-D&quot;C++ components&quot; -aa\r\n"
                            "      -Gpr -Tpp\"/>\r\n  </LINKER>\r\n</PROJECT>\r\n");
  const TIdePackageSourceInfo info = ReadPackageSourceInfo(bpk);
  EXPECT_EQ(info.OutputName, L"QRVCpp60.bpl");
  EXPECT_EQ(info.Description, L"C++ components");
  EXPECT_TRUE(info.RunOnly);
  EXPECT_EQ(ProjectBinaryPath(L"C:\\Bpl", bpk), L"C:\\Bpl\\QRVCpp60.bpl");
}

TEST_F(PackageSource, UnknownExtensionRaisesTheCompilerUtilitiesError) {
  try {
    ProjectBinaryPath(L"C:\\Out", L"C:\\src\\unit.pas");
    FAIL() << "no error";
  } catch (const EIdeCompilerUtilsException& e) {
    EXPECT_EQ(e.Message(), L".pas not a known project extension");
  }
}

TEST_F(PackageSource, UnreadableSourceRaisesTheFileError) {
  EXPECT_THROW(ReadPackageSourceInfo(FFolder / L"missing.dpk"), EInOutError);
}
