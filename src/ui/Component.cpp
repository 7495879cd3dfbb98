#include "ui/Component.h"

#include <algorithm>

#include "core/Exception.h"
#include "core/Format.h"
#include "core/StringList.h"

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
  if (FOwner != nullptr) FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
  FDestroying = true;
  while (!FComponents.empty()) {
    delete FComponents.back();  // its destructor removes it from FComponents
  }
  if (FOwner != nullptr) {
    auto& siblings = FOwner->FComponents;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
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
