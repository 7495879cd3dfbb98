// The package project's patch: the worked example, the resource and unit rules at their edges,
// quoting, the sort of the resources, and the file saved back in the encoding it was read in
// with CR LF line ends.
#include <gtest/gtest.h>

#include "app/PackagePatch.h"
#include "components/QoFindFile.h"
#include "core/Exception.h"
#include "platform/Files.h"
#include "support/TestSupport.h"

namespace {

using Bytes = std::vector<uint8_t>;

const std::string kTemplate =
    "package QRVLib260;\r\n"
    "\r\n"
    "{$R *.res}\r\n"
    "{$ALIGN 8}\r\n"
    "{$DESCRIPTION 'QRV Library'}\r\n"
    "\r\n"
    "requires\r\n"
    "  rtl,\r\n"
    "  vcl;\r\n"
    "\r\n"
    "contains\r\n"
    "\r\n"
    "end.\r\n";

Bytes BytesOf(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

std::string TextOf(const Bytes& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

class PackagePatch : public ::testing::Test {
 protected:
  PackagePatch() {
    Finder.SetOptions(
        {TQoFindOption::foReadOnlyFiles, TQoFindOption::foHiddenFiles, TQoFindOption::foSysFiles});
  }

  String Package() const { return Folder / L"QRVLib260.dpk"; }

  void Add(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) platform::WriteFileBytes(Folder / name, BytesOf("x"));
  }

  // Writes the package project, patches it and returns its bytes.
  std::string Patch(const std::string& unitList, const Bytes& package = BytesOf(kTemplate)) {
    platform::WriteFileBytes(Package(), package);
    PatchPackageSource(Package(), FromUtf8(unitList), Finder);
    return TextOf(platform::ReadFileBytes(Package()));
  }

  testing_support::ScratchFolder Folder;
  TQoFindFile Finder{nullptr};
};

TEST_F(PackagePatch, WorkedExample) {
  Add({L"UnitB.pas", L"UnitB.dcr", L"UnitA.pas", L"UnitA.dcr", L"UnitC.dcu", L"UnitX.dcr"});
  EXPECT_EQ(Patch("|UnitA|UnitB|UnitC|UnitD|"),
            "package QRVLib260;\r\n"
            "\r\n"
            "{$R *.res}\r\n"
            "{$R 'UnitA.dcr'}\r\n"
            "{$R 'UnitB.dcr'}\r\n"
            "{$ALIGN 8}\r\n"
            "{$DESCRIPTION 'QRV Library'}\r\n"
            "\r\n"
            "requires\r\n"
            "  rtl,\r\n"
            "  vcl;\r\n"
            "\r\n"
            "contains\r\n"
            "  UnitA in 'UnitA.pas',\r\n"
            "  UnitB in 'UnitB.pas',\r\n"
            "  UnitC;\r\n"
            "\r\n"
            "end.\r\n");
}

TEST_F(PackagePatch, FinderSearchesTheProjectsFolderForResources) {
  Add({L"UnitA.dcr"});
  Patch("|UnitA|");
  EXPECT_EQ(Finder.InitialDir() + L"\\", Folder.Path());
  EXPECT_EQ(Finder.FileToSearch(), L"*.dcr");
  EXPECT_EQ(Finder.Files().Items(), std::vector<String>{L"UnitA.dcr"});
}

TEST_F(PackagePatch, UnitWithOnlyADcuHasNoInClause) {
  Add({L"UnitA.dcu", L"UnitB.pas"});
  const std::string text = Patch("|UnitA|UnitB|");
  EXPECT_NE(text.find("contains\r\n  UnitA,\r\n  UnitB in 'UnitB.pas';\r\n"), std::string::npos)
      << text;
}

TEST_F(PackagePatch, PasIsPreferredToDcu) {
  Add({L"UnitA.dcu", L"UnitA.pas"});
  const std::string text = Patch("|UnitA|");
  EXPECT_NE(text.find("contains\r\n  UnitA in 'UnitA.pas';\r\n"), std::string::npos) << text;
}

TEST_F(PackagePatch, ApostrophesAreDoubledInsideTheQuotes) {
  Add({L"O'Neil.pas", L"O'Neil.dcr"});
  const std::string text = Patch("|O'Neil|");
  EXPECT_NE(text.find("{$R *.res}\r\n{$R 'O''Neil.dcr'}\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("contains\r\n  O'Neil in 'O''Neil.pas';\r\n"), std::string::npos) << text;
}

TEST_F(PackagePatch, ResourceOfAnUnlistedUnitIsLeftOut) {
  Add({L"UnitX.dcr", L"UnitX.pas"});
  const std::string text = Patch("|UnitA|");
  EXPECT_EQ(text.find("UnitX"), std::string::npos) << text;
}

TEST_F(PackagePatch, ListedResourceWithoutUnitFilesEntersOnlyTheResourceBlock) {
  Add({L"UnitD.dcr", L"UnitA.pas"});
  const std::string text = Patch("|UnitA|UnitD|");
  EXPECT_NE(text.find("{$R *.res}\r\n{$R 'UnitD.dcr'}\r\n{$ALIGN 8}"), std::string::npos) << text;
  EXPECT_NE(text.find("contains\r\n  UnitA in 'UnitA.pas';\r\n\r\nend."), std::string::npos)
      << text;
}

TEST_F(PackagePatch, NoUnitFilesLeaveAnEmptyContainsSection) {
  EXPECT_EQ(Patch("|UnitA|UnitB|"), kTemplate);
}

TEST_F(PackagePatch, EmptyUnitListLeavesTheTemplateAsItIs) {
  Add({L"UnitA.pas", L"UnitA.dcr"});
  EXPECT_EQ(Patch(""), kTemplate);
}

TEST_F(PackagePatch, ResourcesAreSortedIgnoringCase) {
  Add({L"charlie.dcr", L"Bravo.dcr", L"alfa.dcr"});
  const std::string text = Patch("|alfa|Bravo|charlie|");
  EXPECT_NE(
      text.find("{$R *.res}\r\n{$R 'alfa.dcr'}\r\n{$R 'Bravo.dcr'}\r\n{$R 'charlie.dcr'}\r\n"),
      std::string::npos)
      << text;
}

TEST_F(PackagePatch, UnitListMatchIsCaseSensitive) {
  Add({L"unita.dcr"});
  EXPECT_EQ(Patch("|UnitA|").find("unita.dcr"), std::string::npos);
}

TEST_F(PackagePatch, OnlyTheFirstOccurrencesAreReplaced) {
  Add({L"UnitA.pas"});
  const std::string text =
      Patch("|UnitA|", BytesOf("{$R *.res}\r\n{$R *.res}\r\ncontains\r\n// contains\r\nend.\r\n"));
  EXPECT_EQ(text,
            "{$R *.res}\r\n{$R *.res}\r\ncontains\r\n  UnitA in 'UnitA.pas';\r\n// contains\r\n"
            "end.\r\n");
}

TEST_F(PackagePatch, LineFeedsAloneBecomeCrLf) {
  EXPECT_EQ(Patch("|UnitA|", BytesOf("package P;\n{$R *.res}\ncontains\nend.")),
            "package P;\r\n{$R *.res}\r\ncontains\r\nend.\r\n");
}

TEST_F(PackagePatch, AnsiProjectIsSavedInTheAnsiCodePage) {
  Add({L"UnitA.pas"});
  const std::string text =
      Patch("|UnitA|", BytesOf("{$DESCRIPTION 'Edi\xE7\xE3o'}\r\ncontains\r\nend.\r\n"));
  EXPECT_EQ(text,
            "{$DESCRIPTION 'Edi\xE7\xE3o'}\r\ncontains\r\n  UnitA in 'UnitA.pas';\r\nend.\r\n");
}

// A name the ANSI code page cannot hold would be garbled there (its missing letters as question
// marks): the project goes over to UTF-8 whole, its other characters kept.
TEST_F(PackagePatch, AnsiProjectThatCannotHoldANameIsSavedAsUtf8) {
  const std::string lodz =
      "\xC5\x81\xC3\xB3"
      "d\xC5\xBA";  // in UTF-8; no ANSI byte for two of its letters
  Add({L"\u0141\u00F3d\u017A.pas"});
  const std::string text =
      Patch("|" + lodz + "|", BytesOf("{$DESCRIPTION 'Edi\xE7\xE3o'}\r\ncontains\r\nend.\r\n"));
  EXPECT_EQ(text, "\xEF\xBB\xBF{$DESCRIPTION 'Edi\xC3\xA7\xC3\xA3o'}\r\ncontains\r\n  " + lodz +
                      " in '" + lodz + ".pas';\r\nend.\r\n");
}

TEST_F(PackagePatch, Utf8ProjectWithByteOrderMarkKeepsItsEncoding) {
  Add({L"UnitA.pas"});
  const std::string text =
      Patch("|UnitA|",
            BytesOf("\xEF\xBB\xBF{$DESCRIPTION 'Edi\xC3\xA7\xC3\xA3o'}\r\ncontains\r\nend.\r\n"));
  EXPECT_EQ(text,
            "\xEF\xBB\xBF{$DESCRIPTION 'Edi\xC3\xA7\xC3\xA3o'}\r\ncontains\r\n"
            "  UnitA in 'UnitA.pas';\r\nend.\r\n");
}

TEST_F(PackagePatch, Utf16ProjectWithByteOrderMarkKeepsItsEncoding) {
  Add({L"UnitA.pas"});
  const auto utf16 = [](const std::string& ascii) {
    Bytes bytes = {0xFF, 0xFE};
    for (const char c : ascii) {
      bytes.push_back(static_cast<uint8_t>(c));
      bytes.push_back(0);
    }
    return bytes;
  };
  EXPECT_EQ(Patch("|UnitA|", utf16("contains\r\nend.\r\n")),
            TextOf(utf16("contains\r\n  UnitA in 'UnitA.pas';\r\nend.\r\n")));
}

TEST_F(PackagePatch, MissingProjectRaises) {
  EXPECT_THROW(PatchPackageSource(Folder / L"QRVLib260.dpk", L"|UnitA|", Finder), EInOutError);
}

}  // namespace
