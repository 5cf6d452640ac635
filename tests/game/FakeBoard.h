// A main window for the game's tests: six tiles, three timers on a virtual
// millisecond clock, and a result dialog whose "user" is a callback.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/GameBoard.h"

namespace game::testing {

struct TileView {
  int image = kImageDark;
  std::string section = std::string(kSectionShow);
  bool enabled = false;
  friend bool operator==(const TileView&, const TileView&) = default;
};

struct TimerView {
  bool on = false;
  int interval = 0;
  std::int64_t due = 0;  // next firing time while on
  friend bool operator==(const TimerView&, const TimerView&) = default;
};

// A tile lit by the show, and when.
struct LitEvent {
  std::int64_t time;
  int tile;
};

class FakeBoard : public GameBoard {
 public:
  // The board as the main window leaves it after creation: tiles dark,
  // look 1, disabled; the wait timer at 1000 ms, everything off.
  FakeBoard();

  void SetTileImageIndex(int tile, int imageIndex) override;
  void SetTileSkinSection(int tile, std::string_view section) override;
  void SetTileEnabled(int tile, bool enabled) override;
  void SetTimerEnabled(GameTimer timer, bool on) override;
  void SetTimerInterval(GameTimer timer, int milliseconds) override;
  void ShowResultDialog() override;

  std::int64_t Now() const { return now_; }
  const TileView& Tile(int tile) const { return tiles_.at(static_cast<std::size_t>(tile - 1)); }
  const std::array<TileView, kTileCount>& Tiles() const { return tiles_; }
  const TimerView& Timer(GameTimer t) const { return timers_.at(static_cast<std::size_t>(t)); }
  const std::array<TimerView, 3>& Timers() const { return timers_; }
  bool AnyTimerOn() const;

  // Fires the earliest due timer, moving the clock to it. False when no timer runs.
  bool Step();
  // Moves the clock forward by `ms`, firing every timer that falls due up to
  // and including the new time.
  void Advance(std::int64_t ms);
  // Steps until `done` holds or no timer runs; false if it never held.
  bool RunUntil(const std::function<bool()>& done);

  // Tiles lit by the show, in order, since the last ClearLitLog.
  const std::vector<LitEvent>& LitLog() const { return litLog_; }
  void ClearLitLog() { litLog_.clear(); }

  int ResultShownCount() const { return resultShown_; }
  // Called while the modal result dialog is "open".
  std::function<void()> OnResultDialog;

 private:
  TimerView& TimerRef(GameTimer t) { return timers_.at(static_cast<std::size_t>(t)); }
  void Fire(GameTimer t);

  std::int64_t now_ = 0;
  std::array<TileView, kTileCount> tiles_{};
  std::array<TimerView, 3> timers_{};
  std::vector<LitEvent> litLog_;
  int resultShown_ = 0;
};

}  // namespace game::testing
