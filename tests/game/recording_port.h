#pragma once

#include "game/game.h"

#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace torvane::game::testing {

struct Paint {
    int x;
    int y;
    TileIndex t;
    friend bool operator==(const Paint&, const Paint&) = default;
};

struct Counter {
    std::int16_t value;
    bool minesLeftMode;
    friend bool operator==(const Counter&, const Counter&) = default;
};

struct Record {
    std::int16_t level;
    int seconds;
    friend bool operator==(const Record&, const Record&) = default;
};

// A window stand-in that remembers everything the game asked of it, in order. Paints and
// refreshes are kept apart; every other call is also logged in `events`.
class RecordingPort : public GamePort {
  public:
    void PaintTile(int x, int y, TileIndex t) override { paints.push_back({x, y, t}); }
    void RefreshField() override { ++refreshes; }
    void ShowCounter(std::int16_t value, bool minesLeftMode) override {
        counter = {value, minesLeftMode};
        events.push_back("counter");
    }
    void ShowFace(Face f) override {
        face = f;
        events.push_back("face");
    }
    void StartClock() override {
        clockRunning = true;
        ++clockStarts;
        events.push_back("clockStart");
    }
    void StopClock() override {
        clockRunning = false;
        ++clockStops;
        events.push_back("clockStop");
    }
    void ShowClock(int seconds) override {
        clockShown = seconds;
        events.push_back("clockShow");
    }
    void RecordStep(std::int16_t level, int seconds) override {
        records.push_back({level, seconds});
        events.push_back("record");
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

    // Forgets what was asked so far, keeping the queued draws.
    void ClearLog() {
        paints.clear();
        refreshes = 0;
        events.clear();
        clockStarts = 0;
        clockStops = 0;
    }

    std::vector<Paint> paints;
    int refreshes = 0;
    std::optional<Counter> counter;
    std::optional<Face> face;
    bool clockRunning = false;
    int clockStarts = 0;
    int clockStops = 0;
    std::optional<int> clockShown;
    std::vector<Record> records;
    std::deque<float> randoms;
    int randomsUsed = 0;
    std::vector<std::string> events;
};

// The pixel at the middle of a cell's selecting area.
inline std::pair<float, float> CentreOf(int x, int y) {
    const float left = (y % 2 == 0 ? 9.0f : 0.0f) + 18.0f * static_cast<float>(x);
    return {left + 9.0f, 17.0f * static_cast<float>(y) + 3.0f + 8.0f};
}

inline void PressCell(Game& game, std::int16_t button, int x, int y) {
    const auto [px, py] = CentreOf(x, y);
    game.Press(button, px, py);
}

// A game with mines at the given cells, laid through StartLevel and the scripted draws,
// counting mines left; the port's log starts empty.
inline void LayField(Game& game, RecordingPort& port, int w, int h, const std::vector<Cell>& mines,
                     std::int16_t level = Custom) {
    game.SetShowMinesLeft(true);
    port.QueueCells(mines, w, h);
    ASSERT_TRUE(game.StartLevel(level, {static_cast<std::int16_t>(w), static_cast<std::int16_t>(h),
                                        static_cast<std::int16_t>(mines.size())}));
    port.ClearLog();
}

} // namespace torvane::game::testing
