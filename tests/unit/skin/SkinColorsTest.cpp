#include <gtest/gtest.h>

#include "components/skin/QoSkinColors.h"

namespace {

TColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return RgbColor(r, g, b);
}

}  // namespace

TEST(SkinColors, HasSeventeenGroupsInPublishingOrder) {
  TQoSkinColors colors;
  const auto groups = colors.Groups();
  const std::vector<String> expected = {
      L"ArrowBtn",    L"Button",      L"Check",     L"Edit",      L"Form",        L"Group",
      L"Header",      L"Labels",      L"MainMenu",  L"MenuItem",  L"PageControl", L"ProgressBar",
      L"RadioButton", L"SpeedButton", L"StatusBar", L"TabButton", L"ToolBar"};
  ASSERT_EQ(groups.size(), expected.size());
  for (size_t i = 0; i < groups.size(); ++i) EXPECT_EQ(groups[i].first, expected[i]) << i;
}

TEST(SkinColors, GroupsHaveTheirPropertyCounts) {
  TQoSkinColors colors;
  const std::vector<size_t> counts = {13, 16, 17, 4, 1, 4, 12, 1, 12, 12, 2, 3, 28, 16, 4, 13, 3};
  const auto groups = colors.Groups();
  for (size_t i = 0; i < groups.size(); ++i)
    EXPECT_EQ(groups[i].second->Count(), counts[i]) << groups[i].first;
}

TEST(SkinColors, StartWithTheInitialValues) {
  TQoSkinColors colors;
  EXPECT_EQ(colors.Button().Border, Rgb(60, 127, 177));
  EXPECT_EQ(colors.Button().DefaultBorder, Rgb(129, 163, 241));
  EXPECT_EQ(colors.Button().TextDisable, Rgb(131, 131, 131));
  EXPECT_EQ(colors.ArrowBtn().Border, Rgb(165, 185, 231));
  EXPECT_EQ(colors.Check().FacePress, Rgb(94, 182, 247));
  EXPECT_EQ(colors.Edit().Border, Rgb(141, 159, 177));
  EXPECT_EQ(colors.Edit().Face, clWindow);
  EXPECT_EQ(colors.Edit().Text, clWindowText);
  EXPECT_EQ(colors.Form().Face, Rgb(235, 235, 235));
  EXPECT_EQ(colors.Group().Border, Rgb(185, 185, 185));
  EXPECT_EQ(colors.Group().Text, Rgb(82, 109, 207));
  EXPECT_EQ(colors.Header().IndexMark, Rgb(217, 64, 0));
  EXPECT_EQ(colors.Labels().Text, clWindowText);
  EXPECT_EQ(colors.MainMenu().TextPress, Rgb(255, 255, 255));
  EXPECT_EQ(colors.MenuItem().FaceOn, Rgb(255, 214, 105));
  EXPECT_EQ(colors.PageControl().Border, Rgb(137, 140, 149));
  EXPECT_EQ(colors.ProgressBar().Border, Rgb(104, 104, 104));
  EXPECT_EQ(colors.ProgressBar().Bar, Rgb(22, 171, 11));
  EXPECT_EQ(colors.RadioButton().MarkEye, Rgb(11, 130, 199));
  EXPECT_EQ(colors.RadioButton().TextPress, Rgb(0, 0, 0));
  EXPECT_EQ(colors.StatusBar().Text, clWindowText);
  EXPECT_EQ(colors.TabButton().FaceSelect, Rgb(240, 240, 240));
  EXPECT_EQ(colors.ToolBar().Divider, Rgb(146, 167, 199));
}

TEST(SkinColors, SpeedButtonsStartAsPushButtons) {
  TQoSkinColors colors;
  const auto& speed = static_cast<const TQoColorGroup&>(colors.SpeedButton());
  const auto& push = static_cast<const TQoColorGroup&>(colors.Button());
  ASSERT_EQ(speed.Count(), push.Count());
  for (size_t i = 0; i < push.Count(); ++i) {
    EXPECT_STREQ(speed.Info(i).Name, push.Info(i).Name);
    EXPECT_EQ(speed.Value(i), push.Value(i));
  }
}

