#include "skin/data/NameIndex.h"

namespace skin {
namespace {

constexpr unsigned char Upper(unsigned char c) {
  return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
}

}  // namespace

void NameIndex::Reserve(std::size_t count) {
  std::size_t size = 16;
  while (size < count * 2) size *= 2;
  if (size > slots_.size() && used_ == 0) slots_.assign(size, 0);
}

std::size_t NameIndex::Hash(std::string_view n) {
  // FNV-1a over the upper-cased bytes.
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : n) h = (h ^ Upper(static_cast<unsigned char>(c))) * 1099511628211ull;
  return static_cast<std::size_t>(h ^ (h >> 29));
}

bool NameIndex::SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(static_cast<unsigned char>(a[i])) != Upper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace skin
