// The about memo's skinned vertical bar (16 x 221, thumb 123) on a skinned
// memo of 311 x 225 in a headless application:
// - painting the bar as every timer tick over a bar does (PaintBars into a
//   window-sized bitmap: scroll information, background query, bar image,
//   copy);
// - one thumb-drag step: the bar image with the thumb moved, copied to the
//   window's surface, plus one scroll message to the memo (the skin's
//   redraw-lock queries, the scroll position, WM_VSCROLL);
// - the bar image alone (the painters' share of both).
// Every part has a 2-pixel three-state nine-slice border mask and a 7 x 4
// glyph; the background is a plain colour. Baseline: memcpy of the bar's
// 10,608 bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bench/skin/controls/BenchRatios.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/acSBGeometry.h"
#include "skin/controls/acSBPaint.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sSkinManager.h"
#include "skin/data/SkinModel.h"
#include "tools/skinpack/SkinPackWriter.h"

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

// The same parts as a packed skin: masks at the master's top-left, glyphs
// beside them; "EDIT" a white section with a one-state 2-pixel mask.
std::vector<std::uint8_t> Package() {
  std::string o = "[GLOBALINFO]\r\nVERSION=6.69\r\nMASTERBITMAP=MASTER.BMP\r\n";
  const char* names[] = {"SCROLLBAR1V", "SCROLLBAR2V", "SCROLLSLIDERV", "SCROLLBTNTOP", "SCROLLBTNBOTTOM"};
  for (int i = 0; i < 5; ++i) {
    o += std::string("\r\n[") + names[i] + "]\r\n";
    o += "COLOR=" + std::to_string(gfx::RGB(40 * i, 200 - 30 * i, 100)) + "\r\n";
    o += "HOTCOLOR=" + std::to_string(gfx::RGB(40 * i + 10, 210 - 30 * i, 120)) + "\r\n";
    o += "BORDERSMASK=^0000^0000^0018^0006^0002^0002^0002^0002^3^0^0^0\r\n";
    o += "GLYPHMASK=@0020^0000^0041^0004^3^0\r\n";
  }
  o += "\r\n[EDIT]\r\nCOLOR=16777215\r\nHOTCOLOR=16777215\r\n"
       "BORDERSMASK=^0000^0006^0007^0015^0002^0002^0002^0002^1^0^0^0\r\n";
  gfx::Bitmap master = gfx::NewBitmap24(64, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 64; ++x)
      master.SetPixelAt(x, y, gfx::RGB(static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 9), 90));
  return skin::PackSkin({{"Options.dat", std::vector<std::uint8_t>(o.begin(), o.end())},
                         {"MASTER.BMP", gfx::WriteBmp(master)}});
}

// A headless application with the skin active and the about memo: 311 x 225,
// read-only, vertical bar, 40 lines.
struct MemoScene {
  backend::HeadlessBackend screen;
  ui::Application app{screen};
  skin::TsMemo* memo = nullptr;
  skin::TacEditWnd* adapter = nullptr;

  MemoScene() {
    auto* manager = new skin::TsSkinManager(&app);
    skin::TsStoredSkin stored;
    stored.Name = "Skin";
    stored.Data = Package();
    manager->InternalSkins().push_back(std::move(stored));
    manager->SetSkinName("Skin");
    auto* form = new ui::Form(&app);
    form->SetBoundsRect({0, 0, 330, 300});
    memo = new skin::TsMemo(form);
    memo->SetParent(form);
    memo->SetBounds(0, 0, 311, 225);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ui::ScrollStyle::ssVertical);
    for (int i = 0; i < 40; ++i) memo->AddLine("line " + std::to_string(i));
    memo->Loaded();
    form->ShowForm();
    app.ProcessMessages();
    adapter = memo->Adapter();
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

void BarImage(benchmark::State& state) {
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

void BarPaint(benchmark::State& state) {
  MemoScene s;
  if (!s.adapter || !s.adapter->VertBar.Shown) {
    state.SkipWithError("the memo has no skinned bar");
    return;
  }
  gfx::Bitmap window(311, 225, gfx::PixelFormat::Bgr24);
  gfx::Canvas dc(window);
  for (auto _ : state) {
    s.adapter->PaintBars(&dc, -1);
    benchmark::DoNotOptimize(window.Scanline(0));
    benchmark::ClobberMemory();
  }
}

// One step as the drag does it: the bar with the thumb at the pointer on the
// window's surface, then the scroll message (sent as while dragging).
void DragStep(benchmark::State& state) {
  MemoScene s;
  if (!s.adapter || !s.adapter->VertBar.Shown) {
    state.SkipWithError("the memo has no skinned bar");
    return;
  }
  skin::TacEditWnd& a = *s.adapter;
  const gfx::Rect r = a.BarsInWindow().Vert;
  int offset = 0, step = 1;
  for (auto _ : state) {
    if (auto dc = s.memo->GetSurface(ui::SurfaceArea::Window)) a.PaintScrollBar(a.VertBar, *dc, r.Top + 16 + offset, -1, r);
    const int pos = skin::DragPosition(a.VertBar.Info, offset, 189, 123);
    a.SendingScroll = true;
    a.SendScroll(ui::WM_VSCROLL, ui::SB_THUMBTRACK, pos);
    a.SendingScroll = false;
    benchmark::ClobberMemory();
    offset += step;
    if (offset == 66 || offset == 0) step = -step;
  }
}

BENCHMARK(Memcpy)->Name("scroll memcpy/16x221");
BENCHMARK(BarImage)->Name("ScrollBarImage/16x221");
BENCHMARK(BarPaint)->Name("ScrollBarPaint/16x221");
BENCHMARK(DragStep)->Name("ScrollBarDrag/16x221");

const bool kRatios = [] {
  bench::controls::AddRatio("scroll bar paint 16x221 / memcpy (target <= 60)", "ScrollBarPaint/16x221",
                            "scroll memcpy/16x221");
  bench::controls::AddRatio("thumb drag step 16x221 / memcpy (target <= 80)", "ScrollBarDrag/16x221",
                            "scroll memcpy/16x221");
  bench::controls::AddRatio("scroll bar image alone 16x221 / memcpy", "ScrollBarImage/16x221",
                            "scroll memcpy/16x221");
  return true;
}();

}  // namespace
