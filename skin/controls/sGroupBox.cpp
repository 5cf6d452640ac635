#include "skin/controls/sGroupBox.h"

#include <algorithm>
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/ui/WindowTypes.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sContainerCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sSkinText.h"
#include "skin/controls/sWindowlessChildren.h"
#include "skin/data/SkinModel.h"
#include "skin/render/SkinItem.h"
#include "skin/render/TextFit.h"

namespace skin {

using sGroupBox::TsCaptionLayout;

namespace {

constexpr std::int32_t kGroupBoxKind = 74;

bool FromOwnManager(const TsCommonData& b, const ui::Message& msg) {
  TsSkinManager* mine = b.SkinManager() ? b.SkinManager() : TsSkinManager::DefaultManager();
  return reinterpret_cast<TsSkinManager*>(msg.lParam) == mine;
}

}  // namespace

gfx::Rect GroupCaptionBox(int w, int a, int th, TsCaptionLayout layout, bool rtl, int yOffset, bool skinned) {
  gfx::Rect r;
  r.Top = skinned && yOffset < 0 ? yOffset : 0;
  r.Bottom = skinned ? th + yOffset : th;
  const bool nearLeft =
      (layout == TsCaptionLayout::clTopLeft && !rtl) || (layout == TsCaptionLayout::clTopRight && rtl);
  if (layout == TsCaptionLayout::clTopCenter)
    r.Left = (w - a - 10) / 2;
  else
    r.Left = nearLeft ? 6 : w - a - 14;
  r.Left = std::max(0, r.Left);
  r.Right = std::min(r.Left + a + 8, w);
  if (r.Right - r.Left < 2 * ui::kBevelWidth) {
    r.Left -= ui::kBevelWidth;
    r.Right += ui::kBevelWidth;
  }
  return r;
}

TsGroupBox::TsGroupBox(ui::Component* owner) : ui::GroupBox(owner), skinData_(this, true, kGroupBoxKind) {
  skinData_.Loaded();
}

TsGroupBox::~TsGroupBox() { BeginDestruction(); }

void TsGroupBox::Loaded() {
  ui::GroupBox::Loaded();
  skinData_.Loaded();
}

void TsGroupBox::SetCaptionLayout(TsCaptionLayout l) {
  if (l == captionLayout_) return;
  captionLayout_ = l;
  if (!Caption().empty()) skinData_.Invalidate();
}

void TsGroupBox::SetCaptionYOffset(int offset) {
  if (offset == captionYOffset_) return;
  captionYOffset_ = offset;
  Realign();
  skinData_.Invalidate();
}

void TsGroupBox::SetCaptionSkin(const std::string& section) {
  if (section == captionSkin_) return;
  captionSkin_ = section;
  skinData_.Invalidate();
}

void TsGroupBox::AdjustClientRect(gfx::Rect& rect) const {
  ui::GroupBox::AdjustClientRect(rect);
  rect.Top += captionYOffset_;
}

gfx::Rect TsGroupBox::CaptionBox() {
  gfx::Canvas canvas(skinData_.EnsureCache());
  canvas.SetFont(Font());
  const int a = TextWidthOf(canvas, Caption());
  const int th = std::max(4, canvas.TextExtent("W").Height) + 2;
  return GroupCaptionBox(Width(), a, th, captionLayout_, UseRightToLeftReading(), captionYOffset_, Skinned());
}

void TsGroupBox::RenderCache() {
  gfx::Bitmap& cache = skinData_.EnsureCache();
  if (cache.Empty() || !Skinned()) return;
  const TsSkinModel& model = *skinData_.Model();
  const BackdropRef behind = ParentBackdropOf(skinData_);
  const gfx::Rect box = CaptionBox();
  const int w = cache.Width(), h = cache.Height();
  gfx::Canvas canvas(cache);

  // Above the frame the parent shows through.
  if (Parent()) {
    const gfx::Rect strip{0, 0, w, box.Height()};
    if (behind.HasImage())
      canvas.DrawBitmap(0, 0, *behind.Bitmap, strip.Offset(Left() + behind.X, Top() + behind.Y));
    else
      canvas.FillRect(strip, gfx::ColorToRGB(behind.FillColor));
  }
  const int y0 = captionYOffset_ < 0 ? 0 : box.Height() / 2;
  RenderBoundItem(skinData_, behind, false, true, 0, cache, {Left(), Top() + y0}, {0, y0, w, h});

  if (!Caption().empty()) {
    if (!captionSkin_.empty()) {
      const int index = model.SectionIndexOf(captionSkin_);
      RenderSkinItem(model, index, captionSkin_, MakeBackdropRef(&cache, box.Left, box.Top),
                     model.TextureIndexOf(index, captionSkin_, "PATTERN"),
                     model.TextureIndexOf(index, captionSkin_, "HOTPATTERN"), cache, {0, 0}, box,
                     Focused() ? 1 : 0, true);
    } else if (behind.HasImage()) {
      // The transparent check-box look puts the parent's image behind the
      // caption, hiding the frame line there.
      const int index = model.SectionIndexOf("CHECKBOX");
      RenderSkinItem(model, index, "CHECKBOX", behind, model.TextureIndexOf(index, "CHECKBOX", "PATTERN"),
                     model.TextureIndexOf(index, "CHECKBOX", "HOTPATTERN"), cache,
                     {Left() + box.Left, Top() + box.Top}, box, 0, true);
    } else {
      canvas.FillRect(box, gfx::ColorToRGB(behind.FillColor));
    }
    canvas.SetFont(Font());
    canvas.SetBrushStyle(gfx::BrushStyle::Clear);
    // A disabled box shows its caption in the skin's disabled text colour.
    WriteSkinText(canvas, Caption(), Enabled(), false, skinData_,
                  gfx::DT_SINGLELINE | gfx::DT_CENTER | gfx::DT_VCENTER, box);
  }
  skinData_.CacheStale = false;
}

void TsGroupBox::PaintBox(gfx::Canvas& dc) {
  if (!Skinned() || Destroying() || (!Visible() && !Designing())) return;
  skinData_.ParentUpdating = skinData_.IsUpdating();
  if (skinData_.ParentUpdating) return;
  if (skinData_.NeedsParentBackground() && Parent()) {
    const gfx::Rect pc = Parent()->ClientRect();
    skinData_.RenderNextPaint =
        !pc.Contains({Left() + 1, Top() + 1}) || !pc.Contains({Left() + Width() - 1, Top() + Height() - 1});
  } else {
    skinData_.RenderNextPaint = false;
  }
  if (!skinData_.PaintingHeld) RenderCache();
  const gfx::Rect client = ClientRectInWindow();
  CopyCacheExceptChildren(skinData_, dc, {client.Left, client.Top}, {0, 0, client.Width(), client.Height()},
                          false);
  PaintWindowlessChildren(this, dc, {0, 0});
  SendToWindowedChildren(this, SKC_PARENT_UPDATED);
}

bool TsGroupBox::HandleFirst(ui::Message& msg) {
  switch (SkinCommandOf(msg)) {
    case SKC_SKIN_LOADED:
      PassCommandToChildren(this, msg);
      if (FromOwnManager(skinData_, msg)) skinData_.HandleCommand(msg);
      return true;
    case SKC_SKIN_UNLOADED:
    case SKC_SKIN_REFRESH:
      if (FromOwnManager(skinData_, msg)) {
        skinData_.HandleCommand(msg);
        PassCommandToChildren(this, msg);
        ui::GroupBox::Invalidate();
      } else {
        PassCommandToChildren(this, msg);
      }
      return true;
    case SKC_IS_SKINNED: msg.result = 1; return true;
    case SKC_GET_BG_INFO:
      if (captionSkin_.empty() || msg.lParam == 0) return false;
      {
        auto* q = reinterpret_cast<BackdropQuery*>(msg.lParam);
        q->Kind = kBackdropImage;
        q->Bitmap = &skinData_.CacheBitmap;
        q->X = q->Y = 0;
      }
      return true;
    case SKC_GET_APPLICATION: msg.result = ApplicationAnswer(); return true;
    default: return false;
  }
}

bool TsGroupBox::HandleSkinned(ui::Message& msg) {
  switch (msg.msg) {
    case ui::SM_ALPHACMD:
      switch (SkinCommandOf(msg)) {
        case SKC_PARENT_UPDATED:
          if (skinData_.ParentUpdating) {
            skinData_.ParentUpdating = skinData_.IsUpdating();
            if (Showing() && !skinData_.ParentUpdating)
              RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_ERASE | ui::RDW_INVALIDATE | ui::RDW_UPDATENOW);
          }
          return true;
        case SKC_SET_FORCE_PARENT_BG:
          skinData_.HandleCommand(msg);
          if (skinData_.PaintingHeld) RenderCache();
          return true;
        case SKC_IS_UPDATING:
          msg.result = skinData_.CacheStale || skinData_.IsUpdating() ? 1 : 0;
          return true;
        default: return skinData_.HandleCommand(msg);
      }
    case ui::WM_MOVE:
      skinData_.CacheStale = skinData_.CacheStale || skinData_.NeedsParentBackground();
      return false;
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS: ui::GroupBox::WndProc(msg); return true;
    case ui::WM_PAINT:
    case ui::WM_PRINTCLIENT: {
      if (msg.msg == ui::WM_PRINTCLIENT) skinData_.ParentUpdating = false;
      msg.result = 0;
      std::unique_ptr<gfx::Canvas> own;
      auto* dc = reinterpret_cast<gfx::Canvas*>(msg.wParam);
      if (!dc) {
        own = BeginPaint();
        dc = own.get();
      }
      if (dc) PaintBox(*dc);
      return true;
    }
    case ui::WM_ERASEBKGND: msg.result = 1; return true;
    case ui::WM_WINDOWPOSCHANGED:
    case ui::CM_VISIBLECHANGED: skinData_.CacheStale = true; return false;
    case ui::CM_TEXTCHANGED: skinData_.Invalidate(); return true;
    default: return false;
  }
}

void TsGroupBox::WndProc(ui::Message& msg) {
  if (HandleFirst(msg)) return;
  if (!Skinned() || !ControlReady(this)) {
    if (msg.msg == ui::SM_ALPHACMD && skinData_.HandleCommand(msg)) return;
    ui::GroupBox::WndProc(msg);
    return;
  }
  if (HandleSkinned(msg)) return;
  if (!skinData_.HandleMessage(msg)) ui::GroupBox::WndProc(msg);
  if (msg.msg == ui::CM_FONTCHANGED && !Caption().empty()) skinData_.Invalidate();
}

}  // namespace skin
