#include "skin/controls/sAlphaImageList.h"

namespace skin {

// The list is created by the form loader, so its PNG items are decoded once
// the whole description has been read (Loaded).
AlphaImageList::AlphaImageList(ui::Component* owner) : ui::CustomImageList(owner), list_(true) {
  changeLink_ = list_.AddChangeLink([this] { CopyPictures(); });
}

AlphaImageList::~AlphaImageList() {
  BeginDestruction();
  list_.RemoveChangeLink(changeLink_);
}

void AlphaImageList::Loaded() {
  ui::CustomImageList::Loaded();
  list_.Loaded();
  CopyPictures();
}

const gfx::Bitmap* AlphaImageList::Decoded(int index) const {
  if (index < 0 || index >= static_cast<int>(decoded_.size())) return nullptr;
  const gfx::Bitmap& p = decoded_[static_cast<std::size_t>(index)];
  return p.Empty() ? nullptr : &p;
}

void AlphaImageList::CopyPictures() {
  BeginUpdate();
  SetSize(list_.Width(), list_.Height());
  Clear();
  decoded_.assign(static_cast<std::size_t>(list_.Count()), gfx::Bitmap());
  for (int i = 0; i < list_.Count(); ++i) {
    gfx::Bitmap& picture = decoded_[static_cast<std::size_t>(i)];
    // An undecodable item keeps its index as a fully transparent picture.
    if (!list_.ItemImage32(i, picture)) picture = gfx::Bitmap();
    Add(picture);
  }
  EndUpdate();
}

}  // namespace skin
