// Extracting the payload from the end of a program file: the parts copied out byte for byte,
// the temporary folder, the damaged tails refused with the window's message, and the archive
// checked against the descriptor's Digest before anything is unpacked (also when it spans many
// blocks and a read or write fails midway).
#include <gtest/gtest.h>

#include "PayloadTestData.h"
#include "app/Payload.h"
#include "app/PayloadFormat.h"
#include "core/Sha256.h"
#include "platform/Faults.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

// A descriptor of exactly `size` bytes: a SETUP section padded with a comment line.
Bytes DescriptorOfSize(size_t size) {
  Bytes text = AsciiBytes("[SETUP]\r\nVersion=26\r\n;");
  text.resize(size, '-');
  return text;
}

std::string DigestOf(const Bytes& bytes) {
  TSha256 sha;
  sha.Update(bytes.data(), bytes.size());
  return ToUtf8(TSha256::Hex(sha.Final()));
}

Bytes DescriptorWithDigest(const std::string& digest) {
  return AsciiBytes("[SETUP]\r\nVersion=26\r\nDigest=" + digest + "\r\n");
}

class ExtractPayload : public ::testing::Test {
 protected:
  String Program() const { return Scratch / L"setup.exe"; }
  String Folder() const { return Scratch / L"unpacked"; }

  void WriteProgram(const Bytes& tail) {
    platform::WriteFileBytes(Program(), Concat({PatternBytes(4096, 9), tail}));
  }

  void Extract() {
    platform::ForceDirectories(Folder());
    ExtractPayloadTo(State, Program(), Folder());
  }

  // The failure's own text, or a note that nothing failed.
  String FailureReason() {
    try {
      Extract();
    } catch (const EPayloadError& failure) {
      return failure.Reason();
    }
    return L"(no failure)";
  }

  ScratchFolder Scratch;
  TInstallerState State;
};

TEST_F(ExtractPayload, CopiesArchiveAndDescriptorByteForByte) {
  const Bytes archive = Record("Payload.bin", PatternBytes(168761 - 16, 3));
  const Bytes descriptor = DescriptorOfSize(808);
  WriteProgram(Tail(archive, descriptor));
  Extract();
  const Bytes archiveCopy = platform::ReadFileBytes(Folder() + L"\\comps.pkg");
  const Bytes descriptorCopy = platform::ReadFileBytes(Folder() + L"\\instalar.inf");
  EXPECT_EQ(archiveCopy.size(), 168761u);
  EXPECT_EQ(descriptorCopy.size(), 808u);
  EXPECT_EQ(archiveCopy, archive);
  EXPECT_EQ(descriptorCopy, descriptor);
}

TEST_F(ExtractPayload, CopiesPartsAndRecordsLargerThanOneBlockWhole) {
  // Two records that end just past a block boundary, then one just short of it: every block
  // of the copies is written once, in order, and the last partial block too.
  const Bytes first = PatternBytes(2 * kPayloadChunkSize + 17, 4);
  const Bytes second = PatternBytes(kPayloadChunkSize + 1, 5);
  const Bytes third = PatternBytes(kPayloadChunkSize - 1, 6);
  const Bytes archive = Concat(
      {Record("First.bin", first), Record("Second.bin", second), Record("Third.bin", third)});
  WriteProgram(Tail(archive, DescriptorOfSize(40)));
  Extract();
  EXPECT_EQ(platform::ReadFileBytes(Folder() + L"\\comps.pkg"), archive);
  EXPECT_EQ(platform::ReadFileBytes(Folder() + L"\\First.bin"), first);
  EXPECT_EQ(platform::ReadFileBytes(Folder() + L"\\Second.bin"), second);
  EXPECT_EQ(platform::ReadFileBytes(Folder() + L"\\Third.bin"), third);
}

