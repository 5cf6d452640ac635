#include "tests/image/PngBuilder.h"

#include <zlib.h>

#include <cstdlib>
#include <stdexcept>

namespace pngtest {

int Channels(int colorType) {
  switch (colorType) {
    case 0: return 1;
    case 2: return 3;
    case 3: return 1;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

std::vector<std::uint8_t> BE32(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
          static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

std::vector<std::uint8_t> BE16(unsigned v) {
  return {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

std::vector<std::uint8_t> Chunk(const std::string& type, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out = BE32(static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(out.data() + 4), 4);
  if (!data.empty()) crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
  const auto c = BE32(static_cast<std::uint32_t>(crc));
  out.insert(out.end(), c.begin(), c.end());
  return out;
}

namespace {

std::uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<std::uint8_t>(a);
  if (pb <= pc) return static_cast<std::uint8_t>(b);
  return static_cast<std::uint8_t>(c);
}

// Packs the samples of pixels (x0 + i*dx, y) into the bytes of one row.
std::vector<std::uint8_t> PackRow(const PngSpec& s, int y, int x0, int dx) {
  const int ch = Channels(s.ColorType);
  std::vector<std::uint8_t> row;
  unsigned acc = 0;
  int bits = 0;
  for (int x = x0; x < s.Width; x += dx) {
    for (int c = 0; c < ch; ++c) {
      const unsigned v = s.Samples[(static_cast<std::size_t>(y) * s.Width + x) * ch + c];
      if (s.BitDepth == 16) {
        row.push_back(static_cast<std::uint8_t>(v >> 8));
        row.push_back(static_cast<std::uint8_t>(v));
      } else if (s.BitDepth == 8) {
        row.push_back(static_cast<std::uint8_t>(v));
      } else {
        acc = (acc << s.BitDepth) | (v & ((1u << s.BitDepth) - 1));
        bits += s.BitDepth;
        if (bits == 8) {
          row.push_back(static_cast<std::uint8_t>(acc));
          acc = 0;
          bits = 0;
        }
      }
    }
  }
  if (bits > 0) row.push_back(static_cast<std::uint8_t>(acc << (8 - bits)));
  return row;
}

}  // namespace

std::vector<std::uint8_t> Scanlines(const PngSpec& s) {
  struct Pass {
    int x0, y0, dx, dy;
  };
  const std::vector<Pass> passes =
      s.Interlaced ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                       {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
                   : std::vector<Pass>{{0, 0, 1, 1}};
  const std::size_t bpp =
      std::max<std::size_t>(1, static_cast<std::size_t>(Channels(s.ColorType) * s.BitDepth / 8));
  std::vector<std::uint8_t> out;
  std::size_t rowIndex = 0;
  for (const Pass& p : passes) {
    if (p.x0 >= s.Width || p.y0 >= s.Height) continue;
    std::vector<std::uint8_t> prev;
    for (int y = p.y0; y < s.Height; y += p.dy) {
      const std::vector<std::uint8_t> cur = PackRow(s, y, p.x0, p.dx);
      if (prev.empty()) prev.assign(cur.size(), 0);
      const int type = s.Filters[rowIndex++ % s.Filters.size()];
      out.push_back(static_cast<std::uint8_t>(type));
      for (std::size_t i = 0; i < cur.size(); ++i) {
        const int a = i >= bpp ? cur[i - bpp] : 0, b = prev[i], c = i >= bpp ? prev[i - bpp] : 0;
        int pred = 0;
        switch (type) {
          case 1: pred = a; break;
          case 2: pred = b; break;
          case 3: pred = (a + b) / 2; break;
          case 4: pred = Paeth(a, b, c); break;
          default: break;
        }
        out.push_back(static_cast<std::uint8_t>(cur[i] - pred));
      }
      prev = cur;
    }
  }
  return out;
}

std::vector<std::uint8_t> Zlib(const std::vector<std::uint8_t>& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> out(size);
  if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK)
    throw std::runtime_error("compress failed");
  out.resize(size);
  return out;
}

std::vector<std::uint8_t> BuildRawPng(const PngSpec& s, const std::vector<std::uint8_t>& zdata) {
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto append = [&png](const std::vector<std::uint8_t>& v) { png.insert(png.end(), v.begin(), v.end()); };
  std::vector<std::uint8_t> ihdr = BE32(static_cast<std::uint32_t>(s.Width));
  const auto h = BE32(static_cast<std::uint32_t>(s.Height));
  ihdr.insert(ihdr.end(), h.begin(), h.end());
  ihdr.push_back(static_cast<std::uint8_t>(s.BitDepth));
  ihdr.push_back(static_cast<std::uint8_t>(s.ColorType));
  ihdr.push_back(static_cast<std::uint8_t>(s.CompressionMethod));
  ihdr.push_back(0);
  ihdr.push_back(s.Interlaced ? 1 : 0);
  append(Chunk("IHDR", ihdr));
  for (const ExtraChunk& e : s.Extra)
    if (!e.AfterImageData && e.Type != "tRNS" && e.Type != "bKGD") append(Chunk(e.Type, e.Data));
  if (!s.Palette.empty()) append(Chunk("PLTE", s.Palette));
  for (const ExtraChunk& e : s.Extra)
    if (!e.AfterImageData && (e.Type == "tRNS" || e.Type == "bKGD")) append(Chunk(e.Type, e.Data));
  if (s.IdatPiece == 0) {
    append(Chunk("IDAT", zdata));
  } else {
    for (std::size_t at = 0; at < zdata.size(); at += s.IdatPiece) {
      const std::size_t n = std::min(s.IdatPiece, zdata.size() - at);
      append(Chunk("IDAT", std::vector<std::uint8_t>(zdata.begin() + static_cast<std::ptrdiff_t>(at),
                                                     zdata.begin() + static_cast<std::ptrdiff_t>(at + n))));
    }
  }
  for (const ExtraChunk& e : s.Extra)
    if (e.AfterImageData) append(Chunk(e.Type, e.Data));
  append(Chunk("IEND", {}));
  return png;
}

std::vector<std::uint8_t> BuildPng(const PngSpec& s) { return BuildRawPng(s, Zlib(Scanlines(s))); }

std::vector<std::uint16_t> RandomSamples(const PngSpec& s, unsigned seed) {
  const std::size_t n = static_cast<std::size_t>(s.Width) * s.Height * Channels(s.ColorType);
  std::vector<std::uint16_t> out(n);
  unsigned x = seed * 2654435761u + 1;
  const unsigned max = s.BitDepth == 16 ? 0xFFFF : (1u << s.BitDepth) - 1;
  for (auto& v : out) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    v = static_cast<std::uint16_t>(x % (max + 1));
  }
  return out;
}

}  // namespace pngtest
