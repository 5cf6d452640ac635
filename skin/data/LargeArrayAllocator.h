// An allocator for arrays that may grow very large, such as the general
// table of an options file with a hundred thousand sections and the scratch
// arrays of its loading. Small arrays come from the heap. A block of 1 MiB or
// more is mapped on its own, in whole huge pages aligned to 2 MiB that are
// offered to the kernel as such: filling a fresh block then costs one page
// fault per 2 MiB instead of one per 4 KiB. On virtual machines a 4 KiB fault
// costs about as much as clearing a whole huge page, and those faults were
// most of the time a large load took.
#pragma once

#include <cstddef>
#include <limits>
#include <new>
#include <vector>

namespace skin {

namespace large_array {
// Memory for `bytes` bytes aligned for any fundamental type; throws
// std::bad_alloc. Free with the same size.
void* Allocate(std::size_t bytes);
void Free(void* p, std::size_t bytes) noexcept;
}  // namespace large_array

template <class T>
struct LargeArrayAllocator;

// A vector on the large-array allocator.
template <class T>
using LargeArray = std::vector<T, LargeArrayAllocator<T>>;

template <class T>
struct LargeArrayAllocator {
  static_assert(alignof(T) <= alignof(std::max_align_t));
  using value_type = T;

  LargeArrayAllocator() = default;
  template <class U>
  LargeArrayAllocator(const LargeArrayAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > std::numeric_limits<std::size_t>::max() / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(large_array::Allocate(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) noexcept { large_array::Free(p, n * sizeof(T)); }

  template <class U>
  friend bool operator==(const LargeArrayAllocator&, const LargeArrayAllocator<U>&) {
    return true;
  }
};

}  // namespace skin
