// The render benchmarks' main: runs every benchmark registered in this
// folder, then prints each one's time relative to memcpy of the same bytes
// (the bytes of a 24-bit bitmap of that size), measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/common/TimeRecorder.h"

namespace {

struct Baseline {
  int W, H;
};
// The sizes the render benchmarks are measured against.
const Baseline kBaselines[] = {{602, 402}, {200, 200}};

std::string SizeName(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

void Memcpy(benchmark::State& state, Baseline s) {
  const std::size_t n = static_cast<std::size_t>(s.W) * static_cast<std::size_t>(s.H) * 3;
  std::vector<std::uint8_t> a(n, 1), b(n, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}

// One line per ratio: the benchmark's name and the memcpy baseline it is
// compared with.
struct RatioLine {
  const char* Label;
  const char* Benchmark;
  const char* Base;
};
const RatioLine kRatios[] = {
    {"RenderMaskFrame, tiled window frame", "RenderMaskFrame/602x402", "memcpy/602x402"},
    {"PaintGradient mode 0", "PaintGradient/602x402", "memcpy/602x402"},
    {"RenderMaskFrame, speed-button hot frame", "RenderMaskFrame/200x200", "memcpy/200x200"},
    {"RenderSkinItem, hot speed-button tile", "RenderSkinItem/200x200", "memcpy/200x200"},
};

// CPU time is the steadier measure on a shared machine; wall time is shown beside it.
void PrintRatios(const bench::TimeRecorder& times) {
  std::printf("\nTime relative to memcpy of the same bytes (cpu, wall):\n");
  for (const RatioLine& r : kRatios) {
    const auto ratio = times.Ratio(r.Benchmark, r.Base);
    if (ratio) std::printf("  %-40s %-16s %6.2fx %6.2fx\n", r.Label, r.Base + 7, ratio->Cpu, ratio->Real);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const Baseline& s : kBaselines)
    benchmark::RegisterBenchmark(("memcpy/" + SizeName(s.W, s.H)).c_str(), Memcpy, s);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::TimeRecorder times;
  benchmark::RunSpecifiedBenchmarks(&times);
  PrintRatios(times);
  benchmark::Shutdown();
  return 0;
}
