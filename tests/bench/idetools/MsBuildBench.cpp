// Evaluation speed: the library path of a simulated RAD Studio 10.3 read through its realistic
// EnvOptions.proj (with environment.proj), and a synthetic 2 MB project loaded, evaluated and
// saved. Prints the times; fails only when a run is slower than any user would accept.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "fixtures/ide/MsBuildRuntime.h"
#include "fixtures/ide/SimulatedIde.h"
#include "fixtures/ide/TempFolder.h"
#include "idetools/IdeMsBuild.h"
#include "idetools/IdeUtils.h"
#include "platform/Environment.h"
#include "platform/Files.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// About targetBytes of MSBuild project: property groups for several configurations, item groups
// with metadata, and targets with tasks, in the shapes .dproj files use.
std::string SyntheticProject(size_t targetBytes) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Project "
      "xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\" DefaultTargets=\"Build\">\r\n"
      "  <PropertyGroup><Config Condition=\"'$(Config)'==''\">Debug</Config>"
      "<Platform Condition=\"'$(Platform)'==''\">Win32</Platform></PropertyGroup>\r\n";
  for (int group = 0; text.size() < targetBytes; ++group) {
    const std::string g = std::to_string(group);
    text += "  <PropertyGroup Condition=\"'$(Config)'=='Debug' or '$(Base_" + g + ")'!=''\">\r\n";
    for (int i = 0; i < 40; ++i) {
      const std::string n = g + "_" + std::to_string(i);
      text += "    <DCC_Define" + n + ">DEBUG;$(DCC_Define" + n + ");$(Platform)</DCC_Define" + n +
              ">\r\n";
    }
    text += "  </PropertyGroup>\r\n  <ItemGroup>\r\n";
    for (int i = 0; i < 20; ++i) {
      text += "    <DCCReference Include=\"Unit" + g + "_" + std::to_string(i) +
              ".pas\"><Form>Form" + std::to_string(i) + "</Form></DCCReference>\r\n";
    }
    text += "  </ItemGroup>\r\n  <Target Name=\"T" + g +
            "\" DependsOnTargets=\"Build\"><Message Text=\"$(Config) $(Platform)\"/></Target>\r\n";
  }
  text +=
      "  <ProjectExtensions><Borland.Personality>Delphi.Personality.12</Borland.Personality>"
      "</ProjectExtensions>\r\n</Project>\r\n";
  return text;
}

}  // namespace

TEST(MsBuildBench, RealisticEnvOptionsLibraryPathRead) {
  ASSERT_TRUE(EnsureMsBuildRuntime());
  TTempFolder folder;
  platform::SetEnvironmentVariable(L"QRV_APPDATA", folder / L"AppData");
  RemoveSimulatedIdes();
  const TSimulatedIde simulated = RadStudio103(folder / L"Studio");
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  ide->EnvironmentVariables();  // built once per installation, not part of each read
  constexpr int kReads = 50;
  const auto start = Clock::now();
  size_t length = 0;
  for (int i = 0; i < kReads; ++i) length += ide->GetLibrarySearchPath(bpWin32).size();
  const double perRead = MillisecondsSince(start) / kReads;
  RemoveSimulatedIdes();
  std::printf("EnvOptions.proj (%zu bytes, with environment.proj): %.2f ms per library path read\n",
              RealisticEnvOptions().size(), perRead);
  EXPECT_GT(length, 0u);
  EXPECT_LT(perRead, 500.0);
}

TEST(MsBuildBench, SyntheticTwoMegabyteProject) {
  ASSERT_TRUE(EnsureMsBuildRuntime());
  TTempFolder folder;
  const std::string text = SyntheticProject(2 * 1024 * 1024);
  const String file = folder.Write(L"Big.dproj", text);

  auto start = Clock::now();
  TIdeMsBuildParser parser(file);
  const double loadMs = MillisecondsSince(start);
  parser.Init();
  parser.Properties().GlobalProperties().SetValue(L"Platform", L"Win32");
  start = Clock::now();
  parser.Parse();
  const double parseMs = MillisecondsSince(start);
  start = Clock::now();
  parser.SetRawValue(L"DCC_Define0_0", L"RELEASE");
  parser.Save();
  const double saveMs = MillisecondsSince(start);

  std::printf(
      "synthetic project %.1f MB: load %.1f ms, evaluate %.1f ms (%d properties, %zu items, "
      "%zu targets), save %.1f ms\n",
      text.size() / (1024.0 * 1024.0), loadMs, parseMs,
      parser.Properties().CustomProperties().Count(), parser.Items().size(),
      parser.Targets().size(), saveMs);
  EXPECT_EQ(parser.Properties().Values(L"DCC_Define0_0"), L"DEBUG;;Win32");
  EXPECT_LT(loadMs + parseMs + saveMs, 20000.0);
}
