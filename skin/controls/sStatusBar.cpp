#include "skin/controls/sStatusBar.h"

#include <algorithm>
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/ui/WindowTypes.h"
#include "skin/controls/SkinSeams.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sContainerCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sSkinText.h"
#include "skin/controls/sWindowlessChildren.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/Frames.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskFrame.h"
#include "skin/render/MaskImage.h"
#include "skin/render/SkinItem.h"
#include "skin/render/TextFit.h"

namespace skin {

namespace {

constexpr std::int32_t kStatusBarKind = 151;

bool FromOwnManager(const TsCommonData& b, const ui::Message& msg) {
  TsSkinManager* mine = b.SkinManager() ? b.SkinManager() : TsSkinManager::DefaultManager();
  return reinterpret_cast<TsSkinManager*>(msg.lParam) == mine;
}

unsigned AlignmentFlags(ui::Alignment a) {
  switch (a) {
    case ui::Alignment::taRightJustify: return gfx::DT_RIGHT;
    case ui::Alignment::taCenter: return gfx::DT_CENTER;
    default: return gfx::DT_LEFT;
  }
}

// The point lies inside the client area of the control's parent.
bool InsideParentClient(const ui::Control& c, gfx::Point p) {
  return c.Parent() && c.Parent()->ClientRect().Contains(p);
}

}  // namespace

TsStatusBar::TsStatusBar(ui::Component* owner) : ui::StatusBar(owner), skinData_(this, true, kStatusBarKind) {
  skinData_.Loaded();
}

TsStatusBar::~TsStatusBar() { BeginDestruction(); }

void TsStatusBar::Loaded() {
  ui::StatusBar::Loaded();
  skinData_.Loaded();
}

void TsStatusBar::Invalidate() {
  // The platform's panel and text setters come here without a message the
  // skin would see.
  skinData_.CacheStale = true;
  ui::StatusBar::Invalidate();
}

void TsStatusBar::RenderCache() {
  const bool stale =
      skinData_.CacheStale || skinData_.RenderNextPaint || AskSkinCommand(Parent(), SKC_GET_HALF_VISIBLE);
  // A bar reaching the parent's edge (a docked one) may show what lies
  // outside the parent: it renders at every paint.
  skinData_.RenderNextPaint = !InsideParentClient(*this, {Left(), Top()}) ||
                              !InsideParentClient(*this, {Left() + Width(), Top() + Height()});
  if (!stale || skinData_.PaintingHeld || !Skinned()) return;

  gfx::Bitmap& cache = skinData_.EnsureCache();
  if (cache.Empty()) return;
  const int w = cache.Width(), h = cache.Height();
  RenderBoundItemOverParent(skinData_, false, true, 0, cache, {Left(), Top()}, cache.Bounds());
  if (SimplePanel() || PanelCount() == 0) {
    DrawBarPanel(cache, nullptr, SimpleText(), {0, 1, w - 1, h - 1}, true);
  } else {
    int left = 0;
    for (int i = 0; i < PanelCount(); ++i) {
      ui::StatusPanel& p = Panel(i);
      const bool last = i == PanelCount() - 1;
      const int right = last ? w : std::min(w, left + std::max(0, p.Width));
      if (right > left) DrawBarPanel(cache, &p, p.Text, gfx::Rect{left, 0, right, h}.Inflate(-1, -1), last);
      left = std::min(w, left + std::max(0, p.Width));
    }
  }
  if (SizeGrip()) DrawGrip(cache);
  skinData_.CacheStale = false;
}

void TsStatusBar::DrawBarPanel(gfx::Bitmap& cache, ui::StatusPanel* panel, const std::string& text,
                               const gfx::Rect& rect, bool lastPanel) {
  const TsSkinModel& model = *skinData_.Model();
  const int maskIndex = model.MaskIndexOf(skinData_.SectionIndex, skinData_.SkinSection(), "STATUSPANELMASK");
  if (maskIndex >= 0) {
    const gfx::Rect area = panel ? rect : cache.Bounds();
    RenderMaskFrame(model, cache, area, true, true, 0, maskIndex,
                    MakeBackdropRef(&cache, area.Left, area.Top));
  } else if (panel && !lastPanel) {
    DrawDivider(cache, rect);
  }
  if (panel && panel->Style == ui::StatusPanelStyle::psOwnerDraw && OnDrawPanel) {
    // The handler draws into the cache, with the bar's font and a clear brush.
    gfx::Canvas canvas(cache);
    canvas.SetFont(Font());
    canvas.SetBrushStyle(gfx::BrushStyle::Clear);
    FireDrawPanel(canvas, *panel, rect);
    return;
  }
  if (text.empty()) return;
  gfx::Rect t = rect.Inflate(-1, -1);
  t.Bottom -= 1;
  t.Left += 2;
  t.Right -= 4;
  gfx::Canvas canvas(cache);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  const std::string shown = CutTextToWidth(canvas, text, t.Width());
  const unsigned flags = gfx::DT_SINGLELINE | gfx::DT_VCENTER |
                         AlignmentFlags(panel ? panel->Align : ui::Alignment::taLeftJustify);
  WriteSkinText(canvas, shown, true, skinData_.IsActive(), skinData_, flags, t);
}

// The skin's divider at the right edge of a panel that is not the last.
void TsStatusBar::DrawDivider(gfx::Bitmap& cache, const gfx::Rect& rect) {
  const TsSkinModel& model = *skinData_.Model();
  const int section = model.SectionIndexOf("DIVIDER");
  if (section < 0) return;
  const int mask = model.GeneralTable[static_cast<std::size_t>(section)].BordersMaskIndex;
  if (!MaskAt(model, mask)) return;
  const int bw = std::max(2, model.MaskWidthLeft(mask) + model.MaskWidthRight(mask));
  const int bh = cache.Height() - 2;
  if (bh <= 0) return;
  gfx::Bitmap divider(bw, bh, gfx::PixelFormat::Bgr24);
  const int x = rect.Right - bw / 2 - 1, y = 1;
  RenderSkinItem(model, section, "DIVIDER", MakeBackdropRef(&cache, x, y),
                 model.TextureIndexOf(section, "DIVIDER", "PATTERN"),
                 model.TextureIndexOf(section, "DIVIDER", "HOTPATTERN"), divider, {0, 0}, divider.Bounds(), 0,
                 true);
  gfx::Canvas canvas(cache);
  canvas.DrawBitmap(x, y, divider);
}

void TsStatusBar::DrawGrip(gfx::Bitmap& cache) {
  const TsSkinModel& model = *skinData_.Model();
  int index = model.MaskIndexOf(model.SectionIndexOf("GLOBALINFO"), "GLOBALINFO", "GRIPIMAGE");
  if (index < 0) index = model.MaskIndexOf(model.SectionIndexOf("FORM"), "FORM", "GRIPIMAGE");
  const TsMaskData* mask = MaskAt(model, index);
  if (!mask) return;
  const int gw = MaskCellWidth(*mask), gh = MaskCellHeight(*mask);
  if (gw <= 0 || gh <= 0) return;
  const gfx::Point at{cache.Width() - gw - BorderWidth(), cache.Height() - gh - BorderWidth()};
  RenderMaskImage(model, cache, at, 0, MakeBackdropRef(&cache, at.X, at.Y), *mask, kMaskImageNormal);
}

void TsStatusBar::PaintBar(gfx::Canvas& dc) {
  gfx::Canvas::StateGuard guard(dc);
  skinData_.ParentUpdating = skinData_.IsUpdating();
  if (skinData_.ParentUpdating) return;
  const bool stale = skinData_.CacheStale || skinData_.RenderNextPaint;
  RenderCache();
  const gfx::Rect client = ClientRect();
  CopyCacheExceptChildren(skinData_, dc, {BorderWidth(), BorderWidth()}, client, true);
  if (stale)
    for (ui::Control* c : Controls())
      if (!c->HasWindow()) SendSkinCommand(c, SKC_SET_DIRTY);
  PaintWindowlessChildren(this, dc, {0, 0});
  SendToWindowedChildren(this, SKC_PARENT_UPDATED);
  skinData_.CacheStale = false;
}

void TsStatusBar::CopyBorderRing(gfx::Canvas& windowCanvas) {
  if (BorderWidth() <= 0 || skinData_.CacheBitmap.Empty()) return;
  gfx::Canvas src(skinData_.CacheBitmap);
  CopyFrameStrips(windowCanvas, 0, 0, Width(), Height(), src, 0, 0, BorderWidth());
}

bool TsStatusBar::HandleFirst(ui::Message& msg) {
  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REFRESH:
      if (!FromOwnManager(skinData_, msg)) return false;
      PassCommandToChildren(this, msg);
      skinData_.HandleCommand(msg);
      if (SkinCommandOf(msg) == SKC_SKIN_REFRESH && HandleAllocated())
        RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE);
      return true;
    case SKC_SKIN_UNLOADED:
      if (!FromOwnManager(skinData_, msg)) return false;
      skinData_.HandleCommand(msg);
      // The plain look again, frame included.
      if (HandleAllocated()) RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE | ui::RDW_ERASE);
      PassCommandToChildren(this, msg);
      return true;
    case SKC_PARENT_UPDATED:
      if (skinData_.ParentUpdating) {
        skinData_.ParentUpdating = false;
        if (HandleAllocated()) RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE);
      }
      return true;
    case SKC_IS_SKINNED: msg.result = 1; return true;
    case SKC_GET_APPLICATION: msg.result = ApplicationAnswer(); return true;
    default: return false;
  }
}

