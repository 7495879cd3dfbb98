#include <gtest/gtest.h>

#include "MsBuildTestSupport.h"

namespace {

class MsBuildCondition : public ::testing::Test {
 protected:
  TProjectFixture FProject{""};
  bool Holds(const String& condition) { return FProject->ParseCondition(condition); }
  String ErrorOf(const String& condition) {
    try {
      Holds(condition);
    } catch (const EIdeMsBuildError& e) {
      return e.Message();
    }
    return String();
  }
};

}  // namespace

TEST_F(MsBuildCondition, EqualityComparesWithCase) {
  FProject->Properties().GlobalProperties().Append(L"Platform", L"win32");
  EXPECT_FALSE(Holds(L"'$(Platform)'=='Win32'"));
}

TEST_F(MsBuildCondition, EqualityHoldsForTheSameText) {
  FProject->Properties().GlobalProperties().Append(L"Platform", L"Win32");
  EXPECT_TRUE(Holds(L"'$(Platform)'=='Win32'"));
}

TEST_F(MsBuildCondition, AndOrAreReadLeftToRight) {
  EXPECT_FALSE(Holds(L"'a'=='a' or '1'=='2' and '3'=='4'"));
}

TEST_F(MsBuildCondition, ParenthesesGroup) {
  EXPECT_TRUE(Holds(L"'a'=='a' or ('1'=='2' and '3'=='4')"));
}

TEST_F(MsBuildCondition, OperatorWordsIgnoreCase) {
  EXPECT_TRUE(Holds(L"'a'=='b' OR 'c'!='d'"));
}

TEST_F(MsBuildCondition, NegationCoversTheWholeExpression) {
  EXPECT_TRUE(Holds(L"!'a'=='a' and 'b'=='c'"));
}

TEST_F(MsBuildCondition, EmptyConditionHolds) {
  EXPECT_TRUE(Holds(L""));
}

TEST_F(MsBuildCondition, EmptyTextHolds) {
  EXPECT_TRUE(Holds(L"''"));
}

TEST_F(MsBuildCondition, BooleanTextsAreRead) {
  EXPECT_FALSE(Holds(L"'false'"));
}

TEST_F(MsBuildCondition, NonBooleanTextRaisesConversionError) {
  EXPECT_THROW(Holds(L"'maybe'"), EConvertError);
}

TEST_F(MsBuildCondition, OrderingComparesNumbers) {
  EXPECT_TRUE(Holds(L"'10' > '9'"));
}

TEST_F(MsBuildCondition, OrderingOfNonNumbersRaises) {
  EXPECT_THROW(Holds(L"'a' < '9'"), EConvertError);
}

TEST_F(MsBuildCondition, UnquotedPropertyReferenceIsEvaluated) {
  FProject->Properties().SetValues(L"Config", L"Debug");
  EXPECT_TRUE(Holds(L"$(Config) == Debug"));
}

TEST_F(MsBuildCondition, ExistsFindsTheProjectFile) {
  EXPECT_TRUE(Holds(L"Exists('" + FProject.File() + L"')"));
}

TEST_F(MsBuildCondition, ExistsIsFalseForAMissingFile) {
  EXPECT_FALSE(Holds(L"Exists('" + FProject.Folder() / L"missing.proj" + L"')"));
}

TEST_F(MsBuildCondition, HasTrailingSlashLooksForABackslash) {
  EXPECT_TRUE(Holds(L"HasTrailingSlash('C:\\a\\')"));
}

TEST_F(MsBuildCondition, MissingClosingQuoteRaises) {
  EXPECT_EQ(ErrorOf(L"'a'=='b"), L"Invalid condition: end of string in condition \"'a'=='b\"");
}

TEST_F(MsBuildCondition, MissingParenthesisRaises) {
  EXPECT_EQ(ErrorOf(L"('a'=='a'"),
            L"Invalid condition: missing parenthesis in condition \"('a'=='a'\"");
}

TEST_F(MsBuildCondition, UnknownOperatorRaises) {
  EXPECT_EQ(ErrorOf(L"'a'=='a' xor 'b'=='b'"),
            L"Invalid condition: unknown operator in condition \"'a'=='a' xor 'b'=='b'\"");
}

TEST_F(MsBuildCondition, DeepParenthesesEndWithAnError) {
  EXPECT_THROW(Holds(String(100000, L'(')), EIdeMsBuildError);
}

TEST_F(MsBuildCondition, ParenthesesNestedTwoHundredDeepAreRead) {
  EXPECT_TRUE(Holds(String(200, L'(') + L"'a'=='a'" + String(200, L')')));
}

TEST_F(MsBuildCondition, ParenthesesNestedDeeperThanTwoHundredRaise) {
  try {
    Holds(String(201, L'(') + L"'a'=='a'" + String(201, L')'));
    FAIL();
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message().substr(0, 44), L"Invalid condition: nested too deeply in cond");
  }
}
