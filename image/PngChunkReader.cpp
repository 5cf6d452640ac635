#include "image/PngChunkReader.h"

#include <zlib.h>

#include <cstring>

namespace image {

bool PngChunk::CrcMatches() const {
  std::uint8_t type[4] = {static_cast<std::uint8_t>(Type >> 24), static_cast<std::uint8_t>(Type >> 16),
                          static_cast<std::uint8_t>(Type >> 8), static_cast<std::uint8_t>(Type)};
  uLong crc = crc32(0L, type, 4);
  // Data.size() is at most 2^31 - 1 and fits zlib's length type.
  if (!Data.empty()) crc = crc32(crc, Data.data(), static_cast<uInt>(Data.size()));
  return static_cast<std::uint32_t>(crc) == StoredCrc;
}

bool PngChunkReader::ReadSignature() {
  static constexpr std::uint8_t kSignature[kSignatureSize] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (data_.size() < kSignatureSize || std::memcmp(data_.data(), kSignature, kSignatureSize) != 0)
    return false;
  pos_ = kSignatureSize;
  return true;
}

bool PngChunkReader::Next(PngChunk& chunk) {
  const std::size_t left = data_.size() - pos_;
  if (left < 12) return false;
  const std::uint8_t* p = data_.data() + pos_;
  const std::uint32_t length = ReadBE32(p);
  if (length > 0x7FFFFFFFu || length > left - 12) return false;
  chunk.Type = ReadBE32(p + 4);
  chunk.Data = data_.subspan(pos_ + 8, length);
  chunk.StoredCrc = ReadBE32(p + 8 + length);
  pos_ += 12 + static_cast<std::size_t>(length);
  return true;
}

}  // namespace image
