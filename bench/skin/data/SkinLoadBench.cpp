// Loading a packed skin of realistic size (a 300 x 200 master bitmap, four
// BMP and six PNG images, a 64-section options file) against inflating the
// same package's entries alone, measured in the same run.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/common/TimeRecorder.h"
#include "bench/skin/data/OptionsLoadBench.h"
#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/PngWriter.h"
#include "skin/data/SkinLoader.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace {

// Artwork-like pixels: smooth gradients with a little grain and key-coloured
// holes, so that the entries compress the way skin images do.
gfx::Bitmap Artwork(int w, int h, bool alpha, std::uint32_t seed) {
  gfx::Bitmap b = alpha ? gfx::NewBitmap32(w, h) : gfx::NewBitmap24(w, h);
  std::uint32_t s = seed;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      s = s * 1664525u + 1013904223u;
      const int grain = static_cast<int>(s >> 29);
      gfx::Color c =
          gfx::RGB(40 + x * 180 / w + grain, 60 + y * 150 / h, 200 - (x + y) * 100 / (w + h) + grain);
      if ((x / 16 + y / 16) % 7 == 0) c = gfx::clFuchsia;
      if (alpha) c |= static_cast<gfx::Color>((x * 255 / w)) << 24;
      b.SetPixelAt(x, y, c);
    }
  return b;
}

std::string Options() {
  static const char* const kSections[] = {"GLOBALINFO",
                                          "DIVIDER",
                                          "EDIT",
                                          "FORMTITLE",
                                          "GRIPH",
                                          "GRIPV",
                                          "GROUPBOX",
                                          "ICOLINE",
                                          "HINT",
                                          "MAINMENU",
                                          "MDIAREA",
                                          "MENUITEM",
                                          "MENULINE",
                                          "PAGECONTROL",
                                          "PANEL",
                                          "PANEL_LOW",
                                          "PROGRESSH",
                                          "STATUSBAR",
                                          "TABCONTROL",
                                          "FORM",
                                          "DIVIDERV",
                                          "GAUGE",
                                          "COMBOBOX",
                                          "ALPHAEDIT",
                                          "SPLITTER",
                                          "SCROLLBAR1V",
                                          "SCROLLBAR1H",
                                          "SCROLLBAR2H",
                                          "SCROLLBAR2V",
                                          "SCROLLSLIDERV",
                                          "SCROLLBTNTOP",
                                          "SCROLLBTNBOTTOM",
                                          "SCROLLBTNRIGHT",
                                          "SCROLLBTNLEFT",
                                          "SCROLLSLIDERH",
                                          "COMBOBTN",
                                          "DIALOG",
                                          "PROGRESSV",
                                          "DRAGBAR",
                                          "BUTTON",
                                          "CHECKBOX",
                                          "SPEEDBUTTON",
                                          "SPEEDBUTTON_SMALL",
                                          "RADIOBUTTON",
                                          "TRACKBAR",
                                          "TABTOP",
                                          "UPDOWNBTN",
                                          "WEBBUTTON",
                                          "BARTITLE",
                                          "EXTRALINE",
                                          "BARPANEL",
                                          "ALPHACOMBOBOX",
                                          "TOOLBAR",
                                          "TOOLBUTTON",
                                          "BAR",
                                          "COLHEADER",
                                          "BUTTON_HUGE",
                                          "PAGECONTROLBOTTOM",
                                          "PAGECONTROLLEFT",
                                          "PAGECONTROLRIGHT",
                                          "TABBOTTOM",
                                          "TABLEFT",
                                          "TABRIGHT",
                                          "BUTTON_BIG"};
  std::string o =
      "[GLOBALINFO]\r\nVERSION=6.5\r\nAUTHOR=Bench\r\nMASTERBITMAP=MASTER.BMP\r\nTITLEHEIGHT=26\r\n"
      "BICONCLOSE=@0200@0000@0290@0019@3@0\r\nBICONMAX=@0200@0020@0290@0039@3@0\r\n"
      "BICONMIN=@0200@0040@0290@0059@3@0\r\nBOXCHECKED=@0000@0150@0064@0166@4@0\r\n"
      "BOXUNCHECKED=@0000@0166@0064@0182@4@0\r\nEXBORDER=!EXBORDER.PNG!2!0!3!0018!0038!0018!0018\r\n"
      "BICONCLOSEGLOW0=!GLOWCLOSE.PNG!1!0!4\r\nBICONMAXGLOW0=!GLOWMAX.PNG!1!0!4\r\n"
      "BICONMINGLOW0=!GLOWMIN.PNG!1!0!4\r\nCOLOR=15790320\r\n";
  for (int i = 1; i < 64; ++i) {
    char line[512];
    const int x = (i * 37) % 240, y = (i * 23) % 140;
    std::snprintf(
        line, sizeof line,
        "\r\n[%s]\r\nPARENTCLASS=%s\r\nBORDERSMASK=^%04d^%04d^%04d^%04d^0003^0003^0003^0003^3^0^1^0\r\n"
        "COLOR=%d\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=16777215\r\nTRANSPARENCY=%d\r\nHOTTRANSPARENCY=70\r\n"
        "GRADIENTPERCENT=100\r\nGRADIENTDATA=16777215;16114357;97;0;0;16114357;16114357;0;0;0\r\n"
        "HOTGRADIENTDATA=15790320;14737632;50;0;0;14737632;13684944;50;0;0\r\n"
        "FADINGENABLED=TRUE\r\nFADINGITERATIONS=20\r\nTCRIGHT=8090899\r\nPATTERN=~%04d~%04d~%04d~%04d~10~"
        "1\r\n",
        kSections[i], i % 5 == 0 ? "BUTTON" : "", x, y, x + 51, y + 21, 15790320 - i * 4097, i % 3 * 50, x, y,
        x + 3, y + 6);
    o += line;
    if (i % 16 == 1) o += "TITLE=!TITLE.BMP!2!0!0!0006!0004!0006!0004\r\n";
    if (i % 16 == 5) o += "HUGE=!BUTTONHUGE.BMP!3!0!0\r\n";
    if (i % 16 == 9) o += "BR=!BR.BMP!1!0!1\r\nGLOW0=!GLOWBTN.PNG!1!0!3\r\nNORM=!GLOWNORM.PNG!1!0!4\r\n";
  }
  return o;
}

