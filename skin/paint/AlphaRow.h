// The inner loop of drawing a picture with straight alpha: one row of 32-bit
// (B, G, R, A) pixels mixed onto one row of 24-bit pixels. Every picture blend
// of a tile goes through it, so it has a vector form; the scalar form is the
// reference the vector forms must match byte for byte, and the fallback on
// processors without AVX2.
#pragma once

#include <cstdint>

namespace skin {

// For each of `count` pixels, with w = keepPercent * A div 100, every channel
// d := (d * (256 - w) + s * w) >> 8, which equals (d * 256 + (s - d) * w) >> 8.
// A weight of 0 (alpha 0, a hole among them) leaves the pixel as it is.
// `keepPercent` lies in 0..100; `d` and `s` do not overlap.
void MixAlphaRow(std::uint8_t* d, const std::uint8_t* s, int count, int keepPercent);

// The same, one pixel at a time.
void MixAlphaRowScalar(std::uint8_t* d, const std::uint8_t* s, int count, int keepPercent);

// The forms of the row loop; MixAlphaRow takes the widest the processor has.
enum class AlphaRowKernel { Scalar, Avx2, Avx512 };
bool AlphaRowKernelAvailable(AlphaRowKernel k);
// Runs the given form (which must be available), for the equivalence tests.
void MixAlphaRowWith(AlphaRowKernel k, std::uint8_t* d, const std::uint8_t* s, int count, int keepPercent);

}  // namespace skin
