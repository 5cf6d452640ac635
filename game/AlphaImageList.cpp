#include "game/AlphaImageList.h"

namespace game {

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

void AlphaImageList::CopyPictures() {
  BeginUpdate();
  SetSize(list_.Width(), list_.Height());
  Clear();
  for (int i = 0; i < list_.Count(); ++i) {
    gfx::Bitmap picture;
    // An undecodable item keeps its index as a fully transparent picture.
    if (!list_.ItemImage32(i, picture)) picture = gfx::Bitmap();
    Add(picture);
  }
  EndUpdate();
}

}  // namespace game
