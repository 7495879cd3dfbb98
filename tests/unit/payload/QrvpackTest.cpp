// qrvpack: the archive order, the descriptor, the exact tail of a built setup, its listing and
// extraction, and the inputs it refuses without leaving anything at the output path.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "../../../tools/qrvpack/Qrvpack.h"
#include "../../../tools/qrvpack/SetupBuilder.h"
#include "PayloadTestData.h"
#include "app/Payload.h"
#include "app/PayloadFormat.h"
#include "core/Sha256.h"
#include "platform/Faults.h"
#include "platform/Files.h"

namespace {

std::string DigestOf(const Bytes& bytes) {
  TSha256 sha;
  sha.Update(bytes.data(), bytes.size());
  return ToUtf8(TSha256::Hex(sha.Final()));
}

int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class Qrvpack : public ::testing::Test {
 protected:
  Qrvpack() {
    platform::ForceDirectories(From());
    platform::WriteFileBytes(Stub(), PatternBytes(4096, 5));
  }
  ~Qrvpack() override { platform::ClearFaults(); }

  String From() const { return Scratch / L"lib"; }
  String Stub() const { return Scratch / L"stub.exe"; }
  String Setup() const { return Scratch / L"setup.exe"; }

  void AddFile(const String& name, const Bytes& content) {
    platform::WriteFileBytes(From() + L"\\" + name, content);
  }

  int Run(std::vector<String> arguments) {
    Out.str("");
    Err.str("");
    return RunQrvpack(arguments, Out, Err);
  }

  int Build(std::vector<String> extra = {}) {
    std::vector<String> arguments = {L"build",     L"--stub", Stub(), L"--from", From(),
                                     L"--version", L"26",     L"-o",  Setup()};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return Run(arguments);
  }

  ScratchFolder Scratch;
  std::ostringstream Out;
  std::ostringstream Err;
};

TEST(QrvpackOrder, PutsEachUnitsResourceFormAndSourceFirstThenPackageThenRest) {
  const std::vector<String> files = {L"b.txt",         L"UnitB.pas", L"UnitA.dcr",
                                     L"UnitA.pas",     L"UnitA.dfm", L"QRVLib260.res",
                                     L"QRVLib260.dpk", L"UnitB.dcr", L"Extra.pas"};
  EXPECT_EQ(
      ArchiveOrder(files, L"|UnitB|UnitA|", 26),
      (std::vector<String>{L"UnitB.dcr", L"UnitB.pas", L"UnitA.dcr", L"UnitA.dfm", L"UnitA.pas",
                           L"QRVLib260.dpk", L"QRVLib260.res", L"b.txt", L"Extra.pas"}));
}

TEST(QrvpackOrder, MatchesUnitFilesIgnoringCase) {
  EXPECT_EQ(ArchiveOrder({L"zeta.txt", L"unita.PAS"}, L"|UnitA|", 26),
            (std::vector<String>{L"unita.PAS", L"zeta.txt"}));
}

TEST(QrvpackOrder, DefaultUnitListNamesEverySourceFileSortedByName) {
  EXPECT_EQ(DefaultUnitList({L"b.pas", L"A.pas", L"A.dcr", L"C.dfm", L"QRVLib260.dpk"}), L"|A|b|");
}

TEST(QrvpackOrder, DefaultUnitListIsEmptyWithoutSourceFiles) {
  EXPECT_EQ(DefaultUnitList({L"A.dcr"}), L"");
}

TEST(QrvpackDescriptor, WritesBothSectionsWithCrLf) {
  TBuildOptions options;
  options.Version = 26;
  options.Package = L"Edição Personalizada";
  options.Source = false;
  options.Names = L"|TCompA|";
  EXPECT_EQ(DescriptorText(options, L"|UnitA|", String(64, L'e')),
            "[SETUP]\r\nVersion=26\r\nPackage=Edi\xE7\xE3o Personalizada\r\nDigest=" +
                std::string(64, 'e') +
                "\r\n[COMPONENTS]\r\nSource=0\r\nFiles=|UnitA|\r\nNames=|TCompA|\r\n");
}

TEST(QrvpackNames, RefusesNameOver255Bytes) {
  EXPECT_THROW(ArchiveName(String(252, L'A') + L".pas"), EQrvpackError);
}

TEST(QrvpackNames, AcceptsNameOf255Bytes) {
  EXPECT_EQ(ArchiveName(String(251, L'A') + L".pas").size(), 255u);
}

TEST(QrvpackNames, RefusesNameOutsideAnsiCodePage) {
  EXPECT_THROW(ArchiveName(L"Unit\u03B1.pas"), EQrvpackError);
}

TEST(QrvpackNames, RefusesDeviceName) {
  EXPECT_THROW(ArchiveName(L"NUL.pas"), EQrvpackError);
}

TEST_F(Qrvpack, BuildWritesStubArchiveDescriptorAndTrailer) {
  AddFile(L"UnitA.pas", AsciiBytes("unit UnitA;"));
  AddFile(L"UnitA.dcr", PatternBytes(300, 1));
  ASSERT_EQ(Build({L"--package", L"Std", L"--names", L"|TA|"}), 0) << Err.str();
  const Bytes archive = Concat(
      {Record("UnitA.dcr", PatternBytes(300, 1)), Record("UnitA.pas", AsciiBytes("unit UnitA;"))});
  const Bytes descriptor =
      AsciiBytes("[SETUP]\r\nVersion=26\r\nPackage=Std\r\nDigest=" + DigestOf(archive) +
                 "\r\n[COMPONENTS]\r\nSource=1\r\nFiles=|UnitA|\r\nNames=|TA|\r\n");
  const Bytes tail = Tail(archive, descriptor);
  const Bytes setup = platform::ReadFileBytes(Setup());
  const size_t padding = (8 - (4096 + tail.size()) % 8) % 8;
  ASSERT_EQ(setup.size(), 4096 + padding + tail.size());
  EXPECT_EQ(Bytes(setup.begin(), setup.begin() + 4096), PatternBytes(4096, 5));
  EXPECT_EQ(Bytes(setup.begin() + 4096, setup.begin() + 4096 + padding), Bytes(padding, 0));
  EXPECT_EQ(Bytes(setup.end() - tail.size(), setup.end()), tail);
}

TEST_F(Qrvpack, BuildPadsStubSoSetupSizeIsMultipleOfEight) {
  platform::WriteFileBytes(Stub(), PatternBytes(1001, 5));
  AddFile(L"A.pas", AsciiBytes("abc"));
  ASSERT_EQ(Build(), 0) << Err.str();
  EXPECT_EQ(*platform::FileSize(Setup()) % 8, 0u);
}

TEST_F(Qrvpack, BuildReplacesExistingOutput) {
  platform::WriteFileBytes(Setup(), AsciiBytes("old"));
  AddFile(L"A.pas", AsciiBytes("abc"));
  ASSERT_EQ(Build(), 0) << Err.str();
  EXPECT_GT(*platform::FileSize(Setup()), 4096u);
}

TEST_F(Qrvpack, ListPrintsDescriptorThenRecords) {
  AddFile(L"UnitA.pas", AsciiBytes("unit UnitA;"));
  AddFile(L"UnitA.dfm", AsciiBytes("object F: TF end"));
  AddFile(L"Leia-me.txt", AsciiBytes("x"));
  ASSERT_EQ(Build({L"--package", L"Personalizado", L"--source", L"0"}), 0) << Err.str();
  ASSERT_EQ(Run({L"list", Setup()}), 0) << Err.str();
  const Bytes archive = Concat({Record("UnitA.dfm", AsciiBytes("object F: TF end")),
                                Record("UnitA.pas", AsciiBytes("unit UnitA;")),
                                Record("Leia-me.txt", AsciiBytes("x"))});
  EXPECT_EQ(Out.str(),
            "Version=26\nPackage=Personalizado\nSource=0\nFiles=|UnitA|\nNames=\n"
            "Digest=" +
                DigestOf(archive) + "\n16\tUnitA.dfm\n11\tUnitA.pas\n1\tLeia-me.txt\n");
}

TEST_F(Qrvpack, ExtractUnpacksIntoFolderAndPrintsIt) {
  AddFile(L"UnitA.pas", AsciiBytes("unit UnitA;"));
  ASSERT_EQ(Build(), 0) << Err.str();
  ASSERT_EQ(Run({L"extract", Setup(), Scratch / L"out"}), 0) << Err.str();
  const std::string digest = DigestOf(Record("UnitA.pas", AsciiBytes("unit UnitA;")));
  EXPECT_EQ(Out.str(), "Version=26\nPackage=\nSource=1\nFiles=|UnitA|\nNames=\nDigest=" + digest +
                           "\n11\tUnitA.pas\n");
  EXPECT_EQ(platform::ReadFileBytes(Scratch / L"out\\UnitA.pas"), AsciiBytes("unit UnitA;"));
}

TEST_F(Qrvpack, MissingStubFailsWithOneLineAndNoOutput) {
  platform::DeleteFile(Stub());
  AddFile(L"A.pas", AsciiBytes("abc"));
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(LineCount(Err.str()), 1);
  EXPECT_EQ(FolderEntries(Scratch.Path()), std::vector<String>{L"lib"});
}

TEST_F(Qrvpack, FileOver2GiBFailsWithNoOutput) {
  {
    platform::TFileStream big(From() + L"\\Big.bin", platform::TFileStream::Mode::Create);
    big.Seek(int64_t{1} << 31);
    big.Write("x", 1);
  }
  EXPECT_EQ(Build(), 1);
  EXPECT_NE(Err.str().find("2 GiB"), std::string::npos) << Err.str();
  EXPECT_EQ(FolderEntries(Scratch.Path()), (std::vector<String>{L"lib", L"stub.exe"}));
}

TEST_F(Qrvpack, FailedWriteLeavesNothingAtOutput) {
  AddFile(L"A.pas", PatternBytes(5000, 1));
  platform::FailNth(platform::FaultKind::FileWrite, 3);
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(FolderEntries(Scratch.Path()), (std::vector<String>{L"lib", L"stub.exe"}));
}

TEST_F(Qrvpack, FileNameOutsideAnsiCodePageFailsWithNoOutput) {
  AddFile(L"Unit\u03B1.pas", AsciiBytes("abc"));
  EXPECT_EQ(Build(), 1);
  EXPECT_NE(Err.str().find("ANSI"), std::string::npos) << Err.str();
  EXPECT_EQ(FolderEntries(Scratch.Path()), (std::vector<String>{L"lib", L"stub.exe"}));
}

TEST_F(Qrvpack, PackageTextOutsideAnsiCodePageIsRefused) {
  AddFile(L"A.pas", AsciiBytes("abc"));
  EXPECT_EQ(Build({L"--package", L"\u0417\u0430\u043A\u0430\u0437"}), 1);
  EXPECT_FALSE(platform::FileExists(Setup()));
}

TEST_F(Qrvpack, FilesValueLongerThanTheWizardReadsIsRefused) {
  AddFile(L"A.pas", AsciiBytes("abc"));
  EXPECT_EQ(Build({L"--files", L"|" + String(2047, L'U') + L"|"}), 1);
  EXPECT_NE(Err.str().find("2047"), std::string::npos) << Err.str();
}

TEST_F(Qrvpack, MalformedFilesListIsRefused) {
  AddFile(L"A.pas", AsciiBytes("abc"));
  EXPECT_EQ(Build({L"--files", L"A|B"}), 1);
  EXPECT_FALSE(platform::FileExists(Setup()));
}

TEST_F(Qrvpack, UnknownOptionIsAMisuse) {
  EXPECT_EQ(Build({L"--colour", L"red"}), 2);
  EXPECT_NE(Err.str().find("unknown option"), std::string::npos) << Err.str();
  EXPECT_EQ(LineCount(Err.str()), 1);
}

TEST_F(Qrvpack, NoArgumentsPrintUsage) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(Err.str().rfind("usage: qrvpack build", 0), 0u) << Err.str();
}

