#include "platform/ui/forms/MoveSizeLoop.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/forms/FormFrame.h"
#include "platform/ui/forms/TopLevelWindow.h"

namespace ui {

void MoveSizeLoop::TrackMouse(Form& form, int edge, gfx::Point start) {
  MoveSizeLoop loop(form, edge != 0, false);
  loop.SetEdges(edge);
  loop.pointer_ = start;
  loop.Run();
}

void MoveSizeLoop::TrackKeyboard(Form& form, bool size) {
  MoveSizeLoop loop(form, size, true);
  // The pointer moves the window from wherever it is now.
  loop.pointer_ = App().Screen().CursorPos();
  loop.Run();
}

MoveSizeLoop::MoveSizeLoop(Form& form, bool size, bool keyboard)
    : form_(form), size_(size), keyboard_(keyboard), start_(form.BoundsRect()) {
  limits_ = FormFrame::DefaultMinMax(form_);
  form_.Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits_));
}

void MoveSizeLoop::Run() {
  auto& app = App();
  int filter = app.PushInputFilter([this](const backend::Event& e) { return Filter(e); });
  Cursor oldCursor = app.Screen().GetCursor();
  if (keyboard_) ShowCursor();
  form_.Perform(WM_ENTERSIZEMOVE);
  if (form_.Surface()) app.Backend().SetCapture(form_.Surface()->Surface());
  if (keyboard_) {
    // The pointer goes where a drag would take hold: the caption's centre,
    // or the window's centre until an edge is picked.
    gfx::Rect cap = form_.CaptionRect().Offset(form_.Left(), form_.Top());
    if (size_ || cap.IsEmpty()) cap = form_.BoundsRect();
    WarpPointer({cap.Left + cap.Width() / 2, cap.Top + cap.Height() / 2});
  }
  app.RunUntil([this] { return done_ || form_.Destroying() || !form_.Visible(); });
  app.PopInputFilter(filter);
  app.Backend().ReleaseCapture();
  if (keyboard_) app.Screen().SetCursor(oldCursor);
  if (!form_.Destroying()) form_.Perform(WM_EXITSIZEMOVE);
}

bool MoveSizeLoop::Filter(const backend::Event& e) {
  bool left = e.Button == backend::MouseButton::Left;
  switch (e.Type) {
    case backend::EventType::MouseMove: PointerMoved(e.Screen); return true;
    case backend::EventType::MouseDown:
      if (left) buttonDown_ = true;
      return true;
    case backend::EventType::MouseUp:
      if (!left) return true;
      if (!keyboard_) {
        PointerMoved(e.Screen);
        done_ = true;
      } else if (buttonDown_) {
        // A click accepts; waiting for the release keeps it from reaching
        // the window under the pointer.
        done_ = true;
      }
      return true;
    case backend::EventType::KeyDown:
      switch (e.Key) {
        case VK_ESCAPE:
          Restore();
          done_ = true;
          break;
        case VK_RETURN: done_ = true; break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
          if (keyboard_) ArrowKey(e.Key, (e.Modifiers & backend::kModControl) != 0);
          break;
        default: break;
      }
      return true;
    case backend::EventType::KeyUp:
    case backend::EventType::MouseWheel: return true;
    default: return false;
  }
}

void MoveSizeLoop::ArrowKey(int key, bool fine) {
  int hx = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0;
  int vy = key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0;
  if (size_) {
    // The first key of an axis picks the edge that follows on that axis.
    if (hx != 0 && !left_ && !right_) {
      (hx < 0 ? left_ : right_) = true;
      ShowCursor();
      WarpPointer(EdgePoint());
      return;
    }
    if (vy != 0 && !top_ && !bottom_) {
      (vy < 0 ? top_ : bottom_) = true;
      ShowCursor();
      WarpPointer(EdgePoint());
      return;
    }
  }
  int step = fine ? 1 : kKeyStep;
  dx_ += hx * step;
  dy_ += vy * step;
  Apply();
}

