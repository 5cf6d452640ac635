#include "tools/artgen/SkinArt.h"

#include <fstream>
#include <stdexcept>

#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/PngWriter.h"
#include "tools/artgen/SkinFrameArt.h"
#include "tools/artgen/SkinMaster.h"
#include "tools/artgen/SkinOptions.h"

namespace artgen {

std::vector<SkinFile> MakeSkinFiles(const SkinPalette& p) {
  const MasterArt master = DrawMaster(p);
  const std::vector<OptionSection> sections = SkinSections(p, master);
  if (sections.size() != 64) throw std::logic_error("a skin has 64 sections");
  const std::string options = OptionsText(sections);
  const gfx::Color haloHot = Mix(p.Accent, gfx::clWhite, 0.3);
  return {
      {"Options.dat", std::vector<std::uint8_t>(options.begin(), options.end())},
      {"Br.BMP", gfx::WriteBmp(DrawBrush(p))},
      {"ButtonHuge.bmp", gfx::WriteBmp(DrawHugeButton(p))},
      {"Master.bmp", gfx::WriteBmp(master.Bitmap)},
      {"Title.bmp", gfx::WriteBmp(DrawTitle(p))},
      {"ExBorder.png", gfx::EncodePng(DrawExBorder(p))},
      {"GlowBtn.PNG", gfx::EncodePng(DrawButtonGlow(p))},
      {"GlowClose.PNG", gfx::EncodePng(DrawCaptionGlow(master, "BICONCLOSE", p.Close))},
      {"GlowMax.PNG", gfx::EncodePng(DrawCaptionGlow(master, "BICONMAX", haloHot))},
      {"GlowMin.png", gfx::EncodePng(DrawCaptionGlow(master, "BICONMIN", haloHot))},
      {"GlowNorm.PNG", gfx::EncodePng(DrawCaptionGlow(master, "BICONNORM", haloHot))},
  };
}

void WriteSkinFiles(const std::vector<SkinFile>& files, const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  for (const SkinFile& f : files) {
    std::ofstream out(dir / f.Name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(f.Bytes.data()), static_cast<std::streamsize>(f.Bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + (dir / f.Name).string());
  }
}

}  // namespace artgen
