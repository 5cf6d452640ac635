#include "skin/data/LargeArrayAllocator.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace skin::large_array {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Blocks from this size on are mapped: at least half of each huge page is used.
constexpr std::size_t kMapFrom = kHugePage / 2;

#ifdef __linux__
// The mapped length of a block: whole huge pages.
std::size_t Length(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }
#endif

}  // namespace

void* Allocate(std::size_t bytes) {
#ifdef __linux__
  if (bytes >= kMapFrom && bytes <= std::numeric_limits<std::size_t>::max() - 2 * kHugePage) {
    // Map one huge page more than needed and unmap what lies outside the
    // aligned block.
    const std::size_t length = Length(bytes);
    void* const mapped =
        mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t{kHugePage - 1};
    if (aligned != start) munmap(mapped, aligned - start);
    const std::uintptr_t end = start + length + kHugePage;
    if (end != aligned + length) munmap(reinterpret_cast<void*>(aligned + length), end - aligned - length);
    // Only advice: without huge pages the block works the same.
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
  }
#endif
  return ::operator new(bytes);
}

void Free(void* p, std::size_t bytes) noexcept {
  if (p == nullptr) return;
#ifdef __linux__
  if (bytes >= kMapFrom && bytes <= std::numeric_limits<std::size_t>::max() - 2 * kHugePage) {
    munmap(p, Length(bytes));
    return;
  }
#endif
  ::operator delete(p);
}

}  // namespace skin::large_array
