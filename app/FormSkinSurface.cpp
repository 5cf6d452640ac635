#include "app/FormSkinSurface.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/SkinModel.h"
#include "skin/render/SkinItem.h"

namespace app {

namespace {

// The client area shows the look a form has while it is active.
constexpr bool kActive = true;
constexpr int kActiveState = 1;

// The look needs an image: anything but a plain opaque colour.
bool NeedsImage(const skin::TsCommonData& b) {
  const skin::TsGeneralData* sec = b.Section();
  if (!sec) return false;
  const int t = kActive ? sec->HotTransparency : sec->Transparency;
  const int g = kActive ? sec->HotGradientPercent : sec->GradientPercent;
  const int i = kActive ? sec->HotImagePercent : sec->ImagePercent;
  return t != 0 || g > 0 || i >= 1;
}

}  // namespace

FormSkinSurface::FormSkinSurface(ui::Form& form, std::string_view section)
    : ui::Component(&form), form_(&form), binding_(this, true) {
  SetName("FormSkinSurface");
  binding_.FormHost = this;
  binding_.SetSkinSection(section);
  binding_.Resolve();
  hook_ = ui::ProcHook(form, [this](ui::Message& msg, const ui::WndMethod& next) { Handle(msg, next); });
}

FormSkinSurface::~FormSkinSurface() { hook_.Remove(); }

bool FormSkinSurface::Skinned() const { return !Destroying() && binding_.IsSkinned(true); }

void FormSkinSurface::RedrawFrame() {
  binding_.CacheStale = true;
  if (form_->HandleAllocated())
    form_->RedrawWindow(nullptr, ui::RDW_ERASE | ui::RDW_INVALIDATE | ui::RDW_ALLCHILDREN);
}

const gfx::Bitmap& FormSkinSurface::Surface() {
  gfx::Bitmap& cache = binding_.CacheBitmap;
  const gfx::Rect client = form_->ClientRect();
  const int w = std::max(client.Width(), 0), h = std::max(client.Height(), 0);
  if (cache.Width() != w || cache.Height() != h) {
    binding_.CacheStale = true;
    try {
      cache = gfx::Bitmap(w, h, gfx::PixelFormat::Bgr24);
    } catch (const std::exception&) {
      cache = gfx::Bitmap();  // painting never throws: no surface this time
      return cache;
    }
  }
  if (binding_.CacheStale && Skinned() && !cache.Empty()) {
    // The item without its border mask: the mask rings the whole window
    // frame, of which the client area only shows the centre.
    const skin::TsSkinManager* m = binding_.Manager();
    const skin::BackdropRef behind{nullptr, 0, 0, m ? m->GetGlobalColor() : gfx::ColorToRGB(gfx::clBtnFace), false};
    skin::RenderSkinItemOnTop(*binding_.Model(), binding_.SectionIndex, binding_.SkinSection(), behind,
                              binding_.TextureIndex, binding_.HotTextureIndex, gfx::clFuchsia, -1, cache,
                              {0, 0}, cache.Bounds(), kActiveState, true, false);
    binding_.CacheStale = false;
  }
  return cache;
}

void FormSkinSurface::PaintClient(gfx::Canvas& dc) {
  const gfx::Rect client = form_->ClientRect();
  if (!NeedsImage(binding_)) {
    dc.FillRect(client, skin::ControlColorOf(binding_, kActive));
    return;
  }
  const gfx::Bitmap& surface = Surface();
  if (surface.Empty()) {
    dc.FillRect(client, skin::ControlColorOf(binding_, kActive));
    return;
  }
  dc.DrawBitmap(client.Left, client.Top, surface, surface.Bounds());
}

bool FormSkinSurface::AnswerCommand(ui::Message& msg) {
  switch (skin::SkinCommandOf(msg)) {
    case skin::SKC_IS_SKINNED: msg.result = 1; return true;
    case skin::SKC_GET_CONTROL_COLOR:
      msg.result = static_cast<ui::LRESULT>(skin::ControlColorOf(binding_, kActive));
      return true;
    case skin::SKC_GET_SKIN_INDEX:
      if (msg.lParam != 0) *reinterpret_cast<std::int32_t*>(msg.lParam) = binding_.SectionIndex;
      msg.result = 1;
      return true;
    case skin::SKC_GET_BG_INFO:
      if (msg.lParam != 0) {
        if (NeedsImage(binding_)) Surface();
        skin::AnswerBackdropQuery(binding_, *reinterpret_cast<skin::BackdropQuery*>(msg.lParam), kActive);
      }
      return true;
    case skin::SKC_GET_STATE_FLAGS:
      if (msg.lParam == 1) {
        binding_.UpdatePlainBackgroundBit();
        for (ui::Control* c : std::vector<ui::Control*>(form_->Controls()))
          skin::SendSkinCommand(c, skin::SKC_GET_STATE_FLAGS, 1);
      } else {
        msg.result = binding_.StateFlags;
      }
      return true;
    default: return false;
  }
}

void FormSkinSurface::Handle(ui::Message& msg, const ui::WndMethod& next) {
  switch (msg.msg) {
    case ui::SM_ALPHACMD:
      switch (skin::SkinCommandOf(msg)) {
        case skin::SKC_SKIN_LOADED:
        case skin::SKC_SKIN_UNLOADED:
        case skin::SKC_SKIN_REFRESH:
          // The manager's news is the binding's too; the form hears it as well.
          binding_.HandleCommand(msg);
          binding_.CacheStale = true;
          break;
        default:
          if (Skinned() && AnswerCommand(msg)) return;
      }
      break;
    case ui::WM_ERASEBKGND:
      if (msg.wParam != 0 && Skinned()) {
        PaintClient(*reinterpret_cast<gfx::Canvas*>(msg.wParam));
        msg.result = 1;
        return;
      }
      break;
    case ui::WM_SIZE: binding_.CacheStale = true; break;
    default: break;
  }
  next(msg);
}

FormSkinSurface& AddFormSkinSurface(ui::Form& form, std::string_view section) {
  return *new FormSkinSurface(form, section);  // owned by the form
}

}  // namespace app
