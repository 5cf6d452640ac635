// The process-wide application object: the message loop on the one user
// interface thread, send and post, timers on the backend's clock (monotonic
// in the program, virtual in tests), modal loops, application-window hooks,
// mouse routing with enter/leave synthesis, keyboard focus and dialog keys,
// and the hand-off from the worker thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/Backend.h"
#include "platform/ui/Component.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Messages.h"

namespace ui {

class Control;
class WinControl;
class Form;
class Screen;
class MenuItem;
class WorkerThread;

// Sends synchronously (re-entrant) to a control: windowed or windowless.
LRESULT SendMessage(Control* target, std::uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues a message for a control (null = the application window). Posted
// messages to a control that is destroyed meanwhile are dropped.
void PostMessage(Control* target, std::uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);

class Application : public Component {
 public:
  // The backend must outlive the application. Only one application exists
  // at a time.
  explicit Application(backend::Backend& backend);
  ~Application() override;

  static Application& Instance();
  static bool Exists();

  std::string ClassName() const override { return "TApplication"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TApplication" || Component::InheritsFrom(c);
  }
  backend::Backend& Backend() { return backend_; }
  ui::Screen& Screen() { return *screen_; }

  const std::string& Title() const { return title_; }
  // Also the main form's title on the task bar.
  void SetTitle(const std::string& t);
  // The icon of every form that has none of its own.
  const Icon& GetIcon() const { return icon_; }
  void SetIcon(const Icon& icon);

  // Creates a form owned by the application with the loading protocol: the
  // setup callback assigns properties while loading is set, then Loaded runs
  // for the form and its components, then OnCreate. The first form created
  // is the main form.
  template <class F>
  F* CreateForm(const std::function<void(F&)>& setup = {}) {
    F* f = new F(this);
    FormCreated(*f, [&] {
      if (setup) setup(*f);
    });
    return f;
  }
  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form* f);

  // --- the loop ------------------------------------------------------------
  // Shows the main form and runs until it closes or Terminate is called.
  void Run();
  // Handles everything that is pending (input, posted messages, due timers,
  // painting) without waiting.
  void ProcessMessages();
  // Waits for one event, timer or posted message and handles it.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Runs the loop until `done` returns true (checked after each step).
  void RunUntil(const std::function<bool()>& done);

  // --- posting -------------------------------------------------------------
  void Post(Control* target, const Message& msg);
  // True when a message with this number waits for `target` (null = the
  // application window).
  bool MessagePending(Control* target, std::uint32_t msg) const;
  // Drops every posted message for a control (called when it is destroyed).
  void ForgetControl(Control* c);

  // --- application window hooks -------------------------------------------
  // A hook sees every message to the application window first; returning
  // true consumes it.
  using AppHook = std::function<bool(Message&)>;
  int HookMainWindow(AppHook hook);
  void UnhookMainWindow(int id);
  // Sends to the application window: hooks, then the default handling.
  LRESULT SendAppMessage(std::uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // --- time ----------------------------------------------------------------
  std::int64_t NowMs() const;
  // Starts (or restarts) a timer that sends WM_TIMER with `id` to `target`
  // (windowed or windowless) every `ms` milliseconds.
  void SetTimer(Control* target, unsigned id, unsigned ms);
  void KillTimer(Control* target, unsigned id);
  void KillTimers(Control* target);
  // Callback timers for components (Timer); returns an id (never 0).
  int StartCallbackTimer(unsigned ms, std::function<void()> fn);
  void StopCallbackTimer(int id);
  // Keeps the loop running (timers, painting, input) for `ms` milliseconds
  // of the application clock. On a virtual clock time jumps from one due
  // timer to the next, so timers fire in due order at their exact times.
  void RunFor(std::int64_t ms);
  // Blocks the thread (no messages handled) for `ms` of the application
  // clock; on a virtual clock the clock just moves on.
  void Sleep(std::int64_t ms);

  // --- threads -------------------------------------------------------------
  // Called from a worker thread: runs `fn` on the user-interface thread
  // inside the message loop and returns when it has run. From the UI thread
  // it runs at once. Returns false when the application is terminating and
  // `fn` did not run.
  bool Synchronize(const std::function<void()>& fn);
  // Runs the hand-offs that worker threads are waiting in (UI thread only),
  // so that code waiting for a worker that may be blocked in Synchronize can
  // let it go on. True when any ran.
  bool CheckSynchronize();
  // Takes a worker that cannot be joined now (its own hand-off is running)
  // and joins it once it has ended, at a quiet point of the loop or when the
  // application goes. The worker must have been told to terminate.
  void ReleaseWorker(std::unique_ptr<WorkerThread> worker);

  // --- input state -----------------------------------------------------------
  // The control that holds the mouse capture (windowed or windowless).
  Control* CaptureControl() const { return capture_; }
  void SetCaptureControl(Control* c);
  // The control under the mouse (last enter notice).
  Control* HoverControl() const { return hover_; }
  // The form that has the focus.
  Form* ActiveForm() const { return activeForm_; }
  // The control that has the keyboard focus.
  WinControl* FocusedControl() const { return focused_; }
  // The hint switch: whether controls' hints are shown (skinned buttons turn
  // it off while they are held down).
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on) { showHint_ = on; }
  // True while a mouse button is held (from the backend's modifier state).
  bool ButtonHeld(int button /* 0 left, 1 right, 2 middle */) const;
  // Modal state: forms that may take input (the innermost modal form and
  // its popups); null = every form.
  Form* ModalForm() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
  int ModalLevel() const { return static_cast<int>(modalStack_.size()); }
  // Cancels pressed states and capture (sent before modal loops and menus).
  void CancelMode();
  // Cancels capture and pressed states held inside one top-level window.
  void CancelModeFor(WinControl* topLevel);
  // Nested loops (moving, sizing, menu tracking) see raw input first; a
  // filter returning true consumes the event. The newest filter runs first.
  using InputFilter = std::function<bool(const backend::Event&)>;
  int PushInputFilter(InputFilter filter);
  void PopInputFilter(int id);
  // True when input may reach this top-level window under the current
  // modal state.
  bool InputAllowed(const WinControl* topLevel) const;
  // The toolkit window of a backend surface, or null.
  WinControl* WindowOfSurface(backend::SurfaceId id) const;
  // Every top-level window, in creation order.
  std::vector<WinControl*> TopLevels() const;
  // Deletes the form at the next quiet point of the loop (outside modal loops).
  void ReleaseForm(Form* f);
  // A control stops being reachable (hidden, reparented): it loses focus,
  // capture and hover.
  void ControlDetached(Control* c);
  int DoubleClickTime() const { return 500; }
  // Modifier keys and buttons of the last input event (backend bits).
  std::uint32_t Modifiers() const { return modifiers_; }
  // The default WM_SETCURSOR: the cursor for a hit code of `w` (in the
  // client: the cursor of the control under the pointer). Returns 1.
  LRESULT DefaultSetCursor(WinControl* w, int hit);

  // Platform facts with a test override.
  struct PlatformFacts {
    bool NtFamily = true;
    int MajorVersion = 6;
    int MinorVersion = 1;
    bool Wow64 = false;
    bool ThemesAvailable = false;
    bool IconsWithAlpha = true;
  };
  const PlatformFacts& Facts() const { return facts_; }
  void SetFacts(const PlatformFacts& f) { facts_ = f; }
  // True while the application is being terminated (threads stop handing
  // off work).
  bool Terminating() const { return terminating_; }

 private:
  friend class Form;
  friend class WinControl;
  friend class Control;
  friend class InputRouter;
  friend class TopLevelWindow;
  friend LRESULT SendMessage(Control*, std::uint32_t, WPARAM, LPARAM);
  friend class WorkerThread;
  class Impl;

  void FormCreated(Form& f, const std::function<void()>& setup);
  void HandleEvent(const backend::Event& e);
  void RouteMouse(const backend::Event& e);
  void RouteKey(const backend::Event& e);
  bool RunSyncQueue();
  // Worker threads waiting on the application clock (WorkerThread::Sleep).
  bool VirtualClock() const;
  void ArmWorkerClock(WorkerThread* w, std::int64_t due);
  void HoldWorkerClock(WorkerThread* w);
  void ReleaseWorkerClock(WorkerThread* w);
  // Wakes the workers whose deadline came; true when any.
  bool RunWorkerClocks();
  // True while a woken worker has not yet waited again: the clock stands still.
  bool WorkerClockHeld() const;
  // The deadline for the loop's wait: none while the clock is held.
  std::optional<std::int64_t> WaitDeadline(std::optional<std::int64_t> due) const;
  void ReapWorkers(bool all);
  bool RunPosts();
  bool RunTimers();
  std::optional<std::int64_t> NextTimerDue() const;
  void PushModal(Form* f);
  void PopModal(Form* f);
  void SetActiveForm(Form* f);
  void SetFocusedControl(WinControl* c);
  void ControlDestroyed(Control* c);
  void TopLevelCreated(WinControl* w);
  void TopLevelDestroyed(WinControl* w);
  bool Step(bool wait);
  void PaintAll();
  void NoteHover(Control* c);

  backend::Backend& backend_;
  std::unique_ptr<ui::Screen> screen_;
  std::unique_ptr<Impl> impl_;
  std::string title_;
  Icon icon_;
  Form* mainForm_ = nullptr;
  bool showHint_ = true;
  bool terminated_ = false;
  bool terminating_ = false;
  Control* capture_ = nullptr;
  Control* hover_ = nullptr;
  Form* activeForm_ = nullptr;
  WinControl* focused_ = nullptr;
  std::vector<Form*> modalStack_;
  PlatformFacts facts_;
  std::uint32_t modifiers_ = 0;
};

// The process-wide application (Application::Instance()).
inline Application& App() { return Application::Instance(); }

}  // namespace ui