TEST_F(Qrvpack, ListOfDamagedSetupFailsWithOneLine) {
  platform::WriteFileBytes(Setup(),
                           Concat({PatternBytes(100, 1), LittleEndian32(-1), LittleEndian32(0)}));
  EXPECT_EQ(Run({L"list", Setup()}), 1);
  EXPECT_EQ(LineCount(Err.str()), 1) << Err.str();
  EXPECT_EQ(Out.str(), "");
}

TEST_F(Qrvpack, ListOfSetupWithHostileRecordFails) {
  platform::WriteFileBytes(
      Setup(), Concat({PatternBytes(100, 1), Tail(Record("..\\x.pas", AsciiBytes("x")), {})}));
  EXPECT_EQ(Run({L"list", Setup()}), 1);
  EXPECT_NE(Err.str().find("..\\x.pas"), std::string::npos) << Err.str();
}

// The setup with its descriptor rewritten by `edit`, the trailer following the new size.
void RewriteDescriptor(const String& setup, const std::function<std::string(std::string)>& edit) {
  Bytes bytes = platform::ReadFileBytes(setup);
  TPayloadLocation location;
  {
    platform::TFileStream file(setup, platform::TFileStream::Mode::OpenRead);
    location = LocatePayload(file);
  }
  const auto descriptorBegin = bytes.begin() + location.DescriptorOffset;
  const std::string descriptor =
      edit(std::string(descriptorBegin, descriptorBegin + location.DescriptorSize));
  const Bytes archive(bytes.begin() + location.ArchiveOffset, descriptorBegin);
  Bytes rewritten(bytes.begin(), bytes.begin() + location.ArchiveOffset);
  const Bytes tail = Tail(archive, AsciiBytes(descriptor));
  rewritten.insert(rewritten.end(), tail.begin(), tail.end());
  platform::WriteFileBytes(setup, rewritten);
}

