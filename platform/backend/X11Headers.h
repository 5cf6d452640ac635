// Every Xlib header the X11 backend uses, included in one place. Xlib
// defines short macros (None, FocusIn, Expose, Above, ...) that clash with
// ordinary C++ names; they are kept here as constants and undefined.
#pragma once

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/shape.h>
#include <X11/keysym.h>

namespace backend {
inline constexpr long kXNone = None;
inline constexpr int kXFocusIn = FocusIn;
inline constexpr int kXFocusOut = FocusOut;
inline constexpr int kXExpose = Expose;
inline constexpr int kXAbove = Above;
inline constexpr int kXBelow = Below;
}  // namespace backend

#undef None
#undef FocusIn
#undef FocusOut
#undef Expose
#undef Above
#undef Below
