// The glow shown around a hovered control. The glow windows belong to the
// frame skinning; until it installs its own service the default shows no
// glow (ShowGlow answers -1, no glow).
#pragma once

#include "platform/gfx/Geometry.h"

namespace ui {
class Control;
}

namespace skin {

class TsSkinManager;

class TacControlGlowService {
 public:
  virtual ~TacControlGlowService() = default;
  // Shows the glow of section `sectionIndex` around `screenRect` (the
  // control's visible part on the screen) with `margin`; answers its id, or
  // -1 when no glow is shown.
  virtual int ShowGlow(ui::Control& /*control*/, const gfx::Rect& /*screenRect*/, int /*sectionIndex*/,
                       int /*margin*/, TsSkinManager& /*manager*/) {
    return -1;
  }
  virtual void HideGlow(int /*id*/) {}
};

TacControlGlowService& ControlGlowService();
// Installs a service (null restores the default). Not owned.
void SetControlGlowService(TacControlGlowService* service);

}  // namespace skin
