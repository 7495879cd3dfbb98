// Reading instalar.inf into the installer state.
#include <gtest/gtest.h>

#include "PayloadTestData.h"
#include "app/Payload.h"
#include "platform/Files.h"

namespace {

class SetupDescriptor : public ::testing::Test {
 protected:
  SetupDescriptor() { State.TempDir = Scratch.Path(); }

  void Read(std::string_view text) {
    platform::WriteFileBytes(Scratch / L"instalar.inf", AsciiBytes(text));
    ReadSetupDescriptor(State);
  }

  ScratchFolder Scratch;
  TInstallerState State;
};

TEST_F(SetupDescriptor, ReadsEveryValue) {
  Read(
      "[SETUP]\r\nVersion=26\r\nPackage=Personalizado\r\n[COMPONENTS]\r\nSource=1\r\n"
      "Files=|UnitA|UnitB|\r\nNames=|TCompA|\r\n");
  EXPECT_EQ(State.TargetVersion, 26);
  EXPECT_EQ(State.PackageName, L"Personalizado");
  EXPECT_TRUE(State.SourceFlag);
  EXPECT_EQ(State.UnitList, L"|UnitA|UnitB|");
  EXPECT_EQ(State.ComponentList, L"|TCompA|");
}

TEST_F(SetupDescriptor, GivesDefaultsWhenFileIsMissing) {
  State.TargetVersion = 99;
  State.PackageName = L"old";
  State.UnitList = L"|old|";
  State.ComponentList = L"|old|";
  State.SourceFlag = true;
  ReadSetupDescriptor(State);
  EXPECT_EQ(State.TargetVersion, 0);
  EXPECT_EQ(State.PackageName, L"");
  EXPECT_EQ(State.UnitList, L"");
  EXPECT_EQ(State.ComponentList, L"");
  EXPECT_FALSE(State.SourceFlag);
}

TEST_F(SetupDescriptor, WithoutComponentsSectionHasNoUnitsAndNoSource) {
  Read("[SETUP]\r\nVersion=26\r\n");
  EXPECT_EQ(State.UnitList, L"");
  EXPECT_FALSE(State.SourceFlag);
}

TEST_F(SetupDescriptor, IgnoresCaseOfSectionsAndKeys) {
  Read("[setup]\r\nVERSION=23\r\n[Components]\r\nfiles=|U|\r\n");
  EXPECT_EQ(State.TargetVersion, 23);
  EXPECT_EQ(State.UnitList, L"|U|");
}

TEST_F(SetupDescriptor, ReadsVersionWrittenWithDollarAsHexadecimal) {
  Read("[SETUP]\r\nVersion=$1A\r\n");
  EXPECT_EQ(State.TargetVersion, 26);
}

TEST_F(SetupDescriptor, ReadsVersionWrittenWithZeroXAsHexadecimal) {
  Read("[SETUP]\r\nVersion=0x1A\r\n");
  EXPECT_EQ(State.TargetVersion, 26);
}

TEST_F(SetupDescriptor, GivesVersionZeroForTextThatIsNoNumber) {
  Read("[SETUP]\r\nVersion=twenty-six\r\n");
  EXPECT_EQ(State.TargetVersion, 0);
}

TEST_F(SetupDescriptor, TakesAnyNonZeroSourceAsTrue) {
  Read("[COMPONENTS]\r\nSource=2\r\n");
  EXPECT_TRUE(State.SourceFlag);
}

TEST_F(SetupDescriptor, TakesSourceZeroAsFalse) {
  Read("[COMPONENTS]\r\nSource=0\r\n");
  EXPECT_FALSE(State.SourceFlag);
}

TEST_F(SetupDescriptor, CutsLongValueTo2047Characters) {
  const std::string files = "|" + std::string(3000, 'U') + "|";
  Read("[COMPONENTS]\r\nFiles=" + files + "\r\n");
  EXPECT_EQ(State.UnitList, FromUtf8(files.substr(0, 2047)));
}

TEST_F(SetupDescriptor, DecodesPackageFromAnsiCodePage) {
  Read("[SETUP]\r\nPackage=Edi\xE7\xE3o completa\r\n");
  EXPECT_EQ(State.PackageName, L"Edição completa");
}

}  // namespace
