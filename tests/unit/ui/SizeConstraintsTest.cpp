// A form's size constraints keep themselves consistent and bound sizes; 0 means no limit.
#include <gtest/gtest.h>

#include "ui/FormPlacement.h"

namespace {

TEST(SizeConstraints, AMinimumAboveTheMaximumRaisesTheMaximum) {
  TSizeConstraints c;
  c.SetMaxWidth(400);
  c.SetMinWidth(500);
  EXPECT_EQ(c.MinWidth(), 500);
  EXPECT_EQ(c.MaxWidth(), 500);
}

TEST(SizeConstraints, AMaximumBelowTheMinimumLowersTheMinimum) {
  TSizeConstraints c;
  c.SetMinHeight(300);
  c.SetMaxHeight(200);
  EXPECT_EQ(c.MinHeight(), 200);
  EXPECT_EQ(c.MaxHeight(), 200);
}

TEST(SizeConstraints, AMinimumLeavesANoLimitMaximumAlone) {
  TSizeConstraints c;
  c.SetMinWidth(500);
  EXPECT_EQ(c.MaxWidth(), 0);
}

TEST(SizeConstraints, AMaximumOfZeroLiftsTheLimit) {
  TSizeConstraints c;
  c.SetMinWidth(100);
  c.SetMaxWidth(200);
  c.SetMaxWidth(0);
  EXPECT_EQ(c.MinWidth(), 100);
  EXPECT_EQ(c.ConstrainWidth(5000), 5000);
}

TEST(SizeConstraints, BindsSizesToTheLimits) {
  TSizeConstraints c;
  c.SetMinWidth(100);
  c.SetMaxWidth(200);
  EXPECT_EQ(c.ConstrainWidth(50), 100);
  EXPECT_EQ(c.ConstrainWidth(150), 150);
  EXPECT_EQ(c.ConstrainWidth(250), 200);
  EXPECT_EQ(c.ConstrainHeight(7), 7);
}

}  // namespace
