#include <gtest/gtest.h>

#include <vector>

#include "ui/Component.h"

namespace {

// Records the notifications it receives, and may free itself on one.
class TListener : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<std::pair<TComponent*, TOperation>> Heard;
  TComponent* FreeSelfOnRemovalOf = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    Heard.emplace_back(component, operation);
    if (operation == TOperation::opRemove && component == FreeSelfOnRemovalOf) delete this;
  }
};

}  // namespace

TEST(ComponentNotification, ReachesEveryComponentBelowTheOneNotified) {
  TComponent root(nullptr);
  auto* child = new TListener(&root);
  auto* grandChild = new TListener(child);
  TComponent other(nullptr);
  root.Notification(&other, TOperation::opInsert);
  ASSERT_EQ(child->Heard.size(), 1u);
  EXPECT_EQ(child->Heard[0].first, &other);
  EXPECT_EQ(child->Heard[0].second, TOperation::opInsert);
  ASSERT_EQ(grandChild->Heard.size(), 1u);
  EXPECT_EQ(grandChild->Heard[0].first, &other);
}

TEST(ComponentFreeNotification, TellsTheListenerWhenTheWatchedComponentIsDestroyed) {
  TListener listener(nullptr);
  auto* watched = new TComponent(nullptr);
  listener.FreeNotification(watched);
  delete watched;
  ASSERT_EQ(listener.Heard.size(), 1u);
  EXPECT_EQ(listener.Heard[0].first, watched);
  EXPECT_EQ(listener.Heard[0].second, TOperation::opRemove);
}

TEST(ComponentFreeNotification, AskingTwiceGivesOneNotification) {
  TListener listener(nullptr);
  auto* watched = new TComponent(nullptr);
  listener.FreeNotification(watched);
  listener.FreeNotification(watched);
  delete watched;
  EXPECT_EQ(listener.Heard.size(), 1u);
}

TEST(ComponentFreeNotification, EndsWhenTheListenerGoesFirst) {
  auto* listener = new TListener(nullptr);
  TComponent watched(nullptr);
  listener->FreeNotification(&watched);
  delete listener;  // watched's destructor must not reach the freed listener
  SUCCEED();
}

TEST(ComponentFreeNotification, EndsWhenRemoved) {
  TListener listener(nullptr);
  auto* watched = new TComponent(nullptr);
  listener.FreeNotification(watched);
  listener.RemoveFreeNotification(watched);
  delete watched;
  EXPECT_TRUE(listener.Heard.empty());
}

TEST(ComponentFreeNotification, ListenerMayFreeItselfWhenTold) {
  auto* watched = new TComponent(nullptr);
  auto* first = new TListener(nullptr);
  TListener second(nullptr);
  first->FreeSelfOnRemovalOf = watched;
  first->FreeNotification(watched);
  second.FreeNotification(watched);
  delete watched;  // first frees itself on the way; second still hears of it
  ASSERT_EQ(second.Heard.size(), 1u);
  EXPECT_EQ(second.Heard[0].first, watched);
}
