// TQoRegManager: key composition, every typed round trip with its stored encoding, the defaults
// for missing keys and values of other types, and the errors of oversized values. Each test works
// under a key of its own below HKEY_CURRENT_USER\Software\QrvTests and deletes it at the end.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "components/QoRegManager.h"
#include "platform/Registry.h"

namespace {

using platform::RegistryKey;
using platform::RegRoot;
using platform::RegValue;
using platform::RegValueType;

class RegManager : public ::testing::Test {
 protected:
  RegManager() {
    std::random_device seed;
    Base = L"\\Software\\QrvTests\\RegManager" + std::to_wstring(seed() % 1000000000);
    Manager.SetKey(Base);
  }
  ~RegManager() override { RegistryKey::DeleteTree(RegRoot::CurrentUser, Base); }

  // The value as stored under Base\sub.
  std::optional<RegValue> Stored(const String& name, const String& sub = L"Sub") const {
    const auto key = RegistryKey::Open(RegRoot::CurrentUser, Base + L"\\" + sub);
    return key ? key->ReadValue(name) : std::nullopt;
  }

  void Store(const String& name, const RegValue& value) {
    ASSERT_TRUE(
        RegistryKey::Create(RegRoot::CurrentUser, Base + L"\\Sub")->WriteValue(name, value));
  }

