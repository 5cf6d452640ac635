#include "platform/ui/Component.h"

#include <algorithm>

namespace ui {

Component::Component(Component* owner) {
  if (owner) owner->Insert(this);
}

Component::~Component() {
  BeginDestruction();
  DestroyComponents();
  // Tell everyone who asked that this component is gone.
  auto notifies = freeNotifies_;
  freeNotifies_.clear();
  for (Component* c : notifies) {
    auto& theirs = c->freeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    c->Notification(this, Operation::Remove);
  }
  if (owner_) owner_->Remove(this);
}

void Component::DestroyComponents() {
  BeginDestruction();
  while (!components_.empty()) {
    Component* c = components_.back();
    delete c;  // its destructor removes it from components_
  }
}

void Component::BeginDestruction() {
  if (destructionBegun_) return;
  destructionBegun_ = true;
  state_ |= csDestroying;
  for (Component* c : components_) c->BeginDestruction();
  BeforeDestruction();
}

void Component::Insert(Component* c) {
  components_.push_back(c);
  c->owner_ = this;
  NotifyAll(c, Operation::Insert);
}

void Component::Remove(Component* c) {
  auto it = std::find(components_.begin(), components_.end(), c);
  if (it == components_.end()) return;
  components_.erase(it);
  c->owner_ = nullptr;
  NotifyAll(c, Operation::Remove);
}

void Component::NotifyAll(Component* c, Operation op) {
  // The owner hears about it, and so does every owned component (a form's
  // controls learn that an image list they use is gone).
  Notification(c, op);
  if (op == Operation::Remove) {
    auto copy = components_;
    for (Component* other : copy)
      if (other != c) other->Notification(c, op);
  }
}

int Component::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& v = owner_->components_;
  auto it = std::find(v.begin(), v.end(), this);
  return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

Component* Component::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (Component* c : components_)
    if (c->name_ == name) return c;
  return nullptr;
}

void Component::ChangeOwner(Component* newOwner) {
  if (newOwner == owner_) return;
  if (owner_) owner_->Remove(this);
  if (newOwner) newOwner->Insert(this);
}

void Component::BeginLoading() {
  state_ |= csLoading | csReading;
  for (Component* c : components_) c->BeginLoading();
}

void Component::EndLoading() {
  // Components created while loading are loading too.
  auto copy = components_;
  for (Component* c : copy) c->state_ |= csLoading | csReading;
  state_ &= ~csReading;
  for (Component* c : copy) c->state_ &= ~csReading;
  for (Component* c : copy) {
    c->state_ &= ~csLoading;
    c->Loaded();
  }
  state_ &= ~csLoading;
  Loaded();
}

void Component::FreeNotification(Component* other) {
  if (!other || other == this) return;
  if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) ==
      other->freeNotifies_.end()) {
    other->freeNotifies_.push_back(this);
    freeNotifies_.push_back(other);
  }
}

void Component::RemoveFreeNotification(Component* other) {
  if (!other) return;
  auto& a = other->freeNotifies_;
  a.erase(std::remove(a.begin(), a.end(), this), a.end());
  auto& b = freeNotifies_;
  b.erase(std::remove(b.begin(), b.end(), other), b.end());
}

void Component::Notification(Component*, Operation) {}

void Component::SetComponentState(ComponentState bits, bool on) {
  if (on)
    state_ |= bits;
  else
    state_ &= ~bits;
}

}  // namespace ui
