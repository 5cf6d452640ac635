// A console reporter that also keeps each benchmark's time per iteration, so
// that a benchmark program can print ratios to a baseline measured in the same
// run. With repetitions the median stands for the benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace bench {

class TimeRecorder : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double Cpu = 0;
    double Real = 0;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      const std::string& name = r.run_name.function_name;
      const Times t{r.GetAdjustedCPUTime(), r.GetAdjustedRealTime()};
      if (r.run_type == Run::RT_Aggregate) {
        if (r.aggregate_name == "median") {
          times_[name] = t;
          medians_.insert(name);
        }
      } else if (r.iterations > 0 && !medians_.contains(name)) {
        times_[name] = t;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Time of `name` divided by the time of `base` (CPU and wall), or nothing
  // when either is missing or the base took no time.
  std::optional<Times> Ratio(const std::string& name, const std::string& base) const {
    const auto n = times_.find(name), b = times_.find(base);
    if (n == times_.end() || b == times_.end() || b->second.Cpu <= 0 || b->second.Real <= 0)
      return std::nullopt;
    return Times{n->second.Cpu / b->second.Cpu, n->second.Real / b->second.Real};
  }

 private:
  std::map<std::string, Times> times_;
  std::set<std::string> medians_;
};

}  // namespace bench
