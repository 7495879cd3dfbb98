// Setups signed after they were built: the certificate table that signing appends to a Windows
// program follows the payload's trailer, and the trailer is found just before it.
#include <gtest/gtest.h>

#include <random>

#include "PayloadTestData.h"
#include "app/Payload.h"
#include "platform/Files.h"

namespace {

enum class PeKind { Pe32, Pe32Plus };

void Put16(Bytes& bytes, size_t offset, uint16_t value) {
  bytes[offset] = static_cast<uint8_t>(value);
  bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(Bytes& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The headers of a minimal PE image, 1024 bytes, with `directories` data directory entries.
class SyntheticPe {
 public:
  explicit SyntheticPe(PeKind kind, uint32_t directories = 16) : FBytes(1024, 0) {
    const bool plus = kind == PeKind::Pe32Plus;
    FBytes[0] = 'M';
    FBytes[1] = 'Z';
    Put32(FBytes, 0x3C, kPeHeader);
    FBytes[kPeHeader] = 'P';
    FBytes[kPeHeader + 1] = 'E';
    Put16(FBytes, kPeHeader + 4, plus ? 0x8664 : 0x14C);   // machine
    Put16(FBytes, kPeHeader + 20, plus ? 240 : 224);       // optional header size
    Put16(FBytes, kOptionalHeader, plus ? 0x20B : 0x10B);  // magic
    FDirectories = kOptionalHeader + (plus ? 112 : 96);
    Put32(FBytes, FDirectories - 4, directories);  // NumberOfRvaAndSizes
  }

  // Sets the security directory entry: a file offset and a size.
  void SetCertificateTable(uint32_t offset, uint32_t size) {
    Put32(FBytes, FDirectories + 4 * 8, offset);
    Put32(FBytes, FDirectories + 4 * 8 + 4, size);
  }

  const Bytes& Image() const { return FBytes; }

 private:
  static constexpr size_t kPeHeader = 0x80;
  static constexpr size_t kOptionalHeader = kPeHeader + 24;
  Bytes FBytes;
  size_t FDirectories;
};

// A certificate table: a WIN_CERTIFICATE header and some signature bytes.
Bytes CertificateTable(size_t size) {
  Bytes table = PatternBytes(size, 77);
  Put32(table, 0, static_cast<uint32_t>(size));
  Put16(table, 4, 0x0200);
  Put16(table, 6, 0x0002);
  return table;
}

class SignedSetup : public ::testing::Test {
 protected:
  // Writes image + tail + table with the security entry pointing at the table.
  void WriteSigned(SyntheticPe pe, const Bytes& tail, const Bytes& table) {
    pe.SetCertificateTable(static_cast<uint32_t>(pe.Image().size() + tail.size()),
                           static_cast<uint32_t>(table.size()));
    platform::WriteFileBytes(Scratch / L"setup.exe", Concat({pe.Image(), tail, table}));
  }

  void Extract() {
    platform::ForceDirectories(Scratch / L"out");
    ExtractPayloadTo(State, Scratch / L"setup.exe", Scratch / L"out");
  }

  Bytes Archive() const { return Record("UnitA.pas", AsciiBytes("unit UnitA;")); }
  Bytes Descriptor() const { return AsciiBytes("[SETUP]\r\nVersion=26\r\n"); }
  Bytes Extracted(const wchar_t* name) const {
    return platform::ReadFileBytes(Scratch / L"out" + L"\\" + name);
  }

  ScratchFolder Scratch;
  TInstallerState State;
};

TEST_F(SignedSetup, Pe32ReadsTrailerBeforeCertificateTable) {
  WriteSigned(SyntheticPe(PeKind::Pe32), Tail(Archive(), Descriptor()), CertificateTable(1200));
  Extract();
  EXPECT_EQ(Extracted(L"comps.pkg"), Archive());
  EXPECT_EQ(Extracted(L"instalar.inf"), Descriptor());
  EXPECT_EQ(State.ExtractedFiles.Items(), std::vector<String>{L"UnitA.pas"});
}

TEST_F(SignedSetup, Pe32PlusReadsTrailerBeforeCertificateTable) {
  WriteSigned(SyntheticPe(PeKind::Pe32Plus), Tail(Archive(), Descriptor()), CertificateTable(1200));
  Extract();
  EXPECT_EQ(Extracted(L"comps.pkg"), Archive());
  EXPECT_EQ(Extracted(L"instalar.inf"), Descriptor());
}

TEST_F(SignedSetup, UnsignedPeReadsTrailerAtFileEnd) {
  platform::WriteFileBytes(Scratch / L"setup.exe", Concat({SyntheticPe(PeKind::Pe32).Image(),
                                                           Tail(Archive(), Descriptor())}));
  Extract();
  EXPECT_EQ(Extracted(L"comps.pkg"), Archive());
}

TEST_F(SignedSetup, CertificateTableThatDoesNotEndFileIsIgnored) {
  SyntheticPe pe(PeKind::Pe32);
  pe.SetCertificateTable(512, 64);  // inside the image, the payload follows it
  platform::WriteFileBytes(Scratch / L"setup.exe",
                           Concat({pe.Image(), Tail(Archive(), Descriptor())}));
  Extract();
  EXPECT_EQ(Extracted(L"comps.pkg"), Archive());
}

TEST_F(SignedSetup, ImageWithoutSecurityDirectoryReadsTrailerAtFileEnd) {
  SyntheticPe pe(PeKind::Pe32, 4);  // directories 0 to 3 only
  const Bytes tail = Tail(Archive(), Descriptor());
  // Where entry 4 would be, bytes that name a table ending the file must not count.
  pe.SetCertificateTable(static_cast<uint32_t>(pe.Image().size() + tail.size() - 8), 8);
  platform::WriteFileBytes(Scratch / L"setup.exe", Concat({pe.Image(), tail}));
  Extract();
  EXPECT_EQ(Extracted(L"comps.pkg"), Archive());
}

TEST_F(SignedSetup, DamagedTrailerBeforeCertificateTableIsRefused) {
  WriteSigned(SyntheticPe(PeKind::Pe32), Concat({LittleEndian32(-3), LittleEndian32(0)}),
              CertificateTable(64));
  EXPECT_THROW(Extract(), EPayloadError);
}

TEST_F(SignedSetup, DamagedHeadersGiveThePayloadOrARefusal) {
  SyntheticPe pe(PeKind::Pe32Plus);
  const Bytes tail = Tail(Archive(), Descriptor());
  const Bytes table = CertificateTable(64);
  pe.SetCertificateTable(static_cast<uint32_t>(pe.Image().size() + tail.size()),
                         static_cast<uint32_t>(table.size()));
  std::mt19937 random(4242);
  for (int round = 0; round < 200; ++round) {
    Bytes image = pe.Image();
    for (int c = 0; c < 3; ++c) image[random() % 400] = static_cast<uint8_t>(random());
    platform::WriteFileBytes(Scratch / L"setup.exe", Concat({image, tail, table}));
    try {
      Extract();
      EXPECT_EQ(Extracted(L"comps.pkg"), Archive()) << "round " << round;
    } catch (const EPayloadError&) {
    }
  }
}

}  // namespace
