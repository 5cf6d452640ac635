// Small helpers shared by the headless backend tests.
#pragma once

#include <vector>

#include "platform/backend/HeadlessBackend.h"

namespace backend::testing {

// A virtual screen of `size` showing `desktop` where no surface is.
inline HeadlessOptions ScreenOf(gfx::Size size, gfx::Color desktop = HeadlessOptions().Desktop) {
  HeadlessOptions o;
  o.ScreenSize = size;
  o.Desktop = desktop;
  return o;
}

inline std::vector<Event> Drain(Backend& b) {
  std::vector<Event> out;
  Event e;
  while (b.PollEvent(e)) out.push_back(e);
  return out;
}

// A visible surface filled with one opaque colour (0x00BBGGRR).
inline SurfaceId SolidSurface(Backend& b, const gfx::Rect& bounds, gfx::Color color,
                              SurfaceKind kind = SurfaceKind::Normal) {
  SurfaceOptions o;
  o.Kind = kind;
  o.Bounds = bounds;
  const SurfaceId id = b.CreateSurface(o);
  gfx::Bitmap buffer = gfx::NewBitmap24(bounds.Width(), bounds.Height());
  for (int y = 0; y < buffer.Height(); ++y)
    for (int x = 0; x < buffer.Width(); ++x) buffer.SetPixelAt(x, y, color);
  b.Present(id, buffer, buffer.Bounds());
  b.Show(id, false);
  return id;
}

}  // namespace backend::testing
