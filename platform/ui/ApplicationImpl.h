// Private state of the application object.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Threads.h"

namespace ui {

class Application::Impl {
 public:
  struct Posted {
    Control* Target = nullptr;  // null = the application window
    Message Msg;
  };
  struct TimerEntry {
    Control* Target = nullptr;
    unsigned Id = 0;
    int CallbackId = 0;
    std::function<void()> Fn;
    unsigned Interval = 0;
    std::int64_t Due = 0;
    std::uint64_t Seq = 0;
  };
  struct SyncItem {
    std::function<void()> Fn;
    std::thread::id Caller;
    bool Running = false;
    bool Done = false;
  };
  // A worker's Sleep on the application clock.
  struct WorkerClock {
    std::int64_t Due = 0;
    bool Armed = false;      // waiting for Due
    bool Held = false;       // woken and not yet waiting again
    bool InHandOff = false;  // its hand-off runs: the clock may move meanwhile
    std::thread::id Thread;
  };

  std::deque<Posted> posts;
  std::vector<TimerEntry> timers;
  std::uint64_t timerSeq = 0;
  int nextCallbackId = 1;
  std::vector<std::pair<int, AppHook>> hooks;
  int nextHookId = 1;
  std::vector<std::pair<int, InputFilter>> filters;
  int nextFilterId = 1;
  std::map<backend::SurfaceId, WinControl*> surfaces;
  std::vector<WinControl*> topLevels;
  std::vector<Form*> released;

  std::mutex syncMutex;
  std::condition_variable syncCv;
  std::deque<std::shared_ptr<SyncItem>> syncQueue;
  std::map<WorkerThread*, WorkerClock> workerClocks;  // guarded by syncMutex
  // With syncMutex held: the hand-off of `caller` begins or ends. A loop run
  // from inside it (a modal loop, RunFor) lets the clock move.
  void MarkHandOff(std::thread::id caller, bool running) {
    for (auto& [w, c] : workerClocks)
      if (c.Thread == caller) c.InHandOff = running;
  }
  std::vector<std::unique_ptr<WorkerThread>> releasedWorkers;
  std::thread::id uiThread = std::this_thread::get_id();

  // Input state.
  struct LastDown {
    Control* Target = nullptr;
    int Button = -1;
    std::int64_t Time = 0;
    gfx::Point At;
    bool Nc = false;
  } lastDown;
  WinControl* mouseWindow = nullptr;  // window that got the last mouse message
  bool mouseInNc = false;
  // While a mouse move asks for the cursor: the surface under the pointer
  // that let the mouse through to the asking window, which shows the same
  // cursor.
  backend::SurfaceId cursorAlso = backend::kNoSurface;
  bool altAlone = false;
};

}  // namespace ui
