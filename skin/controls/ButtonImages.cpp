#include "skin/controls/ButtonImages.h"

#include <utility>

namespace skin {

ButtonImages::ButtonImages(ui::Component& owner, ui::NotifyEvent onChange) : owner_(owner) {
  link_.OnChange = std::move(onChange);
}

ButtonImages::~ButtonImages() { Release(); }

void ButtonImages::Release() {
  if (!list_) return;
  list_->UnRegisterChanges(&link_);
  list_->RemoveFreeNotification(&owner_);
  list_ = nullptr;
}

bool ButtonImages::Set(ui::CustomImageList* list) {
  if (list == list_) return false;
  Release();
  list_ = list;
  if (list_) {
    list_->RegisterChanges(&link_);
    list_->FreeNotification(&owner_);
  }
  return true;
}

bool ButtonImages::Removed(const ui::Component* c) {
  if (!list_ || c != list_) return false;
  list_ = nullptr;
  return true;
}

}  // namespace skin
