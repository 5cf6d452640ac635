// One fade step as the animation timer makes it: the frame composed from the
// old image and the cache at a weight that changes every step, then copied
// onto a 24-bit surface. Baseline: memcpy of the frame's bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bench/skin/controls/BenchRatios.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "skin/controls/FadeFrame.h"

namespace {

struct Size {
  int W, H;
  std::string Name() const { return std::to_string(W) + "x" + std::to_string(H); }
};

const Size kSizes[] = {{200, 200}, {150, 25}, {1024, 768}};

void Pattern(gfx::Bitmap& b, unsigned seed) {
  for (int y = 0; y < b.Height(); ++y) {
    std::uint8_t* p = b.Scanline(y);
    for (std::size_t i = 0; i < b.RowBytes(); ++i)
      p[i] = static_cast<std::uint8_t>((i * 7 + y * 13 + seed) & 0xFF);
  }
}

void Memcpy(benchmark::State& state, Size s) {
  const std::size_t n = static_cast<std::size_t>(s.W) * static_cast<std::size_t>(s.H) * 3;
  std::vector<std::uint8_t> a(n, 1), b(n, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}

void FadeStep(benchmark::State& state, Size s) {
  gfx::Bitmap from = gfx::NewBitmap24(s.W, s.H), cache = gfx::NewBitmap24(s.W, s.H);
  Pattern(from, 1);
  Pattern(cache, 2);
  gfx::Bitmap frame;
  gfx::Bitmap surface = gfx::NewBitmap24(s.W, s.H);
  gfx::Canvas canvas(surface);
  int step = 1;
  for (auto _ : state) {
    skin::ComposeFadeFrame(frame, from, cache, skin::FadeAlpha(step, 20));
    canvas.DrawBitmap(0, 0, frame);
    step = step % 19 + 1;  // weights 243 .. 12, never the plain copy of the last step
    benchmark::DoNotOptimize(surface.Scanline(0));
    benchmark::ClobberMemory();
  }
}

// The composition alone, to tell it from the copy to the surface.
void FadeCompose(benchmark::State& state, Size s) {
  gfx::Bitmap from = gfx::NewBitmap24(s.W, s.H), cache = gfx::NewBitmap24(s.W, s.H);
  Pattern(from, 1);
  Pattern(cache, 2);
  gfx::Bitmap frame;
  int step = 1;
  for (auto _ : state) {
    skin::ComposeFadeFrame(frame, from, cache, skin::FadeAlpha(step, 20));
    step = step % 19 + 1;
    benchmark::DoNotOptimize(frame.Scanline(0));
    benchmark::ClobberMemory();
  }
}

[[maybe_unused]] const bool kRegistered = [] {
  for (const Size& s : kSizes) {
    benchmark::RegisterBenchmark(("memcpy/" + s.Name()).c_str(), Memcpy, s);
    benchmark::RegisterBenchmark(("FadeStep/" + s.Name()).c_str(), FadeStep, s);
    benchmark::RegisterBenchmark(("FadeCompose/" + s.Name()).c_str(), FadeCompose, s);
    bench::controls::AddRatio("fade step (compose + copy) " + s.Name() + " / memcpy", "FadeStep/" + s.Name(),
                              "memcpy/" + s.Name());
    bench::controls::AddRatio("  of which compose " + s.Name() + " / memcpy", "FadeCompose/" + s.Name(),
                              "memcpy/" + s.Name());
  }
  return true;
}();

}  // namespace
