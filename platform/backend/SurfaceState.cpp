#include "platform/backend/SurfaceState.h"

#include "platform/backend/Compose.h"

namespace backend {

bool OwnerCycle(SurfaceId id, SurfaceId owner, const std::function<SurfaceId(SurfaceId)>& ownerOf) {
  // Chains are short; the step limit only guards against a cycle made before.
  for (int steps = 0; owner != kNoSurface && steps < 1024; ++steps, owner = ownerOf(owner))
    if (owner == id) return true;
  return false;
}

gfx::Rect SanitizeBounds(const gfx::Rect& r) {
  const gfx::Size size = SanitizeSize(r.GetSize());
  return gfx::Rect::FromXYWH(r.Left, r.Top, size.Width, size.Height);
}

SurfaceState::SurfaceState(const SurfaceOptions& options)
    : Options(options), Bounds(SanitizeBounds(options.Bounds)), Pixels(Bounds.GetSize()) {}

// A plain scan of the rectangle list: shapes are a handful of rectangles.
bool SurfaceState::InShape(gfx::Point local) const {
  if (!Shape) return true;
  for (const gfx::Rect& r : Shape->Rects())
    if (r.Contains(local)) return true;
  return false;
}

bool SurfaceState::MayFocus() const {
  return Shown() && Options.Kind != SurfaceKind::Popup && !Options.NoActivate;
}

bool SurfaceState::SwitchAuxiliary(bool auxiliary) {
  const SurfaceKind kind = auxiliary ? SurfaceKind::Auxiliary : SurfaceKind::Normal;
  const bool switchable = Options.Kind == SurfaceKind::Normal || Options.Kind == SurfaceKind::Auxiliary;
  if (!switchable || Options.Kind == kind) return false;
  Options.Kind = kind;
  return true;
}

int SurfaceState::AlphaAt(gfx::Point screen, bool blending) const {
  if (!Shown() || !Bounds.Contains(screen)) return 0;
  const gfx::Point local{screen.X - Bounds.Left, screen.Y - Bounds.Top};
  if (!InShape(local)) return 0;
  if (!blending) return 255;
  const int a = Pixels.Pixels().Scanline(local.Y)[local.X * 4 + 3];
  return MulDiv255(a, ConstantAlpha);
}

}  // namespace backend
