// The shortened path of the copy page, with a measure of 7 units per character: the five forms
// a target in C:\Quorvane\QRVComps\D26 takes as the width shrinks, and paths without a drive or
// without folders.
#include <gtest/gtest.h>

#include "app/PathEllipsis.h"

namespace {

int SevenPerCharacter(const String& text) {
  return 7 * static_cast<int>(text.size());
}

String Fit(const String& path, int characters) {
  return PathEllipsis(path, 7 * characters, SevenPerCharacter);
}

const String kTarget = L"C:\\Quorvane\\QRVComps\\D26\\UnitA.pas";

TEST(PathEllipsis, PathThatFitsIsShownWhole) {
  EXPECT_EQ(Fit(kTarget, static_cast<int>(kTarget.size())), kTarget);
}

TEST(PathEllipsis, FoldersGoFromTheFrontThenTheDriveThenTheMarker) {
  const std::vector<String> forms = {L"C:\\...\\QRVComps\\D26\\UnitA.pas",
                                     L"C:\\...\\D26\\UnitA.pas", L"C:\\...\\UnitA.pas",
                                     L"...\\UnitA.pas", L"UnitA.pas"};
  for (const String& form : forms) {
    const int width = static_cast<int>(form.size());
    EXPECT_EQ(Fit(kTarget, width), form) << "at its own width";
    if (form != forms.back()) {
      EXPECT_NE(Fit(kTarget, width - 1), form) << "one unit narrower";
    }
  }
}

TEST(PathEllipsis, FileNameIsNeverCut) {
  EXPECT_EQ(Fit(kTarget, 3), L"UnitA.pas");
  EXPECT_EQ(Fit(kTarget, 0), L"UnitA.pas");
}

TEST(PathEllipsis, PathWithoutDrive) {
  EXPECT_EQ(Fit(L"Pasta\\Sub\\UnitA.pas", 17), L"...\\Sub\\UnitA.pas");
  EXPECT_EQ(Fit(L"Pasta\\Sub\\UnitA.pas", 13), L"...\\UnitA.pas");
  EXPECT_EQ(Fit(L"Pasta\\Sub\\UnitA.pas", 12), L"UnitA.pas");
}

// A short folder name beginning with a dot is not taken for an earlier marker: it goes behind
// one like any other folder instead of vanishing without a trace.
TEST(PathEllipsis, FolderWhoseNameBeginsWithADotIsCutLikeAnyOther) {
  EXPECT_EQ(Fit(L"C:\\.a\\UnitA.pas", 15), L"C:\\.a\\UnitA.pas");
  EXPECT_EQ(Fit(L"C:\\.a\\UnitA.pas", 14), L"...\\UnitA.pas");
  EXPECT_EQ(Fit(L"\\.a\\UnitA.pas", 12), L"UnitA.pas");
}

TEST(PathEllipsis, DriveWithTheNameAloneLosesTheDrive) {
  EXPECT_EQ(Fit(L"C:\\UnitA.pas", 10), L"UnitA.pas");
  EXPECT_EQ(Fit(L"C:UnitA.pas", 10), L"UnitA.pas");
}

}  // namespace
