#include "components/skin/QoSkinColors.h"

namespace {

// A property whose stored-form default is its initial value.
template <typename G>
constexpr TQoColorField P(TColor G::*field, const wchar_t* name, TColor initial) {
  return TQoColorField{static_cast<TColor TQoColorGroup::*>(field), {name, initial, initial}};
}

// A property whose stored-form default differs from its initial value.
template <typename G>
constexpr TQoColorField P(TColor G::*field, const wchar_t* name, TColor initial,
                          TColor storedDefault) {
  return TQoColorField{static_cast<TColor TQoColorGroup::*>(field), {name, initial, storedDefault}};
}

constexpr TColor C(uint8_t r, uint8_t g, uint8_t b) {
  return RgbColor(r, g, b);
}

TQoSkinColors* gCurrent = nullptr;

using A = TQoArrowBtnColors;
using B = TQoButtonColors;
using K = TQoCheckColors;
using E = TQoEditColors;
using F = TQoFormColors;
using G = TQoGroupColors;
using H = TQoHeaderColors;
using L = TQoLabelColors;
using M = TQoMainMenuColors;
using I = TQoMenuItemColors;
using PC = TQoPageControlColors;
using PB = TQoProgressBarColors;
using R = TQoRadioButtonColors;
using S = TQoStatusBarColors;
using T = TQoTabButtonColors;
using TB = TQoToolBarColors;

}  // namespace

void TQoColorGroup::Reset() {
  for (size_t i = 0; i < Count(); ++i) SetValue(i, Info(i).Initial);
}

const TQoColorField A::Fields[13] = {
    P(&A::Border, L"Border", C(165, 185, 231)),
    P(&A::BorderDisable, L"BorderDisable", C(173, 178, 181)),
    P(&A::BorderOn, L"BorderOn", C(60, 127, 177)),
    P(&A::BorderPress, L"BorderPress", C(44, 98, 139)),
    P(&A::Face, L"Face", C(207, 207, 207)),
    P(&A::FaceDisable, L"FaceDisable", C(244, 244, 244)),
    P(&A::FaceOn, L"FaceOn", C(172, 220, 247)),
    P(&A::FacePress, L"FacePress", C(104, 177, 216)),
    P(&A::Light, L"Light", C(252, 252, 252)),
    P(&A::LightOn, L"LightOn", C(230, 245, 253)),
    P(&A::LightPress, L"LightPress", C(228, 243, 251)),
    P(&A::Mark, L"Mark", C(71, 92, 148)),
    P(&A::MarkDisable, L"MarkDisable", C(190, 190, 190)),
};

const TQoColorField B::Fields[16] = {
    P(&B::Border, L"Border", C(60, 127, 177)),
    P(&B::BorderDisable, L"BorderDisable", C(173, 178, 181)),
    P(&B::BorderOn, L"BorderOn", C(60, 127, 177)),
    P(&B::BorderPress, L"BorderPress", C(44, 98, 139)),
    P(&B::DefaultBorder, L"DefaultBorder", C(129, 163, 241)),
    P(&B::Face, L"Face", C(207, 207, 207)),
    P(&B::FaceDisable, L"FaceDisable", C(244, 244, 244)),
    P(&B::FaceOn, L"FaceOn", C(172, 220, 247)),
    P(&B::FacePress, L"FacePress", C(104, 177, 216)),
    P(&B::Light, L"Light", C(252, 252, 252)),
    P(&B::LightOn, L"LightOn", C(230, 245, 253)),
    P(&B::LightPress, L"LightPress", C(228, 243, 251)),
    P(&B::Text, L"Text", C(26, 24, 38)),
    P(&B::TextDisable, L"TextDisable", C(131, 131, 131)),
    P(&B::TextOn, L"TextOn", C(0, 0, 0)),
    P(&B::TextPress, L"TextPress", C(0, 0, 0)),
};

const TQoColorField K::Fields[17] = {
    P(&K::Border, L"Border", C(142, 143, 143)),
    P(&K::BorderDisable, L"BorderDisable", C(177, 177, 177)),
    P(&K::BorderOn, L"BorderOn", C(85, 134, 163)),
    P(&K::BorderPress, L"BorderPress", C(44, 98, 139)),
    P(&K::Face, L"Face", C(203, 207, 213)),
    P(&K::FaceDisable, L"FaceDisable", C(240, 240, 240)),
    P(&K::FaceOn, L"FaceOn", C(137, 205, 249)),
    P(&K::FacePress, L"FacePress", C(94, 182, 247)),
    P(&K::Light, L"Light", C(243, 243, 243)),
    P(&K::LightOn, L"LightOn", C(224, 244, 254)),
    P(&K::LightPress, L"LightPress", C(215, 240, 254)),
    P(&K::Mark, L"Mark", C(71, 92, 148)),
    P(&K::MarkDisable, L"MarkDisable", C(190, 190, 190)),
    P(&K::Text, L"Text", C(26, 24, 38)),
    P(&K::TextDisable, L"TextDisable", C(131, 131, 131)),
    P(&K::TextOn, L"TextOn", C(0, 0, 0)),
    P(&K::TextPress, L"TextPress", C(0, 0, 0)),
};