TEST_F(ExtractPayload, UnpacksArchiveIntoTheFolder) {
  WriteProgram(Tail(Record("UnitA.pas", AsciiBytes("unit UnitA;")), DescriptorOfSize(40)));
  Extract();
  EXPECT_EQ(State.TempDir, Folder());
  EXPECT_EQ(State.ExtractedFiles.Items(), std::vector<String>{L"UnitA.pas"});
  EXPECT_EQ(platform::ReadFileBytes(Folder() + L"\\UnitA.pas"), AsciiBytes("unit UnitA;"));
}

TEST_F(ExtractPayload, AcceptsEmptyArchiveAndDescriptor) {
  WriteProgram(Tail({}, {}));
  Extract();
  EXPECT_TRUE(State.ExtractedFiles.Items().empty());
  EXPECT_EQ(platform::FileSize(Folder() + L"\\comps.pkg"), 0u);
  EXPECT_EQ(platform::FileSize(Folder() + L"\\instalar.inf"), 0u);
}

TEST_F(ExtractPayload, CreatesNumberedFolderInSystemTemp) {
  WriteProgram(Tail(Record("UnitA.pas", AsciiBytes("x")), {}));
  ::ExtractPayload(State, Program());
  const String temp = SystemTempFolder();
  const bool inTemp = State.TempDir.starts_with(temp);
  const String number = State.TempDir.substr(temp.size());
  const bool inRange = !number.empty() && number.size() <= 6 &&
                       number.find_first_not_of(L"0123456789") == String::npos &&
                       (number == L"0" || number[0] != L'0');
  const bool unpacked = platform::FileExists(State.TempDir + L"\\UnitA.pas");
  if (inTemp && !number.empty()) testing_support::RemoveTree(State.TempDir);
  EXPECT_TRUE(inTemp);
  EXPECT_TRUE(inRange) << ToUtf8(number);
  EXPECT_TRUE(unpacked);
}

TEST_F(ExtractPayload, ShowsUnpackFailureInTheWindowsMessage) {
  WriteProgram(Tail(Record("..\\Evil.pas", AsciiBytes("x")), {}));
  try {
    Extract();
    FAIL() << "the hostile archive was accepted";
  } catch (const EPayloadError& failure) {
    EXPECT_EQ(failure.Message(),
              L"Não foi possível extrair os arquivos de instalação.||<b>Mensagem de erro:<b>|"
              L"Não foi possível extrair o conteúdo do arquivo <b>comps.pkg<b>.");
  }
}

TEST_F(ExtractPayload, KeepsPartsWrittenBeforeUnpackFailure) {
  const Bytes archive = Record("..\\Evil.pas", AsciiBytes("x"));
  WriteProgram(Tail(archive, {}));
  EXPECT_EQ(FailureReason(), L"Não foi possível extrair o conteúdo do arquivo <b>comps.pkg<b>.");
  EXPECT_EQ(FolderEntries(Folder()), (std::vector<String>{L"comps.pkg", L"instalar.inf"}));
  EXPECT_EQ(FolderEntries(Scratch.Path()), (std::vector<String>{L"setup.exe", L"unpacked"}));
}

TEST_F(ExtractPayload, FailsForMissingProgramFile) {
  EXPECT_FALSE(FailureReason().empty());
  EXPECT_TRUE(FolderEntries(Folder()).empty());
}

TEST_F(ExtractPayload, RefusesNegativeArchiveSize) {
  WriteProgram(Concat({LittleEndian32(-5), LittleEndian32(0)}));
  EXPECT_NE(FailureReason(), L"(no failure)");
  EXPECT_TRUE(FolderEntries(Folder()).empty());
}

TEST_F(ExtractPayload, RefusesNegativeDescriptorSize) {
  WriteProgram(Concat({LittleEndian32(0), LittleEndian32(-1)}));
  EXPECT_NE(FailureReason(), L"(no failure)");
  EXPECT_TRUE(FolderEntries(Folder()).empty());
}

TEST_F(ExtractPayload, RefusesSizesPointingBeforeFileStart) {
  WriteProgram(Concat({LittleEndian32(4096), LittleEndian32(1)}));
  EXPECT_NE(FailureReason(), L"(no failure)");
  EXPECT_TRUE(FolderEntries(Folder()).empty());
}

