#include <gtest/gtest.h>

#include "MsBuildTestSupport.h"
#include "platform/Files.h"

namespace {

std::string Text(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(MsBuildParser, PropertyGroupConditionSeesTheGlobalPlatform) {
  TProjectFixture project(
      "<PropertyGroup Condition=\"'$(Platform)'=='Win32'\"><Path>w32</Path></PropertyGroup>"
      "<PropertyGroup Condition=\"'$(Platform)'=='Win64'\"><Path>w64</Path></PropertyGroup>");
  project->Properties().GlobalProperties().Append(L"Platform", L"Win64");
  project->Parse();
  EXPECT_EQ(project->Properties().Values(L"Path"), L"w64");
}

TEST(MsBuildParser, RawValueIsTheTextAsWritten) {
  TProjectFixture project(
      "<PropertyGroup><DelphiLibraryPath>$(BDS)\\lib;$(Unknown)\\x"
      "</DelphiLibraryPath></PropertyGroup>");
  project->Properties().EnvironmentProperties().Append(L"BDS", L"C:\\X");
  project->Parse();
  EXPECT_EQ(project->Properties().Values(L"DelphiLibraryPath"), L"C:\\X\\lib;\\x");
  EXPECT_EQ(project->GetRawValue(L"DelphiLibraryPath"), L"$(BDS)\\lib;$(Unknown)\\x");
}

TEST(MsBuildParser, LastDefinitionWins) {
  TProjectFixture project(
      "<PropertyGroup><A>1</A></PropertyGroup><PropertyGroup><A>$(A);2</A></PropertyGroup>");
  project->Parse();
  EXPECT_EQ(project->Properties().Values(L"A"), L"1;2");
  EXPECT_EQ(project->GetRawValue(L"A"), L"$(A);2");
}

TEST(MsBuildParser, PropertyConditionIsHonoured) {
  TProjectFixture project(
      "<PropertyGroup><A Condition=\"'x'=='y'\">1</A><B Condition=\"'x'=='x'\">2</B>"
      "</PropertyGroup>");
  project->Parse();
  EXPECT_EQ(project->Properties().Find(L"A"), nullptr);
  EXPECT_EQ(project->Properties().Values(L"B"), L"2");
}

TEST(MsBuildParser, EmptyDefinitionDefinesNothingAndRawSetAppends) {
  TProjectFixture project("<PropertyGroup><A>$(Nothing)</A></PropertyGroup>");
  project->Parse();
  EXPECT_EQ(project->Properties().Find(L"A"), nullptr);
  EXPECT_EQ(project->GetRawValue(L"A"), L"");
  project->SetRawValue(L"A", L"new");
  EXPECT_EQ(project->FirstPropertyGroup()->Children().size(), 2u);
  EXPECT_EQ(project->FirstPropertyGroup()->Children()[1]->Text(), L"new");
}

TEST(MsBuildParser, SetRawValueChangesTheDefiningElement) {
  TProjectFixture project("<PropertyGroup><A>old</A></PropertyGroup>");
  project->Parse();
  project->SetRawValue(L"a", L"$(BDS)\\new");
  EXPECT_EQ(project->GetRawValue(L"A"), L"$(BDS)\\new");
  EXPECT_EQ(project->Properties().Values(L"A"), L"old");
}

TEST(MsBuildParser, SetRawValueWithoutPropertyGroupRaises) {
  TProjectFixture project("<ItemGroup/>");
  project->Parse();
  try {
    project->SetRawValue(L"A", L"x");
    FAIL();
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message(), L"Unable to locate the XML element for MSBuild property \"A\"");
  }
}

TEST(MsBuildParser, FirstPropertyGroupIsTakenWhateverItsCondition) {
  TProjectFixture project(
      "<PropertyGroup "
      "Condition=\"'$(Platform)'=='Win64'\"/><PropertyGroup><B>1</B></PropertyGroup>");
  project->Parse();
  project->SetRawValue(L"DelphiLibraryPath", L"x");
  EXPECT_EQ(project->FirstPropertyGroup()->Children().size(), 1u);
  EXPECT_EQ(*project->FirstPropertyGroup()->FindAttribute(L"Condition"), L"'$(Platform)'=='Win64'");
}

TEST(MsBuildParser, ImportedPropertyHasAValueButNoRawValue) {
  TProjectFixture project("<Import Project=\"inc\\common.proj\"/><PropertyGroup/>");
  project.Folder().Write(L"inc\\common.proj", std::string(kProjectOpen) +
                                                  "<PropertyGroup><A>$(MSBuildThisFile)</A>"
                                                  "</PropertyGroup></Project>");
  project->Parse();
  EXPECT_EQ(project->Properties().Values(L"A"), project.Folder() / L"inc\\common.proj");
  EXPECT_EQ(project->GetRawValue(L"A"), L"");
  project->SetRawValue(L"A", L"mine");
  EXPECT_EQ(project->FirstPropertyGroup()->Children().size(), 1u);
}

TEST(MsBuildParser, ThisFileFollowsTheCurrentFileAgainAfterAnImport) {
  TProjectFixture project(
      "<Import Project=\"other.proj\"/><PropertyGroup><B>$(MSBuildThisFile)</B></PropertyGroup>");
  project.Folder().Write(L"other.proj", std::string(kProjectOpen) + "</Project>");
  project->Parse();
  EXPECT_EQ(project->Properties().Values(L"B"), project.File());
}

TEST(MsBuildParser, ExtraImportIsEvaluatedFirst) {
  TTempFolder folder;
  const String env = folder.Write(L"environment.proj", std::string(kProjectOpen) +
                                                           "<PropertyGroup><A>env</A>"
                                                           "</PropertyGroup></Project>");
  const String file = folder.Write(L"EnvOptions.proj", std::string(kProjectOpen) +
                                                           "<PropertyGroup><B>$(A)+</B>"
                                                           "</PropertyGroup></Project>");
  TIdeMsBuildParser parser(file, {env});
  parser.Init();
  parser.Parse();
  EXPECT_EQ(parser.Properties().Values(L"B"), L"env+");
}

TEST(MsBuildParser, ConditionalImportIsSkipped) {
  TProjectFixture project(
      "<Import Project=\"missing.proj\" Condition=\"Exists('missing.proj')\"/>");
  EXPECT_NO_THROW(project->Parse());
}

TEST(MsBuildParser, MissingImportRaisesAFileError) {
  TProjectFixture project("<Import Project=\"missing.proj\"/>");
  EXPECT_THROW(project->Parse(), EInOutError);
}

TEST(MsBuildParser, CircularImportRaises) {
  TProjectFixture project("<Import Project=\"test.proj\"/>");
  try {
    project->Parse();
    FAIL();
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message(), L"Circular import of \"" + project.File() + L"\"");
  }
}

