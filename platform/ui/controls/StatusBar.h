// The status bar: a row of panels (or one simple text) along the bottom of
// its parent, with a size grip. Panel i starts at the sum of the widths of
// the panels before it; the last one reaches the bar's right edge. The bar
// accepts child controls.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/WinControl.h"

namespace ui {

enum class StatusPanelStyle { psText, psOwnerDraw };
enum class StatusPanelBevel { pbNone, pbLowered, pbRaised };

struct StatusPanel {
  int Width = 50;
  std::string Text;
  Alignment Align = Alignment::taLeftJustify;
  StatusPanelStyle Style = StatusPanelStyle::psText;
  StatusPanelBevel Bevel = StatusPanelBevel::pbLowered;
};

class StatusBar;
using DrawPanelEvent = Event<StatusBar*, StatusPanel&, const gfx::Rect&>;

class StatusBar : public WinControl {
 public:
  explicit StatusBar(Component* owner);
  ~StatusBar() override;

  std::string ClassName() const override { return "TStatusBar"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TStatusBar" || c == "TCustomStatusBar" || WinControl::InheritsFrom(c);
  }

  // --- panels -------------------------------------------------------------
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  StatusPanel& Panel(int i) { return panels_.at(static_cast<std::size_t>(i)); }
  const StatusPanel& Panel(int i) const { return panels_.at(static_cast<std::size_t>(i)); }
  StatusPanel& AddPanel(int width = 50);
  void DeletePanel(int i);
  void ClearPanels();
  // Call after changing a panel in place.
  void PanelsChanged();
  // Panel i's rectangle in client coordinates (empty outside the range).
  gfx::Rect PanelRect(int i) const;

  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool on);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& t);
  bool SizeGrip() const { return sizeGrip_; }
  // The grip is painted only while the bar's parent is a form with a
  // sizeable border.
  void SetSizeGrip(bool on);

  // Called for a panel of style psOwnerDraw with the bar, the panel and its
  // rectangle; the handler draws on DrawCanvas().
  DrawPanelEvent OnDrawPanel;
  // The canvas the OnDrawPanel handler draws on, with the bar's font; null
  // outside the handler.
  gfx::Canvas* DrawCanvas() const { return drawCanvas_; }

 protected:
  void WndProc(Message& msg) override;
  void PaintWindow(gfx::Canvas& canvas) override;
  // Draws one panel (or, with `panel` null, the simple text) into `rect`.
  virtual void DrawPanel(gfx::Canvas& canvas, StatusPanel* panel, const std::string& text,
                         const gfx::Rect& rect);
  virtual void PaintGrip(gfx::Canvas& canvas);
  // Calls OnDrawPanel with `canvas` as DrawCanvas() (its state restored
  // afterwards).
  void FireDrawPanel(gfx::Canvas& canvas, StatusPanel& panel, const gfx::Rect& rect);

 private:
  bool ParentSizeable() const;

  std::vector<StatusPanel> panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
  gfx::Canvas* drawCanvas_ = nullptr;
};

}  // namespace ui
