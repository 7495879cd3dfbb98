// The form saver's portable rules: the record's bytes, the effective key, the centred position,
// which fields a restore applies and in what order, what a save keeps, and the registry store.
#include <gtest/gtest.h>

#include <random>

#include "components/QoFormSaverRecord.h"
#include "platform/Registry.h"

namespace {

using platform::RegistryKey;
using platform::RegRoot;

TEST(FormSaverRecord, PacksTwentyLittleEndianBytes) {
  const TQoFormRecord record{-2, 0x01020304, 456, 389, TWindowState::wsMaximized};
  const TQoFormRecord::TBytes expected{0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xC8, 0x01,
                                       0x00, 0x00, 0x85, 0x01, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00};
  EXPECT_EQ(record.Pack(), expected);
}

TEST(FormSaverRecord, UnpacksWhatItPacked) {
  const TQoFormRecord record{100, -50, 640, 480, TWindowState::wsMinimized};
  const auto bytes = record.Pack();
  EXPECT_EQ(TQoFormRecord::Unpack({bytes.begin(), bytes.end()}), record);
}

TEST(FormSaverRecord, IgnoresTheFillerBytes) {
  auto bytes = TQoFormRecord{1, 2, 3, 4, TWindowState::wsNormal}.Pack();
  bytes[17] = 0xAA;
  bytes[19] = 0x55;
  const auto record = TQoFormRecord::Unpack({bytes.begin(), bytes.end()});
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->Height, 4);
}

TEST(FormSaverRecord, RefusesOtherLengthsAndUnknownStates) {
  const auto bytes = TQoFormRecord{}.Pack();
  std::vector<uint8_t> shorter(bytes.begin(), bytes.end() - 1);
  std::vector<uint8_t> longer(bytes.begin(), bytes.end());
  longer.push_back(0);
  std::vector<uint8_t> badState(bytes.begin(), bytes.end());
  badState[16] = 3;
  EXPECT_FALSE(TQoFormRecord::Unpack(shorter).has_value());
  EXPECT_FALSE(TQoFormRecord::Unpack(longer).has_value());
  EXPECT_FALSE(TQoFormRecord::Unpack(badState).has_value());
}

TEST(FormSaverKey, ReplacesTheTokenInAnyLetterCase) {
  EXPECT_EQ(FormSaverEffectiveKey(L"\\Software\\[exename]\\Forms", L"Setup"),
            L"\\Software\\Setup\\Forms");
  EXPECT_EQ(FormSaverEffectiveKey(L"\\Software\\[ExeName]", L"Setup"), L"\\Software\\Setup");
}

TEST(FormSaverKey, ReplacesOnlyTheFirstToken) {
  EXPECT_EQ(FormSaverEffectiveKey(L"[EXENAME]\\[EXENAME]", L"A"), L"A\\[EXENAME]");
}

TEST(FormSaverKey, KeepsAKeyWithoutToken) {
  EXPECT_EQ(FormSaverEffectiveKey(L"\\SOFTWARE\\Quorvane\\Talvekor\\Forms", L"A"),
            L"\\SOFTWARE\\Quorvane\\Talvekor\\Forms");
}

TEST(FormSaverValueName, DropsTheClassPrefix) {
  EXPECT_EQ(FormSaverValueName(L"TFrmExSelFolder"), L"FrmExSelFolder");
  EXPECT_EQ(FormSaverValueName(L""), L"");
}

TEST(FormSaverCenter, CentresOnTheDesktopWithoutItsOrigin) {
  const TCenteredPosition p = CenteredOnDesktop(1920, 1080, 456, 389);
  EXPECT_EQ(p.Left, 732);
  EXPECT_EQ(p.Top, 345);
}

TEST(FormSaverCenter, TruncatesTowardZero) {
  const TCenteredPosition p = CenteredOnDesktop(100, 100, 201, 103);
  EXPECT_EQ(p.Left, -50);
  EXPECT_EQ(p.Top, -1);
}

// Records each call a restore makes, in order.
class RecordingTarget : public TFormPlacementTarget {
 public:
  void SetWidth(int value) override { Calls.push_back(L"W" + std::to_wstring(value)); }
  void SetHeight(int value) override { Calls.push_back(L"H" + std::to_wstring(value)); }
  void SetLeft(int value) override { Calls.push_back(L"L" + std::to_wstring(value)); }
  void SetTop(int value) override { Calls.push_back(L"T" + std::to_wstring(value)); }
  void SetWindowState(TWindowState value) override {
    Calls.push_back(L"S" + std::to_wstring(static_cast<int>(value)));
  }
  std::vector<String> Calls;
};

const TQoFormRecord kStored{10, 20, 300, 200, TWindowState::wsMaximized};

TEST(FormSaverRestore, AppliesSizeThenLocationThenState) {
  RecordingTarget target;
  ApplyFormRecord(kStored, TRestoreOptions{}, false, target);
  EXPECT_EQ(target.Calls, (std::vector<String>{L"W300", L"H200", L"L10", L"T20", L"S2"}));
}