TEST(MsBuildParser, ImportGroupAcceptsOnlyImports) {
  EXPECT_EQ(ParseError("<ImportGroup><PropertyGroup/></ImportGroup>"),
            L"Unknown element \"PropertyGroup\"");
}

TEST(MsBuildParser, ChooseAppliesOnlyTheFirstHoldingWhen) {
  TProjectFixture project(
      "<Choose><When Condition=\"'1'=='1'\"><PropertyGroup><A>first</A></PropertyGroup></When>"
      "<When Condition=\"'2'=='2'\"><PropertyGroup><A>second</A><B>b</B></PropertyGroup></When>"
      "</Choose>");
  project->Parse();
  EXPECT_EQ(project->Properties().Values(L"A"), L"first");
  EXPECT_EQ(project->Properties().Find(L"B"), nullptr);
}

TEST(MsBuildParser, OtherwiseAppliesWhenNoWhenHolds) {
  TProjectFixture project(
      "<Choose><When Condition=\"'1'=='2'\"><PropertyGroup><A>when</A></PropertyGroup></When>"
      "<Otherwise><PropertyGroup><A>otherwise</A></PropertyGroup></Otherwise></Choose>");
  project->Parse();
  EXPECT_EQ(project->Properties().Values(L"A"), L"otherwise");
}

TEST(MsBuildParser, SecondOtherwiseRaises) {
  EXPECT_EQ(ParseError("<Choose><Otherwise/><Otherwise/></Choose>"), L"Multiple otherwise");
}

TEST(MsBuildParser, WhenWithoutConditionRaises) {
  EXPECT_EQ(ParseError("<Choose><When/></Choose>"), L"Condition is not unique");
}

TEST(MsBuildParser, WrongRootRaises) {
  TTempFolder folder;
  TIdeMsBuildParser parser(folder.Write(L"p.proj", std::string("<Projekt/>")));
  parser.Init();
  try {
    parser.Parse();
    FAIL();
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message(), L"Project element expected, got \"Projekt\"");
  }
}

