// Any text through property expansion: a value or one of the evaluator's declared errors.
#include "FuzzProject.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    FuzzParser().EvaluateString(FuzzText(data, size));
  } catch (const EIdeMsBuildError&) {
  } catch (const EIdeRegistryError&) {
  }
  return 0;
}
