// Inflating one zlib stream whose inflated size is known in advance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// Deflate cannot compress better than about 1032:1.
inline constexpr std::uint64_t kMaxDeflateRatio = 1032;

struct InflatedEntry {
  std::vector<std::uint8_t> Data;  // exactly the stated number of bytes
  std::size_t Consumed = 0;        // compressed bytes up to and including the Adler-32 trailer
};

// Inflates the zlib stream at the start of `source`, which must inflate to
// exactly `size` bytes. Room for the output is taken at once, but never more
// than the compressed bytes could inflate to: a stated size beyond that grows
// only with what zlib actually produces.
// Throws DecompressionError (zlib's message) for corrupt data,
// StreamReadError when the stream ends early or the source runs out, and
// PackageError when the stream holds more than `size` bytes.
InflatedEntry InflateExact(std::span<const std::uint8_t> source, std::size_t size);

}  // namespace skin