// Changes one byte of the archive's last record data.
void ChangeOneArchiveByte(const String& setup) {
  Bytes bytes = platform::ReadFileBytes(setup);
  TPayloadLocation location;
  {
    platform::TFileStream file(setup, platform::TFileStream::Mode::OpenRead);
    location = LocatePayload(file);
  }
  bytes[static_cast<size_t>(location.DescriptorOffset - 2)] ^= 0x20;
  platform::WriteFileBytes(setup, bytes);
}

TEST_F(Qrvpack, ExtractRefusesArchiveChangedAfterBuildingWithOneLine) {
  AddFile(L"UnitA.pas", AsciiBytes("unit UnitA;"));
  ASSERT_EQ(Build(), 0) << Err.str();
  ChangeOneArchiveByte(Setup());
  EXPECT_EQ(Run({L"extract", Setup(), Scratch / L"out"}), 1);
  EXPECT_EQ(LineCount(Err.str()), 1) << Err.str();
  EXPECT_NE(Err.str().find("Digest"), std::string::npos) << Err.str();
  EXPECT_FALSE(platform::FileExists(Scratch / L"out\\UnitA.pas"));
}

TEST_F(Qrvpack, ExtractWithoutDigestLineAcceptsTheArchive) {
  AddFile(L"UnitA.pas", AsciiBytes("unit UnitA;"));
  ASSERT_EQ(Build(), 0) << Err.str();
  ChangeOneArchiveByte(Setup());
  RewriteDescriptor(Setup(), [](std::string text) {
    const size_t line = text.find("Digest=");
    return text.erase(line, text.find("\r\n", line) + 2 - line);
  });
  ASSERT_EQ(Run({L"extract", Setup(), Scratch / L"out"}), 0) << Err.str();
  EXPECT_EQ(Out.str().find("Digest="), std::string::npos);
  // Nothing checks the changed byte now: it arrives as it is.
  EXPECT_EQ(platform::ReadFileBytes(Scratch / L"out\\UnitA.pas"), AsciiBytes("unit Unita;"));
}

TEST_F(Qrvpack, ListPrintsNoDigestWhenTheDescriptorHasNone) {
  AddFile(L"UnitA.pas", AsciiBytes("unit UnitA;"));
  ASSERT_EQ(Build(), 0) << Err.str();
  RewriteDescriptor(Setup(), [](std::string text) {
    const size_t line = text.find("Digest=");
    return text.erase(line, text.find("\r\n", line) + 2 - line);
  });
  ASSERT_EQ(Run({L"list", Setup()}), 0) << Err.str();
  EXPECT_EQ(Out.str(), "Version=26\nPackage=\nSource=1\nFiles=|UnitA|\nNames=\n11\tUnitA.pas\n");
}

}  // namespace
