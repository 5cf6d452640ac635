// Writes seed corpora: for fuzz_png into the first directory (every colour
// type and depth, interlaced and not, with ancillary chunks), and for fuzz_ico
// into the second, when given (DIB and PNG entries).
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/image/PngBuilder.h"

namespace {

void Put(std::vector<std::uint8_t>& v, std::uint32_t x, int bytes) {
  for (int i = 0; i < bytes; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}

// A 4 x 4 DIB entry of `bits` (8, 24 or 32) with its AND mask.
std::vector<std::uint8_t> Dib(int bits) {
  std::vector<std::uint8_t> d;
  Put(d, 40, 4);
  Put(d, 4, 4);
  Put(d, 8, 4);
  Put(d, 1, 2);
  Put(d, static_cast<std::uint32_t>(bits), 2);
  for (int i = 0; i < 6; ++i) Put(d, 0, 4);
  if (bits == 8)
    for (int i = 0; i < 256; ++i) Put(d, static_cast<std::uint32_t>(i * 0x010203), 4);
  const int stride = (4 * bits + 31) / 32 * 4;
  for (int i = 0; i < stride * 4; ++i) d.push_back(static_cast<std::uint8_t>(i * 37));
  for (int i = 0; i < 16; ++i) d.push_back(i % 3 == 0 ? 0xA0 : 0x00);
  return d;
}

std::vector<std::uint8_t> Ico(const std::vector<std::pair<int, std::vector<std::uint8_t>>>& entries) {
  std::vector<std::uint8_t> f;
  Put(f, 0, 2);
  Put(f, 1, 2);
  Put(f, static_cast<std::uint32_t>(entries.size()), 2);
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (const auto& [bits, data] : entries) {
    Put(f, 4, 1);
    Put(f, 4, 1);
    Put(f, 0, 2);
    Put(f, 1, 2);
    Put(f, static_cast<std::uint32_t>(bits), 2);
    Put(f, static_cast<std::uint32_t>(data.size()), 4);
    Put(f, offset, 4);
    offset += static_cast<std::uint32_t>(data.size());
  }
  for (const auto& e : entries) f.insert(f.end(), e.second.begin(), e.second.end());
  return f;
}

void WriteIconSeeds(const std::string& dir) {
  pngtest::PngSpec s;
  s.Width = 4;
  s.Height = 4;
  s.Samples = pngtest::RandomSamples(s, 3);
  const std::vector<std::vector<std::uint8_t>> seeds = {Ico({{32, Dib(32)}}), Ico({{24, Dib(24)}}),
                                                        Ico({{8, Dib(8)}}),
                                                        Ico({{32, pngtest::BuildPng(s)}, {24, Dib(24)}})};
  for (std::size_t i = 0; i < seeds.size(); ++i)
    std::ofstream(dir + "/icon" + std::to_string(i) + ".ico", std::ios::binary)
        .write(reinterpret_cast<const char*>(seeds[i].data()), static_cast<std::streamsize>(seeds[i].size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s PNG_DIR [ICO_DIR]\n", argv[0]);
    return 2;
  }
  const std::pair<int, int> formats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                         {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
  int n = 0;
  for (const auto& [type, depth] : formats) {
    for (bool laced : {false, true}) {
      pngtest::PngSpec s;
      s.Width = 11;
      s.Height = 9;
      s.ColorType = type;
      s.BitDepth = depth;
      s.Interlaced = laced;
      s.Filters = {0, 1, 2, 3, 4};
      if (type == 3)
        for (int i = 0; i < (1 << depth); ++i)
          s.Palette.insert(s.Palette.end(), {std::uint8_t(i * 9), 7, std::uint8_t(255 - i)});
      s.Samples = pngtest::RandomSamples(s, static_cast<unsigned>(n + 1));
      s.Extra = {{"gAMA", pngtest::BE32(45455)}, {"tEXt", {'k', 0, 'v'}}};
      if (type == 0 || type == 2)
        s.Extra.push_back(
            {"tRNS", type == 0 ? pngtest::BE16(1) : std::vector<std::uint8_t>{0, 1, 0, 2, 0, 3}});
      if (type == 3) s.Extra.push_back({"tRNS", {0, 128}});
      s.Extra.push_back({"bKGD", type == 3                  ? std::vector<std::uint8_t>{1}
                                 : (type == 0 || type == 4) ? pngtest::BE16(1)
                                                            : std::vector<std::uint8_t>{0, 9, 0, 8, 0, 7}});
      s.IdatPiece = laced ? 37 : 0;
      const auto png = pngtest::BuildPng(s);
      std::ofstream(std::string(argv[1]) + "/seed" + std::to_string(n++) + ".png", std::ios::binary)
          .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
  }
  // Damaged headers and keys: depths the colour type does not allow (with
  // chunks that scale samples by the depth before any image data), a file
  // without image data, and colour keys under gamma in 16-bit files.
  const auto write = [&](const std::vector<std::uint8_t>& png) {
    std::ofstream(std::string(argv[1]) + "/seed" + std::to_string(n++) + ".png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  };
  for (const auto& [type, depth] : std::vector<std::pair<int, int>>{{0, 0}, {2, 0}, {2, 32}, {0, 3}}) {
    pngtest::PngSpec bad;
    bad.ColorType = type;
    bad.BitDepth = depth;
    bad.Extra = {{"bKGD", {0, 1, 0, 2, 0, 3}}, {"tRNS", {0, 1, 0, 2, 0, 3}}};
    write(pngtest::BuildRawPng(bad, pngtest::Zlib({0, 0, 0, 0})));
  }
  {
    std::vector<std::uint8_t> png = pngtest::BuildRawPng(pngtest::PngSpec{}, {});
    const auto iend = pngtest::Chunk("IEND", {});
    png.resize(8 + 25);  // signature and IHDR only, then IEND
    png.insert(png.end(), iend.begin(), iend.end());
    write(png);
  }
  for (const int type : {0, 2}) {
    pngtest::PngSpec keyed;
    keyed.Width = 4;
    keyed.Height = 2;
    keyed.ColorType = type;
    keyed.BitDepth = 16;
    keyed.Samples = pngtest::RandomSamples(keyed, 7);
    keyed.Samples[0] = keyed.Samples[1] = keyed.Samples[2] = 51400;
    keyed.Extra = {{"gAMA", pngtest::BE32(100000)},
                   {"tRNS", type == 0 ? pngtest::BE16(51400)
                                      : std::vector<std::uint8_t>{0xC8, 0xC8, 0xC8, 0xC8, 0xC8, 0xC8}}};
    write(pngtest::BuildPng(keyed));
  }
  std::printf("%d seeds\n", n);
  if (argc == 3) WriteIconSeeds(argv[2]);
  return 0;
}
