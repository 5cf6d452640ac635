// One numbering space for every message of the toolkit. The numbers of the
// classic desktop messages are kept (skin code compares and sends them by
// value); toolkit-private messages live in the CM_ range from 0xB000.
#pragma once

#include <cstdint>

namespace ui {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct Message {
  std::uint32_t msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  LRESULT result = 0;
};

constexpr std::uint16_t LoWord(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
constexpr std::uint16_t HiWord(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
constexpr std::intptr_t MakeLong(int lo, int hi) {
  return static_cast<std::intptr_t>(static_cast<std::uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
// Signed coordinates packed in lParam (low X, high Y).
constexpr int GetXParam(LPARAM l) { return static_cast<std::int16_t>(l & 0xFFFF); }
constexpr int GetYParam(LPARAM l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }
constexpr LPARAM PointToParam(int x, int y) { return MakeLong(x, y); }

// --- window messages -----------------------------------------------------
constexpr std::uint32_t WM_NULL = 0x0000;
constexpr std::uint32_t WM_CREATE = 0x0001;
constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_MOVE = 0x0003;      // lParam: client top-left in parent (screen for top level)
constexpr std::uint32_t WM_SIZE = 0x0005;      // wParam SIZE_*, lParam: client width/height
constexpr std::uint32_t WM_ACTIVATE = 0x0006;  // wParam WA_*, lParam: the other form
constexpr std::uint32_t WM_SETFOCUS = 0x0007;
constexpr std::uint32_t WM_KILLFOCUS = 0x0008;
constexpr std::uint32_t WM_ENABLE = 0x000A;
constexpr std::uint32_t WM_SETREDRAW = 0x000B;  // wParam 0 = lock one level, 1 = unlock one level
constexpr std::uint32_t WM_SETTEXT = 0x000C;
constexpr std::uint32_t WM_GETTEXT = 0x000D;
constexpr std::uint32_t WM_PAINT = 0x000F;  // wParam: gfx::Canvas* to paint on, or 0 for the update cycle
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUERYENDSESSION = 0x0011;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_ERASEBKGND = 0x0014;  // wParam: gfx::Canvas*; answer 1 = erased
constexpr std::uint32_t WM_SYSCOLORCHANGE = 0x0015;
constexpr std::uint32_t WM_SHOWWINDOW = 0x0018;  // wParam: shown
constexpr std::uint32_t WM_SETTINGCHANGE = 0x001A;
constexpr std::uint32_t WM_FONTCHANGE = 0x001D;
constexpr std::uint32_t WM_CANCELMODE = 0x001F;
constexpr std::uint32_t WM_SETCURSOR = 0x0020;      // lParam low: hit code, high: mouse message
constexpr std::uint32_t WM_MOUSEACTIVATE = 0x0021;  // answer MA_*
constexpr std::uint32_t WM_GETMINMAXINFO = 0x0024;  // lParam: MinMaxInfo*
// Owner drawing. wParam 0: a menu item (lParam: DrawItemStruct* /
// MeasureItemStruct*); otherwise wParam is the child control that asks its
// parent, lParam the control's own record, and the parent's default handling
// reflects the request to the child (OCM_DRAWITEM / OCM_MEASUREITEM).
constexpr std::uint32_t WM_DRAWITEM = 0x002B;
constexpr std::uint32_t WM_MEASUREITEM = 0x002C;
constexpr std::uint32_t WM_SETFONT = 0x0030;
constexpr std::uint32_t WM_WINDOWPOSCHANGING = 0x0046;  // lParam: WindowPos* (adjustable)
constexpr std::uint32_t WM_WINDOWPOSCHANGED = 0x0047;   // lParam: const WindowPos*
constexpr std::uint32_t WM_CONTEXTMENU = 0x007B;
constexpr std::uint32_t WM_STYLECHANGING = 0x007C;  // wParam GWL_*, lParam: StyleStruct*
constexpr std::uint32_t WM_STYLECHANGED = 0x007D;
constexpr std::uint32_t WM_SETICON = 0x0080;
constexpr std::uint32_t WM_NCCREATE = 0x0081;
constexpr std::uint32_t WM_NCDESTROY = 0x0082;
constexpr std::uint32_t WM_NCCALCSIZE = 0x0083;  // lParam: NcCalcSizeParams*; window rect in, client rect out
constexpr std::uint32_t WM_NCHITTEST = 0x0084;   // lParam: screen point; answer HT*
constexpr std::uint32_t WM_NCPAINT = 0x0085;     // wParam: gfx::Canvas* of the whole window, or 0
constexpr std::uint32_t WM_NCACTIVATE = 0x0086;  // wParam: active
constexpr std::uint32_t WM_GETDLGCODE = 0x0087;
constexpr std::uint32_t WM_NCMOUSEMOVE = 0x00A0;  // wParam: hit code, lParam: screen point
constexpr std::uint32_t WM_NCLBUTTONDOWN = 0x00A1;
constexpr std::uint32_t WM_NCLBUTTONUP = 0x00A2;
constexpr std::uint32_t WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr std::uint32_t WM_NCRBUTTONDOWN = 0x00A4;
constexpr std::uint32_t WM_NCRBUTTONUP = 0x00A5;
constexpr std::uint32_t WM_NCRBUTTONDBLCLK = 0x00A6;
constexpr std::uint32_t WM_NCMBUTTONDOWN = 0x00A7;
constexpr std::uint32_t WM_NCMBUTTONUP = 0x00A8;
constexpr std::uint32_t WM_NCMBUTTONDBLCLK = 0x00A9;
constexpr std::uint32_t SBM_SETSCROLLINFO = 0x00E9;  // wParam redraw, lParam: ScrollInfo*
constexpr std::uint32_t SBM_GETSCROLLINFO = 0x00EA;
constexpr std::uint32_t BM_GETCHECK = 0x00F0;
constexpr std::uint32_t BM_SETCHECK = 0x00F1;
constexpr std::uint32_t BM_GETSTATE = 0x00F2;
constexpr std::uint32_t BM_SETSTATE = 0x00F3;
constexpr std::uint32_t BM_SETSTYLE = 0x00F4;
constexpr std::uint32_t BM_CLICK = 0x00F5;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;  // wParam: virtual key, lParam bit 30: repeat
constexpr std::uint32_t WM_KEYUP = 0x0101;
constexpr std::uint32_t WM_CHAR = 0x0102;  // wParam: Unicode code point
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
constexpr std::uint32_t WM_SYSCHAR = 0x0106;
constexpr std::uint32_t WM_COMMAND = 0x0111;
constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;  // wParam: SC_* (low 4 bits reserved), lParam: screen point
constexpr std::uint32_t WM_TIMER = 0x0113;       // wParam: timer id
constexpr std::uint32_t WM_HSCROLL = 0x0114;     // wParam low: SB_* code, high: min(pos, 65535)
constexpr std::uint32_t WM_VSCROLL = 0x0115;
constexpr std::uint32_t WM_INITMENU = 0x0116;
constexpr std::uint32_t WM_INITMENUPOPUP = 0x0117;  // wParam: Menu*, lParam low: index, high: 1 = system menu
constexpr std::uint32_t WM_MENUSELECT = 0x011F;
constexpr std::uint32_t WM_MENUCHAR = 0x0120;
constexpr std::uint32_t WM_ENTERIDLE = 0x0121;
constexpr std::uint32_t WM_UPDATEUISTATE = 0x0128;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;  // wParam: MK_* keys, lParam: client point
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
constexpr std::uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr std::uint32_t WM_MOUSEWHEEL =
    0x020A;  // wParam high: signed delta (120 per notch), lParam: screen point
constexpr std::uint32_t WM_PARENTNOTIFY = 0x0210;  // wParam low: WM_CREATE / WM_DESTROY, lParam: the child
constexpr std::uint32_t WM_ENTERMENULOOP = 0x0211;
constexpr std::uint32_t WM_EXITMENULOOP = 0x0212;
constexpr std::uint32_t WM_SIZING = 0x0214;
constexpr std::uint32_t WM_CAPTURECHANGED = 0x0215;
constexpr std::uint32_t WM_MOVING = 0x0216;
constexpr std::uint32_t WM_ENTERSIZEMOVE = 0x0231;
constexpr std::uint32_t WM_EXITSIZEMOVE = 0x0232;
constexpr std::uint32_t WM_NCMOUSELEAVE = 0x02A2;
constexpr std::uint32_t WM_MOUSELEAVE = 0x02A3;
constexpr std::uint32_t WM_PRINT = 0x0317;        // wParam: gfx::Canvas*, lParam: PRF_*
constexpr std::uint32_t WM_PRINTCLIENT = 0x0318;  // wParam: gfx::Canvas*, lParam: PRF_*
constexpr std::uint32_t WM_THEMECHANGED = 0x031A;
constexpr std::uint32_t WM_USER = 0x0400;
constexpr std::uint32_t WM_APP = 0x8000;

// Control messages of the standard controls (in the WM_USER range).
constexpr std::uint32_t PBM_SETPOS = WM_USER + 2;
constexpr std::uint32_t PBM_SETMARQUEE = WM_USER + 10;
constexpr std::uint32_t SB_SETTEXT = WM_USER + 1;
constexpr std::uint32_t SB_SIMPLE = WM_USER + 9;
constexpr std::uint32_t SB_GETRECT = WM_USER + 10;

// Reflected notifications: a parent hands a child's request back to the
// child under OCM_BASE + the message. Adapters drop the key-down one.
constexpr std::uint32_t OCM_BASE = 0x2000;
constexpr std::uint32_t OCM_KEYDOWN = OCM_BASE + WM_KEYDOWN;  // 0x2100
constexpr std::uint32_t OCM_DRAWITEM = OCM_BASE + WM_DRAWITEM;
constexpr std::uint32_t OCM_MEASUREITEM = OCM_BASE + WM_MEASUREITEM;

// The skin command message (command code in wParam's high word).
constexpr std::uint32_t SM_ALPHACMD = 0xA100;

// --- toolkit messages ----------------------------------------------------
constexpr std::uint32_t CM_BASE = 0xB000;
// Sent to the application window when the application becomes active (45056).
constexpr std::uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr std::uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr std::uint32_t CM_GOTFOCUS = CM_BASE + 2;
constexpr std::uint32_t CM_LOSTFOCUS = CM_BASE + 3;
constexpr std::uint32_t CM_CANCELMODE = CM_BASE + 4;    // lParam: the control that keeps its mode
constexpr std::uint32_t CM_DIALOGKEY = CM_BASE + 5;     // wParam: virtual key; answer 1 = used
constexpr std::uint32_t CM_DIALOGCHAR = CM_BASE + 6;    // wParam: character; answer 1 = used
constexpr std::uint32_t CM_FOCUSCHANGED = CM_BASE + 7;  // lParam: the newly focused control
constexpr std::uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr std::uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr std::uint32_t CM_HITTEST = CM_BASE + 10;         // lParam: client point; answer 0 = not hit
constexpr std::uint32_t CM_VISIBLECHANGED = CM_BASE + 11;  // wParam: visible
constexpr std::uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr std::uint32_t CM_COLORCHANGED = CM_BASE + 13;
constexpr std::uint32_t CM_FONTCHANGED = CM_BASE + 14;
constexpr std::uint32_t CM_CURSORCHANGED = CM_BASE + 15;
constexpr std::uint32_t CM_TEXTCHANGED = CM_BASE + 18;
// Mouse enter/leave: lParam is the control entered (or left); the notice
// bubbles from the control to each of its parents with the same lParam.
constexpr std::uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr std::uint32_t CM_MOUSELEAVE = CM_BASE + 20;
constexpr std::uint32_t CM_MENUCHANGED = CM_BASE + 21;
constexpr std::uint32_t CM_BUTTONPRESSED = CM_BASE + 24;  // wParam: group index, lParam: the pressed control
constexpr std::uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr std::uint32_t CM_ENTER = CM_BASE + 26;
constexpr std::uint32_t CM_EXIT = CM_BASE + 27;
constexpr std::uint32_t CM_ICONCHANGED = CM_BASE + 29;
constexpr std::uint32_t CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr std::uint32_t CM_RELEASE = CM_BASE + 33;
constexpr std::uint32_t CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr std::uint32_t CM_CHANGED = CM_BASE + 37;  // a control's value changed (lParam: the control)
constexpr std::uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr std::uint32_t CM_UIACTIVATE = CM_BASE + 41;
constexpr std::uint32_t CM_CONTROLLISTCHANGE = CM_BASE + 44;  // wParam: Control*, lParam: inserted
constexpr std::uint32_t CM_CHILDKEY = CM_BASE + 46;
constexpr std::uint32_t CM_RECREATEWND = CM_BASE + 51;
constexpr std::uint32_t CM_INVALIDATE = CM_BASE + 52;
constexpr std::uint32_t CM_CONTROLCHANGE = CM_BASE + 54;
constexpr std::uint32_t CM_BORDERCHANGED = CM_BASE + 59;
constexpr std::uint32_t CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr std::uint32_t CM_ACTIONUPDATE = CM_BASE + 63;
constexpr std::uint32_t CM_MOUSEWHEEL = CM_BASE + 67;
constexpr std::uint32_t CM_ISSHORTCUT = CM_BASE + 68;
// Default-button notice: wParam 1 when the focused control takes Enter
// itself, lParam the control that receives focus.
constexpr std::uint32_t CM_FOCUSDEFAULT = CM_BASE + 70;
// A window timer of a windowless control fires (wParam: id).
constexpr std::uint32_t CM_CONTROLTIMER = CM_BASE + 71;
// Posted to a form to run a system command asynchronously (wParam: SC_*).
constexpr std::uint32_t CM_POSTEDSYSCOMMAND = CM_BASE + 72;
// Posted after a menu has closed: run the chosen item's click (lParam: MenuItem*).
constexpr std::uint32_t CM_MENUITEMCLICK = CM_BASE + 73;
// The maximised-size query (lParam: MinMaxInfo*), also reachable as WM_GETMINMAXINFO.
constexpr std::uint32_t CM_LAST = CM_BASE + 0xFF;
// Private menu messages of the skin library to the application window.
constexpr std::uint32_t CM_MENUITEMPREPARE = 48307;    // 0xBCB3
constexpr std::uint32_t CM_MENUWINDOWPREPARE = 48308;  // 0xBCB4

// --- parameters ------------------------------------------------------------
// WM_SIZE wParam
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;
// WM_ACTIVATE wParam
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM WA_CLICKACTIVE = 2;
// WM_MOUSEACTIVATE answers
constexpr LRESULT MA_ACTIVATE = 1;
constexpr LRESULT MA_ACTIVATEANDEAT = 2;
constexpr LRESULT MA_NOACTIVATE = 3;
constexpr LRESULT MA_NOACTIVATEANDEAT = 4;

// Hit-test codes.
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTGROWBOX = 4;
constexpr int HTMENU = 5;
constexpr int HTHSCROLL = 6;
constexpr int HTVSCROLL = 7;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTBORDER = 18;
constexpr int HTOBJECT = 19;
constexpr int HTCLOSE = 20;
constexpr int HTHELP = 21;
// Codes from 100 up belong to skinning (child buttons, title buttons);
// the default handling ignores them.
constexpr int HTSKINFIRST = 100;

// System commands (wParam of WM_SYSCOMMAND; the low four bits are free).
constexpr WPARAM SC_SIZE = 0xF000;
constexpr WPARAM SC_MOVE = 0xF010;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_NEXTWINDOW = 0xF040;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_VSCROLL = 0xF070;
constexpr WPARAM SC_VSCROLL_BAR = 0xF077;  // vertical scroll started by a bar press
constexpr WPARAM SC_HSCROLL = 0xF080;
constexpr WPARAM SC_MOUSEMENU = 0xF090;
constexpr WPARAM SC_KEYMENU = 0xF100;  // lParam: character (' ' = system menu)
constexpr WPARAM SC_RESTORE = 0xF120;
constexpr WPARAM SC_CONTEXTHELP = 0xF180;
constexpr WPARAM SC_DEFAULT = 0xF160;

// Scroll codes (low word of WM_HSCROLL / WM_VSCROLL wParam).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;
// Bars of the scroll-info functions.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;

// Window timer ids used by the scroll-bar adapter.
constexpr unsigned TIMER_SCROLL_HOVER = 0xFFF2;
constexpr unsigned TIMER_SCROLL_DELAY = 0xFFFD;
constexpr unsigned TIMER_SCROLL_REPEAT = 0xFFFE;

// WM_PRINT / WM_PRINTCLIENT flags.
constexpr LPARAM PRF_CHECKVISIBLE = 0x1;
constexpr LPARAM PRF_NONCLIENT = 0x2;
constexpr LPARAM PRF_CLIENT = 0x4;
constexpr LPARAM PRF_ERASEBKGND = 0x8;
constexpr LPARAM PRF_CHILDREN = 0x10;
constexpr LPARAM PRF_OWNED = 0x20;

// Mouse key state (wParam of client mouse messages).
constexpr WPARAM MK_LBUTTON = 0x1;
constexpr WPARAM MK_RBUTTON = 0x2;
constexpr WPARAM MK_SHIFT = 0x4;
constexpr WPARAM MK_CONTROL = 0x8;
constexpr WPARAM MK_MBUTTON = 0x10;
constexpr int WHEEL_DELTA = 120;

// WM_GETDLGCODE answers: which keys a control takes itself.
constexpr LRESULT DLGC_WANTARROWS = 0x1;
constexpr LRESULT DLGC_WANTTAB = 0x2;
constexpr LRESULT DLGC_WANTALLKEYS = 0x4;
constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x10;
constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x20;
constexpr LRESULT DLGC_RADIOBUTTON = 0x40;
constexpr LRESULT DLGC_WANTCHARS = 0x80;
constexpr LRESULT DLGC_BUTTON = 0x2000;

// Button check and state values.
constexpr WPARAM BST_UNCHECKED = 0;
constexpr WPARAM BST_CHECKED = 1;
constexpr WPARAM BST_PUSHED = 4;
constexpr WPARAM BST_FOCUS = 8;

// WM_PARENTNOTIFY, WM_STYLECHANGING indexes
constexpr WPARAM GWL_STYLE = static_cast<WPARAM>(-16);
constexpr WPARAM GWL_EXSTYLE = static_cast<WPARAM>(-20);

// --- message records -------------------------------------------------------
struct WindowPos;
struct MinMaxInfo;
struct NcCalcSizeParams;
struct StyleStruct {
  std::uint32_t OldStyle = 0;
  std::uint32_t NewStyle = 0;
};
struct ScrollInfo {
  unsigned Mask = 0;  // SIF_*
  int Min = 0;
  int Max = 0;
  unsigned Page = 0;
  int Pos = 0;
  int TrackPos = 0;
};
constexpr unsigned SIF_RANGE = 0x1;
constexpr unsigned SIF_PAGE = 0x2;
constexpr unsigned SIF_POS = 0x4;
constexpr unsigned SIF_DISABLENOSCROLL = 0x8;
constexpr unsigned SIF_TRACKPOS = 0x10;
constexpr unsigned SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

}  // namespace ui
