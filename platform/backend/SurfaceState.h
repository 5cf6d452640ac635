// What every backend remembers about one surface, and the questions both
// backends answer the same way from it.
#pragma once

#include <functional>
#include <optional>

#include "platform/backend/Backend.h"
#include "platform/backend/RetainedPixels.h"

namespace backend {

struct SurfaceState {
  explicit SurfaceState(const SurfaceOptions& options);

  SurfaceOptions Options;  // Title follows SetTitle
  gfx::Rect Bounds;        // screen coordinates, never empty
  bool Visible = false;    // shown by the toolkit (minimised or not)
  bool Minimized = false;
  RetainedPixels Pixels;
  std::optional<gfx::Region> Shape;  // surface coordinates
  std::uint8_t ConstantAlpha = 255;
  Cursor PointerCursor = Cursor::Arrow;

  // On screen: visible and not minimised.
  bool Shown() const { return Visible && !Minimized; }
  // Whether `local` (surface coordinates) lies inside the shape, if any.
  bool InShape(gfx::Point local) const;
  // Shown, and neither a popup nor a NoActivate surface.
  bool MayFocus() const;
  // The alpha with which the surface covers `screen` (0 where it does not),
  // counting shape, pixel and constant alpha; without `blending` every
  // covered pixel counts as opaque.
  int AlphaAt(gfx::Point screen, bool blending) const;
  // Normal <-> Auxiliary; other kinds stay. False when nothing changed.
  bool SwitchAuxiliary(bool auxiliary);
  // Where a mouse event at `screen` belongs to this surface.
  bool TakesMouseAt(gfx::Point screen, bool blending) const {
    return !Options.ClickThrough && AlphaAt(screen, blending) > 0;
  }
};

// Whether making `owner` the owner of `id` would close a cycle: `owner` is
// `id` or is owned, directly or further up, by `id`. `ownerOf` gives a
// surface's owner (kNoSurface for none).
bool OwnerCycle(SurfaceId id, SurfaceId owner, const std::function<SurfaceId(SurfaceId)>& ownerOf);

// Sizes below 1 become 1; the position is kept.
gfx::Rect SanitizeBounds(const gfx::Rect& r);

}  // namespace backend