  String Base;
  TQoRegManager Manager{nullptr};
};

std::vector<uint8_t> Bytes32(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

std::vector<uint8_t> DoubleBytes(double value) {
  std::vector<uint8_t> bytes(8);
  std::memcpy(bytes.data(), &value, 8);
  return bytes;
}

TEST(RegManagerDefaults, CreateKeysUnderCurrentUserAtCompanyProduct) {
  const TQoRegManager manager(nullptr);
  EXPECT_TRUE(manager.AutoCreate());
  EXPECT_EQ(manager.RootKey(), TQoRootKeys::HKeyCurrentUser);
  EXPECT_EQ(manager.Key(), L"\\SOFTWARE\\Company\\Product");
}

TEST(RegManagerDefaults, EmptyKeyRestoresTheDefault) {
  TQoRegManager manager(nullptr);
  manager.SetKey(L"\\SOFTWARE\\Quorvane\\QRVComps");
  manager.SetKey(L"");
  EXPECT_EQ(manager.Key(), L"\\SOFTWARE\\Company\\Product");
}

TEST(RegManagerKeys, FullKeyOfEmptySubKeyIsTheKey) {
  TQoRegManager manager(nullptr);
  manager.SetKey(L"\\SOFTWARE\\Quorvane\\QRVComps");
  EXPECT_EQ(manager.FullKey(L""), L"\\SOFTWARE\\Quorvane\\QRVComps");
}

TEST(RegManagerKeys, FullKeyJoinsSubKeyWithABackslash) {
  TQoRegManager manager(nullptr);
  manager.SetKey(L"\\SOFTWARE\\Quorvane\\QRVComps");
  EXPECT_EQ(manager.FullKey(L"Janelas"), L"\\SOFTWARE\\Quorvane\\QRVComps\\Janelas");
}

TEST(RegManagerKeys, FullKeyAddsNoSecondBackslash) {
  TQoRegManager manager(nullptr);
  manager.SetKey(L"\\SOFTWARE\\Quorvane\\");
  EXPECT_EQ(manager.FullKey(L"QRVComps"), L"\\SOFTWARE\\Quorvane\\QRVComps");
}

TEST_F(RegManager, StringRoundTripsAsRegSz) {
  Manager.WriteString(L"Sub", L"Caminho D26", L"C:\\Quorvane\\QRVComps\\D26 ç");
  EXPECT_EQ(Manager.ReadString(L"Sub", L"Caminho D26", L"x"), L"C:\\Quorvane\\QRVComps\\D26 ç");
  EXPECT_EQ(Stored(L"Caminho D26")->type, RegValueType::String);
}

TEST_F(RegManager, IntegerRoundTripsAsSignedDWord) {
  Manager.WriteInteger(L"Sub", L"N", -2);
  EXPECT_EQ(Manager.ReadInteger(L"Sub", L"N", 0), -2);
  EXPECT_EQ(Stored(L"N")->type, RegValueType::DWord);
  EXPECT_EQ(Stored(L"N")->data, Bytes32(0xFFFFFFFE));
}

TEST_F(RegManager, TrueIsStoredAsOne) {
  Manager.WriteBool(L"Sub", L"B", true);
  EXPECT_EQ(Stored(L"B")->data, Bytes32(1));
  EXPECT_TRUE(Manager.ReadBool(L"Sub", L"B", false));
}

TEST_F(RegManager, FalseIsStoredAsZero) {
  Manager.WriteBool(L"Sub", L"B", false);
  EXPECT_EQ(Stored(L"B")->data, Bytes32(0));
  EXPECT_FALSE(Manager.ReadBool(L"Sub", L"B", true));
}

TEST_F(RegManager, StoredSevenReadsAsTrue) {
  Store(L"B", RegValue{RegValueType::DWord, Bytes32(7)});
  EXPECT_TRUE(Manager.ReadBool(L"Sub", L"B", false));
}

TEST_F(RegManager, ColorRoundTripsAsDWord) {
  Manager.WriteColor(L"Sub", L"C", clWindowText);
  EXPECT_EQ(Manager.ReadColor(L"Sub", L"C", clNone), clWindowText);
  EXPECT_EQ(Stored(L"C")->data, Bytes32(0xFF000008));
}

TEST_F(RegManager, FloatRoundTripsAsEightBinaryBytes) {
  Manager.WriteFloat(L"Sub", L"F", 3.141592653589793);
  EXPECT_EQ(Manager.ReadFloat(L"Sub", L"F", 0), 3.141592653589793);
  EXPECT_EQ(Stored(L"F")->type, RegValueType::Binary);
  EXPECT_EQ(Stored(L"F")->data, DoubleBytes(3.141592653589793));
}

TEST_F(RegManager, DateTimeRoundTripsAsDaysSince1899) {
  Manager.WriteDateTime(L"Sub", L"D", 46000.75);  // 9 December 2025, 18:00
  EXPECT_EQ(Manager.ReadDateTime(L"Sub", L"D", 0), 46000.75);
  EXPECT_EQ(Stored(L"D")->data, DoubleBytes(46000.75));
}

TEST_F(RegManager, DateRoundTrips) {
  Manager.WriteDate(L"Sub", L"D", 46000.0);
  EXPECT_EQ(Manager.ReadDate(L"Sub", L"D", 0), 46000.0);
}

TEST_F(RegManager, TimeRoundTrips) {
  Manager.WriteTime(L"Sub", L"T", 0.5);
  EXPECT_EQ(Manager.ReadTime(L"Sub", L"T", 0), 0.5);
}

TEST_F(RegManager, PointRoundTripsAsTwoLittleEndianIntegers) {
  Manager.WritePoint(L"Sub", L"P", TPoint{-5, 300});
  EXPECT_EQ(Manager.ReadPoint(L"Sub", L"P", TPoint{}), (TPoint{-5, 300}));
  EXPECT_EQ(Stored(L"P")->data, (std::vector<uint8_t>{0xFB, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0}));
}

TEST_F(RegManager, RectRoundTripsAsFourIntegers) {
  Manager.WriteRect(L"Sub", L"R", TRect{1, -2, 630, 458});
  EXPECT_EQ(Manager.ReadRect(L"Sub", L"R", TRect{}), (TRect{1, -2, 630, 458}));
  EXPECT_EQ(Stored(L"R")->data.size(), 16u);
}

TEST_F(RegManager, ShortPointValueLeavesTheRestZero) {
  Store(L"P", RegValue{RegValueType::Binary, {7, 0, 0, 0}});
  EXPECT_EQ(Manager.ReadPoint(L"Sub", L"P", TPoint{9, 9}), (TPoint{7, 0}));
}

TEST_F(RegManager, FontRoundTripsEveryField) {
  TFontData font;
  font.Name = L"Segoe UI";
  font.Size = 9;
  font.Color = RgbColor(0, 159, 0);
  font.Charset = 238;
  font.Pitch = TFontPitch::fpFixed;
  font.Bold = true;
  font.StrikeOut = true;
  Manager.WriteFont(L"Sub", L"Font", font);
  EXPECT_EQ(Manager.ReadFont(L"Sub", L"Font"), font);
  EXPECT_EQ(Stored(L"Font")->data.size(), 68u);
}

TEST_F(RegManager, FontNameIsCutTo50Characters) {
  TFontData font;
  font.Name = String(60, L'N');
  Manager.WriteFont(L"Sub", L"Font", font);
  EXPECT_EQ(Manager.ReadFont(L"Sub", L"Font").Name, String(50, L'N'));
}

TEST_F(RegManager, MissingFontGivesTheDefaultGiven) {
  TFontData fallback;
  fallback.Name = L"Courier New";
  EXPECT_EQ(Manager.ReadFont(L"Sub", L"Font", fallback), fallback);
}

TEST_F(RegManager, MissingFontWithoutDefaultGivesToolkitDefaults) {
  EXPECT_EQ(Manager.ReadFont(L"Sub", L"Font"), TFontData());
}

TEST_F(RegManager, BinaryDataRoundTripsAndReportsStoredSize) {
  const uint8_t data[5] = {1, 2, 3, 4, 5};
  Manager.WriteBinaryData(L"Sub", L"Bin", data, 5);
  uint8_t buffer[10] = {};
  EXPECT_EQ(Manager.ReadBinaryData(L"Sub", L"Bin", buffer, 10), 5);
  EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 5), (std::vector<uint8_t>{1, 2, 3, 4, 5}));
}

