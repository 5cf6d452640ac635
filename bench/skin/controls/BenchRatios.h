// The ratio table of bench_skin_controls: each benchmark file of this folder
// adds its lines (at static initialisation, with AddRatio) and BenchMain
// prints them all at the end of the run, each benchmark's time over its
// baseline's, both measured in the same run.
#pragma once

#include <string>
#include <vector>

namespace bench::controls {

struct RatioLine {
  std::string Label;      // what the line says
  std::string Benchmark;  // registered benchmark name
  std::string Baseline;   // registered baseline name
};

std::vector<RatioLine>& RatioLines();

inline bool AddRatio(std::string label, std::string benchmark, std::string baseline) {
  RatioLines().push_back({std::move(label), std::move(benchmark), std::move(baseline)});
  return true;
}

}  // namespace bench::controls
