#include "bench_support.h"

#include <algorithm>

namespace torvane::bench {

void steady(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMicrosecond)
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

std::vector<game::Cell> numberedCells(const game::Game& game) {
    std::vector<game::Cell> numbered;
    for (int y = 0; y < game.fieldSize().rows; ++y) {
        for (int x = 0; x < game.fieldSize().columns; ++x) {
            const game::Cell cell{x, y};
            const auto neighbours = game::neighbours(cell);
            if (!game.hasMine(cell) &&
                std::any_of(neighbours.begin(), neighbours.end(), [&game](game::Cell n) {
                    return game.contains(n) && game.hasMine(n);
                })) {
                numbered.push_back(cell);
            }
        }
    }
    return numbered;
}

} // namespace torvane::bench
