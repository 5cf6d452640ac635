// The skinned progress bar of the result dialog (198 x 17, range 0..20):
// a repaint through the lit-block shortcut (position toggling 10 <-> 11, the
// cache copied to an off-screen surface) and a full render at position 20
// (frame and twenty blocks), each against memcpy of the cache's bytes,
// measured in the same run.
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
#include "skin/controls/acProgressBar.h"
#include "skin/controls/sSkinManager.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace {

constexpr int kW = 198, kH = 17;

// The skin of the tables: GAUGE a colour with a 1-pixel border mask
// around a key-coloured centre, PROGRESSH a plain colour.
std::vector<std::uint8_t> Package() {
  gfx::Bitmap master = gfx::NewBitmap24(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) master.SetPixelAt(x, y, gfx::RGB(200, 0, 0));
  master.SetPixelAt(1, 1, gfx::clFuchsia);
  const std::string options =
      "[GLOBALINFO]\r\nVERSION=6.5\r\nMASTERBITMAP=MASTER.BMP\r\n"
      "\r\n[GAUGE]\r\nBORDERSMASK=^0000^0000^0003^0003^0001^0001^0001^0001^1^0^0^0\r\nCOLOR=1971210\r\n"
      "\r\n[PROGRESSH]\r\nCOLOR=16384000\r\n";
  return skin::PackSkin({{"Options.dat", {options.begin(), options.end()}}, {"MASTER.BMP", gfx::WriteBmp(master)}});
}

// A shown form with the skinned bar on it, the skin applied.
struct BarScene {
  backend::HeadlessBackend screen;
  ui::Application app{screen};
  skin::TsSkinManager* manager = nullptr;
  skin::TsProgressBar* bar = nullptr;

  BarScene() {
    auto* form = new ui::Form(&app);
    form->SetBoundsRect({0, 0, 360, 120});
    bar = new skin::TsProgressBar(form);
    bar->SetParent(form);
    bar->SetBounds(147, 50, kW, kH);
    bar->SetRange(0, 20);
    form->ShowForm();
    manager = new skin::TsSkinManager(&app);
    skin::TsStoredSkin stored;
    stored.Name = "Skin";
    stored.Data = Package();
    manager->InternalSkins().push_back(std::move(stored));
    manager->SetSkinName("Skin");
    bar->SkinData().Loaded();
    app.ProcessMessages();
  }
};

void Memcpy(benchmark::State& state) {
  const std::size_t n = static_cast<std::size_t>(kW) * kH * 3;
  std::vector<std::uint8_t> a(n, 1), b(n, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}

void ShortcutRepaint(benchmark::State& state) {
  BarScene scene;
  gfx::Bitmap target = gfx::NewBitmap24(kW, kH);
  gfx::Canvas canvas(target);
  scene.bar->SetPosition(10);
  scene.bar->PaintProgress(canvas);
  const int before = scene.bar->LastBlockCount;
  int position = 10;
  for (auto _ : state) {
    position = position == 10 ? 11 : 10;
    scene.bar->SetPosition(position);
    // The paint cycle validates the window: each position change starts
    // from an empty update region, as in the program.
    scene.bar->ValidateRect(nullptr);
    scene.bar->PaintProgress(canvas);
    benchmark::DoNotOptimize(target.Scanline(0));
    benchmark::ClobberMemory();
  }
  if (!scene.bar->SkinData().IsSkinned() || before != 10 || scene.bar->LastBlockCount != 10)
    state.SkipWithError("the bar did not paint from the skin");
}

void FullRender(benchmark::State& state) {
  BarScene scene;
  scene.bar->SetPosition(20);
  for (auto _ : state) {
    scene.bar->LastBlockCount = -1;
    scene.bar->RenderCache();
    benchmark::DoNotOptimize(scene.bar->SkinData().CacheBitmap.Scanline(0));
    benchmark::ClobberMemory();
  }
  if (scene.bar->LastBlockCount != 19) state.SkipWithError("the bar did not render its blocks");
}

[[maybe_unused]] const bool kRegistered = [] {
  benchmark::RegisterBenchmark("memcpy/progress198x17", Memcpy);
  benchmark::RegisterBenchmark("ProgressShortcutRepaint", ShortcutRepaint);
  benchmark::RegisterBenchmark("ProgressFullRender20", FullRender);
  bench::controls::AddRatio("progress repaint through the shortcut / memcpy (target <= 3)",
                            "ProgressShortcutRepaint", "memcpy/progress198x17");
  return bench::controls::AddRatio("progress full render at 20 / memcpy (target <= 40)", "ProgressFullRender20",
                                   "memcpy/progress198x17");
}();

}  // namespace
