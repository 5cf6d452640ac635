// An alpha image list as a component of a form, so that a window
// description can create it by name and the tiles can refer to it.
#pragma once

#include <string>

#include "image/acAlphaImageList.h"
#include "platform/ui/Component.h"

namespace game::standin {

class ImageListComponent : public ui::Component {
 public:
  explicit ImageListComponent(ui::Component* owner) : ui::Component(owner), list_(true) {}
  std::string ClassName() const override { return "TsAlphaImageList"; }

  image::TsAlphaImageList& List() { return list_; }
  const image::TsAlphaImageList& List() const { return list_; }

 protected:
  void Loaded() override {
    ui::Component::Loaded();
    list_.Loaded();
  }

 private:
  image::TsAlphaImageList list_;
};

}  // namespace game::standin
