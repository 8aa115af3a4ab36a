#pragma once

#include "game/clock_state.h"
#include "game/game_port.h"
#include "game/hex_geometry.h"
#include "game/playable_field.h"
#include "game/tile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace torvane::game {

template <typename T> using FieldArray = std::array<std::array<T, maxSide>, maxSide>;

enum class MouseButton : std::int16_t { Left = 1, Right = 2, Middle = 4 };

// The state of a game and the rules of play over it, drawing and reporting through the
// port. Arrays are indexed [x][y]; cells outside the current field keep stale values and
// are never read.
class Game {
  public:
    explicit Game(GamePort& port) : port_(port) {}

    const FieldArray<std::int16_t>& mineMap() const { return mineMap_; }
    const FieldArray<TileIndex>& cellView() const { return cellView_; }
    bool gameOn() const { return gameOn_; }
    std::int16_t level() const { return level_; }
    std::int16_t fieldWidth() const { return fieldWidth_; }
    std::int16_t fieldHeight() const { return fieldHeight_; }
    std::int16_t mineTotal() const { return mineTotal_; }
    std::int16_t cellsToOpen() const { return cellsToOpen_; }
    std::int16_t minesLeft() const { return minesLeft_; }
    bool showMinesLeft() const { return showMinesLeft_; }
    FieldSize fieldSize() const { return {fieldWidth_, fieldHeight_, mineTotal_}; }
    const ClockState& clock() const { return clock_; }
    Face face() const { return face_; }
    bool InField(int x, int y) const {
        return x >= 0 && x < fieldWidth_ && y >= 0 && y < fieldHeight_;
    }

    // Takes a level with its field and starts a new game on it. An unplayable field is
    // refused: false, and nothing changes.
    bool StartLevel(std::int16_t level, FieldSize size);
    // Covers the current field, lays its mines and resets counter, face and clock.
    void NewGame();
    // Opens a cell and, when it has no neighbouring mine, its whole empty region.
    void OpenCell(std::int16_t x, std::int16_t y);

    // A mouse press at (X, Y) in the field picture's pixels.
    void Press(std::int16_t button, float X, float Y);
    // A click on the counter: switches between mines left and cells left.
    void ToggleCounterMode();
    void SetShowMinesLeft(bool show) { showMinesLeft_ = show; }
    // The window's report of the time since the clock started.
    void ClockTick(double elapsedSeconds);

  private:
    void AddHint(std::int16_t x, std::int16_t y);
    void DrawCell(std::int16_t x, std::int16_t y, TileIndex t);
    void GameLost();
    void GameWon();
    void ShowCounter();
    void SetFace(Face face);
    void StopClock();
    // Opens one cell without spreading; true when it was empty and its
    // neighbours are to be opened in turn.
    bool OpenOne(std::int16_t x, std::int16_t y);

    struct Frame {
        Cell cell;
        int nextNeighbour;
    };

    GamePort& port_;
    FieldArray<std::int16_t> mineMap_{};
    FieldArray<TileIndex> cellView_{};
    bool gameOn_ = false;
    std::int16_t level_ = Intermediate;
    std::int16_t fieldWidth_ = 0;
    std::int16_t fieldHeight_ = 0;
    std::int16_t mineTotal_ = 0;
    std::int16_t cellsToOpen_ = 0;
    std::int16_t minesLeft_ = 0;
    bool showMinesLeft_ = false;
    ClockState clock_;
    Face face_ = Face::Playing;
    std::vector<Frame> frames_; // kept between presses to spare the allocation
};

} // namespace torvane::game
