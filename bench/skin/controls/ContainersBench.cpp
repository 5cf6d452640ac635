// The game's status bar painted as on every paint of the main window (it is
// docked at the bottom edge, so it renders its whole look each time): the
// section with its border mask, the status-panel mask over the one panel, the
// grip, the corners refreshed and the cache copied to an off-screen surface.
// Baseline: memcpy of the bar's cache bytes (602 x 19 x 3).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bench/skin/controls/BenchRatios.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sStatusBar.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace {

constexpr int kW = 602, kH = 19;

// A master bitmap with mask pictures over their mask rows (MaskType 1).
gfx::Bitmap Master() {
  gfx::Bitmap b = gfx::NewBitmap24(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const bool maskRow = (y / 10) % 2 == 1;
      const int m = (x * 31 + y * 17) & 0xFF;
      b.SetPixelAt(x, y, maskRow ? gfx::RGB(m, m, m) : gfx::RGB(40 + x * 3, 90 + y, 200 - x));
    }
  return b;
}

std::vector<std::uint8_t> Package() {
  const std::string options =
      "[GLOBALINFO]\r\nVERSION=6.5\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=15790320\r\n"
      "GRIPIMAGE=@0040@0000@0052@0020@1@1\r\n"
      "\r\n[STATUSBAR]\r\nCOLOR=15790320\r\nFONTCOLOR=0\r\nTRANSPARENCY=0\r\n"
      "BORDERSMASK=^0000^0000^0010^0020^0002^0002^0002^0002^1^1^0^0\r\n"
      "STATUSPANELMASK=^0020^0000^0030^0020^0002^0002^0002^0002^1^1^0^0\r\n";
  return skin::PackSkin({
      {"Options.dat", std::vector<std::uint8_t>(options.begin(), options.end())},
      {"MASTER.BMP", gfx::WriteBmp(Master())},
  });
}

void Memcpy(benchmark::State& state) {
  const std::size_t n = static_cast<std::size_t>(kW) * kH * 3;
  std::vector<std::uint8_t> a(n, 1), b(n, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}

void StatusBarPaint(benchmark::State& state) {
  backend::HeadlessBackend screen;
  ui::Application app(screen);
  auto* form = new ui::Form(&app);
  form->SetBorderStyle(ui::BorderStyle::bsNone);
  form->SetBoundsRect({0, 0, kW, 421});
  auto* bar = new skin::TsStatusBar(form);
  bar->SetParent(form);
  bar->AddPanel(600);
  form->ShowForm();
  auto* manager = new skin::TsSkinManager(&app);
  skin::TsStoredSkin stored;
  stored.Name = "Skin";
  stored.Data = Package();
  manager->InternalSkins().push_back(std::move(stored));
  manager->SetSkinName("Skin");
  app.ProcessMessages();
  if (!bar->SkinData().IsSkinned(true) || bar->Width() != kW || bar->Height() != kH) {
    state.SkipWithError("the status bar is not skinned at its place");
    return;
  }
  gfx::Bitmap target = gfx::NewBitmap24(kW, kH);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    bar->PaintBar(canvas);
    benchmark::DoNotOptimize(target.Scanline(0));
    benchmark::ClobberMemory();
  }
  // Docked at the bottom: every paint must have rendered.
  if (!bar->SkinData().RenderNextPaint) state.SkipWithError("the bar did not render on every paint");
}

[[maybe_unused]] const bool kRegistered = [] {
  benchmark::RegisterBenchmark("memcpy/statusbar", Memcpy);
  benchmark::RegisterBenchmark("StatusBarPaint", StatusBarPaint);
  return bench::controls::AddRatio("status bar paint 602x19 (render + copy) / memcpy (target <= 8)",
                                   "StatusBarPaint", "memcpy/statusbar");
}();

}  // namespace
