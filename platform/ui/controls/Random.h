// Pseudo-random numbers: a Mersenne Twister seeded from the clock (or a given
// seed for repeatable runs); uniform integers without modulo bias.
#pragma once

#include <cstdint>
#include <random>

namespace ui {

class RandomGenerator {
 public:
  // Seeded from the steady and the system clock.
  RandomGenerator();
  explicit RandomGenerator(std::uint64_t seed) : engine_(seed) {}

  // Re-seeds from the clock.
  void Randomize();
  void Seed(std::uint64_t seed) { engine_.seed(seed); }
  // A uniform integer in [lo, hi] (both inclusive; lo > hi gives lo).
  int Uniform(int lo, int hi);
  // A uniform integer in [0, range) like the classic Random(range); 0 for
  // range <= 0.
  int Below(int range) { return range <= 0 ? 0 : Uniform(0, range - 1); }

 private:
  std::mt19937_64 engine_;
};

}  // namespace ui