TEST_F(ExtractPayload, RefusesLargestSizesWithoutOverflow) {
  WriteProgram(Concat({LittleEndian32(INT32_MAX), LittleEndian32(INT32_MAX)}));
  EXPECT_NE(FailureReason(), L"(no failure)");
  EXPECT_TRUE(FolderEntries(Folder()).empty());
}

TEST_F(ExtractPayload, RefusesFileShorterThanTrailer) {
  platform::WriteFileBytes(Program(), Bytes{0, 0, 0, 0, 0, 0, 0});
  EXPECT_NE(FailureReason(), L"(no failure)");
  EXPECT_TRUE(FolderEntries(Folder()).empty());
}

TEST_F(ExtractPayload, AcceptsPayloadThatFillsTheWholeFile) {
  const Bytes archive = Record("A.pas", AsciiBytes("a"));
  platform::WriteFileBytes(Program(), Tail(archive, AsciiBytes("[SETUP]")));
  Extract();
  EXPECT_EQ(State.ExtractedFiles.Items(), std::vector<String>{L"A.pas"});
}

TEST(PayloadError, PlacesReasonAfterTheErrorHeading) {
  EXPECT_EQ(EPayloadError(L"Disco cheio.").Message(),
            L"Não foi possível extrair os arquivos de instalação.||<b>Mensagem de erro:<b>|"
            L"Disco cheio.");
}

TEST(CreateTempFolder, SkipsNumberWhoseFolderExists) {
  std::mt19937 probe(1234);
  std::uniform_int_distribution<int> number(0, 999999);
  const String taken = SystemTempFolder() + std::to_wstring(number(probe));
  const String expected = SystemTempFolder() + std::to_wstring(number(probe));
  const bool takenExisted = platform::DirectoryExists(taken);
  platform::ForceDirectories(taken);
  std::mt19937 random(1234);
  const String created = CreateTempFolder(random);
  const bool exists = platform::DirectoryExists(created);
  if (!takenExisted) platform::RemoveDirectory(taken);
  platform::RemoveDirectory(created);
  EXPECT_EQ(created, expected);
  EXPECT_TRUE(exists);
}

TEST_F(ExtractPayload, ArchiveMatchingItsDigestIsUnpacked) {
  const Bytes archive = Record("UnitA.pas", AsciiBytes("unit UnitA;"));
  WriteProgram(Tail(archive, DescriptorWithDigest(DigestOf(archive))));
  Extract();
  EXPECT_EQ(State.ExtractedFiles.Items(), std::vector<String>{L"UnitA.pas"});
}

TEST_F(ExtractPayload, DigestInCapitalsIsAccepted) {
  const Bytes archive = Record("UnitA.pas", AsciiBytes("unit UnitA;"));
  std::string digest = DigestOf(archive);
  for (char& c : digest) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  WriteProgram(Tail(archive, DescriptorWithDigest(digest)));
  Extract();
  EXPECT_EQ(State.ExtractedFiles.Count(), 1);
}

TEST_F(ExtractPayload, ArchiveChangedInOneByteIsRefusedAsUnpackFailure) {
  const Bytes archive = Concat({Record("UnitA.pas", AsciiBytes("unit UnitA;")),
                                Record("UnitB.pas", AsciiBytes("unit UnitB;"))});
  Bytes changed = archive;
  changed[changed.size() - 3] ^= 0x01;
  WriteProgram(Tail(changed, DescriptorWithDigest(DigestOf(archive))));
  EXPECT_EQ(FailureReason(), L"Não foi possível extrair o conteúdo do arquivo <b>comps.pkg<b>.");
}

TEST_F(ExtractPayload, ArchiveNotMatchingItsDigestUnpacksNothing) {
  const Bytes archive = Record("UnitA.pas", AsciiBytes("unit UnitA;"));
  WriteProgram(Tail(archive, DescriptorWithDigest(std::string(64, '0'))));
  EXPECT_THROW(Extract(), EPayloadDigestMismatch);
  EXPECT_EQ(State.ExtractedFiles.Count(), 0);
  EXPECT_EQ(FolderEntries(Folder()), (std::vector<String>{L"comps.pkg", L"instalar.inf"}));
}

