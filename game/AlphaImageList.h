// The program's image list of PNG tiles as a toolkit image list, so that a
// window description can create it by name and the tiles can show its
// pictures. The alpha image list keeps and decodes the PNG items; after
// every change its decoded pictures are copied into the toolkit list, which
// the buttons read and which reports the change to their links.
#pragma once

#include <string>

#include "image/acAlphaImageList.h"
#include "platform/ui/controls/ImageList.h"

namespace game {

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

 protected:
  void Loaded() override;

 private:
  // Replaces the toolkit list's pictures by the decoded items.
  void CopyPictures();

  image::TsAlphaImageList list_;
  int changeLink_ = -1;
};

}  // namespace game
