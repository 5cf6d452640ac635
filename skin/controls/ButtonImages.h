// The image list a skinned button draws its pictures from. The button hears
// of the list's changes (through a change link) and of its removal (through
// a free notification), and both are let go when the list is replaced or
// the button is destroyed.
#pragma once

#include "platform/ui/Component.h"
#include "platform/ui/controls/ImageList.h"

namespace skin {

class ButtonImages {
 public:
  // `owner` gets the removal notices; `onChange` runs on every change of the
  // list.
  ButtonImages(ui::Component& owner, ui::NotifyEvent onChange);
  ~ButtonImages();
  ButtonImages(const ButtonImages&) = delete;
  ButtonImages& operator=(const ButtonImages&) = delete;

  ui::CustomImageList* List() const { return list_; }
  ui::CustomImageList* operator->() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }

  // Takes `list` (or none) in place of the current one; false when it is the
  // same list.
  bool Set(ui::CustomImageList* list);
  // The owner's removal notice: true, and the list forgotten, when `c` is
  // the list (which drops its change links itself).
  bool Removed(const ui::Component* c);

 private:
  void Release();

  ui::Component& owner_;
  ui::ChangeLink link_;
  ui::CustomImageList* list_ = nullptr;
};

}  // namespace skin
