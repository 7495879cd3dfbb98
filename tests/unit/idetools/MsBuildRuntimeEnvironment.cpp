// Every test executable of the catalogue evaluates MSBuild files: make sure a runtime is found.
#include <gtest/gtest.h>

#include "fixtures/ide/MsBuildRuntime.h"

namespace {

class TMsBuildRuntimeEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(EnsureMsBuildRuntime()); }
};

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new TMsBuildRuntimeEnvironment);

}  // namespace
