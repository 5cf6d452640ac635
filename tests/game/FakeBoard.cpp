#include "FakeBoard.h"

#include <stdexcept>

#include "game/Unit_StatusGame.h"

namespace game::testing {

namespace {
constexpr GameTimer kTimers[] = {GameTimer::WaitStarting, GameTimer::StartShow, GameTimer::StopShow};

void CheckTile(int tile) {
  if (tile < 1 || tile > kTileCount) throw std::out_of_range("tile number " + std::to_string(tile));
}
}  // namespace

FakeBoard::FakeBoard() { TimerRef(GameTimer::WaitStarting).interval = kWaitStartingInterval; }

void FakeBoard::SetTileImageIndex(int tile, int imageIndex) {
  CheckTile(tile);
  tiles_[static_cast<std::size_t>(tile - 1)].image = imageIndex;
  if (imageIndex == kImageLit) litLog_.push_back({now_, tile});
}

void FakeBoard::SetTileSkinSection(int tile, std::string_view section) {
  CheckTile(tile);
  tiles_[static_cast<std::size_t>(tile - 1)].section = std::string(section);
}

void FakeBoard::SetTileEnabled(int tile, bool enabled) {
  CheckTile(tile);
  tiles_[static_cast<std::size_t>(tile - 1)].enabled = enabled;
}

void FakeBoard::SetTimerEnabled(GameTimer timer, bool on) {
  TimerView& t = TimerRef(timer);
  t.on = on;
  t.due = on ? now_ + t.interval : 0;
}

void FakeBoard::SetTimerInterval(GameTimer timer, int milliseconds) {
  TimerView& t = TimerRef(timer);
  t.interval = milliseconds;
  if (t.on) t.due = now_ + milliseconds;
}

void FakeBoard::ShowResultDialog() {
  ++resultShown_;
  if (OnResultDialog) OnResultDialog();
}

bool FakeBoard::AnyTimerOn() const {
  for (const TimerView& t : timers_) {
    if (t.on) return true;
  }
  return false;
}

void FakeBoard::Fire(GameTimer t) {
  TimerView& timer = TimerRef(t);
  now_ = timer.due;
  timer.due += timer.interval;  // periodic until its handler switches it off
  switch (t) {
    case GameTimer::WaitStarting: Timer_WaitStartingTimer(*this); break;
    case GameTimer::StartShow: Timer_StartShowTimer(*this); break;
    case GameTimer::StopShow: Timer_StopShowTimer(*this); break;
  }
}

bool FakeBoard::Step() {
  const TimerView* next = nullptr;
  GameTimer which = GameTimer::WaitStarting;
  for (GameTimer t : kTimers) {
    const TimerView& v = Timer(t);
    if (v.on && v.interval > 0 && (next == nullptr || v.due < next->due)) {
      next = &v;
      which = t;
    }
  }
  if (next == nullptr) return false;
  Fire(which);
  return true;
}

void FakeBoard::Advance(std::int64_t ms) {
  const std::int64_t until = now_ + ms;
  for (;;) {
    std::int64_t nextDue = -1;
    for (const TimerView& v : timers_) {
      if (v.on && v.interval > 0 && (nextDue < 0 || v.due < nextDue)) nextDue = v.due;
    }
    if (nextDue < 0 || nextDue > until) break;
    Step();
  }
  now_ = until;
}

bool FakeBoard::RunUntil(const std::function<bool()>& done) {
  while (!done()) {
    if (!Step()) return false;
  }
  return true;
}

}  // namespace game::testing