TEST_F(RegManager, BinaryDataOfAnotherTypeReadsMinusOne) {
  Manager.WriteInteger(L"Sub", L"N", 1);
  uint8_t buffer[4];
  EXPECT_EQ(Manager.ReadBinaryData(L"Sub", L"N", buffer, 4), -1);
}

TEST_F(RegManager, BinaryDataLargerThanBufferRaises) {
  const uint8_t data[9] = {};
  Manager.WriteBinaryData(L"Sub", L"Bin", data, 9);
  uint8_t buffer[8];
  EXPECT_THROW(Manager.ReadBinaryData(L"Sub", L"Bin", buffer, 8), ERegistryException);
}

TEST_F(RegManager, PointLargerThanEightBytesRaises) {
  Store(L"P", RegValue{RegValueType::Binary, std::vector<uint8_t>(12, 0)});
  EXPECT_THROW(Manager.ReadPoint(L"Sub", L"P", TPoint{}), ERegistryException);
}

TEST_F(RegManager, FloatOfOtherThanEightBytesRaises) {
  Store(L"F", RegValue{RegValueType::Binary, std::vector<uint8_t>(4, 0)});
  EXPECT_THROW(Manager.ReadFloat(L"Sub", L"F", 0), ERegistryException);
}

TEST_F(RegManager, FloatOfAnotherTypeReadsTheDefault) {
  Manager.WriteInteger(L"Sub", L"F", 3);
  EXPECT_EQ(Manager.ReadFloat(L"Sub", L"F", 1.5), 1.5);
}

TEST_F(RegManager, ExpandableStringReadsTheDefault) {
  ASSERT_TRUE(RegistryKey::Create(RegRoot::CurrentUser, Base + L"\\Sub")
                  ->WriteExpandString(L"E", L"%TEMP%"));
  EXPECT_EQ(Manager.ReadString(L"Sub", L"E", L"default"), L"default");
}

TEST_F(RegManager, IntegerOfStringValueReadsTheDefault) {
  Manager.WriteString(L"Sub", L"N", L"12");
  EXPECT_EQ(Manager.ReadInteger(L"Sub", L"N", 99), 99);
}

TEST_F(RegManager, ReadOfMissingValueCreatesTheKey) {
  EXPECT_EQ(Manager.ReadString(L"Sub", L"Caminho D26", L"none"), L"none");
  EXPECT_TRUE(RegistryKey::Exists(RegRoot::CurrentUser, Base + L"\\Sub"));
}

TEST_F(RegManager, ReadWithoutAutoCreateLeavesMissingKeyMissing) {
  Manager.SetAutoCreate(false);
  EXPECT_EQ(Manager.ReadString(L"Sub", L"Caminho D26", L"none"), L"none");
  EXPECT_FALSE(RegistryKey::Exists(RegRoot::CurrentUser, Base + L"\\Sub"));
}

TEST_F(RegManager, WriteWithoutAutoCreateToMissingKeyDoesNothing) {
  Manager.SetAutoCreate(false);
  Manager.WriteInteger(L"Sub", L"N", 1);
  EXPECT_FALSE(RegistryKey::Exists(RegRoot::CurrentUser, Base + L"\\Sub"));
}

