#include "skin/controls/acProgressBar.h"

#include <algorithm>
#include <cstring>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/WindowTypes.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sWindowlessChildren.h"
#include "skin/paint/PixelAccess.h"
#include "skin/render/SkinItem.h"

namespace skin {

namespace {

constexpr std::int32_t kProgressKind = 161;
constexpr unsigned kMarqueeTimerInterval = 30;

// Copies `src` (24-bit) into the 24-bit `dst` at (x, y), cut to `dst`.
void CopyClipped(gfx::Bitmap& dst, const gfx::Bitmap& src, int x, int y) {
  const gfx::Rect to = gfx::Intersect(gfx::Rect::FromXYWH(x, y, src.Width(), src.Height()), dst.Bounds());
  if (to.IsEmpty()) return;
  const std::size_t bytes = static_cast<std::size_t>(to.Width()) * 3;
  for (int row = to.Top; row < to.Bottom; ++row)
    std::memcpy(dst.Scanline(row) + to.Left * 3, src.Scanline(row - y) + (to.Left - x) * 3, bytes);
}

// Each block shares no pixel with the one before it (the blocks run along
// the bar, so that is enough for them all).
bool BlocksInOrderDisjoint(const std::vector<gfx::Rect>& blocks) {
  for (std::size_t i = 1; i < blocks.size(); ++i)
    if (!gfx::Intersect(blocks[i - 1], blocks[i]).IsEmpty()) return false;
  return true;
}

// (x, y) lies inside `r` or on its right or bottom edge.
bool InsideWithEdges(const gfx::Rect& r, int x, int y) {
  return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

}  // namespace

TsProgressBar::TsProgressBar(ui::Component* owner)
    : ui::ProgressBar(owner),
      marqueeTimer_(std::make_unique<ui::Timer>(nullptr)),
      skinData_(this, false, kProgressKind) {
  marqueeTimer_->SetEnabled(false);
  marqueeTimer_->SetInterval(kMarqueeTimerInterval);
  marqueeTimer_->SetOnTimer([this](ui::Component*) { MarqueeTick(); });
  skinData_.Loaded();
}

TsProgressBar::~TsProgressBar() {
  BeginDestruction();
  marqueeTimer_.reset();
}

void TsProgressBar::Loaded() {
  ui::ProgressBar::Loaded();
  skinData_.Loaded();
  if (!Designing() && style_ == TProgressBarStyle::pbstMarquee) marqueeTimer_->SetEnabled(true);
}

ProgressState TsProgressBar::GeometryState() const {
  ProgressState s;
  s.Width = Width();
  s.Height = Height();
  s.BorderWidth = BorderWidth();
  s.Min = Min();
  s.Max = Max();
  s.Position = Position();
  s.Vertical = Orientation() == ui::ProgressBarOrientation::pbVertical;
  s.Smooth = Smooth();
  s.Marquee = style_ == TProgressBarStyle::pbstMarquee;
  s.MarqueePos = MarqueePos;
  s.MarqueeLength = MarqueeLength;
  return s;
}

void TsProgressBar::SetProgressSkin(const std::string& section) {
  if (section == progressSkin_) return;
  progressSkin_ = section;
  LastBlockCount = -1;
  skinData_.Invalidate();
}

bool TsProgressBar::PlatformMarquee() const {
  if (!ui::Application::Exists() || !HandleAllocated()) return false;
  const auto& f = ui::App().Facts();
  return f.ThemesAvailable && (f.MajorVersion > 5 || (f.MajorVersion == 5 && f.MinorVersion >= 1));
}

void TsProgressBar::SendMarquee() {
  Perform(ui::PBM_SETMARQUEE, style_ == TProgressBarStyle::pbstMarquee ? 1 : 0,
          static_cast<ui::LPARAM>(marqueeInterval_));
  marqueeTimer_->SetInterval(static_cast<unsigned>(std::max(marqueeInterval_, 1)));
}

void TsProgressBar::SetStyle(TProgressBarStyle style) {
  if (style == style_) return;
  style_ = style;
  if (style_ == TProgressBarStyle::pbstMarquee) {
    SavedPosition = Position();
    SetDoubleBuffered(false);
  }
  marqueeTimer_->SetEnabled(skinData_.IsSkinned() && style_ == TProgressBarStyle::pbstMarquee);
  if (PlatformMarquee()) SendMarquee();
  RecreateWnd();
  LastBlockCount = -1;
  if (style_ == TProgressBarStyle::pbstNormal) SetPosition(SavedPosition);
  Invalidate();
}

void TsProgressBar::SetMarqueeInterval(int ms) {
  marqueeInterval_ = ms;
  if (style_ == TProgressBarStyle::pbstMarquee && PlatformMarquee()) SendMarquee();
}

void TsProgressBar::CreateParams(ui::CreateParams& p) {
  ui::ProgressBar::CreateParams(p);
  const auto* app = ui::Application::Exists() ? &ui::App() : nullptr;
  if (style_ == TProgressBarStyle::pbstMarquee && app && app->Facts().ThemesAvailable) p.Style |= ui::PBS_MARQUEE;
}

void TsProgressBar::CreateWnd() {
  ui::ProgressBar::CreateWnd();
  // A new window (orientation or smoothness changed) shows a new picture.
  LastBlockCount = -1;
  if (PlatformMarquee()) SendMarquee();
}

void TsProgressBar::RenderCache() {
  const ProgressState s = GeometryState();
  const bool segmented = !s.Marquee && !s.Smooth;
  const int lit = segmented ? LitBlocks(s) : -1;
  if (segmented && skinData_.HasCache() && skinData_.CacheBitmap.Width() == s.Width &&
      skinData_.CacheBitmap.Height() == s.Height && lit == LastBlockCount && s.Position != s.Max)
    return;

  gfx::Bitmap& cache = skinData_.EnsureCache();
  LastBlockCount = -1;
  if (cache.Empty() || !skinData_.IsSkinned()) return;
  RenderBoundItemOverParent(skinData_, true, true, 0, cache, {Left(), Top()}, cache.Bounds());

  PaintBlocks(cache, s);
  if (segmented) LastBlockCount = lit;
}

int TsProgressBar::LitBlocks(const ProgressState& s) {
  ProgressState key = s;
  key.Position = 0;
  if (!layoutKnown_ || !(key == layoutState_)) {
    layoutState_ = key;
    layout_ = SegmentLayoutOf(s);
    layoutKnown_ = true;
  }
  return LitBlockCount(layout_, s);
}

void TsProgressBar::PaintBlocks(gfx::Bitmap& cache, const ProgressState& s) {
  const TsSkinModel& model = *skinData_.Model();
  const std::string_view section = !progressSkin_.empty() ? std::string_view(progressSkin_)
                                   : s.Vertical                ? "PROGRESSV"
                                                               : "PROGRESSH";
  const int index = model.SectionIndexOf(section);
  if (index < 0) return;
  const std::vector<gfx::Rect> blocks = ProgressBlocks(s);
  if (blocks.empty()) return;
  // Looked up once for all blocks: they paint the same item.
  const int texture = model.TextureIndexOf(index, section, "PATTERN");
  const int hotTexture = model.TextureIndexOf(index, section, "HOTPATTERN");

  // Blocks that do not overlap each show the frame behind them, so they are
  // painted over a copy of it; the marquee's blocks may overlap when they
  // wrap and show the blocks painted before them.
  const bool disjoint = !s.Marquee && BlocksInOrderDisjoint(blocks);
  if (disjoint) frame_ = cache;
  const BackdropRef backdrop = MakeBackdropRef(disjoint ? &frame_ : &cache, 0, 0);
  for (const gfx::Rect& r : blocks) {
    if (disjoint && gfx::Intersect(r, cache.Bounds()) == r) {
      RenderSkinItem(model, index, section, backdrop, texture, hotTexture, cache, r.TopLeft(), r, 0, true);
      continue;
    }
    // A block reaching past the cache is painted whole and cut.
    if (block_.Width() != r.Width() || block_.Height() != r.Height())
      block_ = gfx::Bitmap(r.Width(), r.Height(), gfx::PixelFormat::Bgr24);
    RenderSkinItem(model, index, section, backdrop, texture, hotTexture, block_, r.TopLeft(), block_.Bounds(), 0,
                   true);
    CopyClipped(cache, block_, r.Left, r.Top);
  }
}

void TsProgressBar::PaintProgress(gfx::Canvas& dc) {
  if (Width() <= 0 || Height() <= 0) return;
  gfx::Canvas::StateGuard guard(dc);
  skinData_.ParentUpdating = skinData_.IsUpdating();
  if (skinData_.ParentUpdating) return;
  skinData_.CacheStale = skinData_.CacheStale || skinData_.RenderNextPaint ||
                         AskSkinCommand(Parent(), SKC_GET_HALF_VISIBLE);
  const gfx::Rect client = Parent() ? Parent()->ClientRect() : gfx::Rect{};
  skinData_.RenderNextPaint = !(InsideWithEdges(client, Left(), Top()) &&
                                InsideWithEdges(client, Left() + Width(), Top() + Height()));
  if (skinData_.CacheStale) RenderCache();
  if (!skinData_.HasCache() || skinData_.CacheBitmap.Empty()) return;
  CopyCacheExceptChildren(skinData_, dc, {0, 0}, {0, 0, Width(), Height()}, true);
  PaintWindowlessChildren(this, dc, {0, 0});
}

void TsProgressBar::MarqueeTick() {
  if (!skinData_.IsSkinned()) {
    marqueeTimer_->SetEnabled(false);
    return;
  }
  if (!Visible()) return;
  RenderCache();
  if (auto dc = GetSurface(ui::SurfaceArea::Window); dc && !skinData_.CacheBitmap.Empty())
    dc->DrawBitmap(0, 0, skinData_.CacheBitmap);
  MarqueePos += MarqueeDirection * MarqueeStep;
  const int length = Orientation() == ui::ProgressBarOrientation::pbVertical ? Height() : Width();
  if (MarqueePos >= length - MarqueeStep) MarqueePos = 0;
}

bool TsProgressBar::ReadyToPaint() const {
  constexpr ui::ComponentState busy = ui::csLoading | ui::csReading | ui::csCreating | ui::csDestroying;
  return HandleAllocated() && Parent() != nullptr && (State() & busy) == 0;
}

// The skin commands the bar answers itself; true when the message is done.
bool TsProgressBar::HandleSkinCommand(ui::Message& msg) {
  const std::uint16_t code = SkinCommandOf(msg);
  TsSkinManager* mine = skinData_.SkinManager() ? skinData_.SkinManager() : TsSkinManager::DefaultManager();
  const bool fromMine = reinterpret_cast<TsSkinManager*>(msg.lParam) == mine;
  switch (code) {
    case SKC_SKIN_LOADED:
      if (!fromMine) return false;
      skinData_.HandleMessage(msg);
      if (style_ == TProgressBarStyle::pbstMarquee && !Designing()) marqueeTimer_->SetEnabled(true);
      LastBlockCount = -1;
      return true;
    case SKC_SKIN_UNLOADED:
      if (!fromMine) return false;
      if (style_ == TProgressBarStyle::pbstMarquee) marqueeTimer_->SetEnabled(false);
      skinData_.HandleMessage(msg);
      LastBlockCount = -1;
      if (HandleAllocated())
        RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE | ui::RDW_ERASE | ui::RDW_UPDATENOW);
      return true;
    case SKC_SKIN_REFRESH:
      if (!fromMine) return false;
      skinData_.HandleMessage(msg);
      Invalidate();
      LastBlockCount = -1;
      return true;
    case SKC_PARENT_UPDATED:
      if (!skinData_.IsUpdating()) return false;
      skinData_.ParentUpdating = false;
      Invalidate();
      return true;
    case SKC_IS_SKINNED: msg.result = 1; return true;
    case SKC_GET_BG_INFO:
      // A bar that has not rendered yet has nothing to show its children.
      if (msg.lParam != 0 && skinData_.HasCache() && !skinData_.CacheBitmap.Empty()) {
        auto& q = *reinterpret_cast<BackdropQuery*>(msg.lParam);
        q.Bitmap = &skinData_.CacheBitmap;
        q.X = q.Y = 0;
        q.Kind = kBackdropImage;
      }
      return true;
    case SKC_GET_APPLICATION:
      msg.result = ui::Application::Exists() ? reinterpret_cast<ui::LRESULT>(&ui::App()) : 0;
      return true;
    case SKC_SET_DIRTY_IF_TRANSPARENT:
    case SKC_SET_DIRTY:
    case SKC_INVALIDATE:
    case SKC_PARENT_BG_CHANGED:
      // The cache is to be rendered again: the block count alone must not
      // keep the old picture.
      LastBlockCount = -1;
      return false;
    default: return false;
  }
}

void TsProgressBar::WndProc(ui::Message& msg) {
  if (msg.msg == ui::SM_ALPHACMD && HandleSkinCommand(msg)) return;
  if (!skinData_.IsSkinned() || !ReadyToPaint()) {
    ui::ProgressBar::WndProc(msg);
    return;
  }
  switch (msg.msg) {
    case ui::WM_MOVE:
    case ui::WM_SIZE:
    case ui::WM_WINDOWPOSCHANGED:
      LastBlockCount = -1;
      skinData_.HandleMessage(msg);
      ui::ProgressBar::WndProc(msg);
      return;
    case ui::WM_PAINT: {
      if (msg.wParam) {
        auto& c = *reinterpret_cast<gfx::Canvas*>(msg.wParam);
        gfx::Canvas::StateGuard g(c);
        c.MoveOrigin(-BorderWidth(), -BorderWidth());
        PaintProgress(c);
      } else if (auto pc = BeginPaint()) {
        if (BorderWidth() == 0) {
          PaintProgress(*pc);
        } else if (auto wc = GetSurface(ui::SurfaceArea::Window)) {
          PaintProgress(*wc);
        }
      }
      msg.result = 0;
      return;
    }
    case ui::WM_NCPAINT: msg.result = 0; return;
    case ui::WM_ERASEBKGND: msg.result = 1; return;
    case ui::WM_PRINT:
      skinData_.ParentUpdating = false;
      if (msg.wParam) PaintProgress(*reinterpret_cast<gfx::Canvas*>(msg.wParam));
      return;
    case ui::PBM_SETPOS:
      if (style_ == TProgressBarStyle::pbstMarquee) {
        // The running blocks do not show the position: store it unseen.
        const bool pending = HasUpdateRegion();
        LockRedraw();
        ui::ProgressBar::WndProc(msg);
        UnlockRedraw();
        if (!pending) ValidateRect(nullptr);
        return;
      }
      ui::ProgressBar::WndProc(msg);
      return;
    default:
      if (skinData_.HandleMessage(msg)) return;
      ui::ProgressBar::WndProc(msg);
      return;
  }
}

}  // namespace skin
