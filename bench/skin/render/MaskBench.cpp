// Mask frames and gradients at window size.
#include <benchmark/benchmark.h>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinModel.h"
#include "skin/render/Gradient.h"
#include "skin/render/MaskFrame.h"

namespace {

// A window-sized frame: borders 8/28/8/8 around a 4 x 4 centre tile that is
// tiled over the whole inside (about 13 000 tiles).
void TiledWindowFrame(benchmark::State& state) {
  skin::TsSkinModel model;
  model.MasterBitmap = gfx::NewBitmap24(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) model.MasterBitmap.SetPixelAt(x, y, gfx::RGB(x * 5, y * 5, (x ^ y) * 3));
  skin::TsMaskData mask;
  mask.Left = 0;
  mask.Top = 0;
  mask.Right = 20;
  mask.Bottom = 40;
  mask.ImageCount = 1;
  mask.MaskType = 0;
  mask.StretchMode = skin::kDrawCentre;
  mask.WL = 8;
  mask.WT = 28;
  mask.WR = 8;
  mask.WB = 8;
  static int owner;
  mask.Owner = reinterpret_cast<skin::TsSkinManager*>(&owner);
  gfx::Bitmap dst = gfx::NewBitmap24(602, 402);
  for (auto _ : state) {
    skin::RenderMaskFrame(model, dst, dst.Bounds(), true, false, 0, mask, skin::NoBackdrop);
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(TiledWindowFrame)->Name("RenderMaskFrame/602x402");

void VerticalGradient(benchmark::State& state) {
  const skin::TsGradArray steps = {{0x00F0E0D0, 0x00A09080, 20, 0},
                                   {0x00A09080, 0x00FFFFFF, 20, 0},
                                   {0x00FFFFFF, 0x00000000, 20, 0},
                                   {0x00000000, 0x00808080, 20, 0},
                                   {0x00808080, 0x00C0C0C0, 20, 0}};
  gfx::Bitmap dst = gfx::NewBitmap24(602, 402);
  for (auto _ : state) {
    skin::PaintGradient(dst, dst.Bounds(), steps);
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(VerticalGradient)->Name("PaintGradient/602x402");

}  // namespace

namespace {

// The hot frame of a speed button (borders 3/7/3/3 through a transparency
// picture, three 11 x 11 cells) on a 200 x 200 cache: the frame part of the
// hot-tile item benchmark on its own.
void SpeedButtonFrame(benchmark::State& state) {
  skin::TsSkinModel model;
  model.MasterBitmap = gfx::NewBitmap24(84, 62);
  for (int y = 0; y < 62; ++y)
    for (int x = 0; x < 84; ++x) model.MasterBitmap.SetPixelAt(x, y, gfx::RGB(x * 3, y * 4, (x + y) & 0xFF));
  skin::TsMaskData mask;
  mask.Left = 51;
  mask.Top = 40;
  mask.Right = 84;
  mask.Bottom = 62;
  mask.ImageCount = 3;
  mask.MaskType = 1;
  mask.StretchMode = skin::kSkipInNormal;
  mask.WL = 3;
  mask.WT = 7;
  mask.WR = 3;
  mask.WB = 3;
  static int owner;
  mask.Owner = reinterpret_cast<skin::TsSkinManager*>(&owner);
  gfx::Bitmap dst = gfx::NewBitmap24(200, 200);
  gfx::Bitmap back = gfx::NewBitmap24(602, 402);
  for (auto _ : state) {
    skin::RenderMaskFrame(model, dst, dst.Bounds(), false, true, 1, mask,
                          skin::MakeBackdropRef(&back, 100, 100));
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(SpeedButtonFrame)->Name("RenderMaskFrame/200x200");

}  // namespace
