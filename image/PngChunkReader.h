// Walks the chunks of a PNG file held in memory. Every chunk is checked to lie
// wholly inside the data before anything of it is handed out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace image {

constexpr std::uint32_t PngType(const char (&t)[5]) {
  return (static_cast<std::uint32_t>(static_cast<unsigned char>(t[0])) << 24) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(t[1])) << 16) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(t[2])) << 8) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(t[3]));
}

inline constexpr std::uint32_t kIHDR = PngType("IHDR");
inline constexpr std::uint32_t kPLTE = PngType("PLTE");
inline constexpr std::uint32_t kIDAT = PngType("IDAT");
inline constexpr std::uint32_t kIEND = PngType("IEND");
inline constexpr std::uint32_t kgAMA = PngType("gAMA");
inline constexpr std::uint32_t kbKGD = PngType("bKGD");
inline constexpr std::uint32_t ktRNS = PngType("tRNS");

struct PngChunk {
  std::uint32_t Type = 0;
  std::span<const std::uint8_t> Data;
  std::uint32_t StoredCrc = 0;

  // A chunk whose type begins with an upper-case letter must be understood.
  bool Critical() const {
    const unsigned first = Type >> 24;
    return first >= 'A' && first <= 'Z';
  }
  // CRC-32 over the type and the data, compared with the stored one.
  bool CrcMatches() const;
};

inline std::uint32_t ReadBE32(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}
inline unsigned ReadBE16(const std::uint8_t* p) { return (static_cast<unsigned>(p[0]) << 8) | p[1]; }

class PngChunkReader {
 public:
  static constexpr std::size_t kSignatureSize = 8;

  explicit PngChunkReader(std::span<const std::uint8_t> data) : data_(data) {}

  // True when the data starts with the PNG signature; positions after it.
  bool ReadSignature();
  // The next chunk, or false when the data ends before a whole chunk (header,
  // data and CRC) or the length exceeds 2^31 - 1. Does not move on failure.
  bool Next(PngChunk& chunk);
  std::size_t Position() const { return pos_; }
  void Seek(std::size_t pos) { pos_ = pos <= data_.size() ? pos : data_.size(); }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

}  // namespace image