TEST_F(ExtractPayload, MismatchNamesBothDigests) {
  const Bytes archive = Record("UnitA.pas", AsciiBytes("unit UnitA;"));
  WriteProgram(Tail(archive, DescriptorWithDigest("not-a-digest")));
  try {
    Extract();
    FAIL() << "no failure";
  } catch (const EPayloadDigestMismatch& damaged) {
    EXPECT_EQ(damaged.Expected(), L"not-a-digest");
    EXPECT_EQ(ToUtf8(damaged.Actual()), DigestOf(archive));
  }
}

TEST_F(ExtractPayload, EmptyDigestValueIsLikeNone) {
  const Bytes archive = Record("UnitA.pas", AsciiBytes("unit UnitA;"));
  WriteProgram(Tail(archive, DescriptorWithDigest("")));
  Extract();
  EXPECT_EQ(State.ExtractedFiles.Count(), 1);
}

// The archive is hashed on a second thread while it is copied out; these cases span many of its
// blocks.
class ExtractLargePayload : public ExtractPayload {
 protected:
  void SetUp() override {
    for (int file = 0; file < 3; ++file) {
      Files.push_back(
          PatternBytes(3 * kPayloadChunkSize + 1000 * file, static_cast<uint8_t>(file)));
    }
    Archive =
        Concat({Record("A.bin", Files[0]), Record("B.bin", Files[1]), Record("C.bin", Files[2])});
  }
  void TearDown() override { platform::ClearFaults(); }

  std::vector<Bytes> Files;
  Bytes Archive;
};

TEST_F(ExtractLargePayload, ArchiveOfManyBlocksMatchingItsDigestIsUnpacked) {
  WriteProgram(Tail(Archive, DescriptorWithDigest(DigestOf(Archive))));
  Extract();
  EXPECT_EQ(State.ExtractedFiles.Count(), 3);
  EXPECT_EQ(platform::ReadFileBytes(Folder() + L"\\C.bin"), Files[2]);
}

TEST_F(ExtractLargePayload, ByteChangedInTheLastBlockIsFoundBeforeAnythingIsUnpacked) {
  Bytes changed = Archive;
  changed[changed.size() - 1] ^= 0x80;
  WriteProgram(Tail(changed, DescriptorWithDigest(DigestOf(Archive))));
  EXPECT_THROW(Extract(), EPayloadDigestMismatch);
  EXPECT_EQ(State.ExtractedFiles.Count(), 0);
  EXPECT_EQ(FolderEntries(Folder()), (std::vector<String>{L"comps.pkg", L"instalar.inf"}));
}

TEST_F(ExtractLargePayload, WriteFailingMidwayThroughTheArchiveFailsTheExtraction) {
  WriteProgram(Tail(Archive, DescriptorWithDigest(DigestOf(Archive))));
  platform::FailNth(platform::FaultKind::FileWrite, 5);
  EXPECT_NE(FailureReason().find(L"comps.pkg"), String::npos);
  EXPECT_EQ(State.ExtractedFiles.Count(), 0);
  // The hashing thread has ended with the failed copy: the next extraction runs as usual.
  Extract();
  EXPECT_EQ(State.ExtractedFiles.Count(), 3);
}

TEST_F(ExtractLargePayload, ReadFailingMidwayThroughTheArchiveFailsTheExtraction) {
  WriteProgram(Tail(Archive, DescriptorWithDigest(DigestOf(Archive))));
  // The reads of the PE check and the trailer come first; this one falls inside the archive.
  platform::FailNth(platform::FaultKind::FileRead, 8);
  EXPECT_NE(FailureReason().find(L"setup.exe"), String::npos);
  EXPECT_FALSE(platform::FileExists(Folder() + L"\\instalar.inf"));
  Extract();
  EXPECT_EQ(State.ExtractedFiles.Count(), 3);
}

}  // namespace
