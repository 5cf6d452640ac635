#include "skin/controls/sBackdrop.h"

#include "platform/ui/Control.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/SkinModel.h"

namespace skin {

namespace {

ui::LPARAM ToParam(BackdropQuery& q) { return reinterpret_cast<ui::LPARAM>(&q); }

gfx::Color DefaultColorOf(const TsSkinManager* m) {
  return m ? m->GetGlobalColor() : gfx::ColorToRGB(gfx::clBtnFace);
}

// The parent a binding passes questions to, with the owner's position in it.
ui::Control* ParentOf(const TsCommonData& b, gfx::Point& position) {
  if (b.OwnerControl) {
    position = {b.OwnerControl->Left(), b.OwnerControl->Top()};
    return b.OwnerControl->Parent();
  }
  if (b.FormHost && b.FormHost->HostForm()) {
    ui::Form* f = b.FormHost->HostForm();
    position = {f->Left(), f->Top()};
    return f->Parent();
  }
  return nullptr;
}

// Per channel rnd(t/100 * parent + (1 - t/100) * own), ties to even, in
// integers: the real-valued form misses the ties (0.3 * 255 is not 76.5 in
// binary floating point).
gfx::Color MixByPercent(gfx::Color parent, gfx::Color own, int t) {
  auto mix = [t](int p, int c) {
    const int sum = t * p + (100 - t) * c;
    int q = sum / 100;
    const int r = sum % 100;
    if (r > 50 || (r == 50 && (q & 1))) ++q;
    return q;
  };
  return gfx::RGB(mix(gfx::GetR(parent), gfx::GetR(own)), mix(gfx::GetG(parent), gfx::GetG(own)),
                  mix(gfx::GetB(parent), gfx::GetB(own)));
}

void FillQueryRect(const BackdropQuery& q) {
  if (q.PleaseDraw && q.DC) q.DC->FillRect(q.Rect, gfx::ColorToRGB(q.Color));
}

void AnswerColor(BackdropQuery& q, gfx::Color c) {
  q.Kind = kBackdropColor;
  q.Color = c;
  FillQueryRect(q);
}

}  // namespace

void AskParentBackdrop(BackdropQuery& query, ui::Control* parent, bool pleaseDraw) {
  const bool callerDraw = query.PleaseDraw;
  query.Kind = kBackdropNone;
  query.PleaseDraw = pleaseDraw;
  SendSkinCommand(parent, SKC_GET_BG_INFO, ToParam(query));
  if (query.Kind != kBackdropNone) return;
  if (callerDraw && parent && query.DC) {
    // A parent outside the skin paints itself into the asker's area.
    gfx::Canvas& dc = *query.DC;
    gfx::Canvas::StateGuard guard(dc);
    dc.MoveOrigin(-query.X, -query.Y);
    dc.IntersectClipRect(query.Rect.Offset(query.X, query.Y));
    if (!dc.ClipEmpty()) {
      ui::ControlStateScope copy(*parent, ui::csPaintCopy);
      parent->Perform(ui::WM_ERASEBKGND, reinterpret_cast<ui::WPARAM>(&dc));
      parent->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&dc));
    }
    return;
  }
  const gfx::Color c = parent ? ColorOfControl(parent) : DefaultColorOf(TsSkinManager::DefaultManager());
  AnswerColor(query, c);
}

BackdropRef ToBackdropRef(const BackdropQuery& q) {
  if (q.Kind == kBackdropImage && q.Bitmap) return MakeBackdropRef(q.Bitmap, q.X, q.Y);
  return {nullptr, q.X, q.Y, gfx::ColorToRGB(q.Color), false};
}

BackdropRef ParentBackdropOf(const TsCommonData& binding) {
  gfx::Point pos;
  ui::Control* parent = ParentOf(binding, pos);
  if (binding.IsSkinned() && parent) {
    BackdropQuery q;
    AskParentBackdrop(q, parent, false);
    return ToBackdropRef(q);
  }
  return {nullptr, 0, 0, ControlColorOf(binding, false), false};
}

BackdropRef ParentBackdropOf(ui::Control* control) {
  if (!control || !control->Parent()) return NoBackdrop;
  BackdropQuery q;
  AskParentBackdrop(q, control->Parent(), false);
  return ToBackdropRef(q);
}