const TQoColorField E::Fields[4] = {
    P(&E::Border, L"Border", C(141, 159, 177)),
    P(&E::BorderDisable, L"BorderDisable", C(184, 191, 196)),
    P(&E::Face, L"Face", clWindow),
    P(&E::Text, L"Text", clWindowText),
};

const TQoColorField F::Fields[1] = {
    P(&F::Face, L"Face", C(235, 235, 235)),
};

const TQoColorField G::Fields[4] = {
    P(&G::Border, L"Border", C(185, 185, 185), C(174, 174, 174)),
    P(&G::BorderDisable, L"BorderDisable", C(184, 191, 196)),
    P(&G::Text, L"Text", C(82, 109, 207), C(62, 94, 202)),
    P(&G::TextDisable, L"TextDisable", C(131, 131, 131)),
};

const TQoColorField H::Fields[12] = {
    P(&H::Border, L"Border", C(141, 159, 177)),
    P(&H::Divider, L"Divider", C(179, 192, 207)),
    P(&H::Face, L"Face", C(211, 219, 233)),
    P(&H::FacePress, L"FacePress", C(157, 193, 228)),
    P(&H::FaceSelect, L"FaceSelect", C(188, 197, 210)),
    P(&H::IndexMark, L"IndexMark", C(217, 64, 0)),
    P(&H::Light, L"Light", C(246, 250, 251)),
    P(&H::LightPress, L"LightPress", C(228, 243, 251)),
    P(&H::LightSelect, L"LightSelect", C(223, 226, 228)),
    P(&H::Text, L"Text", C(39, 65, 62)),
    P(&H::TextPress, L"TextPress", C(0, 0, 0)),
    P(&H::TextSelect, L"TextSelect", C(0, 0, 0)),
};

const TQoColorField L::Fields[1] = {
    P(&L::Text, L"Text", clWindowText),
};

const TQoColorField M::Fields[12] = {
    P(&M::BorderOn, L"BorderOn", C(141, 178, 227)),
    P(&M::BorderPress, L"BorderPress", C(79, 87, 96)),
    P(&M::Face, L"Face", C(191, 219, 255)),
    P(&M::FaceOn, L"FaceOn", C(222, 232, 246)),
    P(&M::FacePress, L"FacePress", C(98, 120, 126)),
    P(&M::Light, L"Light", C(219, 230, 243)),
    P(&M::LightOn, L"LightOn", C(242, 247, 254)),
    P(&M::LightPress, L"LightPress", C(152, 169, 194)),
    P(&M::Text, L"Text", C(36, 26, 78)),
    P(&M::TextDisable, L"TextDisable", C(202, 205, 210)),
    P(&M::TextOn, L"TextOn", C(0, 0, 0)),
    P(&M::TextPress, L"TextPress", C(255, 255, 255)),
};

const TQoColorField I::Fields[12] = {
    P(&I::BorderOn, L"BorderOn", C(228, 191, 120)),
    P(&I::Face, L"Face", C(255, 255, 255)),
    P(&I::FaceOn, L"FaceOn", C(255, 214, 105)),
    P(&I::Light, L"Light", C(255, 255, 255)),
    P(&I::LightOn, L"LightOn", C(255, 252, 230)),
    P(&I::Icon, L"Icon", C(185, 216, 255)),
    P(&I::IconLight, L"IconLight", C(233, 238, 238)),
    P(&I::Line, L"Line", C(99, 121, 127)),
    P(&I::Mark, L"Mark", C(99, 121, 127)),
    P(&I::Text, L"Text", C(36, 26, 78)),
    P(&I::TextDisable, L"TextDisable", C(202, 205, 210)),
    P(&I::TextOn, L"TextOn", C(0, 0, 0)),
};

const TQoColorField PC::Fields[2] = {
    P(&PC::Border, L"Border", C(137, 140, 149)),
    P(&PC::Face, L"Face", C(240, 240, 240)),
};

