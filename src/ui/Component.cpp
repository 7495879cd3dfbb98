#include "ui/Component.h"

#include <algorithm>

#include "core/Exception.h"
#include "core/Format.h"
#include "core/StringList.h"

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
  if (FOwner != nullptr) FOwner->FComponents.push_back(this);
}

namespace {

void Erase(std::vector<TComponent*>& list, const TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::~TComponent() {
  FDestroying = true;
  // Those that asked hear of the destruction first; a listener may free itself meanwhile.
  while (!FFreeNotifies.empty()) {
    TComponent* listener = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Erase(listener->FFreeNotifiers, this);
    listener->Notification(this, TOperation::opRemove);
  }
  for (TComponent* notifier : FFreeNotifiers) Erase(notifier->FFreeNotifies, this);
  FFreeNotifiers.clear();
  while (!FComponents.empty()) {
    delete FComponents.back();  // its destructor removes it from FComponents
  }
  if (FOwner != nullptr) Erase(FOwner->FComponents, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  for (TComponent* c : std::vector<TComponent*>(FComponents)) {
    if (std::find(FComponents.begin(), FComponents.end(), c) != FComponents.end())
      c->Notification(component, operation);
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) !=
      component->FFreeNotifies.end())
    return;
  component->FFreeNotifies.push_back(this);
  FFreeNotifiers.push_back(component);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  Erase(component->FFreeNotifies, this);
  Erase(FFreeNotifiers, component);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) {
    throw EListError(Format(L"List index out of bounds (%d)", {index}));
  }
  return FComponents[index];
}

TComponent* TComponent::FindComponent(const String& name) const {
  for (TComponent* c : FComponents) {
    if (SameTextAscii(c->Name(), name)) return c;
  }
  return nullptr;
}

void TComponent::NotifyOwnerDestroying() {
  for (TComponent* c : std::vector<TComponent*>(FComponents)) c->OwnerDestroying();
}

bool TComponent::Destroying() const {
  for (const TComponent* c = this; c != nullptr; c = c->FOwner) {
    if (c->FDestroying) return true;
  }
  return false;
}
