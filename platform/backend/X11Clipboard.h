// The CLIPBOARD selection of one X connection. A hidden helper window owns
// the selection while we offer text and answers other clients' requests
// (TARGETS, TIMESTAMP, UTF8_STRING, TEXT and, when the text fits Latin-1,
// STRING); reading asks another owner for UTF8_STRING. Transfers too large
// for one request (INCR) are refused in both directions.
#pragma once

#include "platform/backend/X11Headers.h"

#include <functional>
#include <optional>
#include <string>

namespace backend {

class X11Clipboard {
 public:
  X11Clipboard(Display* display, Window root);
  ~X11Clipboard();
  X11Clipboard(const X11Clipboard&) = delete;
  X11Clipboard& operator=(const X11Clipboard&) = delete;

  // Takes the selection and offers `utf8` until another client takes it.
  void SetText(std::string utf8);
  // Our own text while we own the selection, otherwise the owner's answer,
  // waited for at most about a second. Every other event that arrives
  // meanwhile goes to `dispatch`, in order.
  std::optional<std::string> Text(const std::function<void(XEvent&)>& dispatch);
  // Answers selection requests and notes the loss of the selection; false
  // for every other event.
  bool Handle(const XEvent& ev);

 private:
  Time ServerTime();
  void Answer(const XSelectionRequestEvent& request);
  bool Provide(Window requestor, Atom property, Atom target);
  std::optional<std::string> TakeTransfer();

  Display* display_;
  Window helper_ = 0;
  Atom clipboard_, targets_, timestamp_, text_, utf8String_, incr_, transfer_, clock_;
  std::optional<std::string> offered_;  // set while we own the selection
  Time ownedSince_ = 0;
};

}  // namespace backend
