#include "game/TileRandom.h"

#include <atomic>
#include <chrono>

namespace game {

int TileRandom::NextIndex() {
  // 2^32 = 6 * 715827882 + 4: the four highest raw values are rejected.
  constexpr std::uint32_t kLimit = 4294967292u;
  std::uint32_t v;
  do {
    v = static_cast<std::uint32_t>(engine_());
  } while (v >= kLimit);
  return static_cast<int>(v % 6);
}

std::uint32_t ClockSeed() {
  // Wall-clock and monotonic nanoseconds plus a call counter, mixed so that
  // two games started within one clock tick still differ.
  static std::atomic<std::uint64_t> calls{0};
  std::uint64_t x = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  x ^= static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) << 1;
  x += 0x9E3779B97F4A7C15ull * (calls.fetch_add(1) + 1);
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  x ^= x >> 31;
  return static_cast<std::uint32_t>(x ^ (x >> 32));
}

}  // namespace game
