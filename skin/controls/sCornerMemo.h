// What the last corner refresh of a binding composed: its inputs and the
// composed corner pixels. A later refresh with the same inputs, on a cache
// whose corners still hold exactly those pixels, has nothing to do, so a
// control that repaints from an unchanged cache neither asks its parent for
// the background nor composes again. Every notice that the background behind
// the control may have changed (skin commands, moves, sizes, visibility,
// parent colour) forgets it; anything that draws over the corners is caught
// by the pixel comparison.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"

namespace ui {
class Control;
}

namespace skin {

class TsSkinModel;

class TsCornerMemo {
 public:
  struct Key {
    const TsSkinModel* Model = nullptr;
    const ui::Control* Parent = nullptr;
    gfx::Point At;  // the owner's place in its parent
    std::int32_t MaskIndex = -1;
    int State = 0;
    int Corners = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const Key&) const = default;
  };
  // Up to four corner rectangles of the cache.
  using Pieces = std::array<gfx::Rect, 4>;

  // The corners of `cache` still hold what was composed for `key`.
  bool Holds(const Key& key, const gfx::Bitmap& cache) const;
  // Keeps `key` and the pixels of `pieces` (empty rectangles are skipped).
  void Remember(const Key& key, const gfx::Bitmap& cache, const Pieces& pieces);
  void Forget() { valid_ = false; }

 private:
  bool valid_ = false;
  Key key_;
  Pieces pieces_{};
  std::vector<std::uint8_t> pixels_;
};

}  // namespace skin
