#include "game/game.h"

#include "game/playable_field.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <string>

namespace torvane::game {

namespace {

// Int(r * side) in single precision, as mines have always been laid; the clamp only
// guards a generator that breaks its [0, 1) promise.
std::int16_t Draw(float r, std::int16_t side) {
    const float scaled = std::floor(r * static_cast<float>(side));
    if (!(scaled >= 0.0f)) {
        return 0;
    }
    return static_cast<std::int16_t>(std::min(scaled, static_cast<float>(side - 1)));
}

} // namespace

void Game::DrawCell(std::int16_t x, std::int16_t y, TileIndex t) {
    cellView[x][y] = t;
    port_.PaintTile(x, y, t);
}

void Game::NewGame() {
    assert(IsPlayable(fieldWidth, fieldHeight, mineTotal));
    port_.StopClock();

    const std::int16_t rows = fieldHeight;
    const std::int16_t columns = fieldWidth;
    for (std::int16_t y = 0; y < rows; ++y) {
        for (std::int16_t x = 0; x < columns; ++x) {
            DrawCell(x, y, tile::covered);
            mineMap[x][y] = 0;
        }
    }
    port_.RefreshField();

    for (int mine = 1; mine <= mineTotal; ++mine) {
        std::int16_t x = 0;
        std::int16_t y = 0;
        do {
            x = Draw(port_.NextRandom(), fieldWidth);
            y = Draw(port_.NextRandom(), fieldHeight);
        } while (mineMap[x][y] == mineValue);
        mineMap[x][y] = mineValue;
        for (const Cell n : Neighbours({x, y})) {
            AddHint(n.x, n.y);
        }
    }

    minesLeft = mineTotal;
    cellsToOpen = static_cast<std::int16_t>(fieldWidth * fieldHeight - mineTotal);
    ShowCounter();
    port_.SetFaceColour(colour::lightGrey);
    port_.SetFaceCaption("K");
    port_.SetClockCaption("0");
    gameOn = true;
}

void Game::AddHint(std::int16_t x, std::int16_t y) {
    if (!InField(x, y) || mineMap[x][y] == mineValue) {
        return;
    }
    ++mineMap[x][y];
}

bool Game::OpenOne(std::int16_t x, std::int16_t y) {
    if (!InField(x, y) || cellView[x][y] != tile::covered) {
        return false;
    }
    const std::int16_t value = mineMap[x][y];
    if (value == 0) {
        --cellsToOpen;
        DrawCell(x, y, tile::open);
        return true;
    }
    if (value >= 1 && value <= 6) {
        --cellsToOpen;
        DrawCell(x, y, value);
    } else if (value == mineValue) {
        GameLost();
        DrawCell(x, y, tile::explodedMine);
    }
    return false;
}

// Depth first like the recursive rule it follows, so tiles are drawn in the same
// order, but on its own stack: one empty region can span the whole 30 x 30 field.
void Game::OpenCell(std::int16_t x, std::int16_t y) {
    if (!OpenOne(x, y)) {
        return;
    }
    frames_.clear();
    frames_.push_back({{x, y}, 0});
    while (!frames_.empty()) {
        Frame& top = frames_.back();
        if (top.nextNeighbour == 6) {
            frames_.pop_back();
            continue;
        }
        const Cell next = Neighbours(top.cell)[top.nextNeighbour++];
        if (OpenOne(next.x, next.y)) {
            frames_.push_back({next, 0});
        }
    }
}

void Game::GameLost() {
    port_.StopClock();
    for (std::int16_t y = 0; y < fieldHeight; ++y) {
        for (std::int16_t x = 0; x < fieldWidth; ++x) {
            if (mineMap[x][y] == mineValue && cellView[x][y] != tile::flag) {
                DrawCell(x, y, tile::mine);
            }
            if (cellView[x][y] == tile::flag && mineMap[x][y] != mineValue) {
                DrawCell(x, y, tile::wrongFlag);
            }
        }
    }
    port_.SetFaceColour(colour::red);
    port_.SetFaceCaption("L");
    gameOn = false;
}

void Game::GameWon() {
    port_.StopClock();
    for (std::int16_t y = 0; y < fieldHeight; ++y) {
        for (std::int16_t x = 0; x < fieldWidth; ++x) {
            if (cellView[x][y] == tile::covered && mineMap[x][y] == mineValue) {
                DrawCell(x, y, tile::flag);
            }
        }
    }
    port_.RefreshField();
    minesLeft = 0;
    ShowCounter();
    port_.SetFaceColour(colour::green);
    port_.SetFaceCaption("J");
    gameOn = false;
    if (level > 2) {
        return;
    }
    port_.RecordStep(level, port_.ClockCaption());
}

void Game::ShowCounter() {
    if (showMinesLeft) {
        port_.SetCounterColour(colour::red);
        port_.SetCounterCaption(std::to_string(minesLeft));
    } else {
        port_.SetCounterColour(colour::green);
        port_.SetCounterCaption(std::to_string(cellsToOpen));
    }
}

void Game::ToggleCounterMode() {
    showMinesLeft = !showMinesLeft;
    ShowCounter();
}

void Game::Press(std::int16_t button, float X, float Y) {
    if (!gameOn) {
        return;
    }
    if (!port_.ClockRunning() && port_.ClockCaption() != "999") {
        port_.StartClock();
    }
    const auto cell = CellAt(X, Y, fieldWidth, fieldHeight);
    if (!cell) {
        return;
    }
    const auto [x, y] = *cell;
    if (button == static_cast<std::int16_t>(MouseButton::Left)) {
        OpenCell(x, y);
        if (cellsToOpen == 0) {
            GameWon();
        }
    } else if (button == static_cast<std::int16_t>(MouseButton::Right)) {
        if (cellView[x][y] == tile::covered) {
            DrawCell(x, y, tile::flag);
            --minesLeft;
        } else if (cellView[x][y] == tile::flag) {
            DrawCell(x, y, tile::covered);
            ++minesLeft;
        }
    }
    port_.RefreshField();
    ShowCounter();
}

} // namespace torvane::game
