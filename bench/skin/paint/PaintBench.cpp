// Times the hot pixel operations against memcpy of the same number of bytes
// (the bytes of a 24-bit bitmap of that size), measured in the same run, and
// prints the ratios at the end.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/common/TimeRecorder.h"
#include "platform/gfx/Bitmap.h"
#include "skin/paint/AlphaCopy.h"
#include "skin/paint/Backdrop.h"
#include "skin/paint/Blend.h"
#include "skin/paint/Fill.h"

namespace {

struct Size {
  int W, H;
  std::string Name() const { return std::to_string(W) + "x" + std::to_string(H); }
};

const Size kSizes[] = {{602, 421}, {200, 200}};

// Deterministic non-uniform content.
void Pattern(gfx::Bitmap& b, unsigned seed) {
  const int bytes = static_cast<int>(b.RowBytes());
  for (int y = 0; y < b.Height(); ++y) {
    std::uint8_t* p = b.Scanline(y);
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>((i * 7 + y * 13 + seed) & 0xFF);
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

void Blend(benchmark::State& state, Size s) {
  gfx::Bitmap dst = gfx::NewBitmap24(s.W, s.H);
  gfx::Bitmap src = gfx::NewBitmap24(s.W, s.H);
  Pattern(dst, 1);
  Pattern(src, 2);
  for (auto _ : state) {
    skin::BlendBitmaps(dst, src, 100, {0, 0}, src.Bounds());
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}

void AlphaCopy(benchmark::State& state, Size s) {
  gfx::Bitmap dst = gfx::NewBitmap24(s.W, s.H);
  gfx::Bitmap src = gfx::NewBitmap32(s.W, s.H);
  Pattern(dst, 3);
  Pattern(src, 4);  // alpha bytes cover the whole range, holes included
  for (int y = 0; y < s.H; y += 7) std::memcpy(src.Scanline(y), "\xFF\x00\xFF\x00", 4);
  for (auto _ : state) {
    skin::AlphaCopy(dst.Bounds(), src.Bounds(), dst, false, 0, gfx::clNone, false, skin::NoBackdrop, src);
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}

void Fill(benchmark::State& state, Size s) {
  gfx::Bitmap dst = gfx::NewBitmap24(s.W, s.H);
  for (auto _ : state) {
    skin::FillColorRect(dst, dst.Bounds(), 0x00C08040);
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}

// CPU time is the steadier measure on a shared machine; wall time is shown beside it.
void PrintRatios(const bench::TimeRecorder& times) {
  std::printf("\nTime relative to memcpy of the same bytes (cpu, wall):\n");
  for (const Size& s : kSizes) {
    for (const char* op : {"BlendBitmaps", "AlphaCopy", "FillColorRect"}) {
      const auto r = times.Ratio(std::string(op) + "/" + s.Name(), "memcpy/" + s.Name());
      if (r) std::printf("  %-14s %-8s %6.2fx %6.2fx\n", op, s.Name().c_str(), r->Cpu, r->Real);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const Size& s : kSizes) {
    benchmark::RegisterBenchmark(("memcpy/" + s.Name()).c_str(), Memcpy, s);
    benchmark::RegisterBenchmark(("BlendBitmaps/" + s.Name()).c_str(), Blend, s);
    benchmark::RegisterBenchmark(("AlphaCopy/" + s.Name()).c_str(), AlphaCopy, s);
    benchmark::RegisterBenchmark(("FillColorRect/" + s.Name()).c_str(), Fill, s);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::TimeRecorder times;
  benchmark::RunSpecifiedBenchmarks(&times);
  PrintRatios(times);
  benchmark::Shutdown();
  return 0;
}
