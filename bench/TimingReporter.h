#pragma once

// The console table of Google Benchmark, remembering each case's real time
// by name, so that a benchmark's main can print ratios after the table.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace qv::bench {

class TimingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    // With repetitions, the median of them stands for the case.
    for (const Run &run : runs)
      if (run.run_type == Run::RT_Iteration)
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
      else if (run.aggregate_name == "median")
        times_[run.run_name.str()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

 protected:
  // Real times by case name ("BM_Memcpy/real_time").
  std::map<std::string, double> times_;
};

}  // namespace qv::bench
