// The class name read from run-time type information, checked against the compiler's own type
// names so that a change of the mangling would show here.
#include <gtest/gtest.h>

#include <typeinfo>

#include "core/ClassName.h"

struct TGlobalProbe {
  virtual ~TGlobalProbe() = default;
};

namespace outer::inner {
struct TNamespacedProbe {
  struct TNestedProbe {};
};
}  // namespace outer::inner

namespace {
struct TInternalProbe {};

template <typename T>
struct TTemplateProbe {};

TEST(ClassName, ReadsTheOwnNameWhateverEnclosesTheClass) {
  EXPECT_EQ(ClassNameOf(typeid(TGlobalProbe)), L"TGlobalProbe");
  EXPECT_EQ(ClassNameOf(typeid(outer::inner::TNamespacedProbe)), L"TNamespacedProbe");
  EXPECT_EQ(ClassNameOf(typeid(outer::inner::TNamespacedProbe::TNestedProbe)), L"TNestedProbe");
  EXPECT_EQ(ClassNameOf(typeid(TInternalProbe)), L"TInternalProbe");
}

TEST(ClassName, ReadsTheDynamicTypeOfAnObject) {
  const TGlobalProbe probe;
  const TGlobalProbe& reference = probe;
  EXPECT_EQ(ClassNameOf(typeid(reference)), L"TGlobalProbe");
}

TEST(ClassName, KeepsWhatItDoesNotReadAsTheCompilerWroteIt) {
  const char* templateName = typeid(TTemplateProbe<int>).name();
  EXPECT_EQ(ClassNameOf(typeid(TTemplateProbe<int>)), FromUtf8(templateName));
  struct TLocalProbe {};
  EXPECT_EQ(ClassNameOf(typeid(TLocalProbe)), FromUtf8(typeid(TLocalProbe).name()));
}

TEST(ClassName, RefusesMalformedNames) {
  EXPECT_EQ(ClassNameFromMangled("8TFrmMain"), L"TFrmMain");
  EXPECT_EQ(ClassNameFromMangled("*N12_GLOBAL__N_18TFrmMainE"), L"TFrmMain");
  EXPECT_EQ(ClassNameFromMangled("9TFrmMain"), L"9TFrmMain");          // length past the end
  EXPECT_EQ(ClassNameFromMangled("7TFrmMain"), L"7TFrmMain");          // text after the name
  EXPECT_EQ(ClassNameFromMangled("N2ui8TFrmMain"), L"N2ui8TFrmMain");  // no closing E
  EXPECT_EQ(ClassNameFromMangled("N2ui8TFrmMainEx"), L"N2ui8TFrmMainEx");
  EXPECT_EQ(ClassNameFromMangled("0"), L"0");
  EXPECT_EQ(ClassNameFromMangled(""), L"");
  EXPECT_EQ(ClassNameFromMangled("99999999999999999999999x"), L"99999999999999999999999x");
}

}  // namespace
