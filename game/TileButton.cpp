#include "game/TileButton.h"

#include "game/GameBoard.h"

namespace game {

TileButton::TileButton(ui::Component* owner) : ui::SpeedButton(owner) {
  SetFlat(true);
  SetMargin(-1);
  imagesLink_.OnChange = ui::NotifyEvent(this, &TileButton::ImagesChanged);
}

TileButton::~TileButton() {
  BeginDestruction();
  if (images_) {
    images_->UnRegisterChanges(&imagesLink_);
    images_->RemoveFreeNotification(this);
  }
}

void TileButton::SetImages(ui::CustomImageList* list) {
  if (list == images_) return;
  if (images_) {
    images_->UnRegisterChanges(&imagesLink_);
    images_->RemoveFreeNotification(this);
  }
  images_ = list;
  if (images_) {
    images_->RegisterChanges(&imagesLink_);
    images_->FreeNotification(this);
  }
  UpdateGlyph();
}

void TileButton::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  UpdateGlyph();
}

void TileButton::SetSkinSection(const std::string& section) {
  if (section == skinSection_) return;
  skinSection_ = section;
  Invalidate();
}

void TileButton::Loaded() {
  ui::SpeedButton::Loaded();
  UpdateGlyph();
}

void TileButton::UpdateGlyph() {
  if (Loading() || Destroying()) return;
  const gfx::Bitmap* picture = images_ ? images_->Image(imageIndex_) : nullptr;
  if (picture)
    Glyph().Assign(*picture);
  else
    Glyph().Clear();
}

void TileButton::PaintFace(gfx::Canvas& canvas) {
  // Only the player's-turn section answers the pointer.
  if (skinSection_ == kSectionPlayerTurn) ui::SpeedButton::PaintFace(canvas);
}

void TileButton::Notification(ui::Component* c, ui::Operation op) {
  ui::SpeedButton::Notification(c, op);
  if (op == ui::Operation::Remove && c == images_) {
    images_ = nullptr;
    if (!Destroying()) Glyph().Clear();
  }
}

}  // namespace game
