#include "CatalogueTestSupport.h"

namespace {

using Environment = CatalogueTest;

TStringList ListOf(std::initializer_list<const wchar_t*> lines) {
  TStringList list;
  for (const wchar_t* line : lines) list.Add(line);
  return list;
}

}  // namespace

TEST(RsVarsLine, SetLinesExpandEarlierVariables) {
  TStringList variables;
  ParseRsVarsLine(L"@SET BDS=C:\\X", variables);
  ParseRsVarsLine(L"@SET BDSLIB=%BDS%\\lib", variables);
  EXPECT_EQ(variables.Values(L"BDSLIB"), L"C:\\X\\lib");
}

TEST(RsVarsLine, EmptyValueLeavesTheNamePresent) {
  TStringList variables = ListOf({L"EMPTY=old"});
  ParseRsVarsLine(L"@SET EMPTY=", variables);
  ASSERT_EQ(variables.Count(), 1);
  EXPECT_EQ(variables[0], L"EMPTY=");
}

TEST(RsVarsLine, OtherCommandsAreIgnored) {
  TStringList variables;
  ParseRsVarsLine(L"echo x=y", variables);
  ParseRsVarsLine(L"@SET", variables);
  ParseRsVarsLine(L"set =x", variables);
  EXPECT_EQ(variables.Count(), 0);
}

TEST(RsVarsLine, UnclosedPercentTakesTheRestAsName) {
  TStringList variables = ListOf({L"TAIL=t"});
  ParseRsVarsLine(L"  set A=x%TAIL", variables);
  EXPECT_EQ(variables.Values(L"A"), L"xt");
}

TEST(VariableReferences, AreReplacedFromTheList) {
  String value = L"$(BDS)\\mylib;$(bds)\\x";
  EXPECT_TRUE(ExpandVariableReferences(value, ListOf({L"BDS=C:\\X"})));
  EXPECT_EQ(value, L"C:\\X\\mylib;C:\\X\\x");
}

TEST(VariableReferences, UnknownNameStopsAndLeavesTheRest) {
  String value = L"$(BDS)\\a;$(NOPE)\\b";
  EXPECT_FALSE(ExpandVariableReferences(value, ListOf({L"BDS=C:\\X"})));
  EXPECT_EQ(value, L"$(BDS)\\a;$(NOPE)\\b");
}

TEST(VariableReferences, SelfReferenceEnds) {
  String value = L"$(A)";
  EXPECT_FALSE(ExpandVariableReferences(value, ListOf({L"A=$(A)$(A)"})));
}

TEST_F(Environment, IdeVariableIsExpandedFromTheList) {
  const String key = L"\\SOFTWARE\\Borland\\Delphi\\7.0";
  WriteUserValue(key + L"\\Environment Variables", L"BDS", L"C:\\X");
  WriteUserValue(key + L"\\Environment Variables", L"MYLIB", L"$(BDS)\\mylib");
  WriteUserValue(key + L"\\Environment Variables", L"OTHER", L"$(QRV_UNKNOWN_NAME)\\x");
  auto ide = Make<TIdeDelphiInstallation>(key, {{L"RootDir", L"C:\\D7"}});
  const TStringList& list = ide->EnvironmentVariables();
  EXPECT_EQ(list.Values(L"MYLIB"), L"C:\\X\\mylib");
  EXPECT_EQ(list.Values(L"OTHER"), L"$(QRV_UNKNOWN_NAME)\\x");
  EXPECT_EQ(list.Values(L"DELPHI"), L"C:\\D7");
}

TEST_F(Environment, ProcessVariablesAreInTheList) {
  platform::SetEnvironmentVariable(L"QRV_TEST_VARIABLE", L"present");
  auto ide = Make<TIdeDelphiInstallation>(L"\\SOFTWARE\\Borland\\Delphi\\7.0");
  EXPECT_EQ(ide->EnvironmentVariables().Values(L"QRV_TEST_VARIABLE"), L"present");
}

TEST_F(Environment, SubstitutePathReplacesIgnoringCaseAndCollapsesBackslashes) {
  const String key = L"\\SOFTWARE\\Borland\\Delphi\\7.0";
  WriteUserValue(key + L"\\Environment Variables", L"BDS", L"C:\\X");
  auto ide = Make<TIdeDelphiInstallation>(key);
  EXPECT_EQ(ide->SubstitutePath(L"$(bds)\\\\bin"), L"C:\\X\\bin");
}

TEST_F(Environment, SubstitutePathWithoutReferencesStillCollapsesBackslashes) {
  auto ide = Make<TIdeDelphiInstallation>(L"\\SOFTWARE\\Borland\\Delphi\\7.0");
  EXPECT_EQ(ide->SubstitutePath(L"C:\\\\a\\\\b"), L"C:\\a\\b");
}

TEST_F(Environment, Bds20TakesRsVarsAndItsCommonFolder) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  const TStringList& list = ide->EnvironmentVariables();
  EXPECT_EQ(list.Values(L"BDS"), simulated.RootDir);
  EXPECT_EQ(list.Values(L"LANGDIR"), L"EN");
  EXPECT_NE(list.IndexOf(L"PLATFORM="), -1);
  EXPECT_EQ(list.Values(L"BDSCOMMONDIR"), CommonDocuments() + L"\\Embarcadero\\Studio\\20.0");
}

TEST_F(Environment, Bds20IdeVariableSeesRsVars) {
  TSimulatedIde simulated = RadStudio();
  InstallSimulatedIde(simulated);
  WriteUserValue(simulated.VersionKeyPath() + L"\\Environment Variables", L"MYLIB",
                 L"$(BDS)\\mylib");
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_EQ(ide->EnvironmentVariables().Values(L"MYLIB"), simulated.RootDir + L"\\mylib");
}

TEST_F(Environment, Bds4SetsItsOwnFolders) {
  auto ide = Make<TIdeBDSInstallation>(L"\\SOFTWARE\\Borland\\BDS\\4.0", {{L"RootDir", L"C:\\B4"}});
  const TStringList& list = ide->EnvironmentVariables();
  EXPECT_EQ(list.Values(L"BDS"), L"C:\\B4");
  EXPECT_EQ(list.Values(L"BDSPROJECTSDIR"),
            platform::SpecialFolderPath(platform::SpecialFolder::Documents) +
                L"\\Borland Studio Projects");
}

TEST_F(Environment, UnreadableRsVarsRaisesOnEveryRequest) {
  TSimulatedIde simulated = RadStudio();
  simulated.BinFiles = {L"bds.exe"};
  InstallSimulatedIde(simulated);
  auto ide = TIdeBDSInstallation::Create(simulated.VersionKeyPath());
  EXPECT_THROW(ide->EnvironmentVariables(), EInOutError);
  EXPECT_THROW(ide->EnvironmentVariables(), EInOutError);
}
