// Finds the first of a list of names equal to a wanted one, ignoring ASCII
// letter case unless asked to compare exactly. Open addressing over one flat array of positions: no
// allocation per name and no upper-cased copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace skin {

class NameIndex {
 public:
  enum class Case : std::uint8_t { Ignore, Exact };
  explicit NameIndex(Case c = Case::Ignore) : exact_(c == Case::Exact) {}

  // Room for `count` names without growing.
  void Reserve(std::size_t count);
  bool Empty() const { return used_ == 0; }
  // Adds names[at] unless an earlier name is equal; returns the position of
  // the first equal name. `name(i)` gives the name at position i.
  template <class NameOf>
  std::size_t Add(std::string_view n, std::size_t at, NameOf&& name) {
    if ((used_ + 1) * 2 > slots_.size()) Grow(name);
    std::size_t s = Hash(n) & (slots_.size() - 1);
    for (; slots_[s] != 0; s = (s + 1) & (slots_.size() - 1))
      if (Same(name(slots_[s] - 1), n)) return slots_[s] - 1;
    slots_[s] = static_cast<std::uint32_t>(at + 1);
    ++used_;
    return at;
  }
  // The position of the first name equal to `n`, or `none`.
  template <class NameOf>
  std::size_t Find(std::string_view n, NameOf&& name, std::size_t none) const {
    if (slots_.empty()) return none;
    for (std::size_t s = Hash(n) & (slots_.size() - 1); slots_[s] != 0; s = (s + 1) & (slots_.size() - 1))
      if (Same(name(slots_[s] - 1), n)) return slots_[s] - 1;
    return none;
  }

 private:
  // Ignores case either way: exactly equal names have equal hashes too.
  static std::size_t Hash(std::string_view n);
  bool Same(std::string_view a, std::string_view b) const { return exact_ ? a == b : SameLetters(a, b); }
  static bool SameLetters(std::string_view a, std::string_view b);
  template <class NameOf>
  void Grow(NameOf&& name) {
    std::vector<std::uint32_t> old;
    old.swap(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, 0);
    for (const std::uint32_t v : old) {
      if (v == 0) continue;
      std::size_t s = Hash(name(v - 1)) & (slots_.size() - 1);
      while (slots_[s] != 0) s = (s + 1) & (slots_.size() - 1);
      slots_[s] = v;
    }
  }

  std::vector<std::uint32_t> slots_;  // position + 1 of a name, 0 when free
  std::size_t used_ = 0;
  bool exact_;
};

}  // namespace skin
