#include "bench_support.h"

#include <algorithm>

namespace torvane::bench {

void Steady(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)
        ->MinTime(0.2)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics(
            "min",
            [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double>& v) {
            return *std::max_element(v.begin(), v.end());
        });
}

} // namespace torvane::bench
