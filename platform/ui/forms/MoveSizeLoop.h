// The modal loop that moves or sizes a form interactively.
//
// With the mouse (a press on the caption or a border) the window follows the
// pointer until the button is released. With the keyboard (Move or Size from
// the system menu) each arrow key moves the window, or the edge it picked
// first, by a step (1 px with Ctrl); the pointer is put on the caption's
// centre (on the window's centre, then on the picked edge, when sizing) and
// moves and sizes too, Enter or a click accepts and Esc puts the window back
// where it was. Either way the
// form gets WM_ENTERSIZEMOVE, WM_MOVING or WM_SIZING (whose rectangle a
// handler may change), the position-changing/changed, move and size
// messages of each step, and WM_EXITSIZEMOVE. Other windows keep painting
// and timers keep running meanwhile.
#pragma once

#include <optional>

#include "platform/backend/Event.h"
#include "platform/ui/forms/Form.h"

namespace ui {

// Edge codes of WM_SIZING (and the low bits of SC_SIZE from a border press).
constexpr int WMSZ_LEFT = 1;
constexpr int WMSZ_RIGHT = 2;
constexpr int WMSZ_TOP = 3;
constexpr int WMSZ_TOPLEFT = 4;
constexpr int WMSZ_TOPRIGHT = 5;
constexpr int WMSZ_BOTTOM = 6;
constexpr int WMSZ_BOTTOMLEFT = 7;
constexpr int WMSZ_BOTTOMRIGHT = 8;

class MoveSizeLoop {
 public:
  // Pixels per arrow key press in the keyboard loop (1 with Ctrl).
  static constexpr int kKeyStep = 8;

  // Follows the mouse from the press at `start`; `edge` is 0 for moving,
  // else a WMSZ_* code.
  static void TrackMouse(Form& form, int edge, gfx::Point start);
  // The keyboard loop: moving, or sizing with the edge picked by the first
  // arrow key.
  static void TrackKeyboard(Form& form, bool size);

 private:
  MoveSizeLoop(Form& form, bool size, bool keyboard);
  void Run();
  bool Filter(const backend::Event& e);
  void ArrowKey(int key, bool fine);
  void PointerMoved(gfx::Point p);
  void SetEdges(int edge);
  int Edge() const;
  void Apply();
  void Restore();
  void ShowCursor();
  // Puts the pointer at `p` without moving the window.
  void WarpPointer(gfx::Point p);
  gfx::Point EdgePoint() const;

  Form& form_;
  bool size_;
  bool keyboard_;
  gfx::Rect start_;
  MinMaxInfo limits_;
  // Edges that follow when sizing.
  bool left_ = false, right_ = false, top_ = false, bottom_ = false;
  // How far the pointer (real or moved by keys) has gone since the start.
  int dx_ = 0, dy_ = 0;
  std::optional<gfx::Point> pointer_;  // last pointer position seen
  bool buttonDown_ = false;
  bool done_ = false;
};

}  // namespace ui
