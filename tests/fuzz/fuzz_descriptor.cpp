// Any byte string as instalar.inf: reading the descriptor never fails, cuts every text at the
// profile reader's limit, finds sections and keys whatever their letter case, and reads back
// each integer it accepts from the integer's decimal text.
#include "FuzzScratch.h"
#include "app/Payload.h"
#include "app/PayloadFormat.h"
#include "platform/IniFile.h"
#include "platform/IniRules.h"

namespace {

void RequireIntegerReadsBack(const String& value) {
  if (const auto number = platform::ParseInteger(value))
    Require(platform::ParseInteger(std::to_wstring(*number)) == number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto& scratch = FuzzScratch();
  platform::WriteFileBytes(scratch / kDescriptorFileName, std::vector<uint8_t>(data, data + size));
  TInstallerState state;
  state.TempDir = scratch.Path();
  ReadSetupDescriptor(state);
  for (const String* text : {&state.PackageName, &state.UnitList, &state.ComponentList})
    Require(text->size() <= platform::kIniValueLimit);

  const String text =
      platform::DecodeProfileText(std::string_view(reinterpret_cast<const char*>(data), size));
  const String version = platform::ProfileString(text, L"SETUP", L"Version", L"<none>");
  Require(platform::ProfileString(text, L"setup", L"VERSION", L"<none>") == version);
  Require(version.size() <= platform::kIniValueLimit);
  Require(state.TargetVersion == platform::ParseInteger(version).value_or(0));
  RequireIntegerReadsBack(version);
  RequireIntegerReadsBack(platform::ProfileString(text, L"COMPONENTS", L"Source", L""));
  return 0;
}
