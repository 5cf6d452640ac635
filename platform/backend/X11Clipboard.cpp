#include "platform/backend/X11Clipboard.h"

#include <poll.h>

#include <chrono>
#include <climits>
#include <vector>

#include "platform/backend/Latin1.h"
#include "platform/backend/X11Connection.h"

namespace backend {

namespace {

// How long a read waits for another owner's answer.
constexpr std::chrono::milliseconds kReadTimeout{1000};

// Room for the request header of a ChangeProperty.
constexpr long kRequestHeaderBytes = 64;

struct PropertyOf {
  Window window;
  Atom atom;
};

Bool IsPropertyChange(Display*, XEvent* ev, XPointer arg) {
  const auto* p = reinterpret_cast<const PropertyOf*>(arg);
  return ev->type == PropertyNotify && ev->xproperty.window == p->window && ev->xproperty.atom == p->atom;
}

}  // namespace

X11Clipboard::X11Clipboard(Display* display, Window root) : display_(display) {
  const char* names[] = {"CLIPBOARD",   "TARGETS", "TIMESTAMP",         "TEXT",
                         "UTF8_STRING", "INCR",    "ZINTOR2_SELECTION", "ZINTOR2_CLOCK"};
  Atom atoms[std::size(names)];
  XInternAtoms(display_, const_cast<char**>(names), static_cast<int>(std::size(names)), False, atoms);
  clipboard_ = atoms[0];
  targets_ = atoms[1];
  timestamp_ = atoms[2];
  text_ = atoms[3];
  utf8String_ = atoms[4];
  incr_ = atoms[5];
  transfer_ = atoms[6];
  clock_ = atoms[7];

  XSetWindowAttributes a{};
  a.override_redirect = True;
  a.event_mask = PropertyChangeMask;  // for ServerTime
  helper_ = XCreateWindow(display_, root, -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent,
                          CWOverrideRedirect | CWEventMask, &a);
}

X11Clipboard::~X11Clipboard() { XDestroyWindow(display_, helper_); }

// A fresh server timestamp: the time of a PropertyNotify caused by an empty
// append to our own window. Other events stay queued.
Time X11Clipboard::ServerTime() {
  XChangeProperty(display_, helper_, clock_, XA_INTEGER, 32, PropModeAppend, nullptr, 0);
  PropertyOf match{helper_, clock_};
  XEvent ev;
  XIfEvent(display_, &ev, IsPropertyChange, reinterpret_cast<XPointer>(&match));
  return ev.xproperty.time;
}

void X11Clipboard::SetText(std::string utf8) {
  offered_ = std::move(utf8);
  ownedSince_ = ServerTime();
  XSetSelectionOwner(display_, clipboard_, helper_, ownedSince_);
  if (XGetSelectionOwner(display_, clipboard_) != helper_) offered_.reset();
}

std::optional<std::string> X11Clipboard::Text(const std::function<void(XEvent&)>& dispatch) {
  const Window owner = XGetSelectionOwner(display_, clipboard_);
  if (owner == helper_ && offered_) return offered_;
  offered_.reset();  // taken over; the SelectionClear may still be on its way
  if (owner == kXNone) return std::nullopt;

  // The request's time comes back in the answer and tells it from a late
  // answer to an earlier request.
  const Time asked = ServerTime();
  XDeleteProperty(display_, helper_, transfer_);
  XConvertSelection(display_, clipboard_, utf8String_, transfer_, helper_, asked);
  const auto deadline = std::chrono::steady_clock::now() + kReadTimeout;
  for (;;) {
    while (XPending(display_) > 0) {
      XEvent ev;
      XNextEvent(display_, &ev);
      const XSelectionEvent& n = ev.xselection;
      if (ev.type == SelectionNotify && n.requestor == helper_ && n.selection == clipboard_ &&
          n.time == asked)
        return n.property == kXNone ? std::nullopt : TakeTransfer();
      dispatch(ev);
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    pollfd fd{ConnectionNumber(display_), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left.count()));
  }
}

std::optional<std::string> X11Clipboard::TakeTransfer() {
  Atom type = kXNone;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display_, helper_, transfer_, 0, LONG_MAX / 4, True, AnyPropertyType,
                                        &type, &format, &count, &after, &data);
  std::optional<std::string> text;
  if (status == Success && format == 8 && (type == utf8String_ || type == XA_STRING)) {
    const std::string bytes(reinterpret_cast<const char*>(data), count);
    text = type == XA_STRING ? Utf8OfLatin1(bytes) : bytes;
  }
  // Anything else, INCR included, is refused; deleting the property above
  // is all an INCR owner needs to give up.
  if (data) XFree(data);
  return text;
}

bool X11Clipboard::Handle(const XEvent& ev) {
  if (ev.type == SelectionRequest && ev.xselectionrequest.owner == helper_) {
    Answer(ev.xselectionrequest);
    return true;
  }
  if (ev.type == SelectionClear && ev.xselectionclear.window == helper_) {
    // A clear older than our ownership belongs to an earlier one.
    if (ev.xselectionclear.selection == clipboard_ && ev.xselectionclear.time >= ownedSince_)
      offered_.reset();
    return true;
  }
  return false;
}

void X11Clipboard::Answer(const XSelectionRequestEvent& request) {
  // Obsolete clients name no property: the target serves as one.
  const Atom property = request.property == kXNone ? request.target : request.property;
  const bool current = request.time == CurrentTime || request.time >= ownedSince_;
  XEvent reply{};
  XSelectionEvent& n = reply.xselection;
  n.type = SelectionNotify;
  n.display = display_;
  n.requestor = request.requestor;
  n.selection = request.selection;
  n.target = request.target;
  n.time = request.time;
  n.property = kXNone;
  // The requestor may be gone by now; that is its business.
  X11ErrorTrap trap(display_);
  if (request.selection == clipboard_ && offered_ && current &&
      Provide(request.requestor, property, request.target))
    n.property = property;
  XSendEvent(display_, request.requestor, False, 0, &reply);
}

bool X11Clipboard::Provide(Window requestor, Atom property, Atom target) {
  const std::optional<std::string> latin1 = Latin1OfUtf8(*offered_);
  if (target == targets_) {
    std::vector<Atom> offered = {targets_, timestamp_, utf8String_, text_};
    if (latin1) offered.push_back(XA_STRING);
    XChangeProperty(display_, requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(offered.data()), static_cast<int>(offered.size()));
    return true;
  }
  if (target == timestamp_) {
    const long time = static_cast<long>(ownedSince_);
    XChangeProperty(display_, requestor, property, XA_INTEGER, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&time), 1);
    return true;
  }
  const std::string* bytes = nullptr;
  Atom type = kXNone;
  if (target == utf8String_ || target == text_) {
    bytes = &*offered_;
    type = utf8String_;
  } else if (target == XA_STRING && latin1) {
    bytes = &*latin1;
    type = XA_STRING;
  }
  if (!bytes) return false;
  long maxRequest = XExtendedMaxRequestSize(display_);
  if (maxRequest == 0) maxRequest = XMaxRequestSize(display_);
  // Larger texts would need an INCR transfer.
  if (static_cast<long>(bytes->size()) > maxRequest * 4 - kRequestHeaderBytes) return false;
  XChangeProperty(display_, requestor, property, type, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(bytes->data()), static_cast<int>(bytes->size()));
  return true;
}

}  // namespace backend
