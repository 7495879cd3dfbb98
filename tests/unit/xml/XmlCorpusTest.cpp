// Every file of corpus/ is one edge case, named for its outcome: ok-*.xml must read (and read back
// after saving), bad-*.xml must be refused with EXmlError. The first line of each says why it
// exists.
#include <gtest/gtest.h>

#include "core/XmlDocument.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

String CorpusFolder() {
  return FromNativePath(FromUtf8(QRV_XML_CORPUS));
}

std::vector<String> CorpusFiles(const wchar_t* prefix) {
  std::vector<String> names;
  for (const platform::FoundFile& entry :
       platform::FindFiles(CorpusFolder() + L"\\" + prefix + L"*.xml"))
    names.push_back(entry.name);
  return names;
}

}  // namespace

TEST(XmlCorpus, EveryGoodCaseReadsAndReadsBackAfterSaving) {
  const std::vector<String> files = CorpusFiles(L"ok-");
  ASSERT_GE(files.size(), 8u);
  for (const String& name : files) {
    SCOPED_TRACE(ToUtf8(name));
    const auto bytes = platform::ReadFileBytes(CorpusFolder() + L"\\" + name);
    std::unique_ptr<TXmlDocument> document;
    ASSERT_NO_THROW(document = TXmlDocument::Load(bytes));
    EXPECT_NO_THROW(TXmlDocument::Load(document->Save()));
  }
}

TEST(XmlCorpus, EveryBadCaseIsRefused) {
  const std::vector<String> files = CorpusFiles(L"bad-");
  ASSERT_GE(files.size(), 10u);
  for (const String& name : files) {
    SCOPED_TRACE(ToUtf8(name));
    EXPECT_THROW(TXmlDocument::Load(platform::ReadFileBytes(CorpusFolder() + L"\\" + name)),
                 EXmlError);
  }
}
