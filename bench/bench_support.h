#pragma once

#include "game/game.h"
#include "game/game_port.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <vector>

namespace torvane::bench {

// Nine repetitions reported as mean, median, min and max in microseconds: the
// machine is shared, so single figures mislead.
void Steady(benchmark::internal::Benchmark* b);

// Mines from a fixed seed, so every run lays the same fields.
class SeededDraws {
  public:
    explicit SeededDraws(std::uint64_t seed = 20240601) : engine_(seed) {}
    float operator()() { return static_cast<float>(engine_() >> 40) * 0x1p-24f; }

  private:
    std::mt19937_64 engine_;
};

// A window that shows nothing: what the rules cost on their own.
class NullPort : public game::GamePort {
  public:
    void PaintTile(int, int, game::TileIndex) override {}
    void RefreshField() override {}
    void ShowCounter(std::int16_t, bool) override {}
    void ShowFace(game::Face) override {}
    void StartClock() override {}
    void StopClock() override {}
    void ShowClock(int) override {}
    void RecordStep(std::int16_t, int) override {}
    float NextRandom() override { return draws_(); }

  private:
    SeededDraws draws_;
};

struct Point {
    float x;
    float y;
};

// The middle of a cell in the field image's pixels.
constexpr Point CellCentre(int x, int y) {
    return {static_cast<float>((y % 2 == 0 ? 9 : 0) + 18 * x + 9), static_cast<float>(17 * y + 11)};
}

// The middles of the numbered cells of the game laid last: the common press.
std::vector<Point> NumberedCells(const game::Game& game);

} // namespace torvane::bench
