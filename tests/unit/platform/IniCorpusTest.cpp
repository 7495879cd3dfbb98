// Each corpus file holds one awkward case of the INI format. The expected values are those of
// the platform's own reader; natively they check our reader, under Wine they check both the
// platform (through TIniFile) and our reader's rules against the same table.
#include <gtest/gtest.h>

#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/IniRules.h"
#include "support/TestSupport.h"

namespace {

struct IniCase {
  const wchar_t* file;
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* expected;  // the default is always "<default>"
};

const String kDefault = L"<default>";

const IniCase kCases[] = {
    {L"comments.ini", L"SETUP", L"Version", L"26"},
    {L"comments.ini", L"SETUP", L"Package", L"<default>"},
    {L"comments.ini", L"SETUP", L"#Package", L"Hash"},
    {L"spaces.ini", L"SETUP", L"Version", L"26"},
    {L"spaces.ini", L"SETUP", L"Package", L"Personalizado  com  espacos"},
    {L"spaces.ini", L"COMPONENTS", L"Source", L"1"},
    {L"spaces.ini", L" COMPONENTS ", L"Source", L"1"},
    {L"repeated.ini", L"SETUP", L"Version", L"1"},
    {L"repeated.ini", L"SETUP", L"Package", L"<default>"},
    {L"quotes.ini", L"Q", L"Double", L"Personalizado"},
    {L"quotes.ini", L"Q", L"Single", L"single"},
    {L"quotes.ini", L"Q", L"Open", L"\"unbalanced"},
    {L"quotes.ini", L"Q", L"Empty", L""},
    {L"quotes.ini", L"Q", L"Lone", L"\""},
    {L"quotes.ini", L"Q", L"Inner", L"a\"b"},
    {L"quotes.ini", L"Q", L"Mixed", L"\"mixed'"},
    {L"quotes.ini", L"Q", L"Spaced", L"  padded  "},
    {L"no-final-newline.ini", L"SETUP", L"Version", L"26"},
    {L"no-final-newline.ini", L"SETUP", L"Package", L"Ultima"},
    {L"bom-utf8.ini", L"SETUP", L"Package", L"Edi\u00e7\u00e3o"},
    {L"bom-utf8.ini", L"SETUP", L"Version", L"26"},
    {L"bom-utf16.ini", L"SETUP", L"Package", L"Edi\u00e7\u00e3o"},
    {L"ansi.ini", L"SETUP", L"Package", L"Edi\u00e7\u00e3o"},
    {L"letter-case.ini", L"SETUP", L"Version", L"26"},
    {L"letter-case.ini", L"Setup", L"package", L"Maiusculo"},
    {L"empty-values.ini", L"SETUP", L"Package", L""},
    {L"empty-values.ini", L"SETUP", L"Flag", L"<default>"},
    {L"empty-values.ini", L"SETUP", L"Version", L""},
    {L"line-ends.ini", L"SETUP", L"Version", L"26"},
    {L"line-ends.ini", L"SETUP", L"Package", L"Um"},
    {L"line-ends.ini", L"SETUP", L"Dois", L"<default>"},
    {L"line-ends.ini", L"S2", L"A", L"1"},
    {L"brackets.ini", L"SETUP", L"Version", L"26"},
    {L"brackets.ini", L"A]B", L"K", L"v"},
    {L"missing-file.ini", L"SETUP", L"Version", L"<default>"},
};

String CorpusFile(const wchar_t* name) {
  return testing_support::SourcePath(L"tests\\fixtures\\ini\\") + name;
}

String RulesRead(const IniCase& c) {
  std::string bytes;
  if (platform::FileExists(CorpusFile(c.file))) {
    const auto data = platform::ReadFileBytes(CorpusFile(c.file));
    bytes.assign(data.begin(), data.end());
  }
  return platform::ProfileString(platform::DecodeProfileText(bytes), c.section, c.key, kDefault);
}

TEST(IniCorpus, ReaderGivesThePlatformValueForEveryCase) {
  for (const IniCase& c : kCases) {
    SCOPED_TRACE(ToUtf8(String(c.file) + L" [" + c.section + L"] " + c.key));
    const platform::TIniFile ini(CorpusFile(c.file));
    EXPECT_EQ(ToUtf8(ini.ReadString(c.section, c.key, kDefault)), ToUtf8(c.expected));
  }
}

TEST(IniCorpus, PortableRulesGiveThePlatformValueForEveryCase) {
  for (const IniCase& c : kCases) {
    SCOPED_TRACE(ToUtf8(String(c.file) + L" [" + c.section + L"] " + c.key));
    EXPECT_EQ(ToUtf8(RulesRead(c)), ToUtf8(c.expected));
  }
}

TEST(IniCorpus, ValuesAreCutTo2047Characters) {
  const platform::TIniFile ini(CorpusFile(L"long-values.ini"));
  EXPECT_EQ(ini.ReadString(L"L", L"Plain", kDefault), String(2047, L'x'));
  EXPECT_EQ(ini.ReadString(L"L", L"Exact", kDefault), String(2047, L'e'));
  EXPECT_EQ(ini.ReadString(L"L", L"Over", kDefault), String(2047, L'o'));
}

TEST(IniCorpus, QuotedValuesNearTheLimitLoseTheirQuotesOnlyWhenTheyFit) {
  const platform::TIniFile ini(CorpusFile(L"long-values.ini"));
  EXPECT_EQ(ini.ReadString(L"L", L"Quoted", kDefault), String(2046, L'q'));
  EXPECT_EQ(ini.ReadString(L"L", L"QuotedLong", kDefault), String(2047, L'z'));
}

TEST(IniFile, IntegersAreDecimalOrHexadecimal) {
  testing_support::ScratchFolder dir;
  const String file = dir / L"n.ini";
  const std::string text =
      "[N]\r\nDec=26\r\nDollar=$1A\r\nZeroX=0x1a\r\nNeg=-7\r\nBad=26a\r\nBlank=\r\n"
      "Big=2147483648\r\nMin=-2147483648\r\nHexAll=$FFFFFFFF\r\n";
  platform::WriteFileBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
  const platform::TIniFile ini(file);
  EXPECT_EQ(ini.ReadInteger(L"N", L"Dec", 0), 26);
  EXPECT_EQ(ini.ReadInteger(L"N", L"Dollar", 0), 26);
  EXPECT_EQ(ini.ReadInteger(L"N", L"ZeroX", 0), 26);
  EXPECT_EQ(ini.ReadInteger(L"N", L"Neg", 0), -7);
  EXPECT_EQ(ini.ReadInteger(L"N", L"Bad", 5), 5);
  EXPECT_EQ(ini.ReadInteger(L"N", L"Blank", 5), 5);
  EXPECT_EQ(ini.ReadInteger(L"N", L"Big", 5), 5);
  EXPECT_EQ(ini.ReadInteger(L"N", L"Min", 5), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger(L"N", L"HexAll", 5), -1);
  EXPECT_EQ(ini.ReadInteger(L"N", L"Missing", 9), 9);
}

TEST(IniFile, BooleansAreNonZeroIntegers) {
  testing_support::ScratchFolder dir;
  const String file = dir / L"b.ini";
  const std::string text = "[B]\r\nOne=1\r\nZero=0\r\nTwo=2\r\nWord=yes\r\n";
  platform::WriteFileBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
  const platform::TIniFile ini(file);
  EXPECT_TRUE(ini.ReadBool(L"B", L"One", false));
  EXPECT_FALSE(ini.ReadBool(L"B", L"Zero", true));
  EXPECT_TRUE(ini.ReadBool(L"B", L"Two", false));
  EXPECT_FALSE(ini.ReadBool(L"B", L"Word", false));
  EXPECT_TRUE(ini.ReadBool(L"B", L"Missing", true));
}

}  // namespace
