#pragma once

#include "game/game.h"
#include "game/testing/cell_printer.h"
#include "game/testing/mine_draws.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace torvane::game::testing {

// A game whose mines fall where the test says and whose clock reads the test's time.
struct ScriptedGame {
    ScriptedGame() = default;
    ScriptedGame(const ScriptedGame&) = delete; // the game's sources point at this one
    ScriptedGame& operator=(const ScriptedGame&) = delete;

    // Draws that land a mine on each cell in turn of a field this size: column, then row.
    void queueMines(const std::vector<Cell>& mines, int columns, int rows) {
        queueMineDraws(draws, mines, columns, rows);
    }
    const Change& lay(int columns, int rows, const std::vector<Cell>& mines, Level level = Custom) {
        queueMines(mines, columns, rows);
        return game.startLevel(level, {columns, rows, static_cast<int>(mines.size())});
    }
    const Change& open(Cell cell) { return game.press(cell, Action::Open); }
    const Change& flag(Cell cell) { return game.press(cell, Action::Flag); }

    // A draw the script does not hold fails the test rather than loop on a made-up number.
    float nextDraw() {
        if (draws.empty()) {
            throw std::runtime_error("the game drew more numbers than the test scripted");
        }
        const float draw = draws.front();
        draws.pop_front();
        ++drawsTaken;
        return draw;
    }

    std::deque<float> draws;
    int drawsTaken = 0;
    double now = 0.0;
    Game game{[this] { return nextDraw(); }, [this] { return now; }};
};

inline char shownChar(CellState state) {
    switch (state.kind) {
    case CellState::Covered:
        return '#';
    case CellState::Flagged:
        return 'F';
    case CellState::Open:
        return static_cast<char>('0' + state.count);
    case CellState::Mine:
        return '*';
    case CellState::ExplodedMine:
        return 'X';
    case CellState::WrongFlag:
        return '!';
    }
    return '?';
}

// The field as the player sees it, a row a string: # covered, F flag, 0-6 open, * mine,
// X exploded mine, ! wrong flag.
inline std::vector<std::string> shownRows(const Game& game) {
    std::vector<std::string> rows;
    for (int y = 0; y < game.fieldSize().rows; ++y) {
        std::string row;
        for (int x = 0; x < game.fieldSize().columns; ++x) {
            row += shownChar(game.cellAt({x, y}));
        }
        rows.push_back(row);
    }
    return rows;
}

// Where the mines lie, a row a string: * a mine, . a safe cell.
inline std::vector<std::string> mineRows(const Game& game) {
    std::vector<std::string> rows;
    for (int y = 0; y < game.fieldSize().rows; ++y) {
        std::string row;
        for (int x = 0; x < game.fieldSize().columns; ++x) {
            row += game.hasMine({x, y}) ? '*' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace torvane::game::testing
