// TQoSkinColors: the skin's colour scheme, seventeen groups of colours (one object each, made by
// the scheme and freed with it), and the process-wide current scheme that all skin painting uses.
//
// Each group's properties are plain colour fields named as published (Face, LightOn, ...); a
// group also lists them, in declaration order, with their initial value and their stored-form
// default, so that a writer can store a scheme under dotted names ("Colors.Button.Face") and
// leave out every property equal to its stored-form default. The defaults equal the initial
// values except Group.Border (174, 174, 174) and Group.Text (62, 94, 202).
//
// Colours are toolkit colours (Colors.h): RGB or a system colour, resolved to RGB by the painter
// before any comparison or blending; clNone (0x1FFFFFFF) in a scheme means "leave the control's
// colour as it is". Portable; nothing raises.
#pragma once

#include <utility>
#include <vector>

#include "core/String.h"
#include "ui/Colors.h"
#include "ui/Component.h"

// One published colour of a group: its name, its initial value and its stored-form default.
struct TQoColorInfo {
  const wchar_t* Name;
  TColor Initial;
  TColor StoredDefault;
};

class TQoColorGroup;

// A property of a group: its field (a field of the group's class, seen from the base) and info.
struct TQoColorField {
  TColor TQoColorGroup::*Field;
  TQoColorInfo Info;
};

// A group of colours, seen through its list of properties (the group's table Fields).
class TQoColorGroup : public TPersistent {
 public:
  // The properties in declaration order: Count() of them, each with its Info and Value.
  size_t Count() const { return FCount; }
  const TQoColorInfo& Info(size_t index) const { return FFields[index].Info; }
  TColor Value(size_t index) const { return this->*FFields[index].Field; }
  void SetValue(size_t index, TColor value) { this->*FFields[index].Field = value; }
  // Every property back to its initial value.
  void Reset();
  // The index of a property by name (ASCII case ignored), or -1.
  int IndexOf(const String& name) const;

 protected:
  template <size_t N>
  explicit TQoColorGroup(const TQoColorField (&fields)[N]) : FFields(fields), FCount(N) {}

 private:
  const TQoColorField* FFields;
  size_t FCount;
};

class TQoArrowBtnColors : public TQoColorGroup {
 public:
  TQoArrowBtnColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, BorderDisable, BorderOn, BorderPress, Face, FaceDisable, FaceOn, FacePress, Light,
      LightOn, LightPress, Mark, MarkDisable;
  static const TQoColorField Fields[13];
};

class TQoButtonColors : public TQoColorGroup {
 public:
  TQoButtonColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, BorderDisable, BorderOn, BorderPress, DefaultBorder, Face, FaceDisable, FaceOn,
      FacePress, Light, LightOn, LightPress, Text, TextDisable, TextOn, TextPress;
  static const TQoColorField Fields[16];
};

class TQoCheckColors : public TQoColorGroup {
 public:
  TQoCheckColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, BorderDisable, BorderOn, BorderPress, Face, FaceDisable, FaceOn, FacePress, Light,
      LightOn, LightPress, Mark, MarkDisable, Text, TextDisable, TextOn, TextPress;
  static const TQoColorField Fields[17];
};

class TQoEditColors : public TQoColorGroup {
 public:
  TQoEditColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, BorderDisable, Face, Text;
  static const TQoColorField Fields[4];
};

class TQoFormColors : public TQoColorGroup {
 public:
  TQoFormColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Face;
  static const TQoColorField Fields[1];
};

class TQoGroupColors : public TQoColorGroup {
 public:
  TQoGroupColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, BorderDisable, Text, TextDisable;
  static const TQoColorField Fields[4];
};

class TQoHeaderColors : public TQoColorGroup {
 public:
  TQoHeaderColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, Divider, Face, FacePress, FaceSelect, IndexMark, Light, LightPress, LightSelect,
      Text, TextPress, TextSelect;
  static const TQoColorField Fields[12];
};

class TQoLabelColors : public TQoColorGroup {
 public:
  TQoLabelColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Text;
  static const TQoColorField Fields[1];
};

class TQoMainMenuColors : public TQoColorGroup {
 public:
  TQoMainMenuColors() : TQoColorGroup(Fields) { Reset(); }
  TColor BorderOn, BorderPress, Face, FaceOn, FacePress, Light, LightOn, LightPress, Text,
      TextDisable, TextOn, TextPress;
  static const TQoColorField Fields[12];
};

class TQoMenuItemColors : public TQoColorGroup {
 public:
  TQoMenuItemColors() : TQoColorGroup(Fields) { Reset(); }
  TColor BorderOn, Face, FaceOn, Light, LightOn, Icon, IconLight, Line, Mark, Text, TextDisable,
      TextOn;
  static const TQoColorField Fields[12];
};