TEST(FormSaverRestore, AppliesOnlyTheLocationForTheFolderDialog) {
  RecordingTarget target;
  ApplyFormRecord(kStored, TRestoreOptions{false, true, false}, true, target);
  EXPECT_EQ(target.Calls, (std::vector<String>{L"L10", L"T20"}));
}

TEST(FormSaverRestore, SkipsAMinimizedStateWhileThereIsNoMainForm) {
  TQoFormRecord minimized = kStored;
  minimized.State = TWindowState::wsMinimized;
  RecordingTarget early;
  ApplyFormRecord(minimized, TRestoreOptions{false, false, true}, false, early);
  EXPECT_TRUE(early.Calls.empty());
  RecordingTarget later;
  ApplyFormRecord(minimized, TRestoreOptions{false, false, true}, true, later);
  EXPECT_EQ(later.Calls, (std::vector<String>{L"S1"}));
}

TEST(FormSaverSave, WritesTheCurrentRecordOfANormalForm) {
  const TQoFormRecord current{1, 2, 3, 4, TWindowState::wsNormal};
  EXPECT_EQ(RecordToSave(current, kStored), current);
}

TEST(FormSaverSave, KeepsTheStoredBoundsOfAMaximizedForm) {
  const TQoFormRecord current{0, 0, 1920, 1040, TWindowState::wsMaximized};
  const TQoFormRecord stored{10, 20, 300, 200, TWindowState::wsNormal};
  EXPECT_EQ(RecordToSave(current, stored),
            (TQoFormRecord{10, 20, 300, 200, TWindowState::wsMaximized}));
}

TEST(FormSaverSave, WritesTheMaximizedBoundsWhenNothingIsStored) {
  const TQoFormRecord current{0, 0, 1920, 1040, TWindowState::wsMaximized};
  EXPECT_EQ(RecordToSave(current, std::nullopt), current);
}

class FormSaverStore : public ::testing::Test {
 protected:
  FormSaverStore() {
    std::random_device seed;
    Key = L"\\Software\\QrvTests\\FormSaver" + std::to_wstring(seed() % 1000000000);
  }
  ~FormSaverStore() override { RegistryKey::DeleteTree(RegRoot::CurrentUser, Key); }
  String Key;
};

TEST_F(FormSaverStore, WritesTheRecordAsABinaryValue) {
  TQoFormSaverStore store(TQoRootKeys::HKeyCurrentUser, Key);
  const TQoFormRecord record{5, 6, 7, 8, TWindowState::wsNormal};
  ASSERT_TRUE(store.Write(L"FrmTeste", record));
  const auto value = RegistryKey::Open(RegRoot::CurrentUser, Key)->ReadValue(L"FrmTeste");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->type, platform::RegValueType::Binary);
  const auto bytes = record.Pack();
  EXPECT_EQ(value->data, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  EXPECT_EQ(store.Read(L"FrmTeste"), record);
}

TEST_F(FormSaverStore, ReadsAValueOfAnotherTypeAsAbsent) {
  RegistryKey::Create(RegRoot::CurrentUser, Key)->WriteString(L"FrmTeste", L"texto");
  TQoFormSaverStore store(TQoRootKeys::HKeyCurrentUser, Key);
  EXPECT_FALSE(store.Read(L"FrmTeste").has_value());
}

TEST_F(FormSaverStore, ReadingCreatesTheKey) {
  TQoFormSaverStore store(TQoRootKeys::HKeyCurrentUser, Key);
  EXPECT_FALSE(store.Read(L"FrmTeste").has_value());
  EXPECT_TRUE(RegistryKey::Exists(RegRoot::CurrentUser, Key));
}

TEST_F(FormSaverStore, ErasesTheValueAndThenTheKey) {
  TQoFormSaverStore store(TQoRootKeys::HKeyCurrentUser, Key);
  ASSERT_TRUE(store.Write(L"FrmTeste", TQoFormRecord{}));
  store.EraseValue(L"FrmTeste");
  EXPECT_FALSE(RegistryKey::Open(RegRoot::CurrentUser, Key)->ValueExists(L"FrmTeste"));
  store.EraseValue(L"FrmTeste");  // absent: nothing happens
  store.EraseKey();
  EXPECT_FALSE(RegistryKey::Exists(RegRoot::CurrentUser, Key));
  store.EraseKey();
  EXPECT_FALSE(RegistryKey::Exists(RegRoot::CurrentUser, Key));
}

TEST(FormSaverStoreRoots, AKeyThatCannotOpenReadsNothingAndWritesNothing) {
  TQoFormSaverStore store(TQoRootKeys::HKeyDynData, L"\\Software\\QrvTests\\FormSaverNone");
  EXPECT_FALSE(store.Write(L"FrmTeste", TQoFormRecord{}));
  EXPECT_FALSE(store.Read(L"FrmTeste").has_value());
}

}  // namespace
