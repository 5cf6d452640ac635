// The skinned buttons' paint costs against baselines measured in the same
// run: a tile's cache render in each look against decoding its picture, an
// unchanged tile's repaint and a hot tile's full render against a memcpy of
// its pixels, the push button's full paint against the plain button's, and
// the main window's client area (panel, six tiles, one hot, status bar)
// repainted headless against a memcpy of the client's pixels.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/skin/controls/BenchRatios.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/PngWriter.h"
#include "platform/ui/Application.h"
#include "platform/ui/WindowTypes.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/controls/StatusBar.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sSkinManager.h"
#include "skin/controls/sSpeedButton.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace {

// A tile picture like the game's: a transparent edge band of 7 pixels and a
// varying, partly transparent interior.
gfx::Bitmap TilePicture(std::uint32_t seed) {
  gfx::Bitmap b = gfx::NewBitmap32(200, 200);
  std::uint32_t s = seed;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      s = s * 1664525u + 1013904223u;
      const bool edge = x < 7 || y < 7 || x >= 193 || y >= 193;
      const std::uint32_t a = edge ? 0 : 180 + (s >> 27);
      b.SetPixelAt(x, y, (a << 24) | gfx::RGB(40 + x / 2, 80 + y / 3, 120 + static_cast<int>(s >> 29)));
    }
  return b;
}

gfx::Bitmap Master() {
  gfx::Bitmap m = gfx::NewBitmap24(120, 80);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) m.SetPixelAt(x, y, gfx::RGB(x * 2, y * 3, 90));
  for (int k = 0; k < 3; ++k) {
    m.SetPixelAt(51 + 11 * k, 40, gfx::clFuchsia);
    m.SetPixelAt(11 * k, 60, gfx::clFuchsia);
  }
  return m;
}

std::string Options() {
  return "[GLOBALINFO]\r\nVERSION=6.69\r\nMASTERBITMAP=MASTER.BMP\r\n"
         "\r\n[PANEL]\r\nCOLOR=15790320\r\nTRANSPARENCY=0\r\nGRADIENTPERCENT=100\r\n"
         "GRADIENTDATA=16777215;16114357;100;0;0\r\n"
         "\r\n[STATUSBAR]\r\nCOLOR=15790320\r\nBORDERSMASK=^0000^0060^0033^0070^0002^0002^0002^0002^3^0^0^0\r\n"
         "\r\n[SPEEDBUTTON]\r\nBORDERSMASK=^0051^0040^0084^0062^0003^0007^0003^0003^3^1^2^1\r\n"
         "COLOR=16777215\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=70\r\nHOTGRADIENTPERCENT=100\r\n"
         "HOTGRADIENTDATA=16777215;14737632;50;0;0;14737632;13684944;50;0;0\r\n"
         "FADINGENABLED=TRUE\r\nFADINGITERATIONS=20\r\n"
         "\r\n[WEBBUTTON]\r\nBORDERSMASK=N/A\r\nCOLOR=16777215\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
         "\r\n[BUTTON]\r\nBORDERSMASK=^0000^0060^0036^0080^0004^0003^0004^0003^3^0^0^0\r\n"
         "COLOR=15790320\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=0\r\n";
}

std::vector<std::uint8_t> Package() {
  const std::string o = Options();
  return skin::PackSkin({{"Options.dat", std::vector<std::uint8_t>(o.begin(), o.end())},
                         {"MASTER.BMP", gfx::WriteBmp(Master())}});
}

// A headless application with the skin active and a main-window-like form:
// a panel (602 x 402 client area part), six tiles in two sections, a status
// bar; and a dialog-like form with a push button.
struct Scene {
  backend::HeadlessBackend screen;
  ui::Application app{screen};
  ui::Form* form = nullptr;
  ui::Panel* panel = nullptr;
  skin::TsSpeedButton* tiles[6] = {};
  skin::AlphaImageList* lists[6] = {};
  ui::StatusBar* status = nullptr;
  skin::TsSkinManager* manager = nullptr;

  Scene() {
    manager = new skin::TsSkinManager(&app);
    skin::TsStoredSkin stored;
    stored.Name = "Skin";
    stored.Data = Package();
    manager->InternalSkins().push_back(std::move(stored));
    manager->SetSkinName("Skin");
    form = new ui::Form(&app);
    form->SetBoundsRect({0, 0, 640, 480});
    form->SetClientSize(602, 421);
    panel = new ui::Panel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 602, 402);
    for (int i = 0; i < 6; ++i) {
      lists[i] = new skin::AlphaImageList(form);
      lists[i]->List().Loaded();  // as after loading: each item added is decoded once
      lists[i]->List().SetSize(200, 200);
      lists[i]->List().Items().AddPng(gfx::EncodePng(TilePicture(2 * i + 1)));
      lists[i]->List().Items().AddPng(gfx::EncodePng(TilePicture(2 * i + 2)));
      auto* t = new skin::TsSpeedButton(form);
      t->SetBounds(1 + 200 * (i % 3), 1 + 200 * (i / 3), 200, 200);
      t->SetParent(panel);
      t->SetImages(lists[i]);
      t->SetImageIndex(0);
      t->SkinData().SetSkinSection("SPEEDBUTTON");
      t->SkinData().Loaded();
      tiles[i] = t;
    }
    status = new ui::StatusBar(form);
    status->SetParent(form);
    status->SetBounds(0, 402, 602, 19);
    form->ShowForm();
    app.ProcessMessages();
  }
};

