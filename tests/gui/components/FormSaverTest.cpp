// TQoFormSaver on real forms: restoring a stored record, saving once at the form's destruction
// (with the normal bounds kept for a maximized form), the minimized state before there is a main
// form, the effective key, the size limits and their copy-back, the caption buttons, centring and
// erasing. Each test works under a key of its own below HKCU\Software\QrvTests.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "WindowDriver.h"
#include "components/QoFormSaver.h"
#include "platform/Registry.h"

namespace {

using platform::RegistryKey;
using platform::RegRoot;

// A form whose class name gives the value name "FrmSaverProbe".
class TFrmSaverProbe : public TForm {
 public:
  TFrmSaverProbe(const String& key, bool loaded = true) : TForm(nullptr) {
    SetBounds(50, 60, 320, 240);
    Saver = new TQoFormSaver(this);
    Saver->SetKey(key);
    if (loaded) Saver->Loaded();
  }
  TQoFormSaver* Saver;
};

class FormSaver : public ::testing::Test {
 protected:
  FormSaver() {
    std::random_device seed;
    Key = L"\\Software\\QrvTests\\FormSaver" + std::to_wstring(seed() % 1000000000);
  }
  ~FormSaver() override { RegistryKey::DeleteTree(RegRoot::CurrentUser, Key); }

