#pragma once

#include "game/game_port.h"
#include "game/hex_geometry.h"
#include "game/tile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace torvane::game {

template <typename T> using FieldArray = std::array<std::array<T, maxSide>, maxSide>;

// The state of a game, under the names every part of the program uses.
// Arrays are indexed [x][y]; cells outside the current field keep stale values
// and are never read.
struct GameState {
    FieldArray<std::int16_t> mineMap{};
    FieldArray<TileIndex> cellView{};
    bool gameOn = false;
    std::int16_t level = 0;
    std::int16_t fieldWidth = 0;
    std::int16_t fieldHeight = 0;
    std::int16_t mineTotal = 0;
    std::int16_t cellsToOpen = 0;
    std::int16_t minesLeft = 0;
    bool showMinesLeft = false;

    bool InField(int x, int y) const {
        return x >= 0 && x < fieldWidth && y >= 0 && y < fieldHeight;
    }
};

enum class MouseButton : std::int16_t { Left = 1, Right = 2, Middle = 4 };

// The rules of play over a GameState, drawing and reporting through the port.
class Game : public GameState {
  public:
    explicit Game(GamePort& port) : port_(port) {}

    // Covers the current field, lays mineTotal mines and resets counter, face and
    // clock. The field must be playable (see playable_field.h).
    void NewGame();
    void AddHint(std::int16_t x, std::int16_t y);
    // Opens a cell and, when it has no neighbouring mine, its whole empty region.
    void OpenCell(std::int16_t x, std::int16_t y);
    void GameLost();
    void GameWon();
    void ShowCounter();
    void DrawCell(std::int16_t x, std::int16_t y, TileIndex t);

    // A mouse press at (X, Y) in the field picture's pixels.
    void Press(std::int16_t button, float X, float Y);
    // A click on the counter: switches between mines left and cells left.
    void ToggleCounterMode();

  private:
    // Opens one cell without spreading; true when it was empty and its
    // neighbours are to be opened in turn.
    bool OpenOne(std::int16_t x, std::int16_t y);

    struct Frame {
        Cell cell;
        int nextNeighbour;
    };

    GamePort& port_;
    std::vector<Frame> frames_; // kept between presses to spare the allocation
};

} // namespace torvane::game
