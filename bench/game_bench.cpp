// The rules alone: the model, with nothing drawn.
#include "bench_support.h"
#include "game/game.h"

#include <vector>

namespace torvane::bench {
namespace {

using game::Action;
using game::Cell;
using game::Custom;
using game::Game;

void newGame30x30(benchmark::State& state) {
    Game game = seededGame();
    game.startLevel(Custom, {30, 30, 300});
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.newGame().cells.data());
    }
}
BENCHMARK(newGame30x30)->Apply(steady);

// One press opens all 900 cells of an empty field, then the game is won.
void floodWholeField(benchmark::State& state) {
    Game game = seededGame();
    game.startLevel(Custom, {30, 30, 0});
    for (auto _ : state) {
        state.PauseTiming();
        game.newGame();
        state.ResumeTiming();
        game.press(Cell{0, 0}, Action::Open);
        if (game.cellsToOpen() != 0) {
            state.SkipWithError("the field was not cleared");
        }
    }
}
BENCHMARK(floodWholeField)->Apply(steady);

// Presses every numbered cell of a 30 x 30 field with 300 mines in turn.
void pressNumberedCell(benchmark::State& state) {
    Game game = seededGame();
    game.startLevel(Custom, {30, 30, 300});
    std::vector<Cell> numbered;
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == numbered.size()) {
            state.PauseTiming();
            game.newGame();
            numbered = numberedCells(game);
            next = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(game.press(numbered[next++], Action::Open).cells.data());
    }
}
BENCHMARK(pressNumberedCell)->Apply(steady);

// Flags and unflags one covered cell.
void flagCell(benchmark::State& state) {
    Game game = seededGame();
    game.startLevel(Custom, {30, 30, 300});
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.press(Cell{15, 15}, Action::Flag).cells.data());
    }
}
BENCHMARK(flagCell)->Apply(steady);

} // namespace
} // namespace torvane::bench
