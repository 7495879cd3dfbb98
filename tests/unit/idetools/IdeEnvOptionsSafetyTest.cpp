// No data loss in EnvOptions.proj: failures forced at the platform layer during the rewrite leave
// the original file byte for byte and no ".bak"; a rewrite keeps everything but the one property.
#include "CatalogueTestSupport.h"
#include "core/XmlDocument.h"
#include "platform/Faults.h"
#include "platform/Files.h"

namespace {

using platform::FaultKind;

const String kFolder = L"C:\\QRV";

class EnvOptionsSafety : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    const TSimulatedIde simulated = RadStudio();
    InstallSimulatedIde(simulated);
    FKey = simulated.VersionKeyPath();
    FFile = SimulatedEnvOptionsFolder(20) + L"\\EnvOptions.proj";
  }
  void TearDown() override {
    platform::ClearFaults();
    CatalogueTest::TearDown();
  }

  // A UTF-8 EnvOptions.proj with a byte-order mark, large enough to be saved in several writes.
  static std::vector<uint8_t> LargeEnvOptions() {
    std::string text = RealisticEnvOptions();
    const size_t afterRoot = text.find('>') + 1;
    text.insert(afterRoot, "\r\n  <!-- Caf\xC3\xA9 " + std::string(200 * 1024, 'x') + " -->");
    text.insert(0, "\xEF\xBB\xBF");
    return std::vector<uint8_t>(text.begin(), text.end());
  }

  void Write(const std::vector<uint8_t>& bytes) const { platform::WriteFileBytes(FFile, bytes); }
  std::vector<uint8_t> Read() const { return platform::ReadFileBytes(FFile); }
  bool BackupExists() const { return platform::FileExists(FFile + L".bak"); }

  std::optional<String> SearchPathValue() const {
    const auto key =
        platform::RegistryKey::Open(platform::RegRoot::CurrentUser, FKey + L"\\Library\\Win32");
    return key ? key->ReadString(L"Search Path") : std::nullopt;
  }

  bool AddFolder() {
    auto ide = TIdeBDSInstallation::Create(FKey);
    return ide->AddToLibrarySearchPath(kFolder, bpWin32);
  }

  String FKey;
  String FFile;
};

// The document as text with whitespace-only text left out: elements, attributes, comments and
// values in order.
void Describe(const TXmlNode& node, String& out) {
  switch (node.Kind()) {
    case XmlNodeKind::Element:
      out += L"<" + node.Name();
      for (const TXmlAttribute& attribute : node.Attributes())
        out += L" " + attribute.Name + L"=\"" + attribute.Value + L"\"";
      out += L">";
      for (const auto& child : node.Children()) Describe(*child, out);
      out += L"</" + node.Name() + L">";
      break;
    case XmlNodeKind::Comment:
      out += L"<!--" + node.Value() + L"-->";
      break;
    default:
      if (node.Value().find_first_not_of(L" \t\r\n") != String::npos) out += node.Value();
  }
}

String Describe(const TXmlDocument& document) {
  String out;
  Describe(*document.Root(), out);
  return out;
}

// The Win32 group's library path element of a document.
TXmlNode* Win32LibraryPath(const TXmlDocument& document) {
  for (const auto& child : document.Root()->Children()) {
    const String* condition = child->FindAttribute(L"Condition");
    if (condition && *condition == L"'$(Platform)'=='Win32'")
      return child->FirstElement(L"DelphiLibraryPath");
  }
  return nullptr;
}

}  // namespace

TEST_F(EnvOptionsSafety, FailureAtTheFirstMiddleOrLastWriteLeavesTheOriginal) {
  const std::vector<uint8_t> original = LargeEnvOptions();
  Write(original);
  ASSERT_TRUE(AddFolder());
  const size_t writes =
      (Read().size() + platform::kFileWriteBlockSize - 1) / platform::kFileWriteBlockSize;
  ASSERT_GE(writes, 3u);
  for (const size_t failing : {size_t{1}, (writes + 1) / 2, writes}) {
    Write(original);
    platform::FailNth(FaultKind::FileWrite, static_cast<int>(failing));
    EXPECT_THROW(AddFolder(), EInOutError) << "write " << failing;
    platform::ClearFaults();
    EXPECT_TRUE(Read() == original) << "write " << failing;
    EXPECT_FALSE(BackupExists()) << "write " << failing;
  }
}

TEST_F(EnvOptionsSafety, RefusedRenameLeavesTheOriginalUntouched) {
  const std::vector<uint8_t> original = LargeEnvOptions();
  Write(original);
  platform::FailNth(FaultKind::FileRename, 1);
  EXPECT_THROW(AddFolder(), EInOutError);
  EXPECT_TRUE(Read() == original);
  EXPECT_FALSE(BackupExists());
}

