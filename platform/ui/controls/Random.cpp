#include "platform/ui/controls/Random.h"

#include <chrono>

namespace ui {

namespace {
std::uint64_t ClockSeed() {
  auto a = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  auto b = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  return a ^ (b * 0x9E3779B97F4A7C15ULL);
}
}  // namespace

RandomGenerator::RandomGenerator() : engine_(ClockSeed()) {}

void RandomGenerator::Randomize() { engine_.seed(ClockSeed()); }

int RandomGenerator::Uniform(int lo, int hi) {
  if (hi <= lo) return lo;
  std::uniform_int_distribution<int> d(lo, hi);
  return d(engine_);
}

}  // namespace ui
