// The toolkit's base component: an owner, a name, a tag and the components it owns. Portable, so
// non-visual components build and test natively. A component created with an owner is destroyed
// by that owner (in reverse order of creation); destroying an owned component first removes it
// from its owner. Components cannot be copied.
//
// Notifications. Notification(component, operation) tells a component that another one entered
// or is leaving its component tree; the base passes it on to every owned component, so a
// notification sent to an owner reaches everything below it. Forms are announced to their tree
// when created and when destroyed (Forms.h). A component may also ask to hear of the
// destruction of any other component (FreeNotification): it then receives
// Notification(that, opRemove) from that component's destructor, after the derived parts of that
// component are gone; only the pointer may be compared then.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/String.h"

class TComponent;

// An event handler that only learns which component fired it.
using TNotifyEvent = std::function<void(TComponent* sender)>;

// The base of the toolkit's objects whose settings are published (stored with a form).
class TPersistent {
 public:
  TPersistent() = default;
  virtual ~TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const String& Name() const { return FName; }
  void SetName(const String& name) { FName = name; }
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t tag) { FTag = tag; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;
  // The owned component of that name (ASCII case ignored), or nullptr.
  TComponent* FindComponent(const String& name) const;

  // Component state, as the toolkit distinguishes it: being loaded from stored settings (no
  // change events fire) or edited in a designer; both false at run time.
  bool Loading() const { return FLoading; }
  bool Designing() const { return FDesigning; }
  void SetLoading(bool loading) { FLoading = loading; }
  void SetDesigning(bool designing) { FDesigning = designing; }
  // Called once loading has ended; components finish their set-up here.
  virtual void Loaded() { FLoading = false; }
  // True while this component or one of its owners is being destroyed: change events stay
  // silent then, since their handlers may belong to an object already half torn down.
  bool Destroying() const;

  // Another component entered (opInsert) or is leaving (opRemove) the tree below this one, or a
  // component this one asked about is being destroyed. The base passes it to the owned components.
  virtual void Notification(TComponent* component, TOperation operation);
  // Asks to receive Notification(component, opRemove) when component is destroyed; either side
  // may go first (the request ends with whichever is destroyed).
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  // Marks the component as being destroyed; destructors of derived classes call it first.
  void BeginDestroy() { FDestroying = true; }
  // Tells each owned component that this owner is about to be destroyed, while it is still
  // whole (a form calls it first in its destructor), so that a component can read it one last
  // time.
  void NotifyOwnerDestroying();
  virtual void OwnerDestroying() {}

 private:
  TComponent* FOwner;
  String FName;
  intptr_t FTag = 0;
  bool FLoading = false;
  bool FDesigning = false;
  bool FDestroying = false;
  std::vector<TComponent*> FComponents;  // owned
  // Components that hear of this one's destruction, and those this one hears of.
  std::vector<TComponent*> FFreeNotifies;
  std::vector<TComponent*> FFreeNotifiers;
};
