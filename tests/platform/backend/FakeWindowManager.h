// A minimal window manager for tests, on its own connection and thread. It
// owns WM_S0 (so the backend knows a window manager runs), maps windows that
// ask (an iconic initial state leaves them iconified), applies configure
// requests, iconifies on WM_CHANGE_STATE, keeps _NET_WM_STATE as clients
// ask, and records every client message sent to the root window.
#pragma once

#include "platform/backend/X11Headers.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace backend::testing {

class FakeWindowManager {
 public:
  struct Message {
    Window Target;
    Atom Type;
    long Data[5];
  };

  // Null when the display cannot be opened or another manager runs.
  static std::unique_ptr<FakeWindowManager> Start(const std::string& display);
  ~FakeWindowManager();
  FakeWindowManager(const FakeWindowManager&) = delete;
  FakeWindowManager& operator=(const FakeWindowManager&) = delete;

  std::vector<Message> Messages() const;
  // What a task-bar click does: iconify or restore a window.
  void Iconify(Window w);
  void Restore(Window w);

 private:
  explicit FakeWindowManager(Display* d);
  void Run();
  void Handle(XEvent& ev);
  void DoIconify(Window w);
  void DoRestore(Window w);
  void SetWmState(Window w, long state);
  void ChangeNetState(Window w, long action, Atom state);
  Atom A(const char* name) { return XInternAtom(display_, name, False); }

  Display* display_;
  Window selectionWindow_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<Message> messages_;
  std::vector<std::function<void()>> commands_;  // run on the manager's thread
  std::thread thread_;
};

}  // namespace backend::testing
