#include <gtest/gtest.h>

#include "ui/Sets.h"

namespace {

enum class TKind { kA, kB, kC };
using TKinds = TSet<TKind>;

}  // namespace

TEST(Sets, ListedMembersAreContained) {
  TKinds s{TKind::kA, TKind::kC};
  EXPECT_TRUE(s.Contains(TKind::kA));
  EXPECT_FALSE(s.Contains(TKind::kB));
  EXPECT_TRUE(s.Contains(TKind::kC));
  EXPECT_EQ(s.Count(), 2);
}

TEST(Sets, ToggleSwitchesOneMember) {
  TKinds s;
  s.Toggle(TKind::kB);
  EXPECT_TRUE(s.Contains(TKind::kB));
  s.Toggle(TKind::kB);
  EXPECT_TRUE(s.Empty());
}

TEST(Sets, OperatorsCombineAndRemove) {
  TKinds ab{TKind::kA, TKind::kB};
  TKinds bc{TKind::kB, TKind::kC};
  EXPECT_EQ((ab | bc).Count(), 3);
  EXPECT_EQ(ab & bc, TKinds{TKind::kB});
  EXPECT_EQ(ab - bc, TKinds{TKind::kA});
}
