// Decoding time of TPNGGraphic against libpng on the same files, measured in
// the same run. Each image has a pair of benchmarks (ours, libpng); the ratio
// ours / libpng is printed at the end.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/common/TimeRecorder.h"
#include "image/acPNG.h"

namespace {

struct Image {
  int Width, Height, ColorType;
  bool Interlaced;
  std::vector<std::uint8_t> Pixels;  // rows of RGB(A) samples or palette indexes
};

void WriteToVector(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}

// Encodes with libpng's default filter choice and compression level.
std::vector<std::uint8_t> Encode(const Image& im) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng write failed");
  png_set_write_fn(png, &out, WriteToVector, nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(im.Width), static_cast<png_uint_32>(im.Height), 8,
               im.ColorType, im.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> pal(256);
  if (im.ColorType == PNG_COLOR_TYPE_PALETTE) {
    for (int i = 0; i < 256; ++i)
      pal[static_cast<std::size_t>(i)] = {static_cast<png_byte>(i), static_cast<png_byte>(255 - i),
                                          static_cast<png_byte>(i * 7)};
    png_set_PLTE(png, info, pal.data(), 256);
  }
  png_write_info(png, info);
  const int channels = im.ColorType == PNG_COLOR_TYPE_RGBA ? 4 : im.ColorType == PNG_COLOR_TYPE_RGB ? 3 : 1;
  std::vector<png_bytep> rows(static_cast<std::size_t>(im.Height));
  for (int y = 0; y < im.Height; ++y)
    rows[static_cast<std::size_t>(y)] =
        const_cast<png_bytep>(im.Pixels.data() + static_cast<std::size_t>(y) * im.Width * channels);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

unsigned Noise(unsigned& s) {
  s ^= s << 13;
  s ^= s >> 17;
  s ^= s << 5;
  return s;
}

// A picture with soft shapes and an alpha ramp, like a tile picture.
Image Rgba(int size, bool interlaced) {
  Image im{size, size, PNG_COLOR_TYPE_RGBA, interlaced, {}};
  unsigned s = 7;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double d = std::hypot(x - size / 2.0, y - size / 2.0) / size;
      im.Pixels.push_back(static_cast<std::uint8_t>(120 + 100 * std::sin(x * 0.05)));
      im.Pixels.push_back(static_cast<std::uint8_t>(y * 255 / size));
      im.Pixels.push_back(static_cast<std::uint8_t>(200 - d * 150 + Noise(s) % 8));
      im.Pixels.push_back(static_cast<std::uint8_t>(d < 0.45 ? 255 : std::max(0.0, 255 - (d - 0.45) * 2000)));
    }
  return im;
}

// Smooth gradients with fine noise, like a photograph.
Image PhotoRgb(int size) {
  Image im{size, size, PNG_COLOR_TYPE_RGB, false, {}};
  unsigned s = 11;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double v = std::sin(x * 0.013) * std::cos(y * 0.021);
      im.Pixels.push_back(static_cast<std::uint8_t>(128 + 90 * v + Noise(s) % 12));
      im.Pixels.push_back(static_cast<std::uint8_t>((x + y) * 255 / (2 * size) + Noise(s) % 10));
      im.Pixels.push_back(static_cast<std::uint8_t>(100 + 60 * std::sin((x - y) * 0.01) + Noise(s) % 14));
    }
  return im;
}

Image Palette(int size) {
  Image im{size, size, PNG_COLOR_TYPE_PALETTE, false, {}};
  unsigned s = 5;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      im.Pixels.push_back(
          static_cast<std::uint8_t>(((x / 16) * 7 + (y / 16) * 13 + (Noise(s) % 64 == 0 ? 1 : 0)) & 0xFF));
  return im;
}

struct Reader {
  const std::uint8_t* Data;
  std::size_t Size, Pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t n) {
  auto* r = static_cast<Reader*>(png_get_io_ptr(png));
  if (n > r->Size - r->Pos) png_error(png, "read past end");
  std::memcpy(out, r->Data + r->Pos, n);
  r->Pos += n;
}

// Decodes with libpng into a bitmap of the same format TPNGGraphic produces.
void LibpngDecode(const std::vector<std::uint8_t>& file, gfx::Bitmap& out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    throw std::runtime_error("libpng read failed");
  }
  Reader r{file.data(), file.size(), 0};
  png_set_read_fn(png, &r, ReadFromMemory);
  png_read_info(png, info);
  const int w = static_cast<int>(png_get_image_width(png, info)),
            h = static_cast<int>(png_get_image_height(png, info));
  const int type = png_get_color_type(png, info);
  gfx::PixelFormat f = type == PNG_COLOR_TYPE_RGBA  ? gfx::PixelFormat::Bgra32
                       : type == PNG_COLOR_TYPE_RGB ? gfx::PixelFormat::Bgr24
                                                    : gfx::PixelFormat::Indexed8;
  if (type != PNG_COLOR_TYPE_PALETTE) png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out = gfx::Bitmap(w, h, f);
  std::vector<png_bytep> rows(static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) rows[static_cast<std::size_t>(y)] = out.Scanline(y);
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
}

struct Case {
  std::string Name;
  std::vector<std::uint8_t> File;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"rgba_200", Encode(Rgba(200, false))},
      {"rgb_photo_1024", Encode(PhotoRgb(1024))},
      {"palette_1024", Encode(Palette(1024))},
      {"rgba_512_interlaced", Encode(Rgba(512, true))},
  };
  return cases;
}

void Ours(benchmark::State& state, std::size_t index) {
  const Case& c = Cases()[index];
  image::TPNGGraphic g;
  for (auto _ : state) {
    g.LoadFromBytes(c.File);
    benchmark::DoNotOptimize(g.Bitmap().Scanline(0));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * c.File.size()));
}

void Libpng(benchmark::State& state, std::size_t index) {
  const Case& c = Cases()[index];
  gfx::Bitmap b;
  for (auto _ : state) {
    LibpngDecode(c.File, b);
    benchmark::DoNotOptimize(b.Scanline(0));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * c.File.size()));
}

}  // namespace

int main(int argc, char** argv) {
  // Both decoders must agree before they are timed.
  for (std::size_t i = 0; i < Cases().size(); ++i) {
    image::TPNGGraphic g;
    g.LoadFromBytes(Cases()[i].File);
    gfx::Bitmap b;
    LibpngDecode(Cases()[i].File, b);
    for (int y = 0; y < b.Height(); ++y)
      if (std::memcmp(b.Scanline(y), g.Bitmap().Scanline(y), b.RowBytes()) != 0) {
        std::fprintf(stderr, "%s: decoders differ at row %d\n", Cases()[i].Name.c_str(), y);
        return 1;
      }
    benchmark::RegisterBenchmark(("png/" + Cases()[i].Name + "/ours").c_str(), Ours, i);
    benchmark::RegisterBenchmark(("png/" + Cases()[i].Name + "/libpng").c_str(), Libpng, i);
  }
  benchmark::Initialize(&argc, argv);
  bench::TimeRecorder times;
  benchmark::RunSpecifiedBenchmarks(&times);
  std::printf("\nratio of CPU time, ours / libpng (<= 1.0: no slower than libpng)\n");
  for (const Case& c : Cases()) {
    if (const auto r = times.Ratio("png/" + c.Name + "/ours", "png/" + c.Name + "/libpng"))
      std::printf("  %-22s %5.2f  (%zu bytes)\n", c.Name.c_str(), r->Cpu, c.File.size());
  }
  benchmark::Shutdown();
  return 0;
}