class TQoPageControlColors : public TQoColorGroup {
 public:
  TQoPageControlColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, Face;
  static const TQoColorField Fields[2];
};

class TQoProgressBarColors : public TQoColorGroup {
 public:
  TQoProgressBarColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, Background, Bar;
  static const TQoColorField Fields[3];
};

class TQoRadioButtonColors : public TQoColorGroup {
 public:
  TQoRadioButtonColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Back, BackDisable, BackOn, BackPress, Border, BorderDisable, BorderOn, BorderPress, Face,
      FaceDisable, FaceOn, FacePress, Light, LightDisable, LightOn, LightPress, Mark, MarkDisable,
      MarkEye, MarkEyeDisable, SecBorder, SecBorderDisable, SecBorderOn, SecBorderPress, Text,
      TextDisable, TextOn, TextPress;
  static const TQoColorField Fields[28];
};

// The same properties and initial values as the push buttons'.
class TQoSpeedButtonColors : public TQoButtonColors {};

class TQoStatusBarColors : public TQoColorGroup {
 public:
  TQoStatusBarColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, Divider, Face, Text;
  static const TQoColorField Fields[4];
};

class TQoTabButtonColors : public TQoColorGroup {
 public:
  TQoTabButtonColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, Face, FaceDisable, FaceOn, FaceSelect, Light, LightDisable, LightOn, LightSelect,
      Text, TextDisable, TextOn, TextSelect;
  static const TQoColorField Fields[13];
};

class TQoToolBarColors : public TQoColorGroup {
 public:
  TQoToolBarColors() : TQoColorGroup(Fields) { Reset(); }
  TColor Border, Divider, Face;
  static const TQoColorField Fields[3];
};

// A stored property: its dotted name under the scheme's path and its value.
using TQoStoredColor = std::pair<String, TColor>;

class TQoSkinColors : public TPersistent {
 public:
  // Holds the seventeen groups with their initial values.
  TQoSkinColors();
  ~TQoSkinColors() override;

  TQoArrowBtnColors& ArrowBtn() { return FArrowBtn; }
  TQoButtonColors& Button() { return FButton; }
  TQoCheckColors& Check() { return FCheck; }
  TQoEditColors& Edit() { return FEdit; }
  TQoFormColors& Form() { return FForm; }
  TQoGroupColors& Group() { return FGroup; }
  TQoHeaderColors& Header() { return FHeader; }
  TQoLabelColors& Labels() { return FLabels; }
  TQoMainMenuColors& MainMenu() { return FMainMenu; }
  TQoMenuItemColors& MenuItem() { return FMenuItem; }
  TQoPageControlColors& PageControl() { return FPageControl; }
  TQoProgressBarColors& ProgressBar() { return FProgressBar; }
  TQoRadioButtonColors& RadioButton() { return FRadioButton; }
  TQoSpeedButtonColors& SpeedButton() { return FSpeedButton; }
  TQoStatusBarColors& StatusBar() { return FStatusBar; }
  TQoTabButtonColors& TabButton() { return FTabButton; }
  TQoToolBarColors& ToolBar() { return FToolBar; }

  // The stored form (QoSkinColorsStored.cpp, apart so that programs which only paint with a
  // scheme do not link it).
  // The groups by their published names, in publishing order.
  std::vector<std::pair<const wchar_t*, TQoColorGroup*>> Groups();
  // What a stored form holds of this scheme under path ("Colors"): every property that differs
  // from its stored-form default, as "Colors.Group.Property", in publishing order.
  std::vector<TQoStoredColor> StoredValues(const String& path) const;
  // Takes one stored property ("Colors.Button.Face" under path "Colors"); false when the name
  // names no property of the scheme.
  bool ReadStoredValue(const String& path, const String& name, TColor value);

 private:
  TQoArrowBtnColors FArrowBtn;
  TQoButtonColors FButton;
  TQoCheckColors FCheck;
  TQoEditColors FEdit;
  TQoFormColors FForm;
  TQoGroupColors FGroup;
  TQoHeaderColors FHeader;
  TQoLabelColors FLabels;
  TQoMainMenuColors FMainMenu;
  TQoMenuItemColors FMenuItem;
  TQoPageControlColors FPageControl;
  TQoProgressBarColors FProgressBar;
  TQoRadioButtonColors FRadioButton;
  TQoSpeedButtonColors FSpeedButton;
  TQoStatusBarColors FStatusBar;
  TQoTabButtonColors FTabButton;
  TQoToolBarColors FToolBar;
};

// The scheme all skin painting uses: the last one made current, or null. A scheme that is
// destroyed while current leaves no current scheme behind (TQoSkinPlus sees to that).
TQoSkinColors* CurrentSkinColors();
void SetCurrentSkinColors(TQoSkinColors* colors);
