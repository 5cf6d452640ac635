// Window styles, position-change flags, redraw flags and the records that
// travel in window messages.
#pragma once

#include <cstdint>

#include "platform/gfx/Geometry.h"

namespace ui {

class WinControl;

// Window styles (GWL_STYLE).
constexpr std::uint32_t WS_OVERLAPPED = 0x00000000;
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr std::uint32_t WS_MAXIMIZE = 0x01000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;  // WS_BORDER | WS_DLGFRAME
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_DLGFRAME = 0x00400000;
constexpr std::uint32_t WS_VSCROLL = 0x00200000;
constexpr std::uint32_t WS_HSCROLL = 0x00100000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
constexpr std::uint32_t WS_GROUP = 0x00020000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;

// Extended window styles (GWL_EXSTYLE).
constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr std::uint32_t WS_EX_TRANSPARENT = 0x00000020;  // click-through
constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr std::uint32_t WS_EX_WINDOWEDGE = 0x00000100;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr std::uint32_t WS_EX_CONTEXTHELP = 0x00000400;
constexpr std::uint32_t WS_EX_LEFTSCROLLBAR = 0x00004000;
constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000;
constexpr std::uint32_t WS_EX_STATICEDGE = 0x00020000;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;
constexpr std::uint32_t WS_EX_LAYERED = 0x00080000;
constexpr std::uint32_t WS_EX_NOACTIVATE = 0x08000000;

// Button styles kept in the low word of GWL_STYLE.
constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
constexpr std::uint32_t BS_GROUPBOX = 0x7;
constexpr std::uint32_t BS_OWNERDRAW = 0xB;
constexpr std::uint32_t BS_TYPEMASK = 0xF;
constexpr std::uint32_t PBS_SMOOTH = 0x1;
constexpr std::uint32_t PBS_VERTICAL = 0x4;
constexpr std::uint32_t PBS_MARQUEE = 0x8;

// Position-change flags (WindowPos::Flags, SetWindowPos).
constexpr unsigned SWP_NOSIZE = 0x0001;
constexpr unsigned SWP_NOMOVE = 0x0002;
constexpr unsigned SWP_NOZORDER = 0x0004;
constexpr unsigned SWP_NOREDRAW = 0x0008;
constexpr unsigned SWP_NOACTIVATE = 0x0010;
constexpr unsigned SWP_FRAMECHANGED = 0x0020;
constexpr unsigned SWP_SHOWWINDOW = 0x0040;
constexpr unsigned SWP_HIDEWINDOW = 0x0080;
constexpr unsigned SWP_NOCOPYBITS = 0x0100;
constexpr unsigned SWP_NOOWNERZORDER = 0x0200;
constexpr unsigned SWP_NOSENDCHANGING = 0x0400;

// Stacking references for SetWindowPos's insertAfter (besides a window).
enum class ZOrder : int { Window = 0, Top, Bottom, Topmost, NoTopmost };

// Redraw flags.
constexpr unsigned RDW_INVALIDATE = 0x0001;
constexpr unsigned RDW_INTERNALPAINT = 0x0002;
constexpr unsigned RDW_ERASE = 0x0004;
constexpr unsigned RDW_VALIDATE = 0x0008;
constexpr unsigned RDW_NOINTERNALPAINT = 0x0010;
constexpr unsigned RDW_NOERASE = 0x0020;
constexpr unsigned RDW_NOCHILDREN = 0x0040;
constexpr unsigned RDW_ALLCHILDREN = 0x0080;
constexpr unsigned RDW_UPDATENOW = 0x0100;
constexpr unsigned RDW_ERASENOW = 0x0200;
constexpr unsigned RDW_FRAME = 0x0400;
constexpr unsigned RDW_NOFRAME = 0x0800;

// Show commands.
enum class ShowCommand { Hide, Normal, ShowNoActivate, Minimized, Maximized, Restore, Show, ShowNA };

// WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED. Coordinates are the window
// rectangle in the parent's client coordinates (screen for top-level windows).
struct WindowPos {
  WinControl* Window = nullptr;
  ZOrder InsertAfterKind = ZOrder::Window;
  WinControl* InsertAfter = nullptr;
  int X = 0;
  int Y = 0;
  int Cx = 0;
  int Cy = 0;
  unsigned Flags = 0;
};

// WM_GETMINMAXINFO: the handler may change every field. MaxPosition is the
// window's top-left when maximised (it may be negative, to push the frame off
// the work area).
struct MinMaxInfo {
  gfx::Point MaxSize;
  gfx::Point MaxPosition;
  gfx::Point MinTrackSize;
  gfx::Point MaxTrackSize;
};

// WM_NCCALCSIZE: Rect[0] holds the proposed window rectangle (parent
// coordinates); the handler replaces it with the client rectangle.
struct NcCalcSizeParams {
  gfx::Rect Rect[3];
  WindowPos* Pos = nullptr;
};

}  // namespace ui
