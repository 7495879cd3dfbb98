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

#include <memory>
#include <iterator>
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

// A group of colours, seen through its list of properties.
class TQoColorGroup : public TPersistent {
 public:
  // The properties in declaration order: Count() of them, each with its Info and Value.
  virtual size_t Count() const = 0;
  virtual const TQoColorInfo& Info(size_t index) const = 0;
  virtual TColor Value(size_t index) const = 0;
  virtual void SetValue(size_t index, TColor value) = 0;
  // Every property back to its initial value.
  void Reset();
  // The index of a property by name (ASCII case ignored), or -1.
  int IndexOf(const String& name) const;
};

// The fields of group G with their properties, in declaration order.
template <typename G>
struct TQoColorField {
  TColor G::*Field;
  TQoColorInfo Info;
};

// Implements the property list of group G over its table G::Fields.
template <typename G>
class TQoColorGroupOf : public TQoColorGroup {
 public:
  size_t Count() const override { return std::size(G::Fields); }
  const TQoColorInfo& Info(size_t index) const override { return G::Fields[index].Info; }
  TColor Value(size_t index) const override {
    return static_cast<const G&>(*this).*(G::Fields[index].Field);
  }
  void SetValue(size_t index, TColor value) override {
    static_cast<G&>(*this).*(G::Fields[index].Field) = value;
  }
};

class TQoArrowBtnColors : public TQoColorGroupOf<TQoArrowBtnColors> {
 public:
  TQoArrowBtnColors() { Reset(); }
  TColor Border, BorderDisable, BorderOn, BorderPress, Face, FaceDisable, FaceOn, FacePress, Light,
      LightOn, LightPress, Mark, MarkDisable;
  static const TQoColorField<TQoArrowBtnColors> Fields[13];
};

class TQoButtonColors : public TQoColorGroupOf<TQoButtonColors> {
 public:
  TQoButtonColors() { Reset(); }
  TColor Border, BorderDisable, BorderOn, BorderPress, DefaultBorder, Face, FaceDisable, FaceOn,
      FacePress, Light, LightOn, LightPress, Text, TextDisable, TextOn, TextPress;
  static const TQoColorField<TQoButtonColors> Fields[16];
};

class TQoCheckColors : public TQoColorGroupOf<TQoCheckColors> {
 public:
  TQoCheckColors() { Reset(); }
  TColor Border, BorderDisable, BorderOn, BorderPress, Face, FaceDisable, FaceOn, FacePress, Light,
      LightOn, LightPress, Mark, MarkDisable, Text, TextDisable, TextOn, TextPress;
  static const TQoColorField<TQoCheckColors> Fields[17];
};

class TQoEditColors : public TQoColorGroupOf<TQoEditColors> {
 public:
  TQoEditColors() { Reset(); }
  TColor Border, BorderDisable, Face, Text;
  static const TQoColorField<TQoEditColors> Fields[4];
};

class TQoFormColors : public TQoColorGroupOf<TQoFormColors> {
 public:
  TQoFormColors() { Reset(); }
  TColor Face;
  static const TQoColorField<TQoFormColors> Fields[1];
};

class TQoGroupColors : public TQoColorGroupOf<TQoGroupColors> {
 public:
  TQoGroupColors() { Reset(); }
  TColor Border, BorderDisable, Text, TextDisable;
  static const TQoColorField<TQoGroupColors> Fields[4];
};

class TQoHeaderColors : public TQoColorGroupOf<TQoHeaderColors> {
 public:
  TQoHeaderColors() { Reset(); }
  TColor Border, Divider, Face, FacePress, FaceSelect, IndexMark, Light, LightPress, LightSelect,
      Text, TextPress, TextSelect;
  static const TQoColorField<TQoHeaderColors> Fields[12];
};

class TQoLabelColors : public TQoColorGroupOf<TQoLabelColors> {
 public:
  TQoLabelColors() { Reset(); }
  TColor Text;
  static const TQoColorField<TQoLabelColors> Fields[1];
};

class TQoMainMenuColors : public TQoColorGroupOf<TQoMainMenuColors> {
 public:
  TQoMainMenuColors() { Reset(); }
  TColor BorderOn, BorderPress, Face, FaceOn, FacePress, Light, LightOn, LightPress, Text,
      TextDisable, TextOn, TextPress;
  static const TQoColorField<TQoMainMenuColors> Fields[12];
};

class TQoMenuItemColors : public TQoColorGroupOf<TQoMenuItemColors> {
 public:
  TQoMenuItemColors() { Reset(); }
  TColor BorderOn, Face, FaceOn, Light, LightOn, Icon, IconLight, Line, Mark, Text, TextDisable,
      TextOn;
  static const TQoColorField<TQoMenuItemColors> Fields[12];
};

class TQoPageControlColors : public TQoColorGroupOf<TQoPageControlColors> {
 public:
  TQoPageControlColors() { Reset(); }
  TColor Border, Face;
  static const TQoColorField<TQoPageControlColors> Fields[2];
};

class TQoProgressBarColors : public TQoColorGroupOf<TQoProgressBarColors> {
 public:
  TQoProgressBarColors() { Reset(); }
  TColor Border, Background, Bar;
  static const TQoColorField<TQoProgressBarColors> Fields[3];
};

