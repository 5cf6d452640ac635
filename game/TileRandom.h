// The pseudo-random source of the show: each call draws one of six tiles,
// every one equally likely.
#pragma once

#include <cstdint>
#include <random>

namespace game {

class TileRandom {
 public:
  void Seed(std::uint32_t seed) { engine_.seed(seed); }
  // A uniformly distributed integer in 0..5. Raw 32-bit draws at or above the
  // largest multiple of six are drawn again, so no value is favoured.
  int NextIndex();

  friend bool operator==(const TileRandom&, const TileRandom&) = default;

 private:
  std::mt19937 engine_;
};

// A seed taken from the clock, different from call to call.
std::uint32_t ClockSeed();

}  // namespace game
