// The application: message loop, posting, timers, hooks, worker hand-off,
// modal state, activation and focus bookkeeping.
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationImpl.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/forms/TopLevelWindow.h"

namespace ui {

namespace {
Application* g_instance = nullptr;
}

Application::Application(backend::Backend& backend)
    : Component(nullptr),
      backend_(backend),
      screen_(std::make_unique<ui::Screen>(backend)),
      impl_(std::make_unique<Impl>()) {
  if (g_instance) throw std::logic_error("only one Application may exist");
  g_instance = this;
}

Application::~Application() {
  {
    std::lock_guard<std::mutex> lock(impl_->syncMutex);
    terminating_ = true;
  }
  impl_->syncCv.notify_all();
  for (Form* f : impl_->released) delete f;
  impl_->released.clear();
  DestroyComponents();
  ReapWorkers(true);
  g_instance = nullptr;
}

Application& Application::Instance() {
  if (!g_instance) throw std::logic_error("no Application");
  return *g_instance;
}

bool Application::Exists() { return g_instance != nullptr; }

void Application::SetIcon(const Icon& icon) {
  icon_ = icon;
  for (Form* f : Screen().Forms())
    if (f->GetIcon().Empty()) f->ApplyIcon();
}

void Application::SetTitle(const std::string& t) {
  title_ = t;
  if (mainForm_) mainForm_->ApplySurfaceTitle();
}

void Application::SetMainForm(Form* f) {
  Form* old = mainForm_;
  mainForm_ = f;
  if (old && old != f) old->ApplySurfaceTitle();
  if (f) f->ApplySurfaceTitle();
}

void Application::FormCreated(Form& f, const std::function<void()>& setup) {
  f.BeginLoading();
  setup();
  f.EndLoading();
  if (!mainForm_) mainForm_ = &f;
  f.DoCreate();
}

// --- sending and posting -------------------------------------------------------------

LRESULT SendMessage(Control* target, std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  if (!target) return Application::Exists() ? App().SendAppMessage(msg, wParam, lParam) : 0;
  return target->Perform(msg, wParam, lParam);
}

void PostMessage(Control* target, std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  App().Post(target, Message{msg, wParam, lParam, 0});
}

void Application::Post(Control* target, const Message& msg) {
  impl_->posts.push_back({target, msg});
  backend_.Wake();
}

bool Application::MessagePending(Control* target, std::uint32_t msg) const {
  for (const auto& p : impl_->posts)
    if (p.Target == target && p.Msg.msg == msg) return true;
  return false;
}

void Application::ForgetControl(Control* c) {
  auto& q = impl_->posts;
  q.erase(std::remove_if(q.begin(), q.end(), [c](const Impl::Posted& p) { return p.Target == c; }), q.end());
}

int Application::HookMainWindow(AppHook hook) {
  int id = impl_->nextHookId++;
  impl_->hooks.emplace_back(id, std::move(hook));
  return id;
}

void Application::UnhookMainWindow(int id) {
  auto& h = impl_->hooks;
  h.erase(std::remove_if(h.begin(), h.end(), [id](const auto& p) { return p.first == id; }), h.end());
}

LRESULT Application::SendAppMessage(std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  Message m{msg, wParam, lParam, 0};
  // Newest hook first; a copy so that hooks may unhook themselves.
  auto hooks = impl_->hooks;
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
    if (it->second(m)) return m.result;
  switch (msg) {
    case WM_SYSCOMMAND:
      if (mainForm_) return mainForm_->Perform(WM_SYSCOMMAND, wParam, lParam);
      break;
    case WM_CLOSE: Terminate(); break;
    default: break;
  }
  return m.result;
}

// --- timers -----------------------------------------------------------------------------

std::int64_t Application::NowMs() const { return backend_.NowMs(); }

void Application::SetTimer(Control* target, unsigned id, unsigned ms) {
  ms = std::max(1u, ms);
  for (auto& t : impl_->timers)
    if (t.Target == target && t.CallbackId == 0 && t.Id == id) {
      t.Interval = ms;
      t.Due = NowMs() + ms;
      t.Seq = ++impl_->timerSeq;
      return;
    }
  Impl::TimerEntry e;
  e.Target = target;
  e.Id = id;
  e.Interval = ms;
  e.Due = NowMs() + ms;
  e.Seq = ++impl_->timerSeq;
  impl_->timers.push_back(std::move(e));
}

void Application::KillTimer(Control* target, unsigned id) {
  auto& v = impl_->timers;
  v.erase(std::remove_if(v.begin(), v.end(),
                         [&](const Impl::TimerEntry& t) {
                           return t.Target == target && t.CallbackId == 0 && t.Id == id;
                         }),
          v.end());
}

void Application::KillTimers(Control* target) {
  auto& v = impl_->timers;
  v.erase(std::remove_if(v.begin(), v.end(),
                         [&](const Impl::TimerEntry& t) { return t.Target == target && t.CallbackId == 0; }),
          v.end());
}

int Application::StartCallbackTimer(unsigned ms, std::function<void()> fn) {
  Impl::TimerEntry e;
  e.CallbackId = impl_->nextCallbackId++;
  e.Fn = std::move(fn);
  e.Interval = std::max(1u, ms);
  e.Due = NowMs() + e.Interval;
  e.Seq = ++impl_->timerSeq;
  int id = e.CallbackId;
  impl_->timers.push_back(std::move(e));
  return id;
}

void Application::StopCallbackTimer(int id) {
  if (id == 0) return;
  auto& v = impl_->timers;
  v.erase(std::remove_if(v.begin(), v.end(), [id](const Impl::TimerEntry& t) { return t.CallbackId == id; }),
          v.end());
}

std::optional<std::int64_t> Application::NextTimerDue() const {
  std::optional<std::int64_t> d;
  for (const auto& t : impl_->timers)
    if (!d || t.Due < *d) d = t.Due;
  std::lock_guard<std::mutex> lock(impl_->syncMutex);
  for (const auto& [w, c] : impl_->workerClocks)
    if (c.Armed && (!d || c.Due < *d)) d = c.Due;
  return d;
}

bool Application::RunTimers() {
  std::int64_t now = NowMs();
  // Everything due now, in due order (then in order of arming).
  std::vector<std::pair<std::int64_t, std::uint64_t>> due;
  for (const auto& t : impl_->timers)
    if (t.Due <= now) due.emplace_back(t.Due, t.Seq);
  if (due.empty()) return false;
  std::sort(due.begin(), due.end());
  for (const auto& [when, seq] : due) {
    auto& v = impl_->timers;
    auto it =
        std::find_if(v.begin(), v.end(), [seq = seq](const Impl::TimerEntry& t) { return t.Seq == seq; });
    if (it == v.end()) continue;  // killed by an earlier handler
    it->Due += it->Interval;
    if (it->Due <= now) it->Due = now + it->Interval;  // fell behind: no bursts
    if (it->CallbackId) {
      auto fn = it->Fn;
      fn();
    } else {
      Control* target = it->Target;
      unsigned id = it->Id;
      target->Perform(WM_TIMER, id);
    }
  }
  return true;
}

void Application::RunFor(std::int64_t ms) {
  std::int64_t target = NowMs() + ms;
  for (;;) {
    ProcessMessages();
    // A woken worker's hand-off that is due by now still belongs to this run.
    if (terminated_ || (NowMs() >= target && !WorkerClockHeld())) break;
    std::int64_t deadline = target;
    if (auto d = NextTimerDue(); d && *d < deadline) deadline = *d;
    backend_.WaitEvent(WaitDeadline(deadline));
  }
  ProcessMessages();
}

void Application::Sleep(std::int64_t ms) {
  if (ms <= 0) return;
  if (auto* h = dynamic_cast<backend::HeadlessBackend*>(&backend_)) {
    h->AdvanceClock(ms);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// --- threads ------------------------------------------------------------------------------

bool Application::Synchronize(const std::function<void()>& fn) {
  if (std::this_thread::get_id() == impl_->uiThread) {
    fn();
    return true;
  }
  auto item = std::make_shared<Impl::SyncItem>();
  item->Fn = fn;
  item->Caller = std::this_thread::get_id();
  std::unique_lock<std::mutex> lock(impl_->syncMutex);
  if (terminating_) return false;
  impl_->syncQueue.push_back(item);
  backend_.Wake();
  // Once the application terminates, a call that has not begun is taken
  // back (it never runs later); one that runs is waited for.
  impl_->syncCv.wait(lock, [&] { return item->Done || (terminating_ && !item->Running); });
  if (!item->Done) {
    auto& q = impl_->syncQueue;
    q.erase(std::remove(q.begin(), q.end(), item), q.end());
  }
  return item->Done;
}

bool Application::CheckSynchronize() { return RunSyncQueue(); }

bool Application::RunSyncQueue() {
  // One call at a time, so that a nested CheckSynchronize (a destructor
  // waiting for its worker) finds the calls still waiting behind this one.
  // Only what was queued before this pass runs.
  std::size_t n;
  {
    std::lock_guard<std::mutex> lock(impl_->syncMutex);
    n = impl_->syncQueue.size();
  }
  bool did = false;
  for (; n > 0; --n) {
    std::shared_ptr<Impl::SyncItem> it;
    {
      std::lock_guard<std::mutex> lock(impl_->syncMutex);
      if (impl_->syncQueue.empty()) break;
      it = impl_->syncQueue.front();
      impl_->syncQueue.pop_front();
      it->Running = true;
      impl_->MarkHandOff(it->Caller, true);
    }
    did = true;
    it->Fn();
    {
      std::lock_guard<std::mutex> lock(impl_->syncMutex);
      it->Done = true;
      it->Running = false;
      impl_->MarkHandOff(it->Caller, false);
    }
    impl_->syncCv.notify_all();
  }
  return did;
}

void Application::ReleaseWorker(std::unique_ptr<WorkerThread> worker) {
  if (worker) impl_->releasedWorkers.push_back(std::move(worker));
}

void Application::ReapWorkers(bool all) {
  auto& v = impl_->releasedWorkers;
  if (all) {
    v.clear();  // each joins; they were told to terminate
    return;
  }
  v.erase(
      std::remove_if(v.begin(), v.end(), [](const std::unique_ptr<WorkerThread>& w) { return w->Ended(); }),
      v.end());
}

// --- worker clocks ----------------------------------------------------------------------

bool Application::VirtualClock() const {
  return dynamic_cast<backend::HeadlessBackend*>(&backend_) != nullptr;
}

void Application::ArmWorkerClock(WorkerThread* w, std::int64_t due) {
  {
    std::lock_guard<std::mutex> lock(impl_->syncMutex);
    impl_->workerClocks[w] = Impl::WorkerClock{due, true, false, false, std::this_thread::get_id()};
    w->ClearDue();
  }
  backend_.Wake();
}

void Application::HoldWorkerClock(WorkerThread* w) {
  if (!VirtualClock()) return;  // a real clock runs on by itself
  std::lock_guard<std::mutex> lock(impl_->syncMutex);
  impl_->workerClocks[w].Held = true;
}

void Application::ReleaseWorkerClock(WorkerThread* w) {
  {
    std::lock_guard<std::mutex> lock(impl_->syncMutex);
    impl_->workerClocks.erase(w);
  }
  backend_.Wake();
}

bool Application::RunWorkerClocks() {
  const std::int64_t now = NowMs();
  bool any = false;
  std::lock_guard<std::mutex> lock(impl_->syncMutex);
  for (auto& [w, c] : impl_->workerClocks) {
    if (!c.Armed || c.Due > now) continue;
    c.Armed = false;
    c.Held = true;
    w->ClockDue();
    any = true;
  }
  return any;
}

bool Application::WorkerClockHeld() const {
  std::lock_guard<std::mutex> lock(impl_->syncMutex);
  for (const auto& [w, c] : impl_->workerClocks)
    if (c.Held && !c.InHandOff) return true;
  return false;
}

std::optional<std::int64_t> Application::WaitDeadline(std::optional<std::int64_t> due) const {
  if (WorkerClockHeld()) return std::nullopt;
  return due;
}

// --- the loop --------------------------------------------------------------------------------

bool Application::RunPosts() {
  // Only what was queued before this pass; messages posted meanwhile wait
  // for the next one.
  std::size_t n = impl_->posts.size();
  bool did = false;
  while (n-- > 0 && !impl_->posts.empty()) {
    Impl::Posted p = impl_->posts.front();
    impl_->posts.pop_front();
    did = true;
    if (p.Target)
      p.Target->Perform(p.Msg.msg, p.Msg.wParam, p.Msg.lParam);
    else
      SendAppMessage(p.Msg.msg, p.Msg.wParam, p.Msg.lParam);
  }
  return did;
}

void Application::PaintAll() {
  for (WinControl* w : std::vector<WinControl*>(impl_->topLevels)) {
    if (std::find(impl_->topLevels.begin(), impl_->topLevels.end(), w) == impl_->topLevels.end()) continue;
    w->PaintTree();
    w->PresentTree();
  }
  backend_.Flush();
}

bool Application::Step(bool wait) {
  bool did = false;
  backend::Event e;
  while (backend_.PollEvent(e)) {
    HandleEvent(e);
    did = true;
  }
  did |= RunSyncQueue();
  did |= RunWorkerClocks();
  did |= RunPosts();
  did |= RunTimers();
  PaintAll();
  if (!impl_->released.empty() && ModalLevel() == 0) {
    auto rel = std::move(impl_->released);
    impl_->released.clear();
    for (Form* f : rel) delete f;
    did = true;
  }
  if (!impl_->releasedWorkers.empty()) ReapWorkers(false);
  if (!did && wait && !terminated_) backend_.WaitEvent(WaitDeadline(NextTimerDue()));
  return did;
}

void Application::ProcessMessages() {
  for (int guard = 0; guard < 100000 && Step(false); ++guard) {
  }
}

void Application::HandleMessage() { Step(true); }

void Application::Terminate() {
  terminated_ = true;
  backend_.Wake();
}

void Application::RunUntil(const std::function<bool()>& done) {
  while (!terminated_ && !done()) Step(true);
}

void Application::Run() {
  if (mainForm_ && !mainForm_->Visible()) mainForm_->ShowForm();
  while (!terminated_) {
    Step(true);
    if (!mainForm_) break;
  }
}

void Application::HandleEvent(const backend::Event& e) {
  modifiers_ = e.Modifiers;
  auto filters = impl_->filters;
  for (auto it = filters.rbegin(); it != filters.rend(); ++it)
    if (it->second(e)) return;
  switch (e.Type) {
    case backend::EventType::MouseMove:
    case backend::EventType::MouseDown:
    case backend::EventType::MouseUp:
    case backend::EventType::MouseWheel:
    case backend::EventType::MouseLeave: RouteMouse(e); break;
    case backend::EventType::KeyDown:
    case backend::EventType::KeyUp: RouteKey(e); break;
    case backend::EventType::FocusIn:
      if (auto* f = dynamic_cast<Form*>(WindowOfSurface(e.Surface))) {
        if (!InputAllowed(f)) {
          // A window blocked by a modal form hands the focus back to it.
          if (Form* m = ModalForm(); m && m->Visible()) m->Activate();
        } else if (!(f->ExStyle() & WS_EX_NOACTIVATE)) {
          SetActiveForm(f);
        }
      }
      break;
    case backend::EventType::FocusOut:
      if (activeForm_ && activeForm_->Surface() && activeForm_->Surface()->Surface() == e.Surface &&
          backend_.FocusedSurface() == backend::kNoSurface)
        SetActiveForm(nullptr);
      break;
    case backend::EventType::CloseRequest:
      if (auto* w = WindowOfSurface(e.Surface)) {
        if (InputAllowed(w)) w->Perform(WM_SYSCOMMAND, SC_CLOSE);
      }
      break;
    case backend::EventType::Configure:
      if (auto* w = WindowOfSurface(e.Surface)) {
        if (w->BoundsRect() != e.Rect)
          w->SetWindowPos(ZOrder::Window, nullptr, e.Rect.Left, e.Rect.Top, e.Rect.Width(), e.Rect.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    case backend::EventType::WindowStateChanged:
      // Minimised or restored by the window manager (a task bar, say).
      if (auto* f = dynamic_cast<Form*>(WindowOfSurface(e.Surface))) f->WindowManagerMinimized(e.Minimized);
      break;
    case backend::EventType::Expose: break;
  }
}

int Application::PushInputFilter(InputFilter filter) {
  int id = impl_->nextFilterId++;
  impl_->filters.emplace_back(id, std::move(filter));
  return id;
}

void Application::PopInputFilter(int id) {
  auto& f = impl_->filters;
  f.erase(std::remove_if(f.begin(), f.end(), [id](const auto& p) { return p.first == id; }), f.end());
}

// --- windows, modal state, activation, focus ---------------------------------------------------

void Application::TopLevelCreated(WinControl* w) {
  impl_->topLevels.push_back(w);
  if (auto* t = w->Surface()) impl_->surfaces[t->Surface()] = w;
}

void Application::TopLevelDestroyed(WinControl* w) {
  auto& v = impl_->topLevels;
  v.erase(std::remove(v.begin(), v.end(), w), v.end());
  for (auto it = impl_->surfaces.begin(); it != impl_->surfaces.end();)
    it = it->second == w ? impl_->surfaces.erase(it) : std::next(it);
  ControlDetached(w);
  if (activeForm_ == w) activeForm_ = nullptr;
}

WinControl* Application::WindowOfSurface(backend::SurfaceId id) const {
  auto it = impl_->surfaces.find(id);
  return it == impl_->surfaces.end() ? nullptr : it->second;
}

std::vector<WinControl*> Application::TopLevels() const { return impl_->topLevels; }

bool Application::InputAllowed(const WinControl* top) const {
  if (modalStack_.empty() || !top) return true;
  Form* m = modalStack_.back();
  if (top == m) return true;
  if (auto* f = dynamic_cast<const Form*>(top); f && f->IsMenuWindow()) return true;
  // Windows that belong to the modal form (its auxiliary windows).
  for (const Component* c = top->Owner(); c; c = c->Owner())
    if (c == m) return true;
  return false;
}

void Application::PushModal(Form* f) { modalStack_.push_back(f); }

void Application::PopModal(Form* f) {
  auto it = std::find(modalStack_.begin(), modalStack_.end(), f);
  if (it != modalStack_.end()) modalStack_.erase(it);
}

void Application::SetActiveForm(Form* f) {
  if (f == activeForm_) return;
  Form* old = activeForm_;
  activeForm_ = f;
  if (old) old->SetActiveFlag(false, f);
  if (f) f->SetActiveFlag(true, old);
  if (!old && f) SendAppMessage(CM_ACTIVATE);
  if (old && !f) SendAppMessage(CM_DEACTIVATE);
}

void Application::SetFocusedControl(WinControl* c) {
  if (c == focused_) return;
  WinControl* old = focused_;
  focused_ = c;
  if (old) old->Perform(WM_KILLFOCUS, reinterpret_cast<WPARAM>(c));
  if (c && focused_ == c) c->Perform(WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
}

void Application::CancelMode() {
  Control* c = capture_;
  if (c) {
    SetCaptureControl(nullptr);
    c->Perform(WM_CANCELMODE);
    c->Perform(CM_CANCELMODE, 0, 0);
    c->SetControlState(c->ControlState() & ~(csClicked | csLButtonDown));
  }
  impl_->lastDown = {};
}

void Application::CancelModeFor(WinControl* top) {
  if (!capture_) return;
  for (Control* x = capture_; x; x = x->Parent())
    if (x == top) {
      CancelMode();
      return;
    }
}

void Application::SetCaptureControl(Control* c) {
  if (c == capture_) return;
  Control* old = capture_;
  capture_ = c;
  if (old) old->Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(c));
  if (c) {
    WinControl* w = c->WindowOwner();
    if (w && w->Surface()) backend_.SetCapture(w->Surface()->Surface());
  } else {
    backend_.ReleaseCapture();
  }
}

void Application::ControlDetached(Control* c) {
  auto within = [c](const Control* x) {
    for (; x; x = x->Parent())
      if (x == c) return true;
    return false;
  };
  if (capture_ && within(capture_)) {
    capture_ = nullptr;
    backend_.ReleaseCapture();
  }
  if (hover_ && within(hover_)) hover_ = nullptr;
  if (focused_ && within(focused_)) focused_ = nullptr;
  if (impl_->lastDown.Target && within(impl_->lastDown.Target)) impl_->lastDown = {};
  if (impl_->mouseWindow && within(impl_->mouseWindow)) impl_->mouseWindow = nullptr;
  for (Form* f : Screen().Forms())
    if (f->activeControl_ && within(f->activeControl_)) f->activeControl_ = nullptr;
}

void Application::ControlDestroyed(Control* c) {
  ControlDetached(c);
  ForgetControl(c);
  KillTimers(c);
  if (activeForm_ == c) activeForm_ = nullptr;
  if (mainForm_ == c) mainForm_ = nullptr;
  modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), c), modalStack_.end());
  auto& rel = impl_->released;
  rel.erase(std::remove(rel.begin(), rel.end(), c), rel.end());
}

void Application::ReleaseForm(Form* f) {
  if (std::find(impl_->released.begin(), impl_->released.end(), f) == impl_->released.end())
    impl_->released.push_back(f);
  backend_.Wake();
}

bool Application::ButtonHeld(int button) const {
  std::uint32_t bit = button == 0   ? backend::kModLeftButton
                      : button == 1 ? backend::kModRightButton
                                    : backend::kModMiddleButton;
  return (modifiers_ & bit) != 0;
}

}  // namespace ui
