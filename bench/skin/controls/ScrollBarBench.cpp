// The about memo's skinned vertical bar (16 x 221, thumb 123): painting it
// into a window-sized image as every timer tick over a bar does, and one
// thumb-drag step (the bar image with the thumb moved, plus the scroll
// position the window gets). Every part has a 2-pixel nine-slice border mask
// and a 7 x 4 glyph; the background is a plain colour. Baseline: memcpy of
// the bar's 10,608 bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "bench/skin/controls/BenchRatios.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "skin/controls/acSBGeometry.h"
#include "skin/controls/acSBPaint.h"
#include "skin/data/SkinModel.h"

namespace {

constexpr int kBarW = 16, kBarH = 221;

skin::TsSkinManager* FakeOwner() {
  static int token;
  return reinterpret_cast<skin::TsSkinManager*>(&token);
}

// Five vertical scroll sections, each with a three-state 6 x 6 border mask
// with 2-pixel sides and a three-state 7 x 4 glyph, in a small master bitmap.
skin::TsSkinModel BarModel() {
  skin::TsSkinModel m;
  m.MasterBitmap = gfx::Bitmap(64, 16, gfx::PixelFormat::Bgr24);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 64; ++x)
      m.MasterBitmap.SetPixelAt(x, y, gfx::RGB(static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 9), 90));
  skin::TsMaskData border;
  border.Left = 0;
  border.Top = 0;
  border.Right = 18;
  border.Bottom = 6;
  border.ImageCount = 3;
  border.WL = border.WT = border.WR = border.WB = 2;
  border.Owner = FakeOwner();
  skin::TsMaskData glyph;
  glyph.Left = 20;
  glyph.Top = 0;
  glyph.Right = 41;
  glyph.Bottom = 4;
  glyph.ImageCount = 3;
  glyph.ImgType = skin::TacImgType::itisaGlyph;
  glyph.Owner = FakeOwner();
  const char* names[] = {"SCROLLBAR1V", "SCROLLBAR2V", "SCROLLSLIDERV", "SCROLLBTNTOP", "SCROLLBTNBOTTOM"};
  skin::TsScrollPartIndexes* parts[] = {&m.CommonIndexes.ScrollBar1V, &m.CommonIndexes.ScrollBar2V,
                                        &m.CommonIndexes.ScrollSliderV, &m.CommonIndexes.ScrollBtnTop,
                                        &m.CommonIndexes.ScrollBtnBottom};
  for (int i = 0; i < 5; ++i) {
    skin::TsGeneralData g;
    g.SectionName = names[i];
    g.Color = gfx::RGB(40 * i, 200 - 30 * i, 100);
    g.HotColor = gfx::RGB(40 * i + 10, 210 - 30 * i, 120);
    m.GeneralTable.push_back(g);
    border.SectionName = glyph.SectionName = names[i];
    border.PropertyName = "BORDERSMASK";
    glyph.PropertyName = "GLYPHMASK";
    m.MaskTable.push_back(border);
    parts[i]->Section = static_cast<std::int16_t>(i);
    parts[i]->BordersMask = static_cast<std::int16_t>(m.MaskTable.size() - 1);
    if (i >= 2) {
      m.MaskTable.push_back(glyph);
      parts[i]->GlyphMask = static_cast<std::int16_t>(m.MaskTable.size() - 1);
    }
  }
  return m;
}

struct AboutBar {
  skin::TsSkinModel Model = BarModel();
  skin::TacScrollBar Bar;
  gfx::Bitmap Window = gfx::Bitmap(311, 225, gfx::PixelFormat::Bgr24);
  gfx::Bitmap Image;
  AboutBar() {
    Bar.BarKind = ui::SB_VERT;
    Bar.Info = {ui::SIF_ALL, 0, 19, 13, 3, 0};
  }
  skin::BarLook Look(int thumbOffset, int thumbState) {
    skin::BarLook l;
    l.Model = &Model;
    l.Bar = &Bar;
    l.Origin = {293, 2};
    l.Size = {kBarW, kBarH};
    l.ThumbOffset = thumbOffset;
    l.ThumbLength = 123;
    l.ArrowLength = 16;
    l.GlyphSquare = 16;
    l.ThumbState = thumbState;
    l.WindowBackdrop = {nullptr, 0, 0, gfx::RGB(255, 255, 255), false};
    return l;
  }
};

void Memcpy(benchmark::State& state) {
  const std::size_t n = static_cast<std::size_t>(kBarW) * kBarH * 3;
  std::vector<std::uint8_t> a(n, 1), b(n, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}

void BarPaint(benchmark::State& state) {
  AboutBar bar;
  gfx::Canvas dc(bar.Window);
  const skin::ThumbPlace t = skin::ThumbGeometry(bar.Bar, 16, {0, 0, kBarW, kBarH});
  for (auto _ : state) {
    skin::PaintBarImage(bar.Look(t.Start, 0), bar.Image);
    dc.DrawBitmap(293, 2, bar.Image);
    benchmark::DoNotOptimize(bar.Window.Scanline(0));
    benchmark::ClobberMemory();
  }
}

void DragStep(benchmark::State& state) {
  AboutBar bar;
  gfx::Canvas dc(bar.Window);
  int offset = 0, step = 1;
  for (auto _ : state) {
    skin::PaintBarImage(bar.Look(16 + offset, 2), bar.Image);
    dc.DrawBitmap(293, 2, bar.Image);
    bar.Bar.Info.TrackPos = skin::DragPosition(bar.Bar.Info, offset, 189, 123);
    benchmark::DoNotOptimize(bar.Bar.Info.TrackPos);
    benchmark::ClobberMemory();
    offset += step;
    if (offset == 66 || offset == 0) step = -step;
  }
}

BENCHMARK(Memcpy)->Name("scroll memcpy/16x221");
BENCHMARK(BarPaint)->Name("ScrollBarPaint/16x221");
BENCHMARK(DragStep)->Name("ScrollBarDrag/16x221");

const bool kRatios = [] {
  bench::controls::AddRatio("scroll bar paint 16x221 / memcpy (target <= 60)", "ScrollBarPaint/16x221",
                            "scroll memcpy/16x221");
  bench::controls::AddRatio("thumb drag step 16x221 / memcpy (target <= 80)", "ScrollBarDrag/16x221",
                            "scroll memcpy/16x221");
  return true;
}();

}  // namespace
