#include "components/QoFormSaverRecord.h"

#include <algorithm>

#include "platform/Registry.h"

namespace {

void Put32(uint8_t* bytes, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t Get32(const uint8_t* bytes) {
  const uint32_t bits = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                        (static_cast<uint32_t>(bytes[2]) << 16) |
                        (static_cast<uint32_t>(bytes[3]) << 24);
  return static_cast<int32_t>(bits);
}

wchar_t UpperAscii(wchar_t c) {
  return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

std::optional<platform::RegistryKey> OpenCreating(TQoRootKeys root, const String& key) {
  const auto platformRoot = PlatformRootKey(root);
  if (!platformRoot) return std::nullopt;
  return platform::RegistryKey::Create(*platformRoot, key);
}

}  // namespace

TQoFormRecord::TBytes TQoFormRecord::Pack() const {
  TBytes bytes{};
  Put32(&bytes[0], Left);
  Put32(&bytes[4], Top);
  Put32(&bytes[8], Width);
  Put32(&bytes[12], Height);
  bytes[16] = static_cast<uint8_t>(State);
  return bytes;
}

std::optional<TQoFormRecord> TQoFormRecord::Unpack(const std::vector<uint8_t>& bytes) {
  if (bytes.size() != kSize || bytes[16] > static_cast<uint8_t>(TWindowState::wsMaximized))
    return std::nullopt;
  TQoFormRecord record;
  record.Left = Get32(&bytes[0]);
  record.Top = Get32(&bytes[4]);
  record.Width = Get32(&bytes[8]);
  record.Height = Get32(&bytes[12]);
  record.State = static_cast<TWindowState>(bytes[16]);
  return record;
}

String FormSaverEffectiveKey(const String& key, const String& exeName) {
  static const String token = L"[EXENAME]";
  const auto found = std::search(key.begin(), key.end(), token.begin(), token.end(),
                                 [](wchar_t a, wchar_t b) { return UpperAscii(a) == b; });
  if (found == key.end()) return key;
  String result = key;
  result.replace(static_cast<size_t>(found - key.begin()), token.size(), exeName);
  return result;
}

String FormSaverValueName(const String& className) {
  return className.empty() ? String() : className.substr(1);
}

TCenteredPosition CenteredOnDesktop(int desktopWidth, int desktopHeight, int formWidth,
                                    int formHeight) {
  return TCenteredPosition{(desktopWidth - formWidth) / 2, (desktopHeight - formHeight) / 2};
}

void ApplyFormRecord(const TQoFormRecord& record, const TRestoreOptions& options,
                     bool applicationHasMainForm, TFormPlacementTarget& target) {
  if (options.SaveSize) {
    target.SetWidth(record.Width);
    target.SetHeight(record.Height);
  }
  if (options.SaveLocation) {
    target.SetLeft(record.Left);
    target.SetTop(record.Top);
  }
  if (options.SaveState && (applicationHasMainForm || record.State != TWindowState::wsMinimized))
    target.SetWindowState(record.State);
}

TQoFormRecord RecordToSave(const TQoFormRecord& current,
                           const std::optional<TQoFormRecord>& stored) {
  if (current.State == TWindowState::wsNormal || !stored) return current;
  TQoFormRecord record = *stored;
  record.State = current.State;
  return record;
}

std::optional<TQoFormRecord> TQoFormSaverStore::Read(const String& valueName) const {
  const auto key = OpenCreating(FRoot, FKey);
  if (!key) return std::nullopt;
  const auto value = key->ReadValue(valueName);
  if (!value || value->type != platform::RegValueType::Binary) return std::nullopt;
  return TQoFormRecord::Unpack(value->data);
}

bool TQoFormSaverStore::Write(const String& valueName, const TQoFormRecord& record) {
  auto key = OpenCreating(FRoot, FKey);
  if (!key) return false;
  const TQoFormRecord::TBytes bytes = record.Pack();
  return key->WriteBinary(valueName, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

void TQoFormSaverStore::EraseValue(const String& valueName) {
  if (auto key = OpenCreating(FRoot, FKey)) key->DeleteValue(valueName);
}

void TQoFormSaverStore::EraseKey() {
  if (const auto root = PlatformRootKey(FRoot)) platform::RegistryKey::DeleteTree(*root, FKey);
}