TEST(MsBuildParser, WrongSchemaRaises) {
  TTempFolder folder;
  TIdeMsBuildParser parser(folder.Write(L"p.proj", std::string("<Project xmlns=\"urn:x\"/>")));
  parser.Init();
  EXPECT_THROW(parser.Parse(), EIdeMsBuildError);
}

TEST(MsBuildParser, UnknownAttributeRaises) {
  EXPECT_EQ(ParseError("<PropertyGroup Label=\"x\"/>"), L"Unknown property \"Label\"");
}

TEST(MsBuildParser, UnknownProjectChildRaises) {
  EXPECT_EQ(ParseError("<Foo/>"), L"Unknown element \"Foo\"");
}

TEST(MsBuildParser, ElementInsideAPropertyRaises) {
  EXPECT_EQ(ParseError("<PropertyGroup><A><B/></A></PropertyGroup>"), L"Unknown element \"B\"");
}

TEST(MsBuildParser, CommentInsideAPropertyGroupIsSkipped) {
  TProjectFixture project("<PropertyGroup><!-- note --><A>1</A></PropertyGroup>");
  project->Parse();
  EXPECT_EQ(project->Properties().CustomProperties().Count(), 1);
}

TEST(MsBuildParser, SecondProjectExtensionsRaises) {
  EXPECT_EQ(ParseError("<ProjectExtensions/><ProjectExtensions/>"), L"Multiple project extensions");
}

TEST(MsBuildParser, ProjectExtensionsAreKept) {
  TProjectFixture project(
      "<ProjectExtensions><Borland.Personality>Delphi.Personality.12</Borland.Personality>"
      "</ProjectExtensions>");
  project->Parse();
  ASSERT_NE(project->ProjectExtensions(), nullptr);
  EXPECT_EQ(project->ProjectExtensions()->FirstElement(L"Borland.Personality")->Text(),
            L"Delphi.Personality.12");
}

TEST(MsBuildParser, ReservedPropertiesDescribeTheProjectFile) {
  TProjectFixture project("", L"My.Project.dproj");
  const auto& properties = project->Properties();
  EXPECT_EQ(properties.Values(L"MSBuildProjectName"), L"My.Project");
  EXPECT_EQ(properties.Values(L"MSBuildProjectExtension"), L".dproj");
  EXPECT_EQ(properties.Values(L"MSBuildProjectDirectory"), project.Folder().Path());
  EXPECT_EQ(properties.Values(L"MSBuildNodeCount"), L"1");
}

TEST(MsBuildParser, DefaultTargetsBecomeAReservedProperty) {
  TTempFolder folder;
  TIdeMsBuildParser parser(
      folder.Write(L"p.proj", std::string("<Project DefaultTargets=\"Build;;Test\"/>")));
  parser.Init();
  parser.Parse();
  EXPECT_EQ(parser.DefaultTargets(), (std::vector<String>{L"Build", L"Test"}));
  EXPECT_THROW(parser.Properties().SetValues(L"MSBuildProjectDefaultTargets", L"x"),
               EIdeMsBuildError);
}

TEST(MsBuildParser, ItemsAreListedByName) {
  TProjectFixture project(
      "<ItemGroup><DCCReference Include=\"a.dcp\"/><Other Include=\"x\"/>"
      "<DCCReference Include=\"b.dcp\"><Form>F</Form></DCCReference></ItemGroup>");
  project->Parse();
  EXPECT_EQ(project->EvaluateString(L"@(dccreference)"), L"a.dcp;b.dcp");
  ASSERT_EQ(project->Items().size(), 3u);
  EXPECT_EQ(project->Items()[2].Metadata[0].Value, L"F");
}

TEST(MsBuildParser, TargetIsRecordedEvenWhenItsConditionFails) {
  TProjectFixture project(
      "<Target Name=\"Build\" Condition=\"'a'=='b'\"><Message Text=\"x\"/></Target>");
  project->Parse();
  ASSERT_EQ(project->Targets().size(), 1u);
  EXPECT_FALSE(project->Targets()[0].ConditionHolds);
  EXPECT_TRUE(project->Targets()[0].Tasks.empty());
}

