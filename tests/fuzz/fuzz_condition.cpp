// Any text as a condition: true, false, or one of the evaluator's declared errors.
#include "FuzzProject.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    FuzzParser().ParseCondition(FuzzText(data, size));
  } catch (const EIdeMsBuildError&) {
  } catch (const EIdeRegistryError&) {
  } catch (const EConvertError&) {
  }
  return 0;
}
