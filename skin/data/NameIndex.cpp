#include "skin/data/NameIndex.h"

namespace skin {
namespace {

constexpr unsigned char Upper(unsigned char c) {
  return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
}

std::size_t SlotsFor(std::size_t count) {
  std::size_t size = 16;
  while (size < count * 2) size *= 2;
  return size;
}

}  // namespace

void NameIndex::Reserve(std::size_t count) {
  const std::size_t size = SlotsFor(count);
  if (size > slots_.size() && used_ == 0) slots_.assign(size, Slot{0, 0});
}

std::uint32_t NameIndex::Hash(std::string_view n) {
  // FNV-1a over the upper-cased bytes, then mixed so that the low bits,
  // which choose the slot, depend on every byte.
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : n) h = (h ^ Upper(static_cast<unsigned char>(c))) * 1099511628211ull;
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdull;
  h ^= h >> 33;
  return static_cast<std::uint32_t>(h);
}

bool NameIndex::SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(static_cast<unsigned char>(a[i])) != Upper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

void NameIndex::Grow() {
  LargeArray<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{0, 0});
  for (const Slot& v : old) {
    if (v.Position == 0) continue;
    std::size_t s = v.Hash & (slots_.size() - 1);
    while (slots_[s].Position != 0) s = (s + 1) & (slots_.size() - 1);
    slots_[s] = v;
  }
}

}  // namespace skin