TEST(MsBuildParser, TargetTasksKeepEvaluatedParameters) {
  TProjectFixture project(
      "<PropertyGroup><Who>you</Who></PropertyGroup><Target Name=\"Build\">"
      "<Message Text=\"hi $(Who)\"><Output TaskParameter=\"T\" PropertyName=\"P\"/></Message>"
      "<OnError ExecuteTargets=\"A;B\"/></Target>");
  project->Parse();
  const TIdeMsBuildTarget& target = project->Targets()[0];
  EXPECT_EQ(target.Tasks[0].Parameters[0].Value, L"hi you");
  EXPECT_EQ(target.Tasks[0].Outputs[0].PropertyName, L"P");
  EXPECT_EQ(target.ErrorTargets, (std::vector<String>{L"A", L"B"}));
}

TEST(MsBuildParser, TargetWithoutNameRaises) {
  EXPECT_EQ(ParseError("<Target/>"), L"Missing target name");
}

TEST(MsBuildParser, OutputWithoutTaskParameterRaises) {
  EXPECT_EQ(ParseError("<Target Name=\"B\"><Exec><Output PropertyName=\"P\"/></Exec></Target>"),
            L"Missing task parameter");
}

TEST(MsBuildParser, OutputWithoutNameRaises) {
  EXPECT_EQ(ParseError("<Target Name=\"B\"><Exec><Output TaskParameter=\"T\"/></Exec></Target>"),
            L"Missing output name");
}

TEST(MsBuildParser, UsingTaskNeedsAnAssembly) {
  EXPECT_EQ(ParseError("<UsingTask TaskName=\"T\"/>"), L"Missing assembly");
}

TEST(MsBuildParser, UsingTaskNeedsATaskName) {
  EXPECT_EQ(ParseError("<UsingTask AssemblyFile=\"a.dll\"/>"), L"Missing task name");
}

TEST(MsBuildParser, UsingTaskKeepsParametersAndBody) {
  TProjectFixture project(
      "<UsingTask TaskName=\"T\" AssemblyFile=\"a.dll\"><ParameterGroup>"
      "<Input ParameterType=\"System.String\" Required=\"true\"/></ParameterGroup>"
      "<TaskBody Evaluate=\"true\">$(MSBuildNodeCount)</TaskBody></UsingTask>");
  project->Parse();
  ASSERT_EQ(project->UsingTasks().size(), 1u);
  EXPECT_EQ(project->UsingTasks()[0].Parameters[0].ParameterType, L"System.String");
  EXPECT_EQ(project->UsingTasks()[0].TaskBody, L"1");
}

TEST(MsBuildParser, SaveWritesTheChangedRawValue) {
  TProjectFixture project("<PropertyGroup><A>old</A></PropertyGroup>");
  project->Parse();
  project->SetRawValue(L"A", L"a&b");
  project->Save(false);
  EXPECT_EQ(Text(platform::ReadFileBytes(project.File())),
            "\xEF\xBB\xBF<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">"
            "\r\n  <PropertyGroup>\r\n    <A>a&amp;b</A>\r\n  </PropertyGroup>\r\n</Project>");
}

TEST(MsBuildParser, SaveKeepsUtf16AndTheDeclaration) {
  TTempFolder folder;
  const String declaration = L"<?xml version=\"1.0\" encoding=\"utf-16\"?>";
  const String body = String(L"<Project><PropertyGroup><A>\u00e9</A></PropertyGroup></Project>");
  std::vector<uint8_t> bytes = {0xFF, 0xFE};
  for (wchar_t c : declaration + body) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  const String file = folder.Write(L"p.proj", bytes);
  {
    TIdeMsBuildParser parser(file);
    parser.Init();
    parser.Parse();
    parser.SetRawValue(L"A", L"\u0416");
    parser.Save();
  }
  TIdeMsBuildParser reread(file);
  reread.Init();
  reread.Parse();
  EXPECT_EQ(reread.Xml().DetectedEncoding().CodePage, 1200u);
  EXPECT_TRUE(reread.Xml().HasDeclaration());
  EXPECT_EQ(reread.Properties().Values(L"A"), L"\u0416");
}

TEST(MsBuildParser, RelativeImportIsNormalisedAgainstTheCurrentFile) {
  TProjectFixture project("<Import Project=\"sub\\..\\.\\inc\\a.proj\"/>");
  project.Folder().Write(L"inc\\a.proj",
                         std::string(kProjectOpen) + "<Import Project=\"..\\b.proj\"/></Project>");
  project.Folder().Write(L"b.proj", std::string(kProjectOpen) +
                                        "<PropertyGroup><Where>$(MSBuildThisFileDirectory)</Where>"
                                        "</PropertyGroup></Project>");
  project->Parse();
  EXPECT_EQ(project->Properties().Values(L"Where"), project.Folder().Path());
}

