// Times Canvas fills, copies and stretches against memcpy of the same number
// of bytes (a 24-bit bitmap of the destination size), measured in the same
// run, and prints the ratios at the end. Besides the 2:1 and 2:3 stretches it
// times what skins do on every repaint: small pieces and one-pixel columns
// stretched to control size, and blended 32-bit pictures with alpha.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/common/TimeRecorder.h"
#include "platform/gfx/Canvas.h"

namespace {

struct Dims {
  int W, H;
  std::string Name() const { return std::to_string(W) + "x" + std::to_string(H); }
};

const Dims kSizes[] = {{602, 421}, {200, 200}};
const char* const kOps[] = {"FillRect",    "FillRectClipped", "CopyRect", "Stretch2to1",
                            "Stretch2to3", "Blend2to1",       "Blend2to3"};

// Stretches of a fixed source size onto a destination size.
struct Piece {
  const char* Name;
  Dims Src, Dst;
};
const Piece kPieces[] = {
    {"Piece10x20", {10, 20}, {300, 20}},
    {"Piece20x20", {20, 20}, {602, 421}},
    {"Column1xH", {1, 421}, {602, 421}},
};

void Pattern(gfx::Bitmap& b, unsigned seed) {
  const int bytes = static_cast<int>(b.RowBytes());
  for (int y = 0; y < b.Height(); ++y) {
    std::uint8_t* p = b.Scanline(y);
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>((i * 7 + y * 13 + seed) & 0xFF);
  }
}

void Memcpy(benchmark::State& state, Dims s) {
  const std::size_t n = static_cast<std::size_t>(s.W) * static_cast<std::size_t>(s.H) * 3;
  std::vector<std::uint8_t> a(n, 1), b(n, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}

void Fill(benchmark::State& state, Dims s, bool clipped) {
  gfx::Bitmap dst = gfx::NewBitmap24(s.W, s.H);
  gfx::Canvas c(dst);
  if (clipped) c.ExcludeClipRect({s.W / 4, s.H / 4, s.W / 2, s.H / 2});  // a banded clip of three bands
  for (auto _ : state) {
    c.FillRect(dst.Bounds(), 0x00C08040);
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}

void Copy(benchmark::State& state, Dims s) {
  gfx::Bitmap dst = gfx::NewBitmap24(s.W, s.H), src = gfx::NewBitmap24(s.W, s.H);
  Pattern(src, 1);
  gfx::Canvas c(dst);
  for (auto _ : state) {
    c.DrawBitmap(0, 0, src);
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}

// Destination of the stretch tests is the named size; the source is 2x or 2/3 of it.
void Stretch(benchmark::State& state, Dims s, int num, int den) {
  gfx::Bitmap dst = gfx::NewBitmap24(s.W, s.H);
  gfx::Bitmap src = gfx::NewBitmap24(s.W * num / den, s.H * num / den);
  Pattern(src, 2);
  gfx::Canvas c(dst);
  for (auto _ : state) {
    c.StretchDraw(dst.Bounds(), src, src.Bounds());
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}

// A 32-bit picture whose alpha bytes follow the same pattern (nearly every
// pixel partly transparent) blended at 2x or 2/3 of the destination size.
void Blend(benchmark::State& state, Dims s, int num, int den) {
  gfx::Bitmap dst = gfx::NewBitmap24(s.W, s.H);
  gfx::Bitmap src(s.W * num / den, s.H * num / den, gfx::PixelFormat::Bgra32);
  Pattern(src, 3);
  gfx::Canvas c(dst);
  for (auto _ : state) {
    c.AlphaBlendBitmap(dst.Bounds(), src, src.Bounds(), 255);
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}

void StretchPiece(benchmark::State& state, Piece p) {
  gfx::Bitmap dst = gfx::NewBitmap24(p.Dst.W, p.Dst.H);
  gfx::Bitmap src = gfx::NewBitmap24(p.Src.W, p.Src.H);
  Pattern(src, 4);
  gfx::Canvas c(dst);
  for (auto _ : state) {
    c.StretchDraw(dst.Bounds(), src, src.Bounds());
    benchmark::DoNotOptimize(dst.Scanline(0));
    benchmark::ClobberMemory();
  }
}

// CPU time is the steadier measure on a shared machine; wall time is shown beside it.
void PrintRatios(const bench::TimeRecorder& times) {
  std::printf("\nTime relative to memcpy of the destination's bytes (cpu, wall):\n");
  for (const Dims& s : kSizes) {
    for (const char* op : kOps) {
      const auto r = times.Ratio(std::string(op) + "/" + s.Name(), "memcpy/" + s.Name());
      if (r) std::printf("  %-16s %-8s %7.2fx %7.2fx\n", op, s.Name().c_str(), r->Cpu, r->Real);
    }
  }
  for (const Piece& p : kPieces) {
    const auto r = times.Ratio(std::string(p.Name) + "/" + p.Dst.Name(), "memcpy/" + p.Dst.Name());
    if (r) std::printf("  %-16s %-8s %7.2fx %7.2fx\n", p.Name, p.Dst.Name().c_str(), r->Cpu, r->Real);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const Dims& s : kSizes) {
    benchmark::RegisterBenchmark(("memcpy/" + s.Name()).c_str(), Memcpy, s);
    benchmark::RegisterBenchmark(("FillRect/" + s.Name()).c_str(), Fill, s, false);
    benchmark::RegisterBenchmark(("FillRectClipped/" + s.Name()).c_str(), Fill, s, true);
    benchmark::RegisterBenchmark(("CopyRect/" + s.Name()).c_str(), Copy, s);
    benchmark::RegisterBenchmark(("Stretch2to1/" + s.Name()).c_str(), Stretch, s, 2, 1);
    benchmark::RegisterBenchmark(("Stretch2to3/" + s.Name()).c_str(), Stretch, s, 2, 3);
    benchmark::RegisterBenchmark(("Blend2to1/" + s.Name()).c_str(), Blend, s, 2, 1);
    benchmark::RegisterBenchmark(("Blend2to3/" + s.Name()).c_str(), Blend, s, 2, 3);
  }
  benchmark::RegisterBenchmark("memcpy/300x20", Memcpy, Dims{300, 20});
  for (const Piece& p : kPieces)
    benchmark::RegisterBenchmark((std::string(p.Name) + "/" + p.Dst.Name()).c_str(), StretchPiece, p);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::TimeRecorder times;
  benchmark::RunSpecifiedBenchmarks(&times);
  PrintRatios(times);
  benchmark::Shutdown();
  return 0;
}
