#include "bench/skin/data/OptionsLoadBench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace skinbench {
namespace {

// `sections` sections in chains of 64: each names the one before it as its
// parent, so most keys are found several levels up. Every sixteenth section has
// a border mask of its own, the others inherit it. About 45 bytes a section.
std::string ChainedOptions(int sections) {
  std::string o;
  o.reserve(static_cast<std::size_t>(sections) * 48);
  char line[160];
  for (int i = 0; i < sections; ++i) {
    int n = 0;
    if (i % 64 == 0)
      n = std::snprintf(line, sizeof line, "[S%d]\r\nCOLOR=%d\r\nTRANSPARENCY=50\r\n", i, i);
    else if (i % 16 == 0)
      n = std::snprintf(
          line, sizeof line,
          "[S%d]\r\nPARENTCLASS=S%d\r\nBORDERSMASK=^0001^0001^0010^0010^0000^0000^0000^0000^1^0^0^0\r\n", i,
          i - 1);
    else
      n = std::snprintf(line, sizeof line, "[S%d]\r\nPARENTCLASS=S%d\r\nFONTCOLOR=%d\r\n", i, i - 1, i);
    o.append(line, static_cast<std::size_t>(n));
  }
  return o;
}

struct Fixture {
  std::string Options;
  std::vector<std::uint8_t> Package;
};

const Fixture& ForSections(int sections) {
  static Fixture hundredThousand, more;
  Fixture& f = sections == 100000 ? hundredThousand : more;
  if (f.Options.empty()) {
    f.Options = ChainedOptions(sections);
    f.Package =
        skin::PackSkin({{"Options.dat", std::vector<std::uint8_t>(f.Options.begin(), f.Options.end())}});
  }
  return f;
}

void SplitLines(benchmark::State& state) {
  const std::string& text = ForSections(static_cast<int>(state.range(0))).Options;
  // The list of lines is allocated once: otherwise the baseline's time
  // depends on whether the heap still has to grow (page faults).
  std::vector<std::string_view> lines;
  lines.reserve(text.size() / 8);
  for (auto _ : state) {
    lines.clear();
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = text.find_first_of("\r\n", at);
      if (end == std::string::npos) end = text.size();
      lines.push_back(std::string_view(text).substr(at, end - at));
      at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    benchmark::DoNotOptimize(lines.data());
  }
}

void LoadChained(benchmark::State& state) {
  const std::vector<std::uint8_t>& package = ForSections(static_cast<int>(state.range(0))).Package;
  for (auto _ : state) {
    skin::TsLoadResult r = skin::LoadSkinFromPackage(package, "", {});
    benchmark::DoNotOptimize(r.Model.get());
  }
}

}  // namespace

// Each runs a while before it is timed, so that the first one does not pay
// for the process's heap growing. A load of 200,000 sections takes about half
// a second, so a single run would be one iteration: the median of five
// repetitions stands for each benchmark instead.
void RegisterOptionsLoadBenchmarks() {
  for (const int n : {100000, 200000}) {
    benchmark::RegisterBenchmark(("options/split_lines/" + std::to_string(n)).c_str(), SplitLines)
        ->Arg(n)
        ->MinWarmUpTime(0.3)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("options/load_chained/" + std::to_string(n)).c_str(), LoadChained)
        ->Arg(n)
        ->MinWarmUpTime(0.3)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
  }
}

void PrintOptionsLoadRatios(const bench::TimeRecorder& times) {
  if (const auto r = times.Ratio("options/load_chained/100000", "options/split_lines/100000"))
    std::printf(
        "ratio of CPU time, load of 100,000 chained sections / splitting them into lines (target <= 25): "
        "%.2f\n",
        r->Cpu);
  if (const auto r = times.Ratio("options/load_chained/200000", "options/load_chained/100000"))
    std::printf("ratio of CPU time, load of 200,000 / of 100,000 chained sections (target <= 2.3): %.2f\n",
                r->Cpu);
}

}  // namespace skinbench