const TQoColorField PB::Fields[3] = {
    P(&PB::Border, L"Border", C(104, 104, 104)),
    P(&PB::Background, L"Background", C(255, 255, 255)),
    P(&PB::Bar, L"Bar", C(22, 171, 11)),
};

const TQoColorField R::Fields[28] = {
    P(&R::Back, L"Back", C(242, 242, 242)),
    P(&R::BackDisable, L"BackDisable", C(237, 237, 237)),
    P(&R::BackOn, L"BackOn", C(219, 246, 248)),
    P(&R::BackPress, L"BackPress", C(202, 241, 244)),
    P(&R::Border, L"Border", C(145, 146, 146)),
    P(&R::BorderDisable, L"BorderDisable", C(206, 206, 206)),
    P(&R::BorderOn, L"BorderOn", C(89, 137, 165)),
    P(&R::BorderPress, L"BorderPress", C(53, 100, 132)),
    P(&R::Face, L"Face", C(199, 203, 207)),
    P(&R::FaceDisable, L"FaceDisable", C(222, 222, 222)),
    P(&R::FaceOn, L"FaceOn", C(177, 223, 253)),
    P(&R::FacePress, L"FacePress", C(114, 191, 249)),
    P(&R::Light, L"Light", C(233, 234, 234)),
    P(&R::LightDisable, L"LightDisable", C(240, 240, 240)),
    P(&R::LightOn, L"LightOn", C(208, 237, 253)),
    P(&R::LightPress, L"LightPress", C(187, 228, 252)),
    P(&R::Mark, L"Mark", C(32, 64, 88)),
    P(&R::MarkDisable, L"MarkDisable", C(155, 155, 155)),
    P(&R::MarkEye, L"MarkEye", C(11, 130, 199)),
    P(&R::MarkEyeDisable, L"MarkEyeDisable", C(180, 180, 180)),
    P(&R::SecBorder, L"SecBorder", C(181, 186, 191)),
    P(&R::SecBorderDisable, L"SecBorderDisable", C(220, 220, 220)),
    P(&R::SecBorderOn, L"SecBorderOn", C(132, 203, 249)),
    P(&R::SecBorderPress, L"SecBorderPress", C(94, 180, 246)),
    P(&R::Text, L"Text", C(26, 24, 38)),
    P(&R::TextDisable, L"TextDisable", C(131, 131, 131)),
    P(&R::TextOn, L"TextOn", C(0, 0, 0)),
    P(&R::TextPress, L"TextPress", C(0, 0, 0)),
};

const TQoColorField S::Fields[4] = {
    P(&S::Border, L"Border", C(104, 140, 175)),
    P(&S::Divider, L"Divider", C(211, 219, 233)),
    P(&S::Face, L"Face", C(249, 252, 253)),
    P(&S::Text, L"Text", clWindowText),
};

const TQoColorField T::Fields[13] = {
    P(&T::Border, L"Border", C(60, 127, 177)),
    P(&T::Face, L"Face", C(207, 207, 207)),
    P(&T::FaceDisable, L"FaceDisable", C(240, 240, 240)),
    P(&T::FaceOn, L"FaceOn", C(172, 220, 247)),
    P(&T::FaceSelect, L"FaceSelect", C(240, 240, 240)),
    P(&T::Light, L"Light", C(252, 252, 252)),
    P(&T::LightDisable, L"LightDisable", C(240, 240, 240)),
    P(&T::LightOn, L"LightOn", C(230, 245, 253)),
    P(&T::LightSelect, L"LightSelect", C(240, 240, 240)),
    P(&T::Text, L"Text", C(26, 24, 38)),
    P(&T::TextDisable, L"TextDisable", C(131, 131, 131)),
    P(&T::TextOn, L"TextOn", C(0, 0, 0)),
    P(&T::TextSelect, L"TextSelect", C(0, 0, 0)),
};

const TQoColorField TB::Fields[3] = {
    P(&TB::Border, L"Border", C(60, 127, 177)),
    P(&TB::Divider, L"Divider", C(146, 167, 199)),
    P(&TB::Face, L"Face", C(228, 235, 237)),
};

// TQoSkinColors ----------------------------------------------------------------------------------

TQoSkinColors::TQoSkinColors() = default;

TQoSkinColors::~TQoSkinColors() {
  if (gCurrent == this) gCurrent = nullptr;
}

TQoSkinColors* CurrentSkinColors() {
  return gCurrent;
}

void SetCurrentSkinColors(TQoSkinColors* colors) {
  gCurrent = colors;
}
