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

std::vector<Point> NumberedCells(const game::Game& game) {
    std::vector<Point> numbered;
    for (int y = 0; y < game.fieldHeight(); ++y) {
        for (int x = 0; x < game.fieldWidth(); ++x) {
            const int value = game.mineMap()[x][y];
            if (value >= 1 && value <= 6) {
                numbered.push_back(CellCentre(x, y));
            }
        }
    }
    return numbered;
}

} // namespace torvane::bench
