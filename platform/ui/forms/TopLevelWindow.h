// The display side of a top-level window: its backend surface and the
// retained back buffer of the whole window that every window of the tree
// draws into. Changed pixels are collected and presented in one go.
#pragma once

#include <cstdint>

#include "platform/backend/Backend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"

namespace ui {

class WinControl;

class TopLevelWindow {
 public:
  TopLevelWindow(backend::Backend& backend, const backend::SurfaceOptions& options);
  ~TopLevelWindow();
  TopLevelWindow(const TopLevelWindow&) = delete;
  TopLevelWindow& operator=(const TopLevelWindow&) = delete;

  backend::SurfaceId Surface() const { return surface_; }
  gfx::Bitmap& Buffer() { return buffer_; }
  const gfx::Bitmap& Buffer() const { return buffer_; }

  // New window bounds (screen); the buffer keeps the pixels that still fit.
  void SetBounds(const gfx::Rect& screen);
  // Marks buffer pixels as changed (window coordinates).
  void AddDirty(const gfx::Rect& r);
  // Sends the changed pixels to the display (not while layered).
  void Present();
  bool Shown() const { return shown_; }
  // Shows the window, minimised when it is.
  void Show(bool activate);
  void Hide();
  // Minimising keeps the window shown (iconified); restoring a shown window
  // brings it back on screen. A hidden window only keeps the state.
  bool Minimized() const { return minimized_; }
  void Minimize();
  void Restore(bool activate);
  // The window manager changed the state itself.
  void NoteMinimized(bool on) { minimized_ = on; }

  // Layered content: the last picture given, kept for reading back.
  bool HasLayeredPicture() const { return layered_; }
  void UpdateLayered(const gfx::Bitmap& picture, gfx::Point position, gfx::Size size, std::uint8_t alpha);
  // Leaves layered mode (presenting the buffer again).
  void ClearLayered();
  void SetShape(const gfx::Region* shape);

 private:
  backend::Backend& backend_;
  backend::SurfaceId surface_ = backend::kNoSurface;
  gfx::Bitmap buffer_;
  gfx::Rect dirty_;
  bool shown_ = false;
  bool minimized_ = false;
  bool layered_ = false;
};

}  // namespace ui
