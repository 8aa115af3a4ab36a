#pragma once

namespace torvane::game {

// What a cell shows the player.
struct CellState {
    enum Kind {
        Covered,
        Flagged,
        Open,         // showing its count
        Mine,         // uncovered when the game was lost
        ExplodedMine, // the mine whose opening lost the game
        WrongFlag,    // a flag on a safe cell, shown when the game was lost
    };
    Kind kind = Covered;
    int count = 0; // mines among the neighbours, 0 to 6; only an open cell tells it

    friend bool operator==(CellState, CellState) = default;
};

// What a press on a cell asks for. A press that asks for nothing (the middle button) still
// starts the clock.
enum class Action { Open, Flag, None };

// The face above the field.
enum class Face { Playing, Won, Lost };

} // namespace torvane::game
