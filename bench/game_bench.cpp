// The rules alone, against a window that draws nothing.
#include "bench_support.h"
#include "game/game.h"

#include <vector>

namespace torvane::bench {
namespace {

using game::Game;

// A custom field; its first game is laid here, outside the timing.
void Size(Game& game, std::int16_t columns, std::int16_t rows, std::int16_t mines) {
    game.StartLevel(game::Custom, {columns, rows, mines});
}

void NewGame30x30(benchmark::State& state) {
    NullPort port;
    Game game(port);
    Size(game, 30, 30, 300);
    for (auto _ : state) {
        game.NewGame();
        benchmark::DoNotOptimize(game.mineMap());
    }
}
BENCHMARK(NewGame30x30)->Apply(Steady);

// One press opens all 900 cells of an empty field, then the game is won.
void FloodWholeField(benchmark::State& state) {
    NullPort port;
    Game game(port);
    Size(game, 30, 30, 0);
    const Point at = CellCentre(0, 0);
    for (auto _ : state) {
        state.PauseTiming();
        game.NewGame();
        state.ResumeTiming();
        game.Press(1, at.x, at.y);
        if (game.cellsToOpen() != 0) {
            state.SkipWithError("the field was not cleared");
        }
    }
}
BENCHMARK(FloodWholeField)->Apply(Steady);

// Presses every numbered cell of a 30 x 30 field with 300 mines in turn.
void PressNumberedCell(benchmark::State& state) {
    NullPort port;
    Game game(port);
    Size(game, 30, 30, 300);
    std::vector<Point> numbered;
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == numbered.size()) {
            state.PauseTiming();
            game.NewGame();
            numbered = NumberedCells(game);
            next = 0;
            state.ResumeTiming();
        }
        game.Press(1, numbered[next].x, numbered[next].y);
        ++next;
    }
}
BENCHMARK(PressNumberedCell)->Apply(Steady);

// Flags and unflags one covered cell.
void FlagCell(benchmark::State& state) {
    NullPort port;
    Game game(port);
    Size(game, 30, 30, 300);
    const Point at = CellCentre(15, 15);
    for (auto _ : state) {
        game.Press(2, at.x, at.y);
    }
}
BENCHMARK(FlagCell)->Apply(Steady);

} // namespace
} // namespace torvane::bench
