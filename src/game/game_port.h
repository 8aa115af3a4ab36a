#pragma once

#include "game/colour.h"
#include "game/tile.h"

#include <cstdint>
#include <string>

namespace torvane::game {

// Everything the rules need of the window. The main window implements it; tests fake it.
class GamePort {
  public:
    virtual ~GamePort() = default;

    // Draws tile t at the cell's place in the field's image, invisibly until a refresh.
    virtual void PaintTile(int x, int y, TileIndex t) = 0;
    virtual void RefreshField() = 0;

    virtual void SetCounterColour(Colour colour) = 0;
    virtual void SetCounterCaption(const std::string& caption) = 0;

    virtual void SetFaceColour(Colour colour) = 0;
    virtual void SetFaceCaption(const std::string& caption) = 0;

    virtual bool ClockRunning() const = 0;
    virtual std::string ClockCaption() const = 0;
    // Notes the start of the game's time and switches the clock's timer on.
    virtual void StartClock() = 0;
    virtual void StopClock() = 0;
    virtual void SetClockCaption(const std::string& caption) = 0;

    // After a won preset game: may record the time, ask for a name and show the table.
    virtual void RecordStep(std::int16_t level, const std::string& clockCaption) = 0;

    // The next uniform number in [0, 1).
    virtual float NextRandom() = 0;
};

} // namespace torvane::game
