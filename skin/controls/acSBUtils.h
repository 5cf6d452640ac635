// Window adapters. TacMainWnd takes over an existing window's messages (it
// keeps the procedure it replaced and passes on what it does not consume);
// TacScrollWnd replaces the window's plain scroll bars with skinned ones,
// reserving their room in the non-client area, painting, hit-testing and
// tracking them and driving the window with ordinary scroll messages;
// TacBaseWnd adds the handling every adapted control shares.
//
// Adapters are made, then Attach()ed (so the colour hooks of derived classes
// run) and freed through Dispose(), which waits until the adapter's own
// message handling has unwound when it is freed from inside it.
#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ProcChain.h"
#include "skin/controls/acSBBar.h"
#include "skin/controls/acSBGeometry.h"
#include "skin/controls/acSBImageCache.h"

namespace ui {
class WinControl;
}

namespace skin {

class TsCommonData;
class TsSkinManager;

// The window property that finds the adapter of a window.
inline constexpr const char* kAdapterProp = "acAdapter";

class TacMainWnd {
 public:
  // `binding` may be null: the adapter then makes its own (with a cache).
  TacMainWnd(ui::WinControl& window, const std::string& section, TsSkinManager* manager, TsCommonData* binding);
  virtual ~TacMainWnd();
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;

  // Keeps the colours and takes over the window.
  virtual void Attach(bool hookFlag);
  // Gives the window back (once): its procedure, property and colours.
  void UnhookWindow();
  // Frees an adapter; from inside its own message handling the free waits
  // until that handling has returned (the window is given back at once).
  static void Dispose(std::unique_ptr<TacMainWnd> adapter);
  // The adapter of a window, or null.
  static TacMainWnd* Of(const ui::WinControl& window);

  virtual void SaveColors() {}
  virtual void RestoreColors() {}
  virtual void ApplyColors() { ColorsApplied = true; }
  virtual void HandleMessage(ui::Message& msg) { PassOn(msg); }
  // Hands the message to the procedure the adapter replaced.
  void PassOn(ui::Message& msg);

  bool DialogMode = false;
  std::string WindowText;
  gfx::Rect WindowRect;  // screen
  gfx::Size WindowSize;
  gfx::Point WindowOrigin;  // in the parent's client area
  gfx::Rect ParentRect;     // screen
  ui::WinControl* ParentWindow = nullptr;
  ui::WinControl* Window = nullptr;
  TsSkinManager* Manager = nullptr;
  TsCommonData* Binding = nullptr;
  bool SendingScroll = false;
  bool ColorsApplied = false;
  gfx::Color SavedColor = 0;
  gfx::Color SavedFontColor = 0;
  bool Unhooked = false;
  bool OwnsBinding = false;

 protected:
  void HookWindow();
  // Called by UnhookWindow between giving back the procedure and Unhooked.
  virtual void Unhooking() {}
  // The binding is skinned (without the active check).
  bool Skinned() const;
  // A skin command sent by the binding's manager (commands 1 to 3).
  bool FromOwnManager(const ui::Message& msg) const;

 private:
  void Dispatch(ui::Message& msg, const ui::WndMethod& next);

  std::unique_ptr<TsCommonData> ownBinding_;
  ui::ProcHook hook_;
  const ui::WndMethod* next_ = nullptr;  // the rest of the chain while dispatching
  int depth_ = 0;
  bool disposeWhenIdle_ = false;
};

class TacScrollWnd : public TacMainWnd {
 public:
  TacScrollWnd(ui::WinControl& window, const std::string& section, TsSkinManager* manager, TsCommonData* binding);
  ~TacScrollWnd() override;

  void Attach(bool hookFlag) override;
  void HandleMessage(ui::Message& msg) override;

  // Re-reads the bars' scroll information and, with `repaint`, paints them.
  void RefreshBars(bool repaint);
  // Paints both bars (and the corner) on `dc` (whole-window coordinates) or
  // on the window's surface; `thumbStart` other than -1 places the thumb.
  void PaintBars(gfx::Canvas* dc, int thumbStart = -1);
  // Paints one bar at `r` (window coordinates) with zone `pressed` pressed.
  void PaintScrollBar(TacScrollBar& bar, gfx::Canvas& dc, int thumbStart, int pressed, const gfx::Rect& r);
  // Sends a scroll message the way a plain bar does.
  void SendScroll(std::uint32_t message, int code, int position);

  // The bars' rectangles in window coordinates (empty when not shown).
  BarRects BarsInWindow() const;
  // The bar of a kind, and whether it is enabled.
  TacScrollBar& BarOf(int kind) { return kind == ui::SB_VERT ? VertBar : HorzBar; }
  bool BarEnabled(const TacScrollBar& bar) const;

  TacScrollBar HorzBar;
  TacScrollBar VertBar;
  bool ThumbTracking = false;
  bool LeftScrollBar = false;
  int EdgeLeft = 0, EdgeRight = 0, EdgeTop = 0, EdgeBottom = 0;
  bool StyleGuard = false;

 protected:
  void Unhooking() override;
  // The message table of the skinned window; true when consumed.
  bool HandleSkinCommand(ui::Message& msg);
  void NcCalcSize(ui::Message& msg);
  int NcHitTest(gfx::Point screen);
  bool AtTopLevelCorner() const;
  void PaintCorner(gfx::Canvas& dc, const gfx::Rect& corner);

  // Tracking (acSBTrack.cpp).
  void Hover(int hitCode);
  void HoverTick();
  void EndHover();
  void Press(int hitCode, gfx::Point screen);
  void PressMove(gfx::Point screen);
  void RepeatTick();
  void Release();
  void CancelPress();
  void DragThumb(gfx::Point screen);
  bool Pressing() const;
  gfx::Rect BarOnScreen(int kind) const;
  void RepaintBar(int kind, int pressed);
  // Paints a bar; `dragged` draws the drag image (thumb pressed at
  // `thumbStart`, every other part normal) even while the thumb is tracked.
  void DrawBar(TacScrollBar& bar, gfx::Canvas& dc, int thumbStart, int pressed, const gfx::Rect& r, bool dragged);

 private:
  bool releasing_ = false;  // the capture change of the adapter's own release
  BarImageCache images_[2];  // by BarKind
};

class TacBaseWnd : public TacScrollWnd {
 public:
  using TacScrollWnd::TacScrollWnd;
  void HandleMessage(ui::Message& msg) override;

 protected:
  // A non-client repaint of the window.
  void RedrawFrame();
};

}  // namespace skin
