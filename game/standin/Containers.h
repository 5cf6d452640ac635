// Plain containers standing in for the skinned panel, status bar and group
// box until the toolkit's standard controls exist: a filled client with a
// classic edge.
#pragma once

#include <string>

#include "platform/ui/WinControl.h"

namespace game::standin {

enum class PanelBevel { None, Raised, Lowered };

// A panel: its colour, a raised outer bevel, an optional centred caption.
class Panel : public ui::WinControl {
 public:
  explicit Panel(ui::Component* owner);
  std::string ClassName() const override { return "TPanel"; }
  PanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(PanelBevel b);

 protected:
  void PaintWindow(gfx::Canvas& canvas) override;

 private:
  PanelBevel bevelOuter_ = PanelBevel::Raised;
};

// A status bar with one sunken panel of a fixed width; its text is the
// caption (the game never sets one).
class StatusBar : public ui::WinControl {
 public:
  explicit StatusBar(ui::Component* owner);
  std::string ClassName() const override { return "TStatusBar"; }
  int PanelWidth() const { return panelWidth_; }
  void SetPanelWidth(int w);

 protected:
  void PaintWindow(gfx::Canvas& canvas) override;

 private:
  int panelWidth_ = 50;
};

// A group box: an etched frame with the caption set into its top edge.
class GroupBox : public ui::WinControl {
 public:
  explicit GroupBox(ui::Component* owner);
  std::string ClassName() const override { return "TGroupBox"; }

 protected:
  void PaintWindow(gfx::Canvas& canvas) override;
};

}  // namespace game::standin
