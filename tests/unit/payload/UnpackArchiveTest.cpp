// Unpacking comps.pkg: what each record produces, and the damaged and hostile archives that are
// refused before anything is written.
#include <gtest/gtest.h>

#include <random>

#include "PayloadTestData.h"
#include "app/Payload.h"
#include "platform/Files.h"

namespace {

class UnpackArchive : public ::testing::Test {
 protected:
  UnpackArchive() { platform::ForceDirectories(Target()); }

  String Target() const { return Scratch / L"out"; }

  bool Unpack(const Bytes& archive) {
    platform::WriteFileBytes(Scratch / L"comps.pkg", archive);
    return ::UnpackArchive(State, Scratch / L"comps.pkg", Target());
  }

  Bytes Unpacked(const String& name) const {
    return platform::ReadFileBytes(Target() + L"\\" + name);
  }

  std::vector<String> Extracted() const { return State.ExtractedFiles.Items(); }

  ScratchFolder Scratch;
  TInstallerState State;
};

TEST_F(UnpackArchive, WritesRecordUnderItsNameWithItsSize) {
  const Bytes data = PatternBytes(3108, 1);
  ASSERT_TRUE(Unpack(Record("UnitAlfa.dcr", data)));
  EXPECT_EQ(Unpacked(L"UnitAlfa.dcr"), data);
  EXPECT_EQ(Extracted(), std::vector<String>{L"UnitAlfa.dcr"});
}

TEST_F(UnpackArchive, WritesEmptyFileForRecordOfSizeZero) {
  ASSERT_TRUE(Unpack(Record("Empty.pas", {})));
  EXPECT_EQ(platform::FileSize(Target() + L"\\Empty.pas"), 0u);
  EXPECT_EQ(Extracted(), std::vector<String>{L"Empty.pas"});
}

TEST_F(UnpackArchive, CutsNameAtFirstZeroByte) {
  const Bytes data = PatternBytes(10, 2);
  ASSERT_TRUE(Unpack(Concat({RecordHeader(9, 10, std::string_view("Unit.pas\0x", 9)), data})));
  EXPECT_EQ(Unpacked(L"Unit.pas"), data);
  EXPECT_EQ(Extracted(), std::vector<String>{L"Unit.pas"});
}

TEST_F(UnpackArchive, DecodesNameFromAnsiCodePage) {
  ASSERT_TRUE(Unpack(Record("Configura\xE7\xE3o.pas", AsciiBytes("x"))));
  EXPECT_EQ(Extracted(), std::vector<String>{L"Configuração.pas"});
  EXPECT_TRUE(platform::FileExists(Target() + L"\\Configuração.pas"));
}

TEST_F(UnpackArchive, KeepsArchiveOrderInExtractedFiles) {
  ASSERT_TRUE(Unpack(
      Concat({Record("UnitB.dcr", PatternBytes(5, 1)), Record("UnitB.dfm", PatternBytes(6, 2)),
              Record("UnitB.pas", PatternBytes(7, 3)), Record("UnitA.pas", PatternBytes(8, 4))})));
  EXPECT_EQ(Extracted(),
            (std::vector<String>{L"UnitB.dcr", L"UnitB.dfm", L"UnitB.pas", L"UnitA.pas"}));
}

TEST_F(UnpackArchive, ListsRepeatedNameTwiceAndKeepsLaterContent) {
  ASSERT_TRUE(Unpack(
      Concat({Record("Twice.pas", AsciiBytes("first")), Record("Twice.pas", AsciiBytes("2nd"))})));
  EXPECT_EQ(Extracted(), (std::vector<String>{L"Twice.pas", L"Twice.pas"}));
  EXPECT_EQ(Unpacked(L"Twice.pas"), AsciiBytes("2nd"));
}

TEST_F(UnpackArchive, ReadsNextHeaderRightAfterAnEmptyName) {
  // The nameless record's size field is not used: its "data" is the next record.
  const Bytes next = Record("After.pas", AsciiBytes("abc"));
  ASSERT_TRUE(Unpack(Concat({RecordHeader(0, 9999, ""), next})));
  EXPECT_EQ(Extracted(), std::vector<String>{L"After.pas"});
  EXPECT_EQ(Unpacked(L"After.pas"), AsciiBytes("abc"));
}

TEST_F(UnpackArchive, SucceedsWithNoFilesForEmptyArchive) {
  EXPECT_TRUE(Unpack({}));
  EXPECT_TRUE(Extracted().empty());
  EXPECT_TRUE(FolderEntries(Target()).empty());
}

TEST_F(UnpackArchive, EmptiesExtractedFilesBeforeUnpacking) {
  State.ExtractedFiles.Add(L"Stale.pas");
  ASSERT_TRUE(Unpack(Record("Fresh.pas", AsciiBytes("x"))));
  EXPECT_EQ(Extracted(), std::vector<String>{L"Fresh.pas"});
}

TEST_F(UnpackArchive, FailsForMissingArchiveFile) {
  State.ExtractedFiles.Add(L"Stale.pas");
  EXPECT_FALSE(::UnpackArchive(State, Scratch / L"missing.pkg", Target()));
  EXPECT_TRUE(Extracted().empty());
}

TEST_F(UnpackArchive, RefusesDataRunningPastArchiveEnd) {
  EXPECT_FALSE(Unpack(Concat({RecordHeader(8, 100, "Unit.pas"), PatternBytes(99, 1)})));
  EXPECT_TRUE(Extracted().empty());
  EXPECT_TRUE(FolderEntries(Target()).empty());
}

TEST_F(UnpackArchive, RefusesNegativeDataSize) {
  EXPECT_FALSE(Unpack(Concat({RecordHeader(8, -1, "Unit.pas"), PatternBytes(4, 1)})));
  EXPECT_TRUE(FolderEntries(Target()).empty());
}

TEST_F(UnpackArchive, RefusesHeaderCutShort) {
  EXPECT_FALSE(Unpack(Concat({Record("Good.pas", AsciiBytes("x")), Bytes{8, 1, 0}})));
  EXPECT_TRUE(FolderEntries(Target()).empty());
}

TEST_F(UnpackArchive, RefusesNameCutShort) {
  EXPECT_FALSE(Unpack(RecordHeader(12, 0, "Short")));
  EXPECT_TRUE(FolderEntries(Target()).empty());
}

TEST_F(UnpackArchive, WritesNothingWhenALaterRecordIsHostile) {
  EXPECT_FALSE(Unpack(
      Concat({Record("Good.pas", AsciiBytes("x")), Record("..\\Evil.pas", AsciiBytes("y"))})));
  EXPECT_TRUE(Extracted().empty());
  EXPECT_TRUE(FolderEntries(Target()).empty());
}

// Names that could reach outside the target folder or a device; each is refused before
// anything is written, and the archive's own folder is left as it was.
class UnpackHostileName : public UnpackArchive,
                          public ::testing::WithParamInterface<const char*> {};

TEST_P(UnpackHostileName, IsRefusedWithoutWritingAnything) {
  EXPECT_FALSE(Unpack(Record(GetParam(), AsciiBytes("payload"))));
  EXPECT_TRUE(Extracted().empty());
  EXPECT_TRUE(FolderEntries(Target()).empty());
  EXPECT_EQ(FolderEntries(Scratch.Path()), (std::vector<String>{L"comps.pkg", L"out"}));
}

INSTANTIATE_TEST_SUITE_P(Names, UnpackHostileName,
                         ::testing::Values("..\\Escaped.pas", "sub\\Unit.pas", "../Escaped.pas",
                                           "sub/Unit.pas", "C:Unit.pas", "Unit.pas:stream", ".",
                                           "..", "CON", "nul", "NUL.txt", "Aux.pas", "PRN", "COM1",
                                           "com9.dcr", "LPT1", "LPT9.pas", "con .txt", "COM\xB9",
                                           "Unit.pas.", "Unit.pas ", "Uni*t.pas", "Unit?.pas",
                                           "Unit<1>.pas", "Un\"it.pas", "Un|it.pas", "Tab\t.pas"));

TEST_F(UnpackArchive, AcceptsNamesThatOnlyResembleDevices) {
  ASSERT_TRUE(Unpack(
      Concat({Record("CONSOLE.pas", AsciiBytes("a")), Record("COM10.pas", AsciiBytes("b")),
              Record("Nullable.pas", AsciiBytes("c")), Record("LPT0.pas", AsciiBytes("d"))})));
  EXPECT_EQ(Extracted(),
            (std::vector<String>{L"CONSOLE.pas", L"COM10.pas", L"Nullable.pas", L"LPT0.pas"}));
}

TEST_F(UnpackArchive, DamagedArchivesNeverWriteOutsideTheTarget) {
  const Bytes original =
      Concat({Record("UnitA.dcr", PatternBytes(40, 1)), Record("a.b", PatternBytes(3, 2)),
              RecordHeader(0, 5, ""), Record("UnitA.pas", PatternBytes(30, 3))});
  std::mt19937 random(20261209);
  for (int round = 0; round < 300; ++round) {
    Bytes archive = original;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < changes; ++c) {
      const uint8_t picks[] = {0, 1, 5, '.', '\\', '/', ':', 0xFF, static_cast<uint8_t>(random())};
      archive[random() % archive.size()] = picks[random() % sizeof picks];
    }
    archive.resize(archive.size() - random() % 8);
    const bool unpacked = Unpack(archive);
    ASSERT_EQ(FolderEntries(Scratch.Path()), (std::vector<String>{L"comps.pkg", L"out"}))
        << "round " << round;
    for (const String& name : FolderEntries(Target())) {
      EXPECT_TRUE(unpacked) << "round " << round << " wrote " << ToUtf8(name);
      EXPECT_EQ(platform::DeleteFile(Target() + L"\\" + name), true);
    }
  }
}

}  // namespace
