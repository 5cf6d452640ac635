// A game tile: a speed button that shows picture ImageIndex of its image
// list and carries the skin section that marks whose turn it is. Without a
// skin the section shows as the plain look: in "SPEEDBUTTON" the tile reacts
// to the pointer with a button edge, in any other section it shows its
// picture alone.
#pragma once

#include <string>

#include "platform/ui/controls/ImageList.h"
#include "platform/ui/controls/SpeedButton.h"

namespace game {

class TileButton : public ui::SpeedButton {
 public:
  explicit TileButton(ui::Component* owner);
  ~TileButton() override;
  std::string ClassName() const override { return "TsSpeedButton"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsSpeedButton" || ui::SpeedButton::InheritsFrom(c);
  }

  ui::CustomImageList* Images() const { return images_; }
  void SetImages(ui::CustomImageList* list);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);

 protected:
  void PaintFace(gfx::Canvas& canvas) override;
  void Notification(ui::Component* c, ui::Operation op) override;
  void Loaded() override;

 private:
  void ImagesChanged(ui::Component*) { UpdateGlyph(); }
  void UpdateGlyph();

  ui::CustomImageList* images_ = nullptr;
  ui::ChangeLink imagesLink_;
  int imageIndex_ = -1;
  std::string skinSection_;
};

}  // namespace game
