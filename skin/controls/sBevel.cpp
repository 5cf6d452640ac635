#include "skin/controls/sBevel.h"

#include "platform/gfx/Canvas.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sContainerCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/paint/Frames.h"

namespace skin {

namespace {

constexpr std::int32_t kBevelKind = 92;
// Width of the skinned line and of the frame's ring.
constexpr int kLine = 3;

bool FromOwnManager(const TsCommonData& b, const ui::Message& msg) {
  TsSkinManager* mine = b.SkinManager() ? b.SkinManager() : TsSkinManager::DefaultManager();
  return reinterpret_cast<TsSkinManager*>(msg.lParam) == mine;
}

}  // namespace

const char* BevelSection(ui::BevelShape shape, ui::BevelStyle style) {
  if (shape == ui::BevelShape::bsFrame) return "GROUPBOX";
  return style == ui::BevelStyle::bsRaised ? "PANEL" : "PANEL_LOW";
}

TsBevel::TsBevel(ui::Component* owner)
    : ui::Bevel(owner), skinData_(this, true, kBevelKind), lastShape_(Shape()), lastStyle_(Style()) {
  UpdateSection();
  skinData_.Loaded();
}

TsBevel::~TsBevel() { BeginDestruction(); }

void TsBevel::UpdateSection() { skinData_.SetSkinSection(BevelSection(Shape(), Style())); }

void TsBevel::Loaded() {
  ui::Bevel::Loaded();
  lastShape_ = Shape();
  lastStyle_ = Style();
  UpdateSection();
  skinData_.Loaded();
}

void TsBevel::Invalidate() {
  if (Shape() != lastShape_ || Style() != lastStyle_) {
    lastShape_ = Shape();
    lastStyle_ = Style();
    UpdateSection();
    skinData_.CacheStale = true;
  }
  ui::Bevel::Invalidate();
}

void TsBevel::Paint(gfx::Canvas& canvas) {
  if (!skinData_.IsSkinned(true) || Shape() == ui::BevelShape::bsSpacer) {
    ui::Bevel::Paint(canvas);
    return;
  }
  const int w = Width(), h = Height();
  // Lines and frames are 3 pixels from each end: a smaller bevel has none.
  if (w < 2 * kLine || h < 2 * kLine) return;
  if (skinData_.CacheStale) {
    gfx::Bitmap& cache = skinData_.EnsureCache();
    if (cache.Empty()) return;
    RenderBoundItemOverParent(skinData_, true, true, 0, cache, {Left(), Top()}, cache.Bounds());
    // The cache stays stale: the look behind a bevel may change at any time.
  }
  gfx::Bitmap& cache = skinData_.CacheBitmap;
  if (cache.Width() < w || cache.Height() < h) return;
  auto copy = [&](int x, int y, int cw, int ch) { canvas.DrawBitmap(x, y, cache, {x, y, x + cw, y + ch}); };
  switch (Shape()) {
    case ui::BevelShape::bsTopLine: copy(kLine, 0, w - 2 * kLine, kLine); break;
    case ui::BevelShape::bsBottomLine: copy(kLine, h - kLine, w - 2 * kLine, kLine); break;
    case ui::BevelShape::bsLeftLine: copy(0, kLine, kLine, h - 2 * kLine); break;
    case ui::BevelShape::bsRightLine: copy(w - kLine, kLine, kLine, h - 2 * kLine); break;
    default: {
      gfx::Canvas src(cache);
      CopyFrameStrips(canvas, 0, 0, w, h, src, 0, 0, kLine);
      break;
    }
  }
}

void TsBevel::WndProc(ui::Message& msg) {
  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_UNLOADED:
    case SKC_SKIN_REFRESH:
      if (FromOwnManager(skinData_, msg)) {
        skinData_.HandleCommand(msg);
        if (SkinCommandOf(msg) != SKC_SKIN_LOADED && Visible()) ui::Bevel::Invalidate();
        return;
      }
      break;
    case SKC_INVALIDATE:
      skinData_.ParentUpdating = false;
      skinData_.CacheStale = true;
      ui::Bevel::Invalidate();
      return;
    case SKC_IS_SKINNED: msg.result = 1; return;
    case SKC_GET_APPLICATION: msg.result = ApplicationAnswer(); return;
    default: break;
  }
  if (skinData_.IsSkinned(true) && ControlReady(this)) {
    switch (msg.msg) {
      case ui::WM_SIZE:
      case ui::WM_MOVE:
        if (Visible()) skinData_.CacheStale = true;
        break;
      case ui::WM_ERASEBKGND: return;
      default: break;
    }
    if (msg.msg != ui::SM_ALPHACMD || !skinData_.HandleCommand(msg)) skinData_.HandleMessage(msg);
  } else if (msg.msg == ui::SM_ALPHACMD && skinData_.HandleCommand(msg)) {
    return;
  }
  ui::Bevel::WndProc(msg);
}

}  // namespace skin
