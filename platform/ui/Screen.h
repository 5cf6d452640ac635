// The screen: size, monitors and work area, cursor position and shapes,
// top-level windows and stacking queries, system metrics and fonts.
#pragma once

#include <map>
#include <vector>

#include "platform/backend/Backend.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/ui/Control.h"

namespace ui {

class WinControl;
class Form;

// System metric indexes (the conventional numbering).
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXSMSIZE = 52;
constexpr int SM_CYSMSIZE = 53;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;

// The metric's value (the classic desktop's values; tests may override).
int GetSystemMetrics(int index);
void SetSystemMetricOverride(int index, int value);
void ResetSystemMetrics();

class Screen {
 public:
  explicit Screen(backend::Backend& backend);

  int Width() const;
  int Height() const;
  gfx::Rect WorkArea() const;
  gfx::Rect DesktopRect() const { return {0, 0, Width(), Height()}; }
  std::vector<backend::Monitor> Monitors() const;
  int Depth() const;
  // What the screen shows inside `rect`: 32 bits, opaque, black off the
  // screen.
  gfx::Bitmap CopyRect(const gfx::Rect& rect) const { return backend_.CopyScreen(rect); }

  gfx::Point CursorPos() const;
  // The screen-wide cursor override (crDefault = per window).
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor c);
  static backend::Cursor ToBackendCursor(Cursor c);

  // Top-level windows, bottom first.
  std::vector<WinControl*> TopLevelWindows() const;
  std::vector<Form*> Forms() const;
  // The topmost visible top-level window at the screen point (honouring
  // regions and click-through), or null.
  WinControl* TopLevelAt(gfx::Point screen) const;
  // The deepest visible window at the screen point.
  WinControl* WindowFromPoint(gfx::Point screen) const;
  // The visible top-level window directly above `w` in stacking order.
  WinControl* WindowAbove(const WinControl* w) const;
  Form* ActiveForm() const;
  WinControl* ActiveControl() const;

  // Fonts of the frame and menus.
  gfx::Font CaptionFont() const;
  gfx::Font SmallCaptionFont() const;
  gfx::Font MenuFont() const;
  gfx::Font IconFont() const;
  // True when a compositing manager blends windows.
  bool CompositionOn() const;

 private:
  backend::Backend& backend_;
  Cursor cursor_ = crDefault;
};

}  // namespace ui
