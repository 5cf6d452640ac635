// One internal skin as the files of its source directory, in package order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/artgen/SkinPalette.h"

namespace artgen {

struct SkinFile {
  std::string Name;
  std::vector<std::uint8_t> Bytes;
};

// Options.dat, Br.BMP, ButtonHuge.bmp, Master.bmp, Title.bmp, ExBorder.png,
// GlowBtn.PNG, GlowClose.PNG, GlowMax.PNG, GlowMin.png, GlowNorm.PNG.
std::vector<SkinFile> MakeSkinFiles(const SkinPalette& palette);

// Writes the files into `dir` (created when missing).
void WriteSkinFiles(const std::vector<SkinFile>& files, const std::filesystem::path& dir);

}  // namespace artgen
