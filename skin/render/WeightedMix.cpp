#include "skin/render/WeightedMix.h"

#include <cstring>

namespace skin::piece {
namespace {

using Bytes = std::uint8_t __attribute__((vector_size(kMixChunk)));
using Words = std::uint16_t __attribute__((vector_size(2 * kMixChunk)));

inline __attribute__((always_inline)) void MixChunk(std::uint8_t* d, const Words& share,
                                                    const Words& weight) {
  Bytes b;
  std::memcpy(&b, d, sizeof b);
  const Words r = (share + __builtin_convertvector(b, Words) * weight) >> 8;
  const Bytes out = __builtin_convertvector(r, Bytes);
  std::memcpy(d, &out, sizeof out);
}

}  // namespace

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void MixRows(std::uint8_t* first, std::ptrdiff_t stride, std::size_t count, const std::uint16_t* share,
             const std::uint16_t* weight, std::size_t n) {
  std::uint8_t* row = first;
  if (n == kMixChunk) {
    // A narrow strip (the side of a frame): its weights stay in registers.
    Words s, w;
    std::memcpy(&s, share, sizeof s);
    std::memcpy(&w, weight, sizeof w);
    for (std::size_t k = 0; k < count; ++k, row += stride) MixChunk(row, s, w);
    return;
  }
  for (std::size_t k = 0; k < count; ++k, row += stride)
    for (std::size_t i = 0; i < n; i += kMixChunk) {
      Words s, w;
      std::memcpy(&s, share + i, sizeof s);
      std::memcpy(&w, weight + i, sizeof w);
      MixChunk(row + i, s, w);
    }
}

}  // namespace skin::piece
