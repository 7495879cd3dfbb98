// ideinfo: prints what the IDE installation catalogue finds on this machine, one block of
// "name: value" lines per installation (see IdeInfoReport.h), in UTF-8 on standard output.
// Exit code 0 when the catalogue could be built, 1 (with the error on standard error) when not.
#include <cstdio>
#include <exception>

#include "ConsoleOutput.h"
#include "IdeInfoReport.h"
#include "core/Exception.h"

namespace {

void Print(FILE* stream, const String& text) {
  const std::string bytes = ToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

}  // namespace

int main() {
  UseUtf8ConsoleOutput();
  std::unique_ptr<TIdeBorRADToolInstallations> catalogue;
  try {
    catalogue = std::make_unique<TIdeBorRADToolInstallations>();
  } catch (const Exception& e) {
    Print(stderr, L"ideinfo: " + e.Message() + L"\n");
    return 1;
  } catch (const std::exception& e) {
    Print(stderr, L"ideinfo: " + FromUtf8(e.what()) + L"\n");
    return 1;
  }
  Print(stdout, DescribeCatalogue(*catalogue));
  return 0;
}