TEST_F(EnvOptionsSafety, RefusedRestoringRenameStillPutsTheOriginalBack) {
  const std::vector<uint8_t> original = LargeEnvOptions();
  Write(original);
  platform::FailNth(FaultKind::FileWrite, 2);
  platform::FailNth(FaultKind::FileRename, 2);
  EXPECT_THROW(AddFolder(), EInOutError);
  EXPECT_TRUE(Read() == original);
  EXPECT_FALSE(BackupExists());
}

TEST_F(EnvOptionsSafety, FailedRegistryWriteRaisesAndLeavesTheFileUntouched) {
  const std::vector<uint8_t> original = LargeEnvOptions();
  Write(original);
  platform::FailNth(FaultKind::RegistryWrite, 1);
  EXPECT_THROW(AddFolder(), EIdeRegistryError);
  EXPECT_TRUE(Read() == original);
  EXPECT_FALSE(BackupExists());
}

TEST_F(EnvOptionsSafety, MalformedFileRaisesTheReadersErrorAndIsNotRewritten) {
  const std::string text = "\xEF\xBB\xBF<Project><PropertyGroup><DelphiLibraryPath>A";
  const std::vector<uint8_t> original(text.begin(), text.end());
  Write(original);
  const auto registryBefore = SearchPathValue();
  EXPECT_THROW(AddFolder(), EXmlError);
  EXPECT_TRUE(Read() == original);
  EXPECT_FALSE(BackupExists());
  EXPECT_EQ(SearchPathValue(), registryBefore);
}

TEST_F(EnvOptionsSafety, RewriteKeepsEverythingButTheChangedProperty) {
  const std::vector<uint8_t> original = LargeEnvOptions();
  Write(original);
  ASSERT_TRUE(AddFolder());
  const std::vector<uint8_t> rewritten = Read();
  ASSERT_GE(rewritten.size(), 3u);
  EXPECT_EQ(std::vector<uint8_t>(rewritten.begin(), rewritten.begin() + 3),
            std::vector<uint8_t>(original.begin(), original.begin() + 3));
  auto expected = TXmlDocument::Load(original);
  const auto actual = TXmlDocument::Load(rewritten);
  EXPECT_EQ(actual->SaveEncoding(), expected->SaveEncoding());
  TXmlNode* changed = Win32LibraryPath(*expected);
  ASSERT_NE(changed, nullptr);
  changed->SetText(changed->Text() + L";" + kFolder);
  EXPECT_TRUE(Describe(*actual) == Describe(*expected));
  EXPECT_FALSE(BackupExists());
}

TEST_F(EnvOptionsSafety, Utf16FileStaysUtf16WithItsByteOrderMark) {
  const String text = FromUtf8(RealisticEnvOptions());
  std::vector<uint8_t> original = {0xFF, 0xFE};
  for (wchar_t c : text) {
    original.push_back(static_cast<uint8_t>(c & 0xFF));
    original.push_back(static_cast<uint8_t>(c >> 8));
  }
  Write(original);
  ASSERT_TRUE(AddFolder());
  const std::vector<uint8_t> rewritten = Read();
  ASSERT_GE(rewritten.size(), 4u);
  EXPECT_EQ(rewritten[0], 0xFF);
  EXPECT_EQ(rewritten[1], 0xFE);
  EXPECT_EQ(rewritten[2], '<');
  EXPECT_EQ(rewritten[3], 0);
  const auto document = TXmlDocument::Load(rewritten);
  EXPECT_EQ(document->SaveEncoding().CodePage, 1200u);
  ASSERT_NE(Win32LibraryPath(*document), nullptr);
  EXPECT_EQ(Win32LibraryPath(*document)->Text().substr(Win32LibraryPath(*document)->Text().size() -
                                                       kFolder.size()),
            kFolder);
}

TEST_F(EnvOptionsSafety, SingleByteFileKeepsTheDeclarationThatNamesItsEncoding) {
  std::string text = RealisticEnvOptions();
  text.insert(0, "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<!-- Caf\xE9 -->\r\n");
  Write(std::vector<uint8_t>(text.begin(), text.end()));
  ASSERT_TRUE(AddFolder());
  const auto document = TXmlDocument::Load(Read());
  EXPECT_EQ(document->SaveEncoding().CodePage, 1252u);
  EXPECT_EQ(document->Nodes().Children().front()->Value(), L" Caf\u00E9 ");
}
