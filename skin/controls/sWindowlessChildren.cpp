#include "skin/controls/sWindowlessChildren.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "platform/ui/WinControl.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/paint/Fill.h"

namespace skin {

namespace {

bool g_painting = false;

// Clears the re-entry flag however the painting ends.
struct PaintingFlag {
  PaintingFlag() { g_painting = true; }
  ~PaintingFlag() { g_painting = false; }
  PaintingFlag(const PaintingFlag&) = delete;
  PaintingFlag& operator=(const PaintingFlag&) = delete;
};

bool StillChildOf(const ui::WinControl* container, const ui::Control* c) {
  const auto& list = container->Controls();
  return std::find(list.begin(), list.end(), c) != list.end() && !c->Destroying();
}

gfx::Color OpaqueColorOf(ui::Control* c) {
  if (AskSkinCommand(c, SKC_IS_SKINNED))
    return gfx::ColorToRGB(
        static_cast<gfx::Color>(SendSkinCommand(c, SKC_GET_CONTROL_COLOR, gfx::clFuchsia)));
  return gfx::ColorToRGB(c->Color());
}

// Fills the child's rectangle of the off-screen bitmap with what lies
// behind it.
void FillUnder(gfx::Bitmap& off, ui::Control* c, const BackdropRef& backdrop) {
  const gfx::Rect r = c->BoundsRect();
  if (c->HasStyle(ui::csOpaque)) {
    FillColorRect(off, r, OpaqueColorOf(c));
  } else if (!backdrop.HasImage()) {
    FillColorRect(off, r, backdrop.FillColor);
  } else {
    gfx::Canvas canvas(off);
    // Where the image does not reach, its fill colour (a magenta one would
    // make the child count as not drawn).
    if (backdrop.FillColor != gfx::clFuchsia) FillColorRect(off, r, backdrop.FillColor);
    canvas.DrawBitmap(r.Left, r.Top, *backdrop.Bitmap, r.Offset(backdrop.X, backdrop.Y));
  }
}

}  // namespace

void PaintWindowlessChildren(ui::WinControl* container, gfx::Canvas& target, gfx::Point offset) {
  if (g_painting || !container) return;
  if (!container->Visible() && !container->Designing()) return;
  if (container->Controls().empty()) return;
  PaintingFlag flag;
  if (target.ClipBox().IsEmpty()) {
    SendSkinCommand(container, SKC_SET_HALF_VISIBLE, 0, 0);
    return;
  }
  std::vector<ui::Control*> children;
  for (ui::Control* c : container->Controls()) {
    if (c->HasWindow() || c->Destroying()) continue;
    if (!c->Visible() && !c->Designing()) continue;
    if (c->Width() < 1 || c->Height() < 1) continue;
    if (!target.RectVisible(c->BoundsRect().Offset(offset.X, offset.Y))) continue;
    children.push_back(c);
  }
  if (children.empty()) return;

  BackdropQuery query;
  AskParentBackdrop(query, container, false);
  const BackdropRef backdrop = ToBackdropRef(query);

  gfx::Bitmap off;
  try {
    off = gfx::Bitmap(std::max(container->Width(), 0), std::max(container->Height(), 0),
                      gfx::PixelFormat::Bgr24);
  } catch (const std::exception&) {
    return;  // painting never throws; nothing can be drawn at this size
  }
  if (off.Empty()) return;
  for (ui::Control* c : children) FillUnder(off, c, backdrop);

  gfx::Canvas canvas(off);
  const bool copy = (container->ControlState() & ui::csPaintCopy) != 0;
  for (ui::Control* c : children) {
    if (!StillChildOf(container, c)) continue;
    gfx::Canvas::StateGuard guard(canvas);
    canvas.MoveOrigin(c->Left(), c->Top());
    canvas.IntersectClipRect({0, 0, c->Width(), c->Height()});
    ui::ControlStateScope painted(*c, copy ? ui::csPaintCopy : 0);
    c->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&canvas));
  }
  for (ui::Control* c : children) {
    if (!StillChildOf(container, c)) continue;
    const gfx::Rect r = c->BoundsRect();
    // The test pixel is read in the off-screen bitmap, in the container's
    // coordinates; only the target is offset.
    if (r.Left >= 0 && r.Top >= 0 && r.Left < off.Width() && r.Top < off.Height() &&
        (off.PixelAt(r.Left, r.Top) & 0xFFFFFF) == gfx::clFuchsia)
      continue;
    target.DrawBitmap(r.Left + offset.X, r.Top + offset.Y, off, r);
  }
}

}  // namespace skin
