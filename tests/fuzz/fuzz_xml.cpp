// Any byte string: the reader either refuses it with EXmlError or reads it, and then what the
// writer makes of the document reads back.
#include <cstdint>
#include <cstdlib>

#include "core/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<TXmlDocument> document;
  try {
    document = TXmlDocument::Load(std::vector<uint8_t>(data, data + size));
  } catch (const EXmlError&) {
    return 0;
  }
  const std::vector<uint8_t> saved = document->Save();
  try {
    TXmlDocument::Load(saved);
  } catch (const EXmlError&) {
    std::abort();  // a document we wrote must read back
  }
  return 0;
}