  std::optional<TQoFormRecord> Stored(const String& name = L"FrmSaverProbe") const {
    return TQoFormSaverStore(TQoRootKeys::HKeyCurrentUser, Key).Read(name);
  }
  void Store(const TQoFormRecord& record) {
    ASSERT_TRUE(
        TQoFormSaverStore(TQoRootKeys::HKeyCurrentUser, Key).Write(L"FrmSaverProbe", record));
  }
  String Key;
};

TEST_F(FormSaver, NamesTheValueAfterTheFormClass) {
  TFrmSaverProbe form(Key);
  EXPECT_EQ(form.Saver->GetFormName(), L"FrmSaverProbe");
}

TEST_F(FormSaver, FirstRunKeepsTheDesignedBoundsAndSavesAtDestruction) {
  auto form = std::make_unique<TFrmSaverProbe>(Key);
  EXPECT_FALSE(form->Saver->HasStoredInfo());
  EXPECT_EQ(form->Left(), 50);
  EXPECT_EQ(form->Width(), 320);
  form->SetBounds(70, 80, 400, 300);
  EXPECT_FALSE(Stored().has_value());  // nothing is written before the form goes
  form.reset();
  EXPECT_EQ(Stored(), (TQoFormRecord{70, 80, 400, 300, TWindowState::wsNormal}));
}

TEST_F(FormSaver, RestoresSizeAndLocationWhenLoaded) {
  Store(TQoFormRecord{30, 40, 500, 350, TWindowState::wsNormal});
  TFrmSaverProbe form(Key);
  EXPECT_EQ(form.Left(), 30);
  EXPECT_EQ(form.Top(), 40);
  EXPECT_EQ(form.Width(), 500);
  EXPECT_EQ(form.Height(), 350);
}

TEST_F(FormSaver, RestoresOnlyWhatItIsAskedTo) {
  Store(TQoFormRecord{30, 40, 500, 350, TWindowState::wsMaximized});
  TFrmSaverProbe form(Key, false);
  form.Saver->SetSaveSize(false);
  form.Saver->SetSaveState(false);
  form.Saver->Loaded();
  EXPECT_EQ(form.Left(), 30);
  EXPECT_EQ(form.Width(), 320);
  EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
}

TEST_F(FormSaver, AMaximizedFormKeepsItsNormalBoundsAndOpensMaximized) {
  Store(TQoFormRecord{30, 40, 500, 350, TWindowState::wsNormal});
  {
    TFrmSaverProbe form(Key);
    form.Show();
    form.SetWindowState(TWindowState::wsMaximized);
    ASSERT_EQ(form.WindowState(), TWindowState::wsMaximized);
  }
  EXPECT_EQ(Stored(), (TQoFormRecord{30, 40, 500, 350, TWindowState::wsMaximized}));
  TFrmSaverProbe again(Key);
  again.Show();
  EXPECT_TRUE(::IsZoomed(again.Handle()));
  again.SetWindowState(TWindowState::wsNormal);
  EXPECT_EQ(again.Left(), 30);
  EXPECT_EQ(again.Top(), 40);
  EXPECT_EQ(again.Width(), 500);
  EXPECT_EQ(again.Height(), 350);
}

TEST_F(FormSaver, AMinimizedStateWaitsForAMainForm) {
  Store(TQoFormRecord{30, 40, 500, 350, TWindowState::wsMinimized});
  ASSERT_EQ(UiApplication().MainForm(), nullptr);
  {
    TFrmSaverProbe early(Key);
    EXPECT_EQ(early.WindowState(), TWindowState::wsNormal);
  }
  Store(TQoFormRecord{30, 40, 500, 350, TWindowState::wsMinimized});
  TForm main(nullptr);
  UiApplication().SetMainForm(&main);
  TFrmSaverProbe later(Key);
  EXPECT_EQ(later.WindowState(), TWindowState::wsMinimized);
  UiApplication().SetMainForm(nullptr);
}

TEST_F(FormSaver, AValueThatIsNoRecordIsIgnoredAndReplaced) {
  ASSERT_TRUE(RegistryKey::Create(RegRoot::CurrentUser, Key)->WriteString(L"FrmSaverProbe", L"x"));
  {
    TFrmSaverProbe form(Key);
    EXPECT_FALSE(form.Saver->HasStoredInfo());
    EXPECT_EQ(form.Left(), 50);
  }
  EXPECT_EQ(Stored(), (TQoFormRecord{50, 60, 320, 240, TWindowState::wsNormal}));
}

TEST_F(FormSaver, ReplacesTheExeNameTokenWithTheApplicationTitle) {
  const String title = UiApplication().Title();
  UiApplication().SetTitle(L"SaverTitle");
  {
    TFrmSaverProbe form(Key + L"\\[exename]\\Forms");
    EXPECT_EQ(form.Saver->EffectiveKey(), Key + L"\\SaverTitle\\Forms");
  }
  UiApplication().SetTitle(title);
  EXPECT_TRUE(RegistryKey::Open(RegRoot::CurrentUser, Key + L"\\SaverTitle\\Forms")
                  ->ValueExists(L"FrmSaverProbe"));
}

TEST_F(FormSaver, ADesignerUsesTheApplicationNameAndNeitherRestoresNorSaves) {
  Store(TQoFormRecord{30, 40, 500, 350, TWindowState::wsNormal});
  {
    TFrmSaverProbe form(Key + L"\\[EXENAME]", false);
    form.Saver->SetDesigning(true);
    form.Saver->SetApplicationName(L"Editor");
    EXPECT_EQ(form.Saver->EffectiveKey(), Key + L"\\Editor");
    form.Saver->SetKey(Key);
    form.Saver->Loaded();
    EXPECT_EQ(form.Left(), 50);
    form.SetLeft(99);
  }
  EXPECT_EQ(Stored()->Left, 30);
}

TEST_F(FormSaver, AnEmptyKeyRestoresTheDefault) {
  TFrmSaverProbe form(Key);
  form.Saver->SetKey(L"");
  EXPECT_EQ(form.Saver->Key(), L"\\SOFTWARE\\Company\\Product\\Forms");
  form.Saver->SetKey(Key);
}

TEST_F(FormSaver, AMinimumAboveTheMaximumRaisesTheMaximumOnBoth) {
  TFrmSaverProbe form(Key);
  form.Saver->SetMaxWidth(400);
  form.Saver->SetMinWidth(500);
  EXPECT_EQ(form.Saver->MaxWidth(), 500);
  EXPECT_EQ(form.Constraints().MaxWidth(), 500);
  EXPECT_EQ(form.Constraints().MinWidth(), 500);
  EXPECT_EQ(form.Width(), 500);
}

TEST_F(FormSaver, AMaximumBelowTheMinimumLowersTheMinimum) {
  TFrmSaverProbe form(Key);
  form.Saver->SetMinHeight(300);
  form.Saver->SetMaxHeight(200);
  EXPECT_EQ(form.Saver->MinHeight(), 200);
  EXPECT_EQ(form.Height(), 200);
}

TEST_F(FormSaver, TheUserCannotSizeTheFormBeyondItsLimits) {
  TFrmSaverProbe form(Key);
  form.Saver->SetMaxWidth(360);
  form.Show();
  ::SetWindowPos(form.Handle(), nullptr, 0, 0, 600, 240, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(form.Width(), 360);
}

TEST_F(FormSaver, CaptionButtonsFollowAllowMaximizeAndAllowMinimize) {
  TFrmSaverProbe form(Key);
  form.Show();
  auto style = [&form] { return ::GetWindowLongPtrW(form.Handle(), GWL_STYLE); };
  EXPECT_NE(style() & WS_MAXIMIZEBOX, 0);
  form.Saver->SetAllowMaximize(false);
  EXPECT_EQ(style() & WS_MAXIMIZEBOX, 0);
  EXPECT_NE(style() & WS_MINIMIZEBOX, 0);
  form.Saver->SetAllowMinimize(false);
  EXPECT_EQ(style() & WS_MINIMIZEBOX, 0);
  form.Saver->SetAllowMaximize(true);
  EXPECT_NE(style() & WS_MAXIMIZEBOX, 0);
}

TEST_F(FormSaver, CentresTheFormOnTheVirtualDesktop) {
  TFrmSaverProbe form(Key);
  form.SetBounds(0, 0, 456, 389);
  form.Saver->CenterForm();
  EXPECT_EQ(form.Left(), (::GetSystemMetrics(SM_CXVIRTUALSCREEN) - 456) / 2);
  EXPECT_EQ(form.Top(), (::GetSystemMetrics(SM_CYVIRTUALSCREEN) - 389) / 2);
}

TEST_F(FormSaver, ErasesItsValueAndItsKey) {
  Store(TQoFormRecord{30, 40, 500, 350, TWindowState::wsNormal});
  TFrmSaverProbe form(Key);
  form.Saver->EraseValue();
  EXPECT_FALSE(form.Saver->HasStoredInfo());
  form.Saver->EraseValue();
  form.Saver->EraseKey();
  EXPECT_FALSE(RegistryKey::Exists(RegRoot::CurrentUser, Key));
  form.Saver->SetRootKey(TQoRootKeys::HKeyDynData);  // so the destruction writes nothing
}

TEST_F(FormSaver, AnOwnerThatIsNoFormIsRefused) {
  TComponent owner(nullptr);
  EXPECT_THROW(TQoFormSaver saver(&owner), EInvalidOperation);
}

}  // namespace