void MoveSizeLoop::PointerMoved(gfx::Point p) {
  if (pointer_ == p) return;  // also the move a warp reports
  if (pointer_) {
    // Sizing follows only on the axes that have an edge picked.
    if (!size_ || left_ || right_) dx_ += p.X - pointer_->X;
    if (!size_ || top_ || bottom_) dy_ += p.Y - pointer_->Y;
  }
  pointer_ = p;
  Apply();
}

void MoveSizeLoop::SetEdges(int edge) {
  left_ = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
  right_ = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
  top_ = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
  bottom_ = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
}

int MoveSizeLoop::Edge() const {
  if (top_) return left_ ? WMSZ_TOPLEFT : right_ ? WMSZ_TOPRIGHT : WMSZ_TOP;
  if (bottom_) return left_ ? WMSZ_BOTTOMLEFT : right_ ? WMSZ_BOTTOMRIGHT : WMSZ_BOTTOM;
  return left_ ? WMSZ_LEFT : right_ ? WMSZ_RIGHT : 0;
}

void MoveSizeLoop::Apply() {
  if (size_ && Edge() == 0) return;
  gfx::Rect r = start_;
  if (!size_) {
    r = r.Offset(dx_, dy_);
  } else {
    int minW = limits_.MinTrackSize.X, minH = limits_.MinTrackSize.Y;
    int maxW = std::max(minW, limits_.MaxTrackSize.X), maxH = std::max(minH, limits_.MaxTrackSize.Y);
    if (left_) r.Left = std::clamp(start_.Left + dx_, start_.Right - maxW, start_.Right - minW);
    if (right_) r.Right = std::clamp(start_.Right + dx_, start_.Left + minW, start_.Left + maxW);
    if (top_) r.Top = std::clamp(start_.Top + dy_, start_.Bottom - maxH, start_.Bottom - minH);
    if (bottom_) r.Bottom = std::clamp(start_.Bottom + dy_, start_.Top + minH, start_.Top + maxH);
  }
  form_.Perform(size_ ? WM_SIZING : WM_MOVING, static_cast<WPARAM>(size_ ? Edge() : 0),
                reinterpret_cast<LPARAM>(&r));
  form_.SetWindowPos(ZOrder::Window, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | (size_ ? 0 : SWP_NOSIZE));
  if (keyboard_) {
    // Keys go on from where the window really is (limits and handlers
    // may have held it back).
    gfx::Rect now = form_.BoundsRect();
    dx_ = !size_ ? now.Left - start_.Left : left_ ? now.Left - start_.Left : now.Right - start_.Right;
    dy_ = !size_ ? now.Top - start_.Top : top_ ? now.Top - start_.Top : now.Bottom - start_.Bottom;
  }
}

void MoveSizeLoop::WarpPointer(gfx::Point p) {
  // Seen as the last position first, so that the move the warp causes does
  // not count as a drag.
  pointer_ = p;
  App().Backend().SetPointerPosition(p);
}

// On the picked edges: the middle of one edge, or the corner of two.
gfx::Point MoveSizeLoop::EdgePoint() const {
  gfx::Rect r = form_.BoundsRect();
  int x = left_ ? r.Left : right_ ? r.Right - 1 : r.Left + r.Width() / 2;
  int y = top_ ? r.Top : bottom_ ? r.Bottom - 1 : r.Top + r.Height() / 2;
  return {x, y};
}

void MoveSizeLoop::Restore() {
  form_.SetWindowPos(ZOrder::Window, nullptr, start_.Left, start_.Top, start_.Width(), start_.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveSizeLoop::ShowCursor() {
  Cursor c = crSizeAll;
  switch (size_ ? Edge() : 0) {
    case WMSZ_LEFT:
    case WMSZ_RIGHT: c = crSizeWE; break;
    case WMSZ_TOP:
    case WMSZ_BOTTOM: c = crSizeNS; break;
    case WMSZ_TOPLEFT:
    case WMSZ_BOTTOMRIGHT: c = crSizeNWSE; break;
    case WMSZ_TOPRIGHT:
    case WMSZ_BOTTOMLEFT: c = crSizeNESW; break;
    default: break;
  }
  App().Screen().SetCursor(c);
}

}  // namespace ui
