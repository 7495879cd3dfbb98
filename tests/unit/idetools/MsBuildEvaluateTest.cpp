#include <gtest/gtest.h>

#include "MsBuildTestSupport.h"
#include "platform/Registry.h"

namespace {

class MsBuildEvaluate : public ::testing::Test {
 protected:
  TProjectFixture FProject{""};
  TIdeMsBuildParser& Parser() { return FProject.Parser(); }
  void SetUp() override {
    Parser().Properties().EnvironmentProperties().Clear();
    Parser().Properties().EnvironmentProperties().Append(L"BDS", L"C:\\X");
  }
};

}  // namespace

TEST_F(MsBuildEvaluate, ReplacesPropertyReferencesIgnoringCase) {
  EXPECT_EQ(Parser().EvaluateString(L"$(bds)\\lib;$(BDS)\\bin"), L"C:\\X\\lib;C:\\X\\bin");
}

TEST_F(MsBuildEvaluate, UnknownPropertyBecomesEmpty) {
  EXPECT_EQ(Parser().EvaluateString(L"$(BDS)\\lib;$(Unknown)\\x"), L"C:\\X\\lib;\\x");
}

TEST_F(MsBuildEvaluate, NameWithADotIsNoPropertyReference) {
  Parser().Properties().SetValues(L"a", L"1");
  EXPECT_EQ(Parser().EvaluateString(L"<$(a.b)>"), L"<>");
}

TEST_F(MsBuildEvaluate, FunctionPropertyRaisesWhenNotIgnored) {
  Parser().SetIgnoreFunctionProperties(false);
  try {
    Parser().EvaluateString(L"$(BDS.Length)");
    FAIL();
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message(), L"Unable to evaluate function property \"BDS.Length\"");
  }
}

TEST_F(MsBuildEvaluate, NestedReferenceIsEvaluatedInnermostFirst) {
  Parser().Properties().SetValues(L"Which", L"BDS");
  EXPECT_EQ(Parser().EvaluateString(L"$($(Which))"), L"C:\\X");
}

TEST_F(MsBuildEvaluate, UnclosedReferenceStaysAsWritten) {
  EXPECT_EQ(Parser().EvaluateString(L"$(BDS"), L"$(BDS");
}

TEST_F(MsBuildEvaluate, HexadecimalTextBecomesDecimal) {
  EXPECT_EQ(Parser().EvaluateString(L"0x1F"), L"31");
}

TEST_F(MsBuildEvaluate, SelfReferringValueEndsWithAnError) {
  Parser().Properties().EnvironmentProperties().Append(L"LOOP", L"$(LOOP)$(LOOP)");
  EXPECT_THROW(Parser().EvaluateString(L"$(LOOP)"), EIdeMsBuildError);
}

TEST_F(MsBuildEvaluate, UnclosedItemListRaises) {
  try {
    Parser().EvaluateString(L"@(Files");
    FAIL();
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message(), L"Invalid condition: end of string in condition \"@(Files\"");
  }
}

TEST_F(MsBuildEvaluate, ReadsARegistryProperty) {
  const String path = L"Software\\QrvTests\\MsBuildRegistry";
  auto key = platform::RegistryKey::Create(platform::RegRoot::CurrentUser, path);
  ASSERT_TRUE(key);
  key->WriteString(L"Folder", L"C:\\R");
  const String value =
      Parser().EvaluateString(L"$(registry:HKEY_CURRENT_USER\\" + path + L"@Folder)");
  platform::RegistryKey::DeleteTree(platform::RegRoot::CurrentUser, L"Software\\QrvTests");
  EXPECT_EQ(value, L"C:\\R");
}

TEST_F(MsBuildEvaluate, MissingRegistryValueRaises) {
  try {
    Parser().EvaluateString(L"$(registry:HKEY_CURRENT_USER\\Software\\QrvNoSuchKey@V)");
    FAIL();
  } catch (const EIdeRegistryError& e) {
    EXPECT_EQ(e.Message(),
              L"Unable to evaluate registry property root=\"HKEY_CURRENT_USER\" "
              L"path=\"Software\\QrvNoSuchKey\" name=\"V\"");
  }
}

TEST_F(MsBuildEvaluate, UnknownRegistryRootRaises) {
  try {
    Parser().EvaluateString(L"$(registry:HKCU\\Software@V)");
    FAIL();
  } catch (const EIdeRegistryError& e) {
    EXPECT_EQ(e.Message(), L"\"HKCU\" does not match RootKey");
  }
}

TEST_F(MsBuildEvaluate, RegistryKeyWithoutValueNameReadsTheDefaultValue) {
  const String path = L"Software\\QrvTests\\MsBuildDefault";
  platform::RegistryKey::Create(platform::RegRoot::CurrentUser, path)->WriteString(L"", L"dflt");
  const String value = Parser().EvaluateString(L"$(registry:HKEY_CURRENT_USER\\" + path + L")");
  platform::RegistryKey::DeleteTree(platform::RegRoot::CurrentUser, L"Software\\QrvTests");
  EXPECT_EQ(value, L"dflt");
}

TEST_F(MsBuildEvaluate, RegistryHandlerReplacesTheRegistry) {
  Parser().OnRegistryProperty = [](const String& root, const String& path, const String& name) {
    return root + L"|" + path + L"|" + name;
  };
  EXPECT_EQ(Parser().EvaluateString(L"$(registry:HKEY_LOCAL_MACHINE\\A\\B@C)"),
            L"HKEY_LOCAL_MACHINE|A\\B|C");
}

TEST_F(MsBuildEvaluate, FunctionHandlerEvaluatesFunctionProperties) {
  Parser().OnFunctionProperty = [](const String& expression) { return L"<" + expression + L">"; };
  EXPECT_EQ(Parser().EvaluateString(L"$(BDS.Length)"), L"<BDS.Length>");
}

TEST_F(MsBuildEvaluate, QuotedParenthesesDoNotCloseTheReference) {
  Parser().OnFunctionProperty = [](const String& expression) { return L"[" + expression + L"]"; };
  EXPECT_EQ(Parser().EvaluateString(L"$(X.Replace(')', '('))"), L"[X.Replace(')', '(')]");
}
