#include "game/game.h"

#include <algorithm>
#include <cmath>

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
    cellView_[x][y] = t;
    port_.PaintTile(x, y, t);
}

bool Game::StartLevel(std::int16_t level, FieldSize size) {
    if (!IsPlayable(size)) {
        return false;
    }
    level_ = level;
    fieldWidth_ = size.columns;
    fieldHeight_ = size.rows;
    mineTotal_ = size.mines;
    NewGame();
    return true;
}

void Game::NewGame() {
    StopClock();

    const std::int16_t rows = fieldHeight_;
    const std::int16_t columns = fieldWidth_;
    for (std::int16_t y = 0; y < rows; ++y) {
        for (std::int16_t x = 0; x < columns; ++x) {
            DrawCell(x, y, tile::covered);
            mineMap_[x][y] = 0;
        }
    }
    port_.RefreshField();

    for (int mine = 1; mine <= mineTotal_; ++mine) {
        std::int16_t x = 0;
        std::int16_t y = 0;
        do {
            x = Draw(port_.NextRandom(), fieldWidth_);
            y = Draw(port_.NextRandom(), fieldHeight_);
        } while (mineMap_[x][y] == mineValue);
        mineMap_[x][y] = mineValue;
        for (const Cell n : Neighbours({x, y})) {
            AddHint(n.x, n.y);
        }
    }

    minesLeft_ = mineTotal_;
    cellsToOpen_ = static_cast<std::int16_t>(fieldWidth_ * fieldHeight_ - mineTotal_);
    ShowCounter();
    SetFace(Face::Playing);
    clock_.seconds = 0;
    port_.ShowClock(0);
    gameOn_ = true;
}

void Game::AddHint(std::int16_t x, std::int16_t y) {
    if (!InField(x, y) || mineMap_[x][y] == mineValue) {
        return;
    }
    ++mineMap_[x][y];
}

bool Game::OpenOne(std::int16_t x, std::int16_t y) {
    if (!InField(x, y) || cellView_[x][y] != tile::covered) {
        return false;
    }
    const std::int16_t value = mineMap_[x][y];
    if (value == 0) {
        --cellsToOpen_;
        DrawCell(x, y, tile::open);
        return true;
    }
    if (value >= 1 && value <= 6) {
        --cellsToOpen_;
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
    StopClock();
    for (std::int16_t y = 0; y < fieldHeight_; ++y) {
        for (std::int16_t x = 0; x < fieldWidth_; ++x) {
            if (mineMap_[x][y] == mineValue && cellView_[x][y] != tile::flag) {
                DrawCell(x, y, tile::mine);
            }
            if (cellView_[x][y] == tile::flag && mineMap_[x][y] != mineValue) {
                DrawCell(x, y, tile::wrongFlag);
            }
        }
    }
    SetFace(Face::Lost);
    gameOn_ = false;
}

void Game::GameWon() {
    StopClock();
    for (std::int16_t y = 0; y < fieldHeight_; ++y) {
        for (std::int16_t x = 0; x < fieldWidth_; ++x) {
            if (cellView_[x][y] == tile::covered && mineMap_[x][y] == mineValue) {
                DrawCell(x, y, tile::flag);
            }
        }
    }
    port_.RefreshField();
    minesLeft_ = 0;
    ShowCounter();
    SetFace(Face::Won);
    gameOn_ = false;
    if (KeepsRecords(level_)) {
        port_.RecordStep(level_, clock_.seconds);
    }
}

void Game::ShowCounter() {
    port_.ShowCounter(showMinesLeft_ ? minesLeft_ : cellsToOpen_, showMinesLeft_);
}

void Game::SetFace(Face face) {
    face_ = face;
    port_.ShowFace(face);
}

void Game::StopClock() {
    clock_.running = false;
    port_.StopClock();
}

void Game::ClockTick(double elapsedSeconds) {
    if (!clock_.running) {
        return;
    }
    const double whole = std::floor(elapsedSeconds);
    if (whole >= clockCap) {
        StopClock();
        clock_.seconds = clockCap;
    } else {
        clock_.seconds = whole > 0.0 ? static_cast<int>(whole) : 0; // NaN too
    }
    port_.ShowClock(clock_.seconds);
}

void Game::ToggleCounterMode() {
    showMinesLeft_ = !showMinesLeft_;
    ShowCounter();
}

void Game::Press(std::int16_t button, float X, float Y) {
    if (!gameOn_) {
        return;
    }
    if (!clock_.running && !clock_.capped()) {
        clock_.running = true;
        port_.StartClock();
    }
    const auto cell = CellAt(X, Y, fieldWidth_, fieldHeight_);
    if (!cell) {
        return;
    }
    const auto [x, y] = *cell;
    if (button == static_cast<std::int16_t>(MouseButton::Left)) {
        OpenCell(x, y);
        if (cellsToOpen_ == 0) {
            GameWon();
        }
    } else if (button == static_cast<std::int16_t>(MouseButton::Right)) {
        if (cellView_[x][y] == tile::covered) {
            DrawCell(x, y, tile::flag);
            --minesLeft_;
        } else if (cellView_[x][y] == tile::flag) {
            DrawCell(x, y, tile::covered);
            ++minesLeft_;
        }
    }
    port_.RefreshField();
    ShowCounter();
}

} // namespace torvane::game
