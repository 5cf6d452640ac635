// A skin switch as the user sees it: load a packed skin of realistic size,
// apply it to a form of 20 skinned controls and repaint the form (headless),
// against loading the same package alone, measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/skin/controls/BenchRatios.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/PngWriter.h"
#include "platform/ui/Application.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/sBoundItem.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/SkinLoader.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace {

// Smooth gradients with grain and key-coloured holes, so that the entries
// compress the way skin artwork does.
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
      if (alpha) c |= static_cast<gfx::Color>(x * 255 / w) << 24;
      b.SetPixelAt(x, y, c);
    }
  return b;
}

// 64 sections with border masks, gradients and patterns; an EXBORDER and a
// few glyph and glow images.
std::string Options() {
  std::string o =
      "[GLOBALINFO]\r\nVERSION=6.5\r\nMASTERBITMAP=MASTER.BMP\r\nTITLEHEIGHT=26\r\nFORMOFFSET=10\r\n"
      "BORDERMODE=1\r\nEXBORDER=!EXBORDER.PNG!2!0!3!0018!0038!0018!0018\r\n"
      "BICONCLOSEGLOW0=!GLOWCLOSE.PNG!1!0!4\r\nCOLOR=15790320\r\n";
  for (int i = 1; i < 64; ++i) {
    char line[640];
    const int x = (i * 37) % 240, y = (i * 23) % 140;
    const std::string name = i == 1   ? "PANEL"
                             : i == 2 ? "BUTTON"
                             : i == 3 ? "SPEEDBUTTON"
                                      : "SECTION" + std::to_string(i);
    std::snprintf(
        line, sizeof line,
        "\r\n[%s]\r\nPARENTCLASS=%s\r\nBORDERSMASK=^%04d^%04d^%04d^%04d^0003^0003^0003^0003^3^0^1^0\r\n"
        "COLOR=%d\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=16777215\r\nTRANSPARENCY=0\r\nHOTTRANSPARENCY=70\r\n"
        "GRADIENTPERCENT=100\r\nGRADIENTDATA=16777215;16114357;97;0;0;16114357;16114357;0;0;0\r\n"
        "HOTGRADIENTDATA=15790320;14737632;50;0;0;14737632;13684944;50;0;0\r\n"
        "FADINGENABLED=TRUE\r\nFADINGITERATIONS=20\r\n",
        name.c_str(), i % 5 == 0 ? "BUTTON" : "", x, y, x + 51, y + 21, 15790320 - i * 4097);
    o += line;
    if (i % 16 == 1) o += "TITLE=!TITLE.BMP!2!0!0!0006!0004!0006!0004\r\n";
    if (i % 16 == 9) o += "GLOW0=!GLOWBTN.PNG!1!0!3\r\n";
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
      {"MASTER.BMP", gfx::WriteBmp(Artwork(300, 200, false, 2))},
      {"TITLE.BMP", gfx::WriteBmp(Artwork(120, 30, false, 3))},
      {"EXBORDER.PNG", gfx::EncodePng(Artwork(160, 120, true, 4))},
      {"GLOWCLOSE.PNG", gfx::EncodePng(Artwork(40, 30, true, 5))},
      {"GLOWBTN.PNG", gfx::EncodePng(Artwork(60, 40, true, 6))},
  });
  return package;
}

void SkinLoadAlone(benchmark::State& state) {
  const skin::TsLoadSettings settings;
  for (auto _ : state) {
    auto r = skin::LoadSkinFromPackage(Package(), "", settings);
    benchmark::DoNotOptimize(r.Model.get());
  }
}

// A panel bound to a skin section that paints its cached look, as the
// skinned controls do.
class SkinnedPanel : public ui::Panel, public skin::TsSkinnedControl {
 public:
  SkinnedPanel(ui::WinControl* parent, const gfx::Rect& r, int kind)
      : ui::Panel(parent), data_(this, true, kind) {
    SetParent(parent);
    SetBoundsRect(r);
    data_.SetSkinSection(kind % 2 ? "BUTTON" : "PANEL");
    data_.Loaded();
  }
  skin::TsCommonData& SkinData() override { return data_; }
  static inline long renders = 0;  // caches rendered from the skin

 protected:
  void WndProc(ui::Message& m) override {
    // A skinned control repaints from the new skin when told to refresh.
    const bool refresh = skin::SkinCommandOf(m) == skin::SKC_SKIN_REFRESH;
    if (data_.HandleMessage(m)) {
      if (refresh) Invalidate();
      return;
    }
    ui::Panel::WndProc(m);
  }
  void PaintWindow(gfx::Canvas& canvas) override {
    if (!data_.IsSkinned()) {
      ui::Panel::PaintWindow(canvas);
      return;
    }
    gfx::Bitmap& cache = data_.EnsureCache();
    if (data_.CacheStale) {
      skin::RenderBoundItemOverParent(data_, true, false, 0, cache, {0, 0}, cache.Bounds());
      data_.CacheStale = false;
      ++renders;
    }
    canvas.DrawBitmap(0, 0, cache);
  }

 private:
  skin::TsCommonData data_;
};

void SkinSwitch(benchmark::State& state) {
  backend::HeadlessBackend screen;
  ui::Application app(screen);
  auto* form = new ui::Form(&app);
  form->SetBoundsRect({0, 0, 640, 480});
  for (int i = 0; i < 20; ++i)
    new SkinnedPanel(
        form, {10 + (i % 5) * 120, 10 + (i / 5) * 100, 10 + (i % 5) * 120 + 110, 10 + (i / 5) * 100 + 90}, i);
  form->ShowForm();
  app.ProcessMessages();
  auto* manager = new skin::TsSkinManager(&app);
  skin::TsStoredSkin stored;
  stored.Name = "Skin";
  stored.Data = Package();
  manager->InternalSkins().push_back(std::move(stored));
  manager->SetSkinName("Skin");
  app.ProcessMessages();
  SkinnedPanel::renders = 0;
  for (auto _ : state) {
    manager->SetSkinName("Skin");  // load, apply, repaint
    app.ProcessMessages();         // the form paints its 20 controls
  }
  // Every switch must have rendered every control from the new skin.
  if (!manager->SkinLoaded() || SkinnedPanel::renders < 20 * static_cast<long>(state.iterations()))
    state.SkipWithError("the controls did not repaint from the skin");
}

[[maybe_unused]] const bool kRegistered = [] {
  benchmark::RegisterBenchmark("SkinLoadAlone", SkinLoadAlone)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("SkinSwitch", SkinSwitch)->Unit(benchmark::kMillisecond);
  return bench::controls::AddRatio("skin switch (20 controls) / package load", "SkinSwitch", "SkinLoadAlone");
}();

}  // namespace