TEST(SkinColors, PropertiesAreListedInDeclarationOrder) {
  TQoSkinColors colors;
  const TQoColorGroup& edit = colors.Edit();
  ASSERT_EQ(edit.Count(), 4u);
  EXPECT_STREQ(edit.Info(0).Name, L"Border");
  EXPECT_STREQ(edit.Info(1).Name, L"BorderDisable");
  EXPECT_STREQ(edit.Info(2).Name, L"Face");
  EXPECT_STREQ(edit.Info(3).Name, L"Text");
}

TEST(SkinColors, SetValueWritesTheNamedField) {
  TQoSkinColors colors;
  TQoColorGroup& group = colors.Button();
  group.SetValue(static_cast<size_t>(group.IndexOf(L"faceon")), clRed);
  EXPECT_EQ(colors.Button().FaceOn, clRed);
  EXPECT_EQ(group.IndexOf(L"Nothing"), -1);
}

TEST(SkinColorsStorage, AFreshSchemeStoresOnlyTheGroupColoursWithOtherDefaults) {
  TQoSkinColors colors;
  const auto stored = colors.StoredValues(L"Colors");
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].first, L"Colors.Group.Border");
  EXPECT_EQ(stored[0].second, Rgb(185, 185, 185));
  EXPECT_EQ(stored[1].first, L"Colors.Group.Text");
  EXPECT_EQ(stored[1].second, Rgb(82, 109, 207));
}

TEST(SkinColorsStorage, GroupColoursEqualToTheirStoredDefaultsAreNotWritten) {
  TQoSkinColors colors;
  colors.Group().Border = Rgb(174, 174, 174);
  colors.Group().Text = Rgb(62, 94, 202);
  EXPECT_TRUE(colors.StoredValues(L"Colors").empty());
}

TEST(SkinColorsStorage, AChangedColourIsWrittenUnderItsDottedName) {
  TQoSkinColors colors;
  colors.Button().Face = Rgb(37, 160, 218);
  colors.Form().Face = clNone;
  const auto stored = colors.StoredValues(L"SkinPlus1.Colors");
  ASSERT_EQ(stored.size(), 4u);
  EXPECT_EQ(stored[0].first, L"SkinPlus1.Colors.Button.Face");
  EXPECT_EQ(stored[0].second, Rgb(37, 160, 218));
  EXPECT_EQ(stored[1].first, L"SkinPlus1.Colors.Form.Face");
  EXPECT_EQ(stored[1].second, clNone);
}

TEST(SkinColorsStorage, WrittenValuesReadBackIntoAFreshScheme) {
  TQoSkinColors written;
  written.Button().TextOn = clWhite;
  written.Edit().Face = Rgb(1, 2, 3);
  written.Group().Border = Rgb(174, 174, 174);  // not written: reads back as the initial value
  TQoSkinColors read;
  for (const auto& [name, value] : written.StoredValues(L"Colors"))
    EXPECT_TRUE(read.ReadStoredValue(L"Colors", name, value)) << name;
  EXPECT_EQ(read.Button().TextOn, clWhite);
  EXPECT_EQ(read.Edit().Face, Rgb(1, 2, 3));
  EXPECT_EQ(read.Group().Border, Rgb(185, 185, 185));
}

TEST(SkinColorsStorage, ReadRefusesNamesOfNoProperty) {
  TQoSkinColors colors;
  EXPECT_FALSE(colors.ReadStoredValue(L"Colors", L"Colors.Button", clRed));
  EXPECT_FALSE(colors.ReadStoredValue(L"Colors", L"Colors.Button.Nothing", clRed));
  EXPECT_FALSE(colors.ReadStoredValue(L"Colors", L"Colors.Nothing.Face", clRed));
  EXPECT_FALSE(colors.ReadStoredValue(L"Colors", L"Other.Button.Face", clRed));
  EXPECT_EQ(colors.Button().Face, Rgb(207, 207, 207));
}

TEST(SkinColorsCurrent, ADestroyedSchemeIsNoLongerCurrent) {
  auto colors = std::make_unique<TQoSkinColors>();
  SetCurrentSkinColors(colors.get());
  EXPECT_EQ(CurrentSkinColors(), colors.get());
  colors.reset();
  EXPECT_EQ(CurrentSkinColors(), nullptr);
}

TEST(SkinColorsCurrent, TheLastSchemeMadeCurrentWins) {
  TQoSkinColors first;
  TQoSkinColors second;
  SetCurrentSkinColors(&first);
  SetCurrentSkinColors(&second);
  EXPECT_EQ(CurrentSkinColors(), &second);
  SetCurrentSkinColors(nullptr);
}
