// A scripted user on the application's clock: steps that run one after the
// other from a 10 ms ticker, each when its condition holds (and at least one
// tick after the step before, so the screen has been painted meanwhile).
// The ticker runs inside modal loops and menu tracking too, so a script can
// drive dialogs and menus like a user does.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Application.h"

namespace app {

class Script {
 public:
  struct Step {
    std::string What;
    std::function<bool()> Ready;  // null: ready at once
    std::function<void()> Act;
  };

  explicit Script(ui::Application& app) : app_(app) {}
  ~Script();
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;

  // Adds a step that runs when `ready` holds.
  void When(std::string what, std::function<bool()> ready, std::function<void()> act);
  // Adds a step that runs `ms` after the step before it ran.
  void After(std::string what, std::int64_t ms, std::function<void()> act);
  // Starts the ticker.
  void Start();
  bool Finished() const { return next_ >= steps_.size(); }
  // A step whose condition has not held for `timeoutMs` stops the script
  // and is reported here.
  const std::string& Failure() const { return failure_; }
  void SetTimeout(std::int64_t ms) { timeoutMs_ = ms; }

 private:
  void Tick();

  ui::Application& app_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int timer_ = 0;
  std::int64_t lastRun_ = 0;
  std::int64_t timeoutMs_ = 60000;
  std::string failure_;
};

}  // namespace app
