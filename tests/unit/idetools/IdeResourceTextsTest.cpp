// Windows only: the project folder texts are read from the core package's string resources and
// its language module (resource-only modules built from CoreIdeStrings.rc / CoreIdeLanguage.rc).
#include "CatalogueTestSupport.h"
#include "UserLanguage.h"
#include "idetools/IdeResourceTexts.h"
#include "platform/Files.h"

namespace {

class ResourceTexts : public CatalogueTest {
 protected:
  // RootDir\Bin\coreide260.bpl, and its language module when withLanguage is set.
  String MakeRoot(bool withLanguage) {
    const String root = FFolder / L"Studio";
    platform::ForceDirectories(root + L"\\Bin");
    const String modules = L"Z:" + FromUtf8(QRV_RESOURCE_MODULES);
    platform::CopyFile(modules + L"\\coreide-strings.dll", root + L"\\Bin\\coreide260.bpl");
    if (withLanguage) {
      platform::CopyFile(modules + L"\\coreide-language.dll",
                         root + L"\\Bin\\coreide260." + UserLanguageAbbreviation());
    }
    return root;
  }
};

}  // namespace

TEST_F(ResourceTexts, LanguageModuleGivesTheTranslatedText) {
  const TIdeResourceTexts texts(MakeRoot(true), 20);
  EXPECT_EQ(texts.Text(L"RAD Studio"), L"Estudio RAD");
  EXPECT_EQ(texts.Text(L"Projects"), L"Projetos");
}

TEST_F(ResourceTexts, WithoutLanguageModuleTheEnglishTextStays) {
  const TIdeResourceTexts texts(MakeRoot(false), 20);
  EXPECT_EQ(texts.Text(L"RAD Studio"), L"RAD Studio");
}

TEST_F(ResourceTexts, TextMissingFromTheCorePackageStaysEnglish) {
  const TIdeResourceTexts texts(MakeRoot(true), 20);
  EXPECT_EQ(texts.Text(L"Not There"), L"Not There");
}

TEST_F(ResourceTexts, DefaultProjectsFolderUsesTheTranslatedTexts) {
  const String root = MakeRoot(true);
  EXPECT_EQ(
      TIdeBDSInstallation::GetDefaultProjectsDirectory(root, 20),
      platform::SpecialFolderPath(platform::SpecialFolder::Documents) + L"\\Estudio RAD\\Projetos");
}
