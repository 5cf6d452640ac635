#include "platform/gfx/PngWriter.h"

#include <zlib.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace gfx {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 24));
  out.push_back(static_cast<std::uint8_t>(v >> 16));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}

void PutChunk(std::vector<std::uint8_t>& out, const char type[4], const std::uint8_t* data,
              std::size_t size) {
  if (size > 0x7FFFFFFFu) throw std::length_error("PNG chunk too large");
  PutU32(out, static_cast<std::uint32_t>(size));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  if (size > 0) out.insert(out.end(), data, data + size);
  const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(4 + size));
  PutU32(out, static_cast<std::uint32_t>(crc));
}

// Paeth predictor of the PNG filter type 4.
std::uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a);
  const int pb = std::abs(p - b);
  const int pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<std::uint8_t>(a);
  if (pb <= pc) return static_cast<std::uint8_t>(b);
  return static_cast<std::uint8_t>(c);
}

// Applies filter `type` to `cur` (with `prev` the unfiltered row above, all
// zero for the first row) into `out`; `bpp` is bytes per complete pixel.
void FilterRow(int type, const std::uint8_t* cur, const std::uint8_t* prev, std::size_t n, std::size_t bpp,
               std::uint8_t* out) {
  for (std::size_t i = 0; i < n; ++i) {
    const int a = i >= bpp ? cur[i - bpp] : 0;
    const int b = prev[i];
    const int c = i >= bpp ? prev[i - bpp] : 0;
    int pred = 0;
    switch (type) {
      case 1: pred = a; break;
      case 2: pred = b; break;
      case 3: pred = (a + b) / 2; break;
      case 4: pred = Paeth(a, b, c); break;
      default: pred = 0; break;
    }
    out[i] = static_cast<std::uint8_t>(cur[i] - pred);
  }
}

// Heuristic cost of a filtered row: sum of the bytes taken as signed values.
std::uint64_t RowCost(const std::uint8_t* row, std::size_t n) {
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < n; ++i)
    sum += static_cast<std::uint64_t>(std::abs(static_cast<std::int8_t>(row[i])));
  return sum;
}

// Unfiltered PNG sample bytes of row y (RGB, RGBA or grey order).
void PngRow(const Bitmap& bmp, int y, std::uint8_t* out) {
  const std::uint8_t* s = bmp.Scanline(y);
  const int w = bmp.Width();
  switch (bmp.Format()) {
    case PixelFormat::Gray8: std::memcpy(out, s, static_cast<std::size_t>(w)); break;
    case PixelFormat::Bgr24:
      for (int x = 0; x < w; ++x, s += 3, out += 3) {
        out[0] = s[2];
        out[1] = s[1];
        out[2] = s[0];
      }
      break;
    case PixelFormat::Bgra32:
      for (int x = 0; x < w; ++x, s += 4, out += 4) {
        out[0] = s[2];
        out[1] = s[1];
        out[2] = s[0];
        out[3] = s[3];
      }
      break;
    default: throw std::logic_error("PngRow: indexed bitmap must be converted first");
  }
}

struct DeflateStream {
  z_stream z{};
  bool open = false;
  DeflateStream() {
    if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) throw std::runtime_error("PNG: deflateInit failed");
    open = true;
  }
  ~DeflateStream() {
    if (open) deflateEnd(&z);
  }
  DeflateStream(const DeflateStream&) = delete;
  DeflateStream& operator=(const DeflateStream&) = delete;

  // Feeds `n` bytes (flushing the stream at the end when `finish`) and
  // appends everything produced to `out`.
  void Feed(const std::uint8_t* data, std::size_t n, bool finish, std::vector<std::uint8_t>& out) {
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(n);
    std::uint8_t buf[16384];
    for (;;) {
      z.next_out = buf;
      z.avail_out = sizeof buf;
      const int rc = deflate(&z, finish ? Z_FINISH : Z_NO_FLUSH);
      if (rc == Z_STREAM_ERROR) throw std::runtime_error("PNG: deflate failed");
      out.insert(out.end(), buf, buf + (sizeof buf - z.avail_out));
      if (finish ? rc == Z_STREAM_END : (z.avail_in == 0 && z.avail_out != 0)) break;
    }
  }
};

std::vector<std::uint8_t> EncodeDirect(const Bitmap& bmp) {
  const std::uint32_t w = static_cast<std::uint32_t>(bmp.Width());
  const std::uint32_t h = static_cast<std::uint32_t>(bmp.Height());
  std::uint8_t colourType = 2;
  std::size_t bpp = 3;
  if (bmp.Format() == PixelFormat::Gray8) {
    colourType = 0;
    bpp = 1;
  } else if (bmp.Format() == PixelFormat::Bgra32) {
    colourType = 6;
    bpp = 4;
  }

  std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
  std::vector<std::uint8_t> ihdr;
  PutU32(ihdr, w);
  PutU32(ihdr, h);
  ihdr.push_back(8);           // bit depth
  ihdr.push_back(colourType);  // colour type
  ihdr.push_back(0);           // compression: deflate
  ihdr.push_back(0);           // filter method 0
  ihdr.push_back(0);           // no interlace
  PutChunk(out, "IHDR", ihdr.data(), ihdr.size());

  const std::size_t n = static_cast<std::size_t>(w) * bpp;
  std::vector<std::uint8_t> prev(n, 0), cur(n), trial(n), best(n + 1);
  std::vector<std::uint8_t> idat;
  DeflateStream z;
  for (std::uint32_t y = 0; y < h; ++y) {
    PngRow(bmp, static_cast<int>(y), cur.data());
    std::uint64_t bestCost = UINT64_MAX;
    for (int type = 0; type <= 4; ++type) {
      FilterRow(type, cur.data(), prev.data(), n, bpp, trial.data());
      const std::uint64_t cost = RowCost(trial.data(), n);
      if (cost < bestCost) {
        bestCost = cost;
        best[0] = static_cast<std::uint8_t>(type);
        std::memcpy(best.data() + 1, trial.data(), n);
      }
    }
    z.Feed(best.data(), n + 1, false, idat);
    // Emit IDAT chunks as the stream grows so memory stays bounded.
    if (idat.size() >= (1u << 20)) {
      PutChunk(out, "IDAT", idat.data(), idat.size());
      idat.clear();
    }
    prev.swap(cur);
  }
  z.Feed(nullptr, 0, true, idat);
  PutChunk(out, "IDAT", idat.data(), idat.size());
  PutChunk(out, "IEND", nullptr, 0);
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap) {
  if (bitmap.Empty()) throw std::invalid_argument("PNG: cannot encode an empty bitmap");
  switch (bitmap.Format()) {
    case PixelFormat::Indexed1:
    case PixelFormat::Indexed4:
    case PixelFormat::Indexed8: return EncodeDirect(bitmap.ConvertTo(PixelFormat::Bgr24));
    default: return EncodeDirect(bitmap);
  }
}

void SavePng(const Bitmap& bitmap, const std::string& path) {
  const std::vector<std::uint8_t> data = EncodePng(bitmap);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!f) throw std::runtime_error("cannot create \"" + path + "\": " + std::strerror(errno));
  const std::size_t written = std::fwrite(data.data(), 1, data.size(), f.get());
  const bool flushed = std::fflush(f.get()) == 0;
  std::FILE* raw = f.release();
  const bool closed = std::fclose(raw) == 0;
  if (written != data.size() || !flushed || !closed)
    throw std::runtime_error("cannot write \"" + path + "\": " + std::strerror(errno));
}

}  // namespace gfx
