// Finds the first of a list of names equal to a wanted one, ignoring ASCII
// letter case unless asked to compare exactly. Open addressing over one flat
// array of slots: no allocation per name and no upper-cased copies. Each slot
// keeps the name's hash beside its position, so a probe looks at another name
// only when the hashes match; the names themselves (which may lie anywhere in
// a large file) are then rarely touched.
//
// For many names at once, ForEachAhead hashes a few names ahead of the one in
// hand and asks the processor to fetch their slots, so that large indexes are
// not read one cache miss at a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

#include "skin/data/LargeArrayAllocator.h"

namespace skin {

class NameIndex {
 public:
  enum class Case : std::uint8_t { Ignore, Exact };
  explicit NameIndex(Case c = Case::Ignore) : exact_(c == Case::Exact) {}

  // Room for `count` names without growing.
  void Reserve(std::size_t count);
  bool Empty() const { return used_ == 0; }

  // Ignores case either way: exactly equal names have equal hashes too.
  static std::uint32_t Hash(std::string_view n);

  // Adds names[at] unless an earlier name is equal; returns the position of
  // the first equal name. `name(i)` gives the name at position i; `hash` is
  // Hash(n).
  template <class NameOf>
  std::size_t Add(std::string_view n, std::uint32_t hash, std::size_t at, NameOf&& name) {
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    std::size_t s = hash & (slots_.size() - 1);
    for (; slots_[s].Position != 0; s = (s + 1) & (slots_.size() - 1))
      if (slots_[s].Hash == hash && Same(name(slots_[s].Position - 1), n)) return slots_[s].Position - 1;
    slots_[s] = Slot{static_cast<std::uint32_t>(at + 1), hash};
    ++used_;
    return at;
  }
  template <class NameOf>
  std::size_t Add(std::string_view n, std::size_t at, NameOf&& name) {
    return Add(n, Hash(n), at, name);
  }

  // The position of the first name equal to `n`, or `none`.
  template <class NameOf>
  std::size_t Find(std::string_view n, std::uint32_t hash, NameOf&& name, std::size_t none) const {
    if (slots_.empty()) return none;
    for (std::size_t s = hash & (slots_.size() - 1); slots_[s].Position != 0; s = (s + 1) & (slots_.size() - 1))
      if (slots_[s].Hash == hash && Same(name(slots_[s].Position - 1), n)) return slots_[s].Position - 1;
    return none;
  }
  template <class NameOf>
  std::size_t Find(std::string_view n, NameOf&& name, std::size_t none) const {
    return Find(n, Hash(n), name, none);
  }

  // Calls fn(i, wanted(i), Hash(wanted(i))) for i = 0 .. count-1 in order,
  // with the home slot of each wanted name already on its way to the cache.
  // wanted(i) is called once for each i, a few calls ahead of fn, and its
  // view must stay valid until then. `fn` may Add to the index.
  template <class Wanted, class Fn>
  void ForEachAhead(std::size_t count, Wanted&& wanted, Fn&& fn) const {
    static_assert(std::is_same_v<std::invoke_result_t<Wanted&, std::size_t>, std::string_view>,
                  "wanted(i) must give a view of a name that outlives the call");
    constexpr std::size_t kAhead = 8;
    std::array<std::string_view, kAhead> names;
    std::array<std::uint32_t, kAhead> hashes;
    const auto fetch = [&](std::size_t i) {
      names[i % kAhead] = wanted(i);
      hashes[i % kAhead] = Hash(names[i % kAhead]);
      if (!slots_.empty()) __builtin_prefetch(&slots_[hashes[i % kAhead] & (slots_.size() - 1)]);
    };
    for (std::size_t i = 0; i < count && i < kAhead; ++i) fetch(i);
    for (std::size_t i = 0; i < count; ++i) {
      const std::string_view n = names[i % kAhead];
      const std::uint32_t h = hashes[i % kAhead];
      if (i + kAhead < count) fetch(i + kAhead);
      fn(i, n, h);
    }
  }

 private:
  struct Slot {
    std::uint32_t Position;  // position + 1 of a name, 0 when free
    std::uint32_t Hash;      // the name's hash; its low bits choose the home slot
  };

  bool Same(std::string_view a, std::string_view b) const { return exact_ ? a == b : SameLetters(a, b); }
  static bool SameLetters(std::string_view a, std::string_view b);
  // Doubles the slots; the stored hashes place every name again without
  // looking at it.
  void Grow();

  LargeArray<Slot> slots_;
  std::size_t used_ = 0;
  bool exact_;
};

}  // namespace skin
