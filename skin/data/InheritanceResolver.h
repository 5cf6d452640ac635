// Finds, for every section at once, the nearest section along its PARENTCLASS
// chain (itself first) that has a value, looking at no more than a given
// number of sections. Each section reuses its parent's answer, so resolving
// all of them takes time linear in their number; sections on a PARENTCLASS
// cycle, where there is no parent-first order, walk their chain instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/data/LargeArrayAllocator.h"

namespace skin {

class InheritanceResolver {
 public:
  // parent[i] is the index of section i's parent, or -1 where its chain ends.
  InheritanceResolver(LargeArray<int> parent, std::size_t maxDepth);

  // found[i]: the first section j of i's chain with has(j), or -1.
  template <class Has>
  void Resolve(Has&& has, LargeArray<int>& found) const {
    const std::size_t n = parent_.size();
    found.assign(n, -1);
    depth_.assign(n, 0);
    for (const int c : cyclic_) {
      int x = c;
      for (std::size_t d = 0; d < maxDepth_ && x >= 0; ++d, x = parent_[static_cast<std::size_t>(x)]) {
        if (has(x)) {
          found[static_cast<std::size_t>(c)] = x;
          depth_[static_cast<std::size_t>(c)] = static_cast<std::uint32_t>(d);
          break;
        }
      }
    }
    for (const int i : order_) {
      const auto u = static_cast<std::size_t>(i);
      if (has(i)) {
        found[u] = i;
        continue;
      }
      const int p = parent_[u];
      if (p < 0) continue;
      const auto pu = static_cast<std::size_t>(p);
      if (found[pu] >= 0 && depth_[pu] + 1 < maxDepth_) {
        found[u] = found[pu];
        depth_[u] = depth_[pu] + 1;
      }
    }
  }

 private:
  LargeArray<int> parent_;
  std::size_t maxDepth_;
  LargeArray<int> order_;                    // every section after its parent, cycles left out
  std::vector<int> cyclic_;                  // sections on a cycle
  mutable LargeArray<std::uint32_t> depth_;  // scratch: distance to the found section
};

}  // namespace skin
