// An Xlib display connection with the atoms the backend uses, and a scope
// that catches X protocol errors instead of letting Xlib end the program.
#pragma once

#include "platform/backend/X11Headers.h"

#include <memory>
#include <string>

namespace backend {

struct X11Atoms {
  Atom WmProtocols, WmDeleteWindow, WmTransientFor, WmClientMachine, WmState;
  Atom NetWmName, NetWmIconName, NetWmIcon, NetWmPid, NetWmPing, NetWmUserTime;
  Atom NetWmWindowType, NetWmWindowTypeNormal, NetWmWindowTypeDialog, NetWmWindowTypeUtility,
      NetWmWindowTypePopupMenu;
  Atom NetWmState, NetWmStateModal, NetWmStateSkipTaskbar, NetWmStateSkipPager, NetWmStateAbove,
      NetWmStateHidden, NetWmStateMaximizedVert, NetWmStateMaximizedHorz;
  Atom NetActiveWindow, NetWorkarea, NetCurrentDesktop, NetSupportingWmCheck, NetWmCmS;
  Atom MotifWmHints, Utf8String, Cardinal;
};

class X11Connection {
 public:
  // Throws std::runtime_error naming the display when it cannot be opened.
  explicit X11Connection(const std::string& name);
  ~X11Connection();
  X11Connection(const X11Connection&) = delete;
  X11Connection& operator=(const X11Connection&) = delete;

  Display* Get() const { return display_; }
  int Screen() const { return screen_; }
  Window Root() const { return root_; }
  const X11Atoms& Atoms() const { return atoms_; }

 private:
  Display* display_ = nullptr;
  int screen_ = 0;
  Window root_ = 0;
  X11Atoms atoms_{};
  XErrorHandler previousHandler_ = nullptr;
};

// While alive, X errors are recorded instead of reported. Failed() waits for
// the server to answer everything sent so far.
class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(Display* display);
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
  bool Failed();

 private:
  Display* display_;
  int outer_;
};

}  // namespace backend
