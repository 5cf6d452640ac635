#include "skin/data/InheritanceResolver.h"

#include <algorithm>

namespace skin {

InheritanceResolver::InheritanceResolver(LargeArray<int> parent, std::size_t maxDepth)
    : parent_(std::move(parent)), maxDepth_(maxDepth) {
  const std::size_t n = parent_.size();
  for (int& p : parent_)
    if (p < -1 || p >= static_cast<int>(n)) p = -1;
  enum : std::uint8_t { kNew, kOnPath, kDone };
  LargeArray<std::uint8_t> state(n, kNew);
  std::vector<int> path;
  order_.reserve(n);
  for (std::size_t s = 0; s < n; ++s) {
    if (state[s] != kNew) continue;
    path.clear();
    int x = static_cast<int>(s);
    while (x >= 0 && state[static_cast<std::size_t>(x)] == kNew) {
      state[static_cast<std::size_t>(x)] = kOnPath;
      path.push_back(x);
      x = parent_[static_cast<std::size_t>(x)];
    }
    if (x >= 0 && state[static_cast<std::size_t>(x)] == kOnPath) {
      // The walk closed a cycle: x and everything after it on the path.
      const auto at = std::find(path.begin(), path.end(), x);
      for (auto it = at; it != path.end(); ++it) {
        state[static_cast<std::size_t>(*it)] = kDone;
        cyclic_.push_back(*it);
      }
      path.erase(at, path.end());
    }
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
      state[static_cast<std::size_t>(*it)] = kDone;
      order_.push_back(*it);
    }
  }
}

}  // namespace skin
