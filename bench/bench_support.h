#pragma once

#include "game/game.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <vector>

namespace torvane::bench {

// Nine repetitions reported as mean, median, min and max in microseconds: the
// machine is shared, so single figures mislead.
void steady(benchmark::internal::Benchmark* benchmark);

// Mines from a fixed seed, so every run lays the same fields.
class SeededDraws {
  public:
    explicit SeededDraws(std::uint64_t seed = 20240601) : engine_(seed) {}
    float operator()() { return static_cast<float>(engine_() >> 40) * 0x1p-24f; }

  private:
    std::mt19937_64 engine_;
};

// A game with mines from a fixed seed and a clock that never moves.
inline game::Game seededGame() {
    return game::Game(SeededDraws(), [] { return 0.0; });
}

// The safe cells with a mine beside them in the game laid last: the common press.
std::vector<game::Cell> numberedCells(const game::Game& game);

} // namespace torvane::bench
