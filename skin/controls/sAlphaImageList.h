// The alpha image list as a toolkit image list, so that a window description
// can create it by name and skinned buttons can draw its pictures. The alpha
// image list keeps the PNG items; after every change each item is decoded
// once into the toolkit list's 32-bit picture, which the buttons draw from
// (instead of decoding the item on every paint) and which reports the change
// to their links.
#pragma once

#include <string>
#include <vector>

#include "image/acAlphaImageList.h"
#include "platform/ui/controls/ImageList.h"

namespace skin {

class AlphaImageList : public ui::CustomImageList {
 public:
  explicit AlphaImageList(ui::Component* owner);
  ~AlphaImageList() override;
  std::string ClassName() const override { return "TsAlphaImageList"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsAlphaImageList" || ui::CustomImageList::InheritsFrom(c);
  }

  image::TsAlphaImageList& List() { return list_; }
  const image::TsAlphaImageList& List() const { return list_; }
  // The decoded picture of item `index` (as ItemImage32 gives it), or null
  // outside the list or for an item that could not be decoded.
  const gfx::Bitmap* Decoded(int index) const;

 protected:
  void Loaded() override;

 private:
  // Replaces the toolkit list's pictures by the decoded items.
  void CopyPictures();

  image::TsAlphaImageList list_;
  std::vector<gfx::Bitmap> decoded_;  // ItemImage32 of each item; empty when undecodable
  int changeLink_ = -1;
};

}  // namespace skin
