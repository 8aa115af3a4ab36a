#pragma once

#include "game/cell.h"
#include "game/cell_state.h"
#include "game/clock.h"
#include "game/level.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace torvane::game {

// A won game, as the record step needs it.
struct Win {
    Level level = Beginner;
    int seconds = 0;
};

// What one operation changed.
struct Change {
    // Cells whose state changed, in the order they changed: tiles overlap, so the order is how
    // they are drawn. A cell may appear twice (the mine that is uncovered, then explodes).
    std::vector<Cell> cells;
    bool ended = false; // the game was lost or won
    std::optional<Win> win;
};

// Where a game stands: no press yet, under way, or over.
enum class Phase { Ready, Playing, Won, Lost };
constexpr bool isOver(Phase phase) {
    return phase == Phase::Won || phase == Phase::Lost;
}

// One game of hexagonal mine-sweeping: the field, its hidden mines, the counter, the face and
// the clock. It changes only through its operations, each of which returns what it changed;
// the returned change stays valid until the next operation.
class Game {
  public:
    // Uniform numbers in [0, 1), where the mines fall.
    using RandomSource = std::function<float()>;
    // Seconds on a clock that never goes back.
    using TimeSource = std::function<double()>;

    Game(RandomSource random, TimeSource now);

    Level level() const { return level_; }
    FieldSize fieldSize() const { return size_; }
    bool contains(Cell cell) const {
        return cell.x >= 0 && cell.x < size_.columns && cell.y >= 0 && cell.y < size_.rows;
    }
    // The cell must be in the field.
    CellState cellAt(Cell cell) const;
    bool hasMine(Cell cell) const { return content(cell) == mine; }

    // A new game is ready; its first press, wherever it lands, starts play and the clock.
    // Presses act on the field until the game is won or lost.
    Phase phase() const { return phase_; }
    Face face() const { return face_; }
    int cellsToOpen() const { return cellsToOpen_; }
    int minesLeft() const { return minesLeft_; }
    // The counter shows the mines left, or the safe cells still covered.
    bool showsMinesLeft() const { return showMinesLeft_; }
    int counterValue() const { return showMinesLeft_ ? minesLeft_ : cellsToOpen_; }
    const Clock& clock() const { return clock_; }
    // Seconds since the clock started, as the time source has them now.
    double secondsSinceClockStart() const { return now_() - clockStart_; }

    // Takes a playable field for the level and starts a new game on it.
    const Change& startLevel(Level level, FieldSize size);
    // Covers the field, lays its mines afresh and resets the counter, face and clock.
    const Change& newGame();
    // A press on the field, or beside it.
    const Change& press(std::optional<Cell> cell, Action action);
    void toggleCounterMode() { showMinesLeft_ = !showMinesLeft_; }
    // Brings the clock's whole seconds up to date; at the cap the clock stops for good.
    void updateClock();

  private:
    static constexpr int mine = 7; // in content_, beside the counts 0 to 6

    int content(Cell cell) const { return content_[index(cell)]; }
    CellState::Kind shown(Cell cell) const { return shown_[index(cell)]; }
    static std::size_t index(Cell cell) {
        return static_cast<std::size_t>(cell.y) * maxSide + static_cast<std::size_t>(cell.x);
    }

    void resetChange();
    void show(Cell cell, CellState::Kind kind);
    void layMines();
    // The one way cells are opened: nothing opens once the game is over, and the last safe
    // cell opened wins it.
    void openCell(Cell cell);
    void openRegion(Cell cell);
    bool openOne(Cell cell);
    void toggleFlag(Cell cell);
    void gameLost();
    void gameWon();
    void stopClock() { clock_.running = false; }

    struct Frame {
        Cell cell;
        int nextNeighbour = 0;
    };

    RandomSource random_;
    TimeSource now_;
    Level level_ = firstLevel;
    FieldSize size_;
    std::array<int, maxSide * maxSide> content_{};
    std::array<CellState::Kind, maxSide * maxSide> shown_{};
    Phase phase_ = Phase::Ready;
    Face face_ = Face::Playing;
    int cellsToOpen_ = 0;
    int minesLeft_ = 0;
    bool showMinesLeft_ = true;
    Clock clock_;
    double clockStart_ = 0.0;
    Change change_;             // kept between operations to spare allocations
    std::vector<Frame> frames_; // likewise
};

} // namespace torvane::game
