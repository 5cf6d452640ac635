// The skinned panel: a container that paints its section from the skin and
// supplies the background its skinned children ask for. It paints either
// from a cache of its own (cache mode: the look needs an image) or straight
// onto its window (direct mode: a plain colour, or the parent's image shown
// through). Without a skin it is the plain panel.
#pragma once

#include <string>

#include "platform/ui/controls/Panel.h"
#include "skin/controls/sCommonData.h"

namespace skin {

class TsPanel : public ui::Panel, public TsSkinnedControl {
 public:
  explicit TsPanel(ui::Component* owner);
  ~TsPanel() override;

  std::string ClassName() const override { return "TsPanel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsPanel" || ui::Panel::InheritsFrom(c);
  }

  TsCommonData& SkinData() override { return skinData_; }

  // Cache mode: the binding needs an image of its own and the panel keeps
  // no custom colour, or a form animation is running. Decided at each paint.
  bool CacheMode() const;
  // Paints the panel onto `dc` (client coordinates); with `notify` the
  // windowed children hear that the parent's update ended.
  virtual void PaintPanel(gfx::Canvas& dc, bool notify);
  // Renders the whole look into the cache (cache mode only).
  void RenderCache();

 protected:
  void Loaded() override;
  void WndProc(ui::Message& msg) override;
  // The skinned caption (skin text colours) in `rect`; plain without skin.
  void PaintCaption(gfx::Canvas& canvas, const gfx::Rect& rect) override;

 private:
  bool HandleFirst(ui::Message& msg);
  bool HandleSkinned(ui::Message& msg);
  void PaintMessage(ui::Message& msg);
  void EraseMessage(ui::Message& msg);
  void PrintMessage(ui::Message& msg);
  void AnswerChildBackdrop(ui::Message& msg);
  void PaintDirect(gfx::Canvas& dc);
  // The area inside the bevels and the border width (client coordinates).
  gfx::Rect SkinCaptionArea() const;
  void PaintCaptionAndEvent(gfx::Canvas& canvas);
  bool Skinned() const { return skinData_.IsSkinned(true); }

  TsCommonData skinData_;
};

}  // namespace skin
