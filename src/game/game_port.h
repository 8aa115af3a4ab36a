#pragma once

#include "game/tile.h"

#include <cstdint>

namespace torvane::game {

// The face above the field: a game in play, won or lost.
enum class Face { Playing, Won, Lost };

// Everything the rules need of the window. The main window implements it; tests fake it.
class GamePort {
  public:
    virtual ~GamePort() = default;

    // Draws tile t at the cell's place in the field's image, invisibly until a refresh.
    virtual void PaintTile(int x, int y, TileIndex t) = 0;
    virtual void RefreshField() = 0;

    // The counter shows either the mines not yet flagged or the safe cells still covered.
    virtual void ShowCounter(std::int16_t value, bool minesLeftMode) = 0;
    virtual void ShowFace(Face face) = 0;

    // Starts measuring the game's time from now; the window then reports the elapsed
    // seconds through Game::ClockTick until the clock stops.
    virtual void StartClock() = 0;
    virtual void StopClock() = 0;
    virtual void ShowClock(int seconds) = 0;

    // After a won game at a level that keeps records: may record the time, ask for a name
    // and show the table.
    virtual void RecordStep(std::int16_t level, int seconds) = 0;

    // The next uniform number in [0, 1).
    virtual float NextRandom() = 0;
};

} // namespace torvane::game