TEST(MsBuildParser, DirectoryWithoutRootDropsTheDrive) {
  TTempFolder folder;
  TIdeMsBuildParser parser(folder.Write(L"p.proj", std::string("<Project/>")));
  parser.Init();
  const String directory = parser.Properties().Values(L"MSBuildProjectDirectory");
  const String noRoot = parser.Properties().Values(L"MSBuildProjectDirectoryNoRoot");
  ASSERT_GE(directory.size(), 2u);
  EXPECT_EQ(noRoot, directory[1] == L':' ? directory.substr(2) : directory);
}

TEST(MsBuildParser, ItemFullIncludeIsJoinedWhenTheFileExists) {
  TProjectFixture project(
      "<ItemGroup><Src Include=\"Unit1.pas\"/><Src Include=\"Missing.pas\"/></ItemGroup>");
  project.Folder().Write(L"Unit1.pas", std::string("unit Unit1;"));
  project->Parse();
  EXPECT_EQ(project->Items()[0].FullInclude, project.Folder() / L"Unit1.pas");
  EXPECT_EQ(project->Items()[1].FullInclude, L"Missing.pas");
}

TEST(MsBuildParser, FalseItemGroupAddsNoItems) {
  TProjectFixture project("<ItemGroup Condition=\"'a'=='b'\"><Src Include=\"x\"/></ItemGroup>");
  project->Parse();
  EXPECT_TRUE(project->Items().empty());
}

TEST(MsBuildParser, ChooseBranchRefusesATarget) {
  EXPECT_EQ(ParseError("<Choose><When Condition=\"true\"><Target Name=\"T\"/></When></Choose>"),
            L"Unknown element \"Target\"");
}

TEST(MsBuildParser, TextDirectlyInTheProjectRaises) {
  EXPECT_EQ(ParseError("stray<PropertyGroup/>"),
            L"Unsupported child type \"Text\" in element \"Project\"");
}

TEST(MsBuildParser, ToolsVersionAndInitialTargetsAreEvaluated) {
  TTempFolder folder;
  TIdeMsBuildParser parser(
      folder.Write(L"p.proj", std::string("<Project ToolsVersion=\"$(MSBuildNodeCount).0\" "
                                          "InitialTargets=\"A;B\"/>")));
  parser.Init();
  parser.Parse();
  EXPECT_EQ(parser.ToolsVersion(), L"1.0");
  EXPECT_EQ(parser.InitialTargets(), (std::vector<String>{L"A", L"B"}));
}

TEST(MsBuildParser, HundredMegabyteTextNodeIsRefusedBeforeReading) {
  TTempFolder folder;
  const String file = folder / L"huge.proj";
  {
    platform::TFileStream out(file, platform::TFileStream::Mode::Create);
    const std::string head = std::string(kProjectOpen) + "<PropertyGroup><A>";
    out.Write(head.data(), head.size());
    const std::vector<char> block(1024 * 1024, 'x');
    for (int i = 0; i < 100; ++i) out.Write(block.data(), block.size());
  }
  try {
    TIdeMsBuildParser parser(file);
    FAIL();
  } catch (const EXmlError& e) {
    EXPECT_EQ(e.Reason(), L"Document larger than 16777216 bytes");
  }
}

TEST(MsBuildParser, UnknownRuntimeVersionCannotLocateMsBuild) {
  TProjectFixture project("");
  project->SetDotNetVersion(L"v0.0.0");
  try {
    project->InitReservedProperties();
    FAIL();
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message(), L"Unable to locate MSBuild.exe");
  }
}

TEST(MsBuildParser, ToolsPropertiesNameTheSelectedRuntime) {
  TProjectFixture project("");
  const TIdeDotNetRuntime runtime = InstalledDotNetRuntimes().front();
  EXPECT_EQ(project->Properties().Values(L"MSBuildToolsVersion"), runtime.VersionName);
  EXPECT_EQ(project->Properties().Values(L"MSBuildBinPath"), runtime.Folder);
}

TEST(MsBuildParser, WorkingDirectoryIsTheStartupDirectory) {
  TProjectFixture project("");
  project->SetWorkingDirectory(L"C:\\Work\\");
  project->InitReservedProperties();
  EXPECT_EQ(project->Properties().Values(L"MSBuildStartupDirectory"), L"C:\\Work");
}