gfx::Color ColorOfControl(ui::Control* c) {
  if (!c) return gfx::clFuchsia;
  if (AskSkinCommand(c, SKC_IS_SKINNED)) {
    const auto answer = static_cast<gfx::Color>(SendSkinCommand(c, SKC_GET_CONTROL_COLOR, gfx::clFuchsia));
    if (answer != gfx::clFuchsia) return gfx::ColorToRGB(answer);
  }
  return gfx::ColorToRGB(c->Color());
}

gfx::Color OwnerColorOf(const TsCommonData& b) {
  if (b.OwnerControl) return gfx::ColorToRGB(b.OwnerControl->Color());
  if (b.FormHost && b.FormHost->HostForm()) return gfx::ColorToRGB(b.FormHost->HostForm()->Color());
  return gfx::ColorToRGB(gfx::clBtnFace);
}

gfx::Color ControlColorOf(const TsCommonData& b, bool hot) {
  const TsGeneralData* sec = b.IsSkinned() ? b.Section() : nullptr;
  if (!sec || b.CustomColor()) return OwnerColorOf(b);
  const int t = hot ? sec->HotTransparency : sec->Transparency;
  const gfx::Color own = gfx::ColorToRGB(hot ? sec->HotColor : sec->Color);
  if (t <= 0) return own;
  gfx::Point pos;
  ui::Control* parent = ParentOf(b, pos);
  const gfx::Color p = parent ? ColorOfControl(parent) : OwnerColorOf(b);
  if (t >= 100) return p;
  return MixByPercent(p, own, t);
}

void AnswerBackdropQuery(TsCommonData& b, BackdropQuery& q, bool hot) {
  const TsGeneralData* sec = b.IsSkinned() ? b.Section() : nullptr;
  if (!sec || b.CustomColor()) {
    AnswerColor(q, OwnerColorOf(b));
    return;
  }
  const int t = hot ? sec->HotTransparency : sec->Transparency;
  const int g = hot ? sec->HotGradientPercent : sec->GradientPercent;
  const int i = hot ? sec->HotImagePercent : sec->ImagePercent;
  const bool withCache = b.HasCache() && !b.CacheBitmap.Empty();
  const TsSkinManager* m = b.Manager();

  if (t == 0 && g <= 0 && i < 1) {
    q.Bitmap = b.HasCache() ? &b.CacheBitmap : nullptr;
    AnswerColor(q, ControlColorOf(b, hot));
    return;
  }
  if (t == 0 && !withCache) {
    AnswerColor(q, gfx::clFuchsia);
    return;
  }
  if (t == 100) {
    const TsSkinModel& model = *b.Model();
    const bool validMask = b.MaskIndex >= 0 && b.MaskIndex < static_cast<int>(model.MaskTable.size());
    const bool smallMask =
        !validMask || (model.MaskWidthLeft(b.MaskIndex) + model.MaskWidthRight(b.MaskIndex) <= 24 &&
                       model.MaskWidthTop(b.MaskIndex) + model.MaskWidthBottom(b.MaskIndex) < 25);
    gfx::Point pos;
    ui::Control* parent = ParentOf(b, pos);
    if (smallMask) {
      if (!parent) {
        AnswerColor(q, DefaultColorOf(m));
        return;
      }
      // The parent that draws must know where this control's area lies in
      // it, so the position goes in before the question is passed on; an
      // image answer locates this control's origin, so it goes in after.
      if (q.PleaseDraw) {
        q.X += pos.X;
        q.Y += pos.Y;
        AskParentBackdrop(q, parent, true);
      } else {
        AskParentBackdrop(q, parent, false);
        if (q.Kind == kBackdropImage) {
          q.X += pos.X;
          q.Y += pos.Y;
        }
      }
      return;
    }
    if (!withCache) {
      AnswerColor(q, parent ? ColorOfControl(parent) : DefaultColorOf(m));
      return;
    }
  } else if (t > 0 && !withCache) {
    AnswerColor(q, gfx::clFuchsia);
    return;
  }
  if (t == 0) q.Color = DefaultColorOf(m);
  q.Kind = kBackdropImage;
  if (q.PleaseDraw && q.DC) {
    // X, Y is the asker's origin in this control, Rect in the asker's
    // coordinates: the same mapping as when a parent draws itself.
    const gfx::Rect src = q.Rect.Offset(q.X, q.Y);
    q.DC->DrawBitmap(q.Rect.Left, q.Rect.Top, b.CacheBitmap, src);
  } else {
    q.Bitmap = &b.CacheBitmap;
    q.X = 0;
    q.Y = 0;
  }
}

}  // namespace skin