void Memcpy(benchmark::State& state, int w, int h) {
  const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3;
  std::vector<std::uint8_t> a(n, 1), b(n, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}

void DecodeItem(benchmark::State& state, int index) {
  Scene s;
  gfx::Bitmap picture;
  for (auto _ : state) {
    s.lists[0]->List().ItemImage32(index, picture);
    benchmark::DoNotOptimize(picture.Scanline(0));
  }
}

// One tile's cache render in a look: section, hot, enabled, picture.
void TileRender(benchmark::State& state, const char* section, bool hot, bool enabled, int image) {
  Scene s;
  skin::TsSpeedButton* t = s.tiles[0];
  t->SkinData().SetSkinSection(section);
  t->SetImageIndex(image);
  t->SetEnabled(enabled);
  t->SkinData().MouseOver = hot;
  for (auto _ : state) {
    t->SkinData().CacheStale = true;
    if (!t->RenderCache()) state.SkipWithError("render abandoned");
    benchmark::DoNotOptimize(t->SkinData().CacheBitmap.Scanline(0));
  }
  t->SkinData().MouseOver = false;
  t->SetEnabled(true);
  t->SetImageIndex(0);
}

// An unchanged normal tile shown again: one copy of its cache.
void TilePresent(benchmark::State& state) {
  Scene s;
  skin::TsSpeedButton* t = s.tiles[1];
  t->SkinData().SetSkinSection("WEBBUTTON");
  t->SkinData().CacheStale = true;
  t->PresentCache();
  for (auto _ : state) t->PresentCache();
}

// A hot tile's full render and copy to the screen.
void HotTileFull(benchmark::State& state) {
  Scene s;
  skin::TsSpeedButton* t = s.tiles[2];
  t->SkinData().SetSkinSection("SPEEDBUTTON");
  t->SkinData().MouseOver = true;
  for (auto _ : state) {
    t->SkinData().CacheStale = true;
    t->PresentCache();
  }
  t->SkinData().MouseOver = false;
}

// The main window's client area repainted with one tile hot.
void ClientArea(benchmark::State& state) {
  Scene s;
  for (auto* t : s.tiles) t->SkinData().SetSkinSection("SPEEDBUTTON");
  s.tiles[4]->SkinData().MouseOver = true;
  long before = 0;
  for (auto* t : s.tiles) t->OnPaint = [&before](skin::TsSpeedButton&, gfx::Bitmap&) { ++before; };
  for (auto _ : state)
    s.form->RedrawWindow(nullptr, ui::RDW_INVALIDATE | ui::RDW_ERASE | ui::RDW_ALLCHILDREN | ui::RDW_UPDATENOW);
  for (auto* t : s.tiles) t->OnPaint = nullptr;
  s.tiles[4]->SkinData().MouseOver = false;
  // The hot tile renders on every repaint.
  if (before < static_cast<long>(state.iterations())) state.SkipWithError("the client area was not repainted");
}

// A push button of the result dialog's size painted whole.
template <class B>
void PushPaint(benchmark::State& state) {
  Scene s;
  auto* b = new B(s.form);
  b->SetParent(s.form);
  b->SetBounds(155, 112, 174, 25);
  b->SetCaption("Попробовать ещё");
  s.app.ProcessMessages();
  for (auto _ : state) b->RedrawWindow(nullptr, ui::RDW_INVALIDATE | ui::RDW_ERASE | ui::RDW_UPDATENOW);
  delete b;
}

[[maybe_unused]] const bool kRegistered = [] {
  using bench::controls::AddRatio;
  benchmark::RegisterBenchmark("memcpy/200x200x3", Memcpy, 200, 200);
  benchmark::RegisterBenchmark("memcpy/602x421x3", Memcpy, 602, 421);
  benchmark::RegisterBenchmark("ItemImage32/lit", DecodeItem, 1);
  benchmark::RegisterBenchmark("ItemImage32/dark", DecodeItem, 0);
  benchmark::RegisterBenchmark("TileRender/webbutton-normal-lit", TileRender, "WEBBUTTON", false, true, 1);
  benchmark::RegisterBenchmark("TileRender/speedbutton-hot-dark", TileRender, "SPEEDBUTTON", true, true, 0);
  benchmark::RegisterBenchmark("TileRender/disabled-dark", TileRender, "WEBBUTTON", false, false, 0);
  benchmark::RegisterBenchmark("TilePresent/unchanged", TilePresent);
  benchmark::RegisterBenchmark("TileFull/hot", HotTileFull);
  benchmark::RegisterBenchmark("ClientArea/one-hot", ClientArea);
  benchmark::RegisterBenchmark("PushPaint/plain", PushPaint<ui::Button>);
  benchmark::RegisterBenchmark("PushPaint/skinned", PushPaint<skin::TsButton>);
  AddRatio("tile render, WEBBUTTON normal, lit / decode of the lit item", "TileRender/webbutton-normal-lit",
           "ItemImage32/lit");
  AddRatio("tile render, SPEEDBUTTON hot / decode of the dark item", "TileRender/speedbutton-hot-dark",
           "ItemImage32/dark");
  AddRatio("tile render, disabled, dark / decode of the dark item", "TileRender/disabled-dark",
           "ItemImage32/dark");
  AddRatio("unchanged tile repaint / memcpy 200x200x3", "TilePresent/unchanged", "memcpy/200x200x3");
  AddRatio("hot tile full render + copy / memcpy 200x200x3", "TileFull/hot", "memcpy/200x200x3");
  AddRatio("push button paint 174x25, skinned / plain", "PushPaint/skinned", "PushPaint/plain");
  AddRatio("main client area (panel, 6 tiles, 1 hot, status bar) / memcpy 602x421x3", "ClientArea/one-hot",
           "memcpy/602x421x3");
  return true;
}();

}  // namespace
