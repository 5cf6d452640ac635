// A contact sheet: pictures laid out in rows over a plain background, each
// optionally enlarged by an integer factor, for looking at the artwork.
#pragma once

#include <vector>

#include "platform/gfx/Bitmap.h"

namespace artgen {

class Sheet {
 public:
  void Add(const gfx::Bitmap& picture, int zoom);
  void NewRow();
  // Composites everything over a light grey panel colour, 24-bit.
  gfx::Bitmap Compose() const;

 private:
  struct Item {
    gfx::Bitmap picture;
    int zoom;
    int x, y;
  };
  std::vector<Item> items_;
  int x_ = 0;
  int y_ = 0;
  int rowHeight_ = 0;
  static constexpr int kGap = 8;
};

}  // namespace artgen
