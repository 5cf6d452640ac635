#include "platform/backend/X11Connection.h"

#include <atomic>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace backend {

namespace {

// Xlib's error handler is one per process. Ours reports stray errors on
// stderr and goes on; inside an X11ErrorTrap it only counts them.
std::atomic<int> trapDepth{0};
std::atomic<int> trappedErrors{0};

int OnXError(Display* display, XErrorEvent* e) {
  if (trapDepth.load() > 0) {
    trappedErrors.fetch_add(1);
    return 0;
  }
  char text[256] = {};
  XGetErrorText(display, e->error_code, text, sizeof text);
  std::fprintf(stderr, "zintor2: X error: %s (request %d.%d, resource 0x%lx)\n", text, e->request_code,
               e->minor_code, e->resourceid);
  return 0;
}

}  // namespace

X11Connection::X11Connection(const std::string& name) {
  display_ = XOpenDisplay(name.c_str());
  if (!display_) throw std::runtime_error("cannot open the X display \"" + name + "\"");
  previousHandler_ = XSetErrorHandler(OnXError);
  screen_ = DefaultScreen(display_);
  root_ = RootWindow(display_, screen_);

  const std::string cm = "_NET_WM_CM_S" + std::to_string(screen_);
  struct Name {
    Atom X11Atoms::*field;
    const char* name;
  };
  const Name names[] = {
      {&X11Atoms::WmProtocols, "WM_PROTOCOLS"},
      {&X11Atoms::WmDeleteWindow, "WM_DELETE_WINDOW"},
      {&X11Atoms::WmTransientFor, "WM_TRANSIENT_FOR"},
      {&X11Atoms::WmClientMachine, "WM_CLIENT_MACHINE"},
      {&X11Atoms::WmState, "WM_STATE"},
      {&X11Atoms::NetWmName, "_NET_WM_NAME"},
      {&X11Atoms::NetWmIconName, "_NET_WM_ICON_NAME"},
      {&X11Atoms::NetWmIcon, "_NET_WM_ICON"},
      {&X11Atoms::NetWmPid, "_NET_WM_PID"},
      {&X11Atoms::NetWmPing, "_NET_WM_PING"},
      {&X11Atoms::NetWmUserTime, "_NET_WM_USER_TIME"},
      {&X11Atoms::NetWmWindowType, "_NET_WM_WINDOW_TYPE"},
      {&X11Atoms::NetWmWindowTypeNormal, "_NET_WM_WINDOW_TYPE_NORMAL"},
      {&X11Atoms::NetWmWindowTypeDialog, "_NET_WM_WINDOW_TYPE_DIALOG"},
      {&X11Atoms::NetWmWindowTypeUtility, "_NET_WM_WINDOW_TYPE_UTILITY"},
      {&X11Atoms::NetWmWindowTypePopupMenu, "_NET_WM_WINDOW_TYPE_POPUP_MENU"},
      {&X11Atoms::NetWmState, "_NET_WM_STATE"},
      {&X11Atoms::NetWmStateModal, "_NET_WM_STATE_MODAL"},
      {&X11Atoms::NetWmStateSkipTaskbar, "_NET_WM_STATE_SKIP_TASKBAR"},
      {&X11Atoms::NetWmStateSkipPager, "_NET_WM_STATE_SKIP_PAGER"},
      {&X11Atoms::NetWmStateAbove, "_NET_WM_STATE_ABOVE"},
      {&X11Atoms::NetWmStateHidden, "_NET_WM_STATE_HIDDEN"},
      {&X11Atoms::NetWmStateMaximizedVert, "_NET_WM_STATE_MAXIMIZED_VERT"},
      {&X11Atoms::NetWmStateMaximizedHorz, "_NET_WM_STATE_MAXIMIZED_HORZ"},
      {&X11Atoms::NetActiveWindow, "_NET_ACTIVE_WINDOW"},
      {&X11Atoms::NetWorkarea, "_NET_WORKAREA"},
      {&X11Atoms::NetCurrentDesktop, "_NET_CURRENT_DESKTOP"},
      {&X11Atoms::NetSupportingWmCheck, "_NET_SUPPORTING_WM_CHECK"},
      {&X11Atoms::NetWmCmS, cm.c_str()},
      {&X11Atoms::MotifWmHints, "_MOTIF_WM_HINTS"},
      {&X11Atoms::Utf8String, "UTF8_STRING"},
      {&X11Atoms::Cardinal, "CARDINAL"},
  };
  constexpr int kCount = sizeof names / sizeof names[0];
  char* strings[kCount];
  for (int i = 0; i < kCount; ++i) strings[i] = const_cast<char*>(names[i].name);
  Atom atoms[kCount];
  XInternAtoms(display_, strings, kCount, False, atoms);
  for (int i = 0; i < kCount; ++i) atoms_.*(names[i].field) = atoms[i];
}

X11Connection::~X11Connection() {
  XCloseDisplay(display_);
  XSetErrorHandler(previousHandler_);
}

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display) {
  XSync(display_, False);  // errors of earlier requests are not ours
  outer_ = trappedErrors.load();
  trapDepth.fetch_add(1);
}

X11ErrorTrap::~X11ErrorTrap() {
  XSync(display_, False);
  trapDepth.fetch_sub(1);
}

bool X11ErrorTrap::Failed() {
  XSync(display_, False);
  return trappedErrors.load() != outer_;
}

}  // namespace backend