bool TsStatusBar::HandleSkinned(ui::Message& msg) {
  switch (msg.msg) {
    case ui::WM_MOVE: {
      const TsGeneralData* sec = skinData_.Section();
      if (sec->Transparency >= 1 || sec->HotTransparency >= 1) skinData_.CacheStale = true;
      return false;
    }
    case ui::WM_PAINT: {
      msg.result = 0;
      if (FormAnimator().AnimationRunning()) return true;
      std::unique_ptr<gfx::Canvas> own;
      auto* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
      if (!dc) {
        own = BeginPaint();
        dc = own.get();
      }
      if (!dc) return true;
      ui::ControlStateScope custom(*this, ui::csCustomPaint);
      PaintBar(*dc);
      return true;
    }
    case ui::WM_ERASEBKGND: {
      msg.result = 1;
      skinData_.ParentUpdating = skinData_.IsUpdating();
      auto* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
      if (!dc || skinData_.ParentUpdating || skinData_.CacheStale) return true;
      CopyCacheExceptChildren(skinData_, *dc, {BorderWidth(), BorderWidth()}, ClientRect(), false);
      PaintWindowlessChildren(this, *dc, {0, 0});
      return true;
    }
    case ui::WM_NCPAINT: {
      if (!Visible() && !Designing()) return false;
      skinData_.ParentUpdating = skinData_.IsUpdating();
      if (FormAnimator().AnimationRunning() || skinData_.ParentUpdating) return true;
      RenderCache();
      if (msg.wParam) {
        CopyBorderRing(*reinterpret_cast<gfx::Canvas*>(msg.wParam));
      } else if (auto c = GetSurface(ui::SurfaceArea::Window)) {
        c->ExcludeClipRect(ClientRectInWindow());
        CopyBorderRing(*c);
      }
      return true;
    }
    case ui::WM_PRINTCLIENT: {
      // The platform's print has drawn the frame and moved the surface to
      // the client area; the bar paints from its freshly rendered cache.
      if (!Visible() && !Designing()) return false;
      auto* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
      skinData_.ParentUpdating = skinData_.IsUpdating();
      if (!dc || skinData_.ParentUpdating) return true;
      ui::ControlStateScope copy(*this, ui::csPaintCopy);
      PaintBar(*dc);
      return true;
    }
    default: return false;
  }
}

void TsStatusBar::WndProc(ui::Message& msg) {
  if (HandleFirst(msg)) return;
  if (!Skinned() || !ControlReady(this)) {
    if (msg.msg == ui::SM_ALPHACMD && skinData_.HandleCommand(msg)) return;
    ui::StatusBar::WndProc(msg);
    return;
  }
  if (HandleSkinned(msg)) return;
  if (!skinData_.HandleMessage(msg)) ui::StatusBar::WndProc(msg);
  switch (msg.msg) {
    case ui::WM_SIZE:
      if (BorderWidth() > 0) RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE);
      break;
    case ui::SB_SETTEXT:
    case ui::SB_SIMPLE:
    case ui::SB_GETRECT: skinData_.CacheStale = true; break;
    default: break;
  }
}

}  // namespace skin
