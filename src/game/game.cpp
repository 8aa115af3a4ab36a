#include "game/game.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace torvane::game {

namespace {

// Int(r * side) in single precision, as mines have always been laid; the clamp only guards a
// generator that breaks its [0, 1) promise.
int randomCoordinate(float r, int side) {
    const float scaled = std::floor(r * static_cast<float>(side));
    if (!(scaled >= 0.0f)) {
        return 0;
    }
    return static_cast<int>(std::min(scaled, static_cast<float>(side - 1)));
}

} // namespace

Game::Game(RandomSource random, TimeSource now)
    : random_(std::move(random)), now_(std::move(now)) {}

CellState Game::cellAt(Cell cell) const {
    assert(contains(cell));
    const CellState::Kind kind = shown(cell);
    return {kind, kind == CellState::Open ? content(cell) : 0};
}

void Game::resetChange() {
    change_.cells.clear(); // keeps its room
    change_.ended = false;
    change_.win.reset();
}

void Game::show(Cell cell, CellState::Kind kind) {
    shown_[index(cell)] = kind;
    change_.cells.push_back(cell);
}

const Change& Game::startLevel(Level level, FieldSize size) {
    assert(isPlayable(size));
    level_ = level;
    size_ = size;
    return newGame();
}

const Change& Game::newGame() {
    resetChange();
    stopClock();
    for (int y = 0; y < size_.rows; ++y) {
        for (int x = 0; x < size_.columns; ++x) {
            show({x, y}, CellState::Covered);
            content_[index({x, y})] = 0;
        }
    }
    layMines();
    minesLeft_ = size_.mines;
    cellsToOpen_ = size_.columns * size_.rows - size_.mines;
    face_ = Face::Playing;
    clock_.seconds = 0;
    phase_ = Phase::Ready;
    return change_;
}

// Each mine falls on a free cell, column drawn first; its neighbours count it at once.
void Game::layMines() {
    for (int placed = 0; placed < size_.mines; ++placed) {
        Cell at;
        do {
            at.x = randomCoordinate(random_(), size_.columns);
            at.y = randomCoordinate(random_(), size_.rows);
        } while (content(at) == mine);
        content_[index(at)] = mine;
        for (const Cell neighbour : neighbours(at)) {
            if (contains(neighbour) && content(neighbour) != mine) {
                ++content_[index(neighbour)];
            }
        }
    }
}

const Change& Game::press(std::optional<Cell> cell, Action action) {
    resetChange();
    if (phase_ == Phase::Ready) {
        phase_ = Phase::Playing;
        clock_.running = true;
        clockStart_ = now_();
    }
    if (phase_ != Phase::Playing) {
        return change_;
    }
    if (!cell || !contains(*cell)) {
        return change_;
    }
    switch (action) {
    case Action::Open:
        openCell(*cell);
        break;
    case Action::Flag:
        toggleFlag(*cell);
        break;
    case Action::None:
        break;
    }
    return change_;
}

void Game::toggleFlag(Cell cell) {
    if (shown(cell) == CellState::Covered) {
        show(cell, CellState::Flagged);
        --minesLeft_;
    } else if (shown(cell) == CellState::Flagged) {
        show(cell, CellState::Covered);
        ++minesLeft_;
    }
}

void Game::openCell(Cell cell) {
    if (phase_ != Phase::Playing) {
        return;
    }
    openRegion(cell);
    if (phase_ == Phase::Playing && cellsToOpen_ == 0) {
        gameWon();
    }
}

// Opens one cell without spreading; true when it was empty, so its neighbours open in turn.
bool Game::openOne(Cell cell) {
    if (phase_ != Phase::Playing || !contains(cell) || shown(cell) != CellState::Covered) {
        return false;
    }
    if (content(cell) == mine) {
        gameLost();
        show(cell, CellState::ExplodedMine);
        return false;
    }
    --cellsToOpen_;
    show(cell, CellState::Open);
    return content(cell) == 0;
}

// Depth first, visiting the neighbours in their order, so cells open in the same order as by
// recursion; but on a stack of its own, since one empty region can span the whole field.
void Game::openRegion(Cell cell) {
    if (!openOne(cell)) {
        return;
    }
    frames_.clear();
    frames_.push_back({cell, 0});
    while (!frames_.empty()) {
        Frame& top = frames_.back();
        if (top.nextNeighbour == neighbourCount) {
            frames_.pop_back();
            continue;
        }
        const Cell next = neighbour(top.cell, top.nextNeighbour++);
        if (openOne(next)) {
            frames_.push_back({next, 0});
        }
    }
}

// Uncovers every mine without a flag and marks every flag on a safe cell, row by row.
void Game::gameLost() {
    stopClock();
    for (int y = 0; y < size_.rows; ++y) {
        for (int x = 0; x < size_.columns; ++x) {
            const Cell cell{x, y};
            if (content(cell) == mine && shown(cell) != CellState::Flagged) {
                show(cell, CellState::Mine);
            }
            if (shown(cell) == CellState::Flagged && content(cell) != mine) {
                show(cell, CellState::WrongFlag);
            }
        }
    }
    face_ = Face::Lost;
    phase_ = Phase::Lost;
    change_.ended = true;
}

// Flags every mine still covered; the time is the clock's as last shown.
void Game::gameWon() {
    stopClock();
    for (int y = 0; y < size_.rows; ++y) {
        for (int x = 0; x < size_.columns; ++x) {
            const Cell cell{x, y};
            if (shown(cell) == CellState::Covered && content(cell) == mine) {
                show(cell, CellState::Flagged);
            }
        }
    }
    minesLeft_ = 0;
    face_ = Face::Won;
    phase_ = Phase::Won;
    change_.ended = true;
    change_.win = Win{level_, clock_.seconds};
}

void Game::updateClock() {
    if (!clock_.running) {
        return;
    }
    const double whole = std::floor(secondsSinceClockStart());
    if (whole >= clockCap) {
        stopClock();
        clock_.seconds = clockCap;
    } else {
        clock_.seconds = whole > 0.0 ? static_cast<int>(whole) : 0; // NaN too
    }
}

} // namespace torvane::game