class TQoRadioButtonColors : public TQoColorGroupOf<TQoRadioButtonColors> {
 public:
  TQoRadioButtonColors() { Reset(); }
  TColor Back, BackDisable, BackOn, BackPress, Border, BorderDisable, BorderOn, BorderPress, Face,
      FaceDisable, FaceOn, FacePress, Light, LightDisable, LightOn, LightPress, Mark, MarkDisable,
      MarkEye, MarkEyeDisable, SecBorder, SecBorderDisable, SecBorderOn, SecBorderPress, Text,
      TextDisable, TextOn, TextPress;
  static const TQoColorField<TQoRadioButtonColors> Fields[28];
};

// The same properties and initial values as the push buttons'.
class TQoSpeedButtonColors : public TQoButtonColors {};

class TQoStatusBarColors : public TQoColorGroupOf<TQoStatusBarColors> {
 public:
  TQoStatusBarColors() { Reset(); }
  TColor Border, Divider, Face, Text;
  static const TQoColorField<TQoStatusBarColors> Fields[4];
};

class TQoTabButtonColors : public TQoColorGroupOf<TQoTabButtonColors> {
 public:
  TQoTabButtonColors() { Reset(); }
  TColor Border, Face, FaceDisable, FaceOn, FaceSelect, Light, LightDisable, LightOn, LightSelect,
      Text, TextDisable, TextOn, TextSelect;
  static const TQoColorField<TQoTabButtonColors> Fields[13];
};

class TQoToolBarColors : public TQoColorGroupOf<TQoToolBarColors> {
 public:
  TQoToolBarColors() { Reset(); }
  TColor Border, Divider, Face;
  static const TQoColorField<TQoToolBarColors> Fields[3];
};

// A stored property: its dotted name under the scheme's path and its value.
using TQoStoredColor = std::pair<String, TColor>;

class TQoSkinColors : public TPersistent {
 public:
  // Creates the seventeen groups with their initial values.
  TQoSkinColors();
  ~TQoSkinColors() override;

  TQoArrowBtnColors& ArrowBtn() { return *FArrowBtn; }
  TQoButtonColors& Button() { return *FButton; }
  TQoCheckColors& Check() { return *FCheck; }
  TQoEditColors& Edit() { return *FEdit; }
  TQoFormColors& Form() { return *FForm; }
  TQoGroupColors& Group() { return *FGroup; }
  TQoHeaderColors& Header() { return *FHeader; }
  TQoLabelColors& Labels() { return *FLabels; }
  TQoMainMenuColors& MainMenu() { return *FMainMenu; }
  TQoMenuItemColors& MenuItem() { return *FMenuItem; }
  TQoPageControlColors& PageControl() { return *FPageControl; }
  TQoProgressBarColors& ProgressBar() { return *FProgressBar; }
  TQoRadioButtonColors& RadioButton() { return *FRadioButton; }
  TQoSpeedButtonColors& SpeedButton() { return *FSpeedButton; }
  TQoStatusBarColors& StatusBar() { return *FStatusBar; }
  TQoTabButtonColors& TabButton() { return *FTabButton; }
  TQoToolBarColors& ToolBar() { return *FToolBar; }

  // The groups by their published names, in publishing order.
  std::vector<std::pair<const wchar_t*, TQoColorGroup*>> Groups() const;
  // What a stored form holds of this scheme under path ("Colors"): every property that differs
  // from its stored-form default, as "Colors.Group.Property", in publishing order.
  std::vector<TQoStoredColor> StoredValues(const String& path) const;
  // Takes one stored property ("Colors.Button.Face" under path "Colors"); false when the name
  // names no property of the scheme.
  bool ReadStoredValue(const String& path, const String& name, TColor value);

 private:
  std::unique_ptr<TQoArrowBtnColors> FArrowBtn;
  std::unique_ptr<TQoButtonColors> FButton;
  std::unique_ptr<TQoCheckColors> FCheck;
  std::unique_ptr<TQoEditColors> FEdit;
  std::unique_ptr<TQoFormColors> FForm;
  std::unique_ptr<TQoGroupColors> FGroup;
  std::unique_ptr<TQoHeaderColors> FHeader;
  std::unique_ptr<TQoLabelColors> FLabels;
  std::unique_ptr<TQoMainMenuColors> FMainMenu;
  std::unique_ptr<TQoMenuItemColors> FMenuItem;
  std::unique_ptr<TQoPageControlColors> FPageControl;
  std::unique_ptr<TQoProgressBarColors> FProgressBar;
  std::unique_ptr<TQoRadioButtonColors> FRadioButton;
  std::unique_ptr<TQoSpeedButtonColors> FSpeedButton;
  std::unique_ptr<TQoStatusBarColors> FStatusBar;
  std::unique_ptr<TQoTabButtonColors> FTabButton;
  std::unique_ptr<TQoToolBarColors> FToolBar;
};

// The scheme all skin painting uses: the last one made current, or null. A scheme that is
// destroyed while current leaves no current scheme behind (TQoSkinPlus sees to that).
TQoSkinColors* CurrentSkinColors();
void SetCurrentSkinColors(TQoSkinColors* colors);
