#include <gtest/gtest.h>

#include <algorithm>

#include "core/Exception.h"
#include "platform/Faults.h"
#include "platform/Files.h"
#include "support/TestSupport.h"

namespace {

using testing_support::ScratchFolder;

std::vector<uint8_t> Bytes(const std::string& s) {
  return {s.begin(), s.end()};
}

TEST(Files, ExistenceDistinguishesFilesFromFolders) {
  ScratchFolder dir;
  platform::WriteFileBytes(dir / L"f.txt", Bytes("x"));
  EXPECT_TRUE(platform::FileExists(dir / L"f.txt"));
  EXPECT_FALSE(platform::DirectoryExists(dir / L"f.txt"));
  EXPECT_TRUE(platform::DirectoryExists(dir.Path()));
  EXPECT_FALSE(platform::FileExists(dir.Path()));
  EXPECT_FALSE(platform::FileExists(dir / L"missing"));
}

TEST(Files, ForceDirectoriesMakesEveryMissingParent) {
  ScratchFolder dir;
  EXPECT_TRUE(platform::ForceDirectories(dir / L"a\\b\\c\\"));
  EXPECT_TRUE(platform::DirectoryExists(dir / L"a\\b\\c"));
  EXPECT_TRUE(platform::ForceDirectories(dir / L"a\\b"));
}

TEST(Files, FindFilesMatchesMasksWithoutLetterCase) {
  ScratchFolder dir;
  for (const wchar_t* name : {L"UnitA.dcr", L"UnitB.DCR", L"UnitA.pas", L"readme"}) {
    platform::WriteFileBytes(dir / name, Bytes("x"));
  }
  std::vector<String> names;
  for (const auto& f : platform::FindFiles(dir / L"*.dcr")) names.push_back(f.name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<String>{L"UnitA.dcr", L"UnitB.DCR"}));
  EXPECT_EQ(platform::FindFiles(dir / L"*.*").size(), 4u);
  EXPECT_EQ(platform::FindFiles(dir / L"Unit?.pas").size(), 1u);
  EXPECT_TRUE(platform::FindFiles(dir / L"nothing*").empty());
}

TEST(Files, FindFilesReportsFoldersAndSizes) {
  ScratchFolder dir;
  platform::CreateDirectory(dir / L"sub");
  platform::WriteFileBytes(dir / L"five", Bytes("12345"));
  const auto sub = platform::FindFiles(dir / L"sub");
  ASSERT_EQ(sub.size(), 1u);
  EXPECT_NE(sub[0].attributes & platform::faDirectory, 0u);
  const auto five = platform::FindFiles(dir / L"five");
  ASSERT_EQ(five.size(), 1u);
  EXPECT_EQ(five[0].size, 5u);
}

TEST(Files, StreamsReadBackWhatWasWritten) {
  ScratchFolder dir;
  {
    platform::TFileStream out(dir / L"s.bin", platform::TFileStream::Mode::Create);
    out.Write("hello world", 11);
    EXPECT_EQ(out.Size(), 11);
  }
  platform::TFileStream in(dir / L"s.bin", platform::TFileStream::Mode::OpenRead);
  in.Seek(6);
  char buffer[16] = {};
  EXPECT_EQ(in.Read(buffer, sizeof buffer), 5u);
  EXPECT_EQ(std::string(buffer), "world");
  EXPECT_EQ(in.Read(buffer, sizeof buffer), 0u);
  EXPECT_THROW(in.ReadExact(buffer, 1), EInOutError);
}

TEST(Files, OpeningAMissingFileRaisesWithItsName) {
  ScratchFolder dir;
  try {
    platform::TFileStream in(dir / L"absent.bin", platform::TFileStream::Mode::OpenRead);
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find(L"absent.bin"), String::npos);
  }
}

TEST(Files, ForcedWriteFailureRaisesOnTheNthWrite) {
  ScratchFolder dir;
  platform::TFileStream out(dir / L"w.bin", platform::TFileStream::Mode::Create);
  platform::FailNth(platform::FaultKind::FileWrite, 2);
  EXPECT_NO_THROW(out.Write("a", 1));
  EXPECT_THROW(out.Write("b", 1), EInOutError);
  EXPECT_NO_THROW(out.Write("c", 1));
  platform::ClearFaults();
}

TEST(Files, ForcedReadFailureRaisesOnTheNthRead) {
  ScratchFolder dir;
  platform::WriteFileBytes(dir / L"r.bin", Bytes("abc"));
  platform::TFileStream in(dir / L"r.bin", platform::TFileStream::Mode::OpenRead);
  char byte = 0;
  platform::FailNth(platform::FaultKind::FileRead, 2);
  EXPECT_EQ(in.Read(&byte, 1), 1u);
  EXPECT_THROW(in.Read(&byte, 1), EInOutError);
  EXPECT_EQ(in.Read(&byte, 1), 1u);
  EXPECT_EQ(byte, 'b');
  platform::ClearFaults();
}

TEST(Files, RenameRefusesAnExistingTargetAndCanBeForcedToFail) {
  ScratchFolder dir;
  platform::WriteFileBytes(dir / L"a", Bytes("a"));
  platform::WriteFileBytes(dir / L"b", Bytes("b"));
  EXPECT_FALSE(platform::RenameFile(dir / L"a", dir / L"b"));
  EXPECT_TRUE(platform::RenameFile(dir / L"a", dir / L"c"));
  platform::FailNth(platform::FaultKind::FileRename, 1);
  EXPECT_FALSE(platform::RenameFile(dir / L"c", dir / L"d"));
  EXPECT_TRUE(platform::FileExists(dir / L"c"));
  platform::ClearFaults();
}

TEST(Files, ReadOnlyAttributeRoundTrips) {
  ScratchFolder dir;
  platform::WriteFileBytes(dir / L"ro", Bytes("x"));
  EXPECT_TRUE(platform::SetFileAttributes(dir / L"ro", platform::faReadOnly));
  EXPECT_NE(*platform::FileAttributes(dir / L"ro") & platform::faReadOnly, 0u);
  EXPECT_TRUE(platform::SetFileAttributes(dir / L"ro", platform::faNormal));
  EXPECT_EQ(*platform::FileAttributes(dir / L"ro") & platform::faReadOnly, 0u);
}

}  // namespace

namespace {

TEST(Files, CopyFileCopiesEveryByteAndOverwrites) {
  testing_support::ScratchFolder dir;
  std::vector<uint8_t> bytes(200 * 1024 + 7);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 31);
  platform::WriteFileBytes(dir / L"from", bytes);
  platform::WriteFileBytes(dir / L"to", {'o', 'l', 'd'});
  EXPECT_TRUE(platform::CopyFile(dir / L"from", dir / L"to"));
  EXPECT_EQ(platform::ReadFileBytes(dir / L"to"), bytes);
  EXPECT_FALSE(platform::CopyFile(dir / L"missing", dir / L"to2"));
}

}  // namespace