const std::vector<std::uint8_t>& Package() {
  static const std::vector<std::uint8_t> package = skin::PackSkin({
      {"Options.dat",
       [] {
         const std::string o = Options();
         return std::vector<std::uint8_t>(o.begin(), o.end());
       }()},
      {"Br.BMP", gfx::WriteBmp(Artwork(64, 64, false, 1))},
      {"ButtonHuge.bmp", gfx::WriteBmp(Artwork(150, 50, false, 2))},
      {"Master.bmp", gfx::WriteBmp(Artwork(300, 200, false, 3))},
      {"Title.bmp", gfx::WriteBmp(Artwork(120, 30, false, 4))},
      {"ExBorder.png", gfx::EncodePng(Artwork(100, 100, true, 5))},
      {"GlowBtn.PNG", gfx::EncodePng(Artwork(40, 40, true, 6))},
      {"GlowClose.PNG", gfx::EncodePng(Artwork(40, 40, true, 7))},
      {"GlowMax.PNG", gfx::EncodePng(Artwork(40, 40, true, 8))},
      {"GlowMin.png", gfx::EncodePng(Artwork(40, 40, true, 9))},
      {"GlowNorm.PNG", gfx::EncodePng(Artwork(40, 40, true, 10))},
  });
  return package;
}

struct EntryPos {
  std::size_t Offset, Compressed, Size;
};

// Where each entry's stream lies, found once outside the timing.
const std::vector<EntryPos>& Entries() {
  static const std::vector<EntryPos> entries = [] {
    std::vector<EntryPos> out;
    std::size_t at = 8;
    for (const skin::PackListing& l : skin::ListSkin(Package())) {
      at += 4 + l.Name.size() + 4;
      out.push_back({at, l.CompressedSize, l.Size});
      at += l.CompressedSize;
    }
    return out;
  }();
  return entries;
}

void InflateOnly(benchmark::State& state) {
  const std::vector<std::uint8_t>& p = Package();
  for (auto _ : state) {
    for (const EntryPos& e : Entries()) {
      std::vector<std::uint8_t> out(e.Size);
      uLongf size = static_cast<uLongf>(e.Size);
      uncompress(out.data(), &size, p.data() + e.Offset, static_cast<uLong>(e.Compressed));
      benchmark::DoNotOptimize(out.data());
    }
  }
}

void LoadSkin(benchmark::State& state) {
  for (auto _ : state) {
    skin::TsLoadResult r = skin::LoadSkinFromPackage(Package(), "", {});
    benchmark::DoNotOptimize(r.Model.get());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const skin::TsLoadResult check = skin::LoadSkinFromPackage(Package(), "", {});
  std::printf("package: %zu bytes, %zu entries; loaded %zu sections, %zu masks, master %dx%d\n",
              Package().size(), Entries().size(), check.Model->GeneralTable.size(),
              check.Model->MaskTable.size(), check.Model->MasterBitmap.Width(),
              check.Model->MasterBitmap.Height());
  benchmark::RegisterBenchmark("skin/inflate_only", InflateOnly);
  benchmark::RegisterBenchmark("skin/load", LoadSkin);
  skinbench::RegisterOptionsLoadBenchmarks();
  benchmark::Initialize(&argc, argv);
  bench::TimeRecorder times;
  benchmark::RunSpecifiedBenchmarks(&times);
  if (const auto r = times.Ratio("skin/load", "skin/inflate_only"))
    std::printf("\nratio of CPU time, load / inflate only (target <= 3.0): %.2f\n", r->Cpu);
  skinbench::PrintOptionsLoadRatios(times);
  benchmark::Shutdown();
  return 0;
}
