// Stand-in for the native build, which has no .NET runtime: one fixed runtime, so that
// evaluation works and the reserved MSBuild tool properties have stable values.
#include "idetools/IdeMsBuild.h"

std::vector<TIdeDotNetRuntime> InstalledDotNetRuntimes() {
  return {{L"v4.0.30319", L"C:\\Windows\\Microsoft.NET\\Framework\\v4.0.30319"}};
}
