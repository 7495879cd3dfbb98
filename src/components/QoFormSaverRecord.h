// The portable rules of the form saver (TQoFormSaver, QoFormSaver.h): the 20-byte record it
// stores per form, the effective registry key, where CenterForm puts a form, which stored fields
// a restore applies, what a save writes, and the registry store itself.
//
// Record: a binary value of 20 little-endian bytes: left, top, width, height (signed 32-bit
// each), the window state (0 normal, 1 minimized, 2 maximized) and three zero filler bytes. A
// stored value of another type, of another length or with an unknown state is not a record: it
// reads as absent, and the next save replaces it.
//
// The store opens its key with creation for every operation and closes it again; a key that
// cannot be opened or created makes reads absent and writes do nothing, without an error.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "components/QoRootKeys.h"
#include "core/String.h"
#include "ui/FormPlacement.h"

struct TQoFormRecord {
  static constexpr size_t kSize = 20;
  using TBytes = std::array<uint8_t, kSize>;

  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  TWindowState State = TWindowState::wsNormal;
  bool operator==(const TQoFormRecord&) const = default;

  TBytes Pack() const;
  // Empty unless bytes is a record (see above).
  static std::optional<TQoFormRecord> Unpack(const std::vector<uint8_t>& bytes);
};

// key with its first "[EXENAME]" (any letter case) replaced by exeName; unchanged without one.
String FormSaverEffectiveKey(const String& key, const String& exeName);

// The value name of a form class: its name without the first letter ("TFrmExSelFolder" ->
// "FrmExSelFolder").
String FormSaverValueName(const String& className);

// Left and top that centre a form on a desktop of that size: (desktop - form) / 2, truncated
// toward zero; the desktop's origin is not added.
struct TCenteredPosition {
  int Left;
  int Top;
};
TCenteredPosition CenteredOnDesktop(int desktopWidth, int desktopHeight, int formWidth,
                                    int formHeight);

// What the managed form offers a restore.
class TFormPlacementTarget {
 public:
  virtual ~TFormPlacementTarget() = default;
  virtual void SetWidth(int value) = 0;
  virtual void SetHeight(int value) = 0;
  virtual void SetLeft(int value) = 0;
  virtual void SetTop(int value) = 0;
  virtual void SetWindowState(TWindowState value) = 0;
};

struct TRestoreOptions {
  bool SaveSize = true;
  bool SaveLocation = true;
  bool SaveState = true;
};

// Applies a stored record: width then height (SaveSize), left then top (SaveLocation), then the
// state (SaveState) unless it is minimized while the application has no main form yet.
void ApplyFormRecord(const TQoFormRecord& record, const TRestoreOptions& options,
                     bool applicationHasMainForm, TFormPlacementTarget& target);

// The record a save writes: the form's current one, except that a form that is not in the normal
// state keeps the stored bounds (when there are any) with only its current state put in them.
TQoFormRecord RecordToSave(const TQoFormRecord& current,
                           const std::optional<TQoFormRecord>& stored);

// The registry side: one value per form under root\key (already effective).
class TQoFormSaverStore {
 public:
  TQoFormSaverStore(TQoRootKeys root, String key) : FRoot(root), FKey(std::move(key)) {}
  // The stored record; empty when the key does not open or the value is absent or no record.
  std::optional<TQoFormRecord> Read(const String& valueName) const;
  // False when the key cannot be opened or the platform refuses the write.
  bool Write(const String& valueName, const TQoFormRecord& record);
  void EraseValue(const String& valueName);
  void EraseKey();

 private:
  TQoRootKeys FRoot;
  String FKey;
};
