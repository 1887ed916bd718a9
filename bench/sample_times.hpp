#pragma once
// The time of every iteration, kept so that a benchmark reports the median and the 99th
// percentile of single clicks besides Google Benchmark's mean.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace kv884::bench {

class SampleTimes {
 public:
  using Clock = std::chrono::steady_clock;

  void add(benchmark::State& state, Clock::time_point start, Clock::time_point end) {
    double seconds = std::chrono::duration<double>(end - start).count();
    state.SetIterationTime(seconds);
    seconds_.push_back(seconds);
  }

  // Sets the counters median_us and p99_us of the run.
  void report(benchmark::State& state) {
    if (seconds_.empty()) return;
    std::sort(seconds_.begin(), seconds_.end());
    state.counters["median_us"] = quantile(0.5) * 1e6;
    state.counters["p99_us"] = quantile(0.99) * 1e6;
  }

 private:
  double quantile(double q) const {
    size_t at = static_cast<size_t>(q * static_cast<double>(seconds_.size() - 1) + 0.5);
    return seconds_[std::min(at, seconds_.size() - 1)];
  }

  std::vector<double> seconds_;
};

}  // namespace kv884::bench
