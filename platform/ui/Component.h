// The root of the object model: an owner tree (the owner frees what it owns,
// in reverse order of insertion), a name, a tag, the component state and
// removal notifications.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// Component state bits.
using ComponentState = unsigned;
constexpr ComponentState csLoading = 0x1;
constexpr ComponentState csReading = 0x2;
constexpr ComponentState csWriting = 0x4;
constexpr ComponentState csDestroying = 0x8;
constexpr ComponentState csDesigning = 0x10;  // never set at run time; kept for the queries
constexpr ComponentState csCreating = 0x20;

enum class Operation { Insert, Remove };

class Component {
 public:
  // Registers with `owner` (may be null); the owner deletes it in its destructor.
  explicit Component(Component* owner);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  // The class name as the type system sees it ("TButton", "TForm", ...);
  // skin code uses it for default sections and third-party lists.
  virtual std::string ClassName() const { return "TComponent"; }
  // True when this class is, or derives from, the class of that name.
  virtual bool InheritsFrom(const std::string& className) const { return className == "TComponent"; }

  Component* Owner() const { return owner_; }
  const std::vector<Component*>& Components() const { return components_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  Component* GetComponent(int i) const { return components_.at(static_cast<std::size_t>(i)); }
  int ComponentIndex() const;
  // Owned component with this name (exact comparison), or null.
  Component* FindComponent(const std::string& name) const;
  // Moves this component to another owner.
  void ChangeOwner(Component* newOwner);

  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name) { name_ = name; }
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  ComponentState State() const { return state_; }
  bool Loading() const { return (state_ & csLoading) != 0; }
  bool Destroying() const { return (state_ & csDestroying) != 0; }
  bool Designing() const { return (state_ & csDesigning) != 0; }
  // Loading protocol: BeginLoading sets csLoading|csReading on this component
  // and everything it owns; EndLoading clears them and runs Loaded on each
  // (owned components first, then this one).
  void BeginLoading();
  void EndLoading();

  // Asks `other` to tell this component (through Notification) when it is
  // destroyed, even when this one does not own it.
  void FreeNotification(Component* other);
  void RemoveFreeNotification(Component* other);

  // Runs the before-destruction steps now (sets csDestroying, notifies); the
  // destructor does the rest. Derived destructors call it first so that
  // notifications see a complete object.
  void BeginDestruction();

 protected:
  // After loading: the properties are set and every sibling exists.
  virtual void Loaded() {}
  // A component owned by this one, or registered through FreeNotification,
  // is inserted or removed (Remove also when it is being destroyed).
  virtual void Notification(Component* component, Operation op);
  void SetComponentState(ComponentState bits, bool on);
  friend class ComponentStateScope;
  // Frees the owned components now, newest first. C++ destructors cannot
  // reach overrides, so a class whose Notification must hear about its owned
  // components going away calls this first in its own destructor.
  void DestroyComponents();
  // Called first in every destructor chain; runs once.
  virtual void BeforeDestruction() {}

 private:
  void Insert(Component* c);
  void Remove(Component* c);
  void NotifyAll(Component* c, Operation op);

  Component* owner_ = nullptr;
  std::vector<Component*> components_;
  std::vector<Component*> freeNotifies_;
  std::string name_;
  std::intptr_t tag_ = 0;
  ComponentState state_ = 0;
  bool destructionBegun_ = false;
};

// Sets component state bits for the lifetime of the scope; only the bits it
// set are cleared again, also when the scope is left by an exception.
class ComponentStateScope {
 public:
  ComponentStateScope(Component& c, ComponentState bits) : c_(c), bits_(bits & ~c.State()) {
    c_.SetComponentState(bits_, true);
  }
  ~ComponentStateScope() { c_.SetComponentState(bits_, false); }
  ComponentStateScope(const ComponentStateScope&) = delete;
  ComponentStateScope& operator=(const ComponentStateScope&) = delete;

 private:
  Component& c_;
  ComponentState bits_;
};

}  // namespace ui
