// Writes a seed corpus for fuzz_png into the directory given as argument:
// every colour type and depth, interlaced and not, with ancillary chunks.
#include <cstdio>
#include <fstream>
#include <string>

#include "tests/image/PngBuilder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
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
  std::printf("%d seeds\n", n);
  return 0;
}
