// The skinned status bar: its section with the panels drawn from the skin's
// status-panel mask (or separated by the skin's divider), the panel texts in
// the section's text colours, and the skin's grip image. The bar renders its
// whole look into its cache and copies it to the window; without a skin it is
// the plain status bar.
#pragma once

#include <string>

#include "platform/ui/controls/StatusBar.h"
#include "skin/controls/sCommonData.h"

namespace skin {

class TsStatusBar : public ui::StatusBar, public TsSkinnedControl {
 public:
  explicit TsStatusBar(ui::Component* owner);
  ~TsStatusBar() override;

  std::string ClassName() const override { return "TsStatusBar"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsStatusBar" || ui::StatusBar::InheritsFrom(c);
  }

  TsCommonData& SkinData() override { return skinData_; }

  // Renders the cache when it is stale or the bar's look may depend on what
  // lies behind a part of it outside the parent.
  void RenderCache();
  // Paints the bar onto `dc` (client coordinates) from its cache.
  void PaintBar(gfx::Canvas& dc);
  // Every change of panels, texts, simple mode or grip renders the cache anew.
  void Invalidate() override;

 protected:
  void Loaded() override;
  void WndProc(ui::Message& msg) override;

 private:
  bool HandleFirst(ui::Message& msg);
  bool HandleSkinned(ui::Message& msg);
  // One panel (or, with `panel` null, the simple text) into `rect` of the cache.
  void DrawBarPanel(gfx::Bitmap& cache, ui::StatusPanel* panel, const std::string& text,
                    const gfx::Rect& rect, bool lastPanel);
  void DrawDivider(gfx::Bitmap& cache, const gfx::Rect& rect);
  void DrawGrip(gfx::Bitmap& cache);
  void CopyBorderRing(gfx::Canvas& windowCanvas);
  bool Skinned() const { return skinData_.IsSkinned(true); }

  TsCommonData skinData_;
};

}  // namespace skin
