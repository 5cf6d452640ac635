// bench_skin_controls: runs every benchmark of this folder and prints the
// ratio table the files registered (CPU time is the steadier measure on a
// shared machine; wall time is shown beside it).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/common/TimeRecorder.h"
#include "bench/skin/controls/BenchRatios.h"

namespace bench::controls {

std::vector<RatioLine>& RatioLines() {
  static std::vector<RatioLine> lines;
  return lines;
}

}  // namespace bench::controls

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::TimeRecorder times;
  benchmark::RunSpecifiedBenchmarks(&times);
  std::printf("\nTime relative to the baseline measured in the same run (cpu, wall):\n");
  for (const auto& line : bench::controls::RatioLines()) {
    if (const auto r = times.Ratio(line.Benchmark, line.Baseline))
      std::printf("  %-44s %7.2fx %7.2fx\n", line.Label.c_str(), r->Cpu, r->Real);
  }
  benchmark::Shutdown();
  return 0;
}
