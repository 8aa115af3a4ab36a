#pragma once

#include "game/game.h"

#include <deque>
#include <string>
#include <vector>

namespace torvane::game::testing {

struct Paint {
    int x;
    int y;
    TileIndex t;
    friend bool operator==(const Paint&, const Paint&) = default;
};

// A window stand-in that remembers everything the game asked of it, in order.
class RecordingPort : public GamePort {
  public:
    void PaintTile(int x, int y, TileIndex t) override { paints.push_back({x, y, t}); }
    void RefreshField() override { ++refreshes; }
    void SetCounterColour(Colour c) override {
        counterColour = c;
        events.push_back("counterColour");
    }
    void SetCounterCaption(const std::string& s) override {
        counterCaption = s;
        events.push_back("counterCaption");
    }
    void SetFaceColour(Colour c) override {
        faceColour = c;
        events.push_back("faceColour");
    }
    void SetFaceCaption(const std::string& s) override {
        faceCaption = s;
        events.push_back("faceCaption");
    }
    bool ClockRunning() const override { return clockRunning; }
    std::string ClockCaption() const override { return clockCaption; }
    void StartClock() override {
        clockRunning = true;
        ++clockStarts;
    }
    void StopClock() override { clockRunning = false; }
    void SetClockCaption(const std::string& s) override { clockCaption = s; }
    void RecordStep(std::int16_t level, const std::string& caption) override {
        records.push_back({level, caption});
    }
    float NextRandom() override {
        if (randoms.empty()) {
            return 0.0f;
        }
        const float r = randoms.front();
        randoms.pop_front();
        ++randomsUsed;
        return r;
    }

    // Cells of a field w wide as the draws that land on them: column first, then row.
    void QueueCells(const std::vector<Cell>& cells, int w, int h) {
        for (const Cell c : cells) {
            randoms.push_back((static_cast<float>(c.x) + 0.5f) / static_cast<float>(w));
            randoms.push_back((static_cast<float>(c.y) + 0.5f) / static_cast<float>(h));
        }
    }

    std::vector<Paint> paints;
    int refreshes = 0;
    Colour counterColour = 0;
    std::string counterCaption;
    Colour faceColour = 0;
    std::string faceCaption;
    bool clockRunning = false;
    std::string clockCaption = "0";
    int clockStarts = 0;
    std::vector<std::pair<std::int16_t, std::string>> records;
    std::deque<float> randoms;
    int randomsUsed = 0;
    std::vector<std::string> events;
};

// The pixel at the middle of a cell's selecting area.
inline std::pair<float, float> CentreOf(int x, int y) {
    const float left = (y % 2 == 0 ? 9.0f : 0.0f) + 18.0f * static_cast<float>(x);
    return {left + 9.0f, 17.0f * static_cast<float>(y) + 3.0f + 8.0f};
}

// A game with mines at the given cells, laid through NewGame and the scripted draws.
inline void LayField(Game& game, RecordingPort& port, int w, int h, const std::vector<Cell>& mines,
                     std::int16_t level = 3) {
    game.level = level;
    game.fieldWidth = static_cast<std::int16_t>(w);
    game.fieldHeight = static_cast<std::int16_t>(h);
    game.mineTotal = static_cast<std::int16_t>(mines.size());
    game.showMinesLeft = true;
    port.QueueCells(mines, w, h);
    game.NewGame();
    port.paints.clear();
    port.refreshes = 0;
    port.events.clear();
}

} // namespace torvane::game::testing
