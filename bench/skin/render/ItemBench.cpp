// A hot speed-button tile: the whole item painted into a 200 x 200 cache.
#include <benchmark/benchmark.h>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/Backdrop.h"
#include "skin/render/SkinItem.h"

namespace {

// Transparency 70 and a five-step vertical gradient in the hot state, the
// hot frame a masked three-state border (11 x 11 cells, borders 3/7/3/3,
// drawn only outside state 0), over a ready backdrop cut from a window-sized
// parent image.
void HotSpeedButton(benchmark::State& state) {
  skin::TsSkinModel model;
  model.MasterBitmap = gfx::NewBitmap24(84, 62);
  for (int y = 0; y < 62; ++y)
    for (int x = 0; x < 84; ++x)
      model.MasterBitmap.SetPixelAt(
          x, y, (x + y) % 7 == 0 ? gfx::clFuchsia : gfx::RGB(x * 3, y * 4, (x ^ y) & 0xFF));
  static int owner;
  skin::TsMaskData frame;
  frame.Left = 51;
  frame.Top = 40;
  frame.Right = 84;
  frame.Bottom = 62;
  frame.ImageCount = 3;
  frame.MaskType = 1;
  frame.StretchMode = 2;
  frame.WL = 3;
  frame.WT = 7;
  frame.WR = 3;
  frame.WB = 3;
  frame.Owner = reinterpret_cast<skin::TsSkinManager*>(&owner);
  model.MaskTable.push_back(frame);

  skin::TsGeneralData section;
  section.SectionName = "SPEEDBUTTON";
  section.HotTransparency = 70;
  section.HotGradientPercent = 100;
  section.HotGradientData = "steps";
  section.HotGradientSteps = {{0x00F0E0D0, 0x00A09080, 20, 0},
                              {0x00A09080, 0x00FFFFFF, 20, 0},
                              {0x00FFFFFF, 0x00000000, 20, 0},
                              {0x00000000, 0x00808080, 20, 0},
                              {0x00808080, 0x00C0C0C0, 20, 0}};
  section.BordersMaskIndex = 0;
  model.GeneralTable.push_back(section);

  gfx::Bitmap parent = gfx::NewBitmap24(602, 402);
  for (int y = 0; y < 402; ++y)
    for (int x = 0; x < 602; ++x) parent.SetPixelAt(x, y, gfx::RGB(x & 0xFF, y & 0xFF, 90));
  const skin::BackdropRef backdrop = skin::MakeBackdropRef(&parent, 150, 100);
  gfx::Bitmap cache = gfx::NewBitmap24(200, 200);
  for (auto _ : state) {
    skin::RenderSkinItem(model, 0, "SPEEDBUTTON", backdrop, -1, -1, cache, {}, cache.Bounds(), 1, false);
    benchmark::DoNotOptimize(cache.Scanline(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(HotSpeedButton)->Name("RenderSkinItem/200x200");

}  // namespace