TEST_F(RegManager, SubKeyExistsOfMissingKeyIsFalseAndCreatesNothing) {
  EXPECT_FALSE(Manager.SubKeyExists(L"Sub"));
  EXPECT_FALSE(RegistryKey::Exists(RegRoot::CurrentUser, Base + L"\\Sub"));
}

TEST_F(RegManager, SubKeyExistsOfWrittenKeyIsTrue) {
  Manager.WriteInteger(L"Sub", L"N", 1);
  EXPECT_TRUE(Manager.SubKeyExists(L"Sub"));
}

TEST_F(RegManager, DeleteValueTellsWhetherItDeleted) {
  Manager.WriteInteger(L"Sub", L"N", 1);
  EXPECT_TRUE(Manager.DeleteValue(L"Sub", L"N"));
  EXPECT_FALSE(Manager.DeleteValue(L"Sub", L"N"));
  EXPECT_FALSE(Manager.ValueExists(L"Sub", L"N"));
}

TEST_F(RegManager, ValueExistsOfWrittenValueIsTrue) {
  Manager.WriteString(L"Sub", L"S", L"");
  EXPECT_TRUE(Manager.ValueExists(L"Sub", L"S"));
}

TEST_F(RegManager, DeleteSubKeyRemovesItsSubkeysToo) {
  Manager.WriteInteger(L"Sub\\Deeper", L"N", 1);
  EXPECT_TRUE(Manager.DeleteSubKey(L"Sub"));
  EXPECT_FALSE(RegistryKey::Exists(RegRoot::CurrentUser, Base + L"\\Sub"));
}

TEST_F(RegManager, GetValueNamesListsTheValuesOfKey) {
  // Written in alphabetical order: the platform enumerates in creation order, Wine by name.
  Manager.WriteInteger(L"", L"Alfa", 1);
  Manager.WriteString(L"", L"Beta", L"b");
  TStringList names;
  names.Add(L"stale");
  ASSERT_TRUE(Manager.GetValueNames(names));
  EXPECT_EQ(names.Items(), (std::vector<String>{L"Alfa", L"Beta"}));
}

TEST_F(RegManager, GetKeyNamesListsTheSubkeysOfKey) {
  Manager.WriteInteger(L"Beta", L"N", 1);
  Manager.WriteInteger(L"Alfa", L"N", 1);
  TStringList keys;
  ASSERT_TRUE(Manager.GetKeyNames(keys));
  EXPECT_EQ(keys.Items(), (std::vector<String>{L"Alfa", L"Beta"}));
}

TEST_F(RegManager, GetValueNamesOfMissingKeyWithoutAutoCreateIsFalse) {
  Manager.SetAutoCreate(false);
  TStringList names;
  EXPECT_FALSE(Manager.GetValueNames(names));
}

TEST_F(RegManager, PerformanceDataRootReadsDefaultsAndWritesNothing) {
  Manager.SetRootKey(TQoRootKeys::HKeyPerformanceData);
  Manager.WriteInteger(L"Sub", L"N", 1);
  EXPECT_EQ(Manager.ReadInteger(L"Sub", L"N", 42), 42);
  EXPECT_FALSE(Manager.SubKeyExists(L"Sub"));
}

TEST(RegManagerFontRecord, LaysOutEveryFieldAtItsOffset) {
  TFontData font;
  font.Name = L"Tahoma";
  font.Size = -11;
  font.Color = 0x00332211;
  font.Charset = 0;
  font.Pitch = TFontPitch::fpVariable;
  font.Italic = true;
  font.Underline = true;
  TQoRecDataFont::TBytes expected{};
  expected[4] = 0x11;
  expected[5] = 0x22;
  expected[6] = 0x33;
  expected[8] = 6;
  std::memcpy(&expected[9], "Tahoma", 6);
  expected[59] = 1;
  expected[60] = 0xF5;
  expected[61] = expected[62] = expected[63] = 0xFF;
  expected[64] = 2 | 4;
  EXPECT_EQ(TQoRecDataFont::Pack(font), expected);
}

TEST(RegManagerFontRecord, StoresNameInAnsiCodePage) {
  TFontData font;
  font.Name = L"Fonte Açaí";
  const TQoRecDataFont::TBytes bytes = TQoRecDataFont::Pack(font);
  EXPECT_EQ(bytes[8], 10);
  EXPECT_EQ(bytes[16], 0xE7);
  EXPECT_EQ(TQoRecDataFont::Unpack(bytes).Name, L"Fonte Açaí");
}

}  // namespace
