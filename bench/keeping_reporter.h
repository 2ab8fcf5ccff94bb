// A benchmark reporter that prints as the console reporter does and keeps
// each benchmark's real time, so that a bench program can print the ratios
// its goals are stated in.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace inkbench {

class KeepingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        times_[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
  }
  // The real time of `name` in the benchmark's unit; 0 when it did not run.
  double Time(const std::string& name) const {
    const auto found = times_.find(name);
    return found == times_.end() ? 0 : found->second;
  }
  // The time of `name` over the time of `other`; 0 when either is missing.
  double Ratio(const std::string& name, const std::string& other) const {
    const double divisor = Time(other);
    return divisor <= 0 ? 0 : Time(name) / divisor;
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace inkbench
