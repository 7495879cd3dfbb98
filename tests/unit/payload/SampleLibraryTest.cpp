// The sample library in samples/qrvlib: its resource files are valid 32-bit resource files,
// its package template fits the patch step, and a setup built from it with qrvpack extracts
// back byte for byte in the archive order.
#include <gtest/gtest.h>

#include <sstream>

#include "../../../tools/qrvpack/Qrvpack.h"
#include "PayloadTestData.h"
#include "app/Payload.h"
#include "platform/Files.h"

namespace {

String SampleFolder() {
  return testing_support::SourcePath(L"samples\\qrvlib");
}

const std::vector<String> kUnits = {L"QrvAboutDlg",     L"QrvColorLabel", L"QrvConsts",
                                    L"QrvLedIndicator", L"QrvNumEdit",    L"QrvPickListDlg",
                                    L"QrvTitlePanel"};
const wchar_t* const kFiles =
    L"|QrvAboutDlg|QrvColorLabel|QrvConsts|QrvLedIndicator|QrvNumEdit|QrvPickListDlg|"
    L"QrvTitlePanel|";

uint32_t Get32(const Bytes& bytes, size_t offset) {
  return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
         (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

uint16_t Get16(const Bytes& bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

struct ResourceEntry {
  uint32_t DataSize = 0;
  uint32_t HeaderSize = 0;
  String Type;  // "#n" for an ordinal
  String Name;
  Bytes Data;
};

// Reads a type or name field: an ordinal (0xFFFF, n) or a zero-terminated UTF-16 text.
String ReadNameField(const Bytes& bytes, size_t& at) {
  if (Get16(bytes, at) == 0xFFFF) {
    const String ordinal = L"#" + std::to_wstring(Get16(bytes, at + 2));
    at += 4;
    return ordinal;
  }
  String text;
  for (; Get16(bytes, at) != 0; at += 2) text += static_cast<wchar_t>(Get16(bytes, at));
  at += 2;
  return text;
}

// The entries of a 32-bit resource file; fails the test on a malformed one.
std::vector<ResourceEntry> ReadResourceFile(const String& path) {
  const Bytes bytes = platform::ReadFileBytes(path);
  std::vector<ResourceEntry> entries;
  size_t at = 0;
  while (at < bytes.size()) {
    EXPECT_LE(at + 32, bytes.size());
    if (at + 32 > bytes.size()) break;
    ResourceEntry entry;
    entry.DataSize = Get32(bytes, at);
    entry.HeaderSize = Get32(bytes, at + 4);
    size_t field = at + 8;
    entry.Type = ReadNameField(bytes, field);
    entry.Name = ReadNameField(bytes, field);
    const size_t data = at + entry.HeaderSize;
    EXPECT_LE(data + entry.DataSize, bytes.size());
    if (data + entry.DataSize > bytes.size()) break;
    entry.Data.assign(bytes.begin() + data, bytes.begin() + data + entry.DataSize);
    entries.push_back(entry);
    at = (data + entry.DataSize + 3) & ~size_t{3};
  }
  return entries;
}

TEST(SampleLibrary, ComponentResourcesHoldTheEmptyHeaderThenBitmapsOfTheClasses) {
  const std::vector<std::pair<String, String>> resources = {
      {L"QrvAboutDlg.dcr", L"TQRVABOUTDIALOG"}, {L"QrvColorLabel.dcr", L"TQRVCOLORLABEL"},
      {L"QrvLedIndicator.dcr", L"TQRVLED"},     {L"QrvNumEdit.dcr", L"TQRVNUMEDIT"},
      {L"QrvPickListDlg.dcr", L"TQRVPICKLIST"}, {L"QrvTitlePanel.dcr", L"TQRVTITLEPANEL"}};
  for (const auto& [file, bitmap] : resources) {
    const std::vector<ResourceEntry> entries = ReadResourceFile(SampleFolder() + L"\\" + file);
    ASSERT_EQ(entries.size(), 2u) << ToUtf8(file);
    EXPECT_EQ(entries[0].DataSize, 0u);
    EXPECT_EQ(entries[0].HeaderSize, 32u);
    EXPECT_EQ(entries[0].Type, L"#0");
    EXPECT_EQ(entries[0].Name, L"#0");
    EXPECT_EQ(entries[1].Type, L"#2") << ToUtf8(file);
    EXPECT_EQ(entries[1].Name, bitmap);
    ASSERT_GE(entries[1].Data.size(), 40u);
    EXPECT_EQ(Get32(entries[1].Data, 0), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(Get32(entries[1].Data, 4), 24u);  // width
    EXPECT_EQ(Get16(entries[1].Data, 14), 4u);  // bits per pixel
  }
}

TEST(SampleLibrary, PackageResourceHoldsTheEmptyHeaderThenVersionInformation) {
  const std::vector<ResourceEntry> entries = ReadResourceFile(SampleFolder() + L"\\QRVLib260.res");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].HeaderSize, 32u);
  EXPECT_EQ(entries[1].Type, L"#16");
  EXPECT_EQ(entries[1].Name, L"#1");
  EXPECT_EQ(Get32(entries[1].Data, 40), 0xFEEF04BDu);  // VS_FIXEDFILEINFO signature
}

TEST(SampleLibrary, PackageTemplateHasOneResourceLineAndAnEmptyContainsSection) {
  const Bytes bytes = platform::ReadFileBytes(SampleFolder() + L"\\QRVLib260.dpk");
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.find("{$R *.res}"), text.rfind("{$R *.res}"));
  EXPECT_EQ(text.find("contains"), text.rfind("contains"));
  EXPECT_NE(text.find("contains\r\n\r\nend."), std::string::npos);
  EXPECT_NE(text.find("{$DESCRIPTION 'QRV Library - Components'}\r\n"), std::string::npos);
}

TEST(SampleLibrary, SetupBuiltFromItExtractsBackByteForByteInArchiveOrder) {
  ScratchFolder scratch;
  platform::WriteFileBytes(scratch / L"stub.exe", PatternBytes(2048, 4));
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunQrvpack({L"build", L"--stub", scratch / L"stub.exe", L"--from", SampleFolder(),
                        L"--version", L"26", L"--package", L"Personalizado", L"-o",
                        scratch / L"setup.exe"},
                       out, err),
            0)
      << err.str();
  TInstallerState state;
  platform::ForceDirectories(scratch / L"out");
  ExtractPayloadTo(state, scratch / L"setup.exe", scratch / L"out");
  ReadSetupDescriptor(state);
  EXPECT_EQ(state.TargetVersion, 26);
  EXPECT_EQ(state.UnitList, kFiles);
  std::vector<String> expected;
  for (const String& unit : kUnits) {
    for (const wchar_t* extension : {L".dcr", L".dfm", L".pas"}) {
      if (platform::FileExists(SampleFolder() + L"\\" + unit + extension))
        expected.push_back(unit + extension);
    }
  }
  expected.push_back(L"QRVLib260.dpk");
  expected.push_back(L"QRVLib260.res");
  EXPECT_EQ(state.ExtractedFiles.Items(), expected);
  for (const String& name : expected) {
    EXPECT_EQ(platform::ReadFileBytes(scratch / L"out\\" + name),
              platform::ReadFileBytes(SampleFolder() + L"\\" + name))
        << ToUtf8(name);
  }
}

}  // namespace
