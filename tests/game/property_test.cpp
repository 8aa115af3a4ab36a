#include "game/game.h"
#include "game/testing/invariants.h"
#include "recording_port.h"

#include <gtest/gtest.h>
#include <random>

namespace torvane::game {
namespace {

using testing::Paint;
using testing::RecordingPort;

// The flood as plainly written: recursion on the call stack.
void RecursiveOpen(const Game& s, FieldArray<TileIndex>& view, int x, int y,
                   std::vector<Paint>& paints) {
    if (!s.InField(x, y) || view[x][y] != tile::covered) {
        return;
    }
    const int value = s.mineMap()[x][y];
    if (value == mineValue) {
        return; // a loss is covered elsewhere
    }
    view[x][y] = static_cast<TileIndex>(value);
    paints.push_back({x, y, static_cast<TileIndex>(value)});
    if (value == 0) {
        for (const Cell n :
             Neighbours({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)})) {
            RecursiveOpen(s, view, n.x, n.y, paints);
        }
    }
}

class SeededRandomPort : public RecordingPort {
  public:
    explicit SeededRandomPort(unsigned seed) : engine(seed) {}
    float NextRandom() override { return static_cast<float>(engine() >> 8) * 0x1p-24f; }
    std::mt19937 engine;
};

TEST(GameProperties, RandomGamesOfEverySizeKeepTheInvariants) {
    std::mt19937 rng(20261208);
    for (int w = 1; w <= maxSide; ++w) {
        for (int h = 1; h <= maxSide; ++h) {
            SeededRandomPort port(rng());
            Game game(port);
            const int cells = w * h;
            const auto mines = static_cast<std::int16_t>(std::uniform_int_distribution<int>(
                0, std::max(0, std::min(cells - 1, cells / 3 + 1)))(rng));
            game.SetShowMinesLeft(true);
            ASSERT_TRUE(game.StartLevel(
                Custom, {static_cast<std::int16_t>(w), static_cast<std::int16_t>(h), mines}));
            ASSERT_NO_FATAL_FAILURE(testing::ExpectInvariants(game)) << w << "x" << h;

            std::uniform_real_distribution<float> px(-5.0f, 18.0f * w + 15.0f);
            std::uniform_real_distribution<float> py(-5.0f, 17.0f * h + 12.0f);
            const std::int16_t buttons[] = {1, 1, 1, 2, 2, 4};
            while (game.gameOn()) {
                const float x = px(rng);
                const float y = py(rng);
                const auto cell = CellAt(x, y, w, h);
                const std::int16_t button = buttons[rng() % 6];

                // Predict the flood from the recursive reference before pressing.
                std::vector<Paint> expected;
                bool reference = false;
                if (cell && button == 1 && game.mineMap()[cell->x][cell->y] != mineValue) {
                    FieldArray<TileIndex> view = game.cellView();
                    RecursiveOpen(game, view, cell->x, cell->y, expected);
                    reference = true;
                }
                port.paints.clear();
                game.Press(button, x, y);
                if (reference) {
                    std::vector<Paint> flood(
                        port.paints.begin(),
                        port.paints.begin() + static_cast<std::ptrdiff_t>(
                                                  std::min(port.paints.size(), expected.size())));
                    ASSERT_EQ(flood, expected) << w << "x" << h;
                }
                if (game.gameOn()) {
                    ASSERT_NO_FATAL_FAILURE(testing::ExpectInvariants(game)) << w << "x" << h;
                }
            }
            if (game.cellsToOpen() == 0) {
                EXPECT_EQ(game.minesLeft(), 0);
                EXPECT_EQ(game.face(), Face::Won);
                for (int y = 0; y < h; ++y) {
                    for (int x = 0; x < w; ++x) {
                        if (game.mineMap()[x][y] == mineValue) {
                            ASSERT_EQ(game.cellView()[x][y], tile::flag);
                        }
                    }
                }
            }
        }
    }
}

TEST(GameProperties, WholeEmptyFieldOpensWithOnePress) {
    RecordingPort port;
    Game game(port);
    testing::LayField(game, port, 30, 30, {}, Expert);
    testing::PressCell(game, 1, 29, 29);
    EXPECT_EQ(port.paints.size(), 900u);
    EXPECT_EQ(game.cellsToOpen(), 0);
    EXPECT_FALSE(game.gameOn());
    EXPECT_EQ(game.face(), Face::Won);
}

} // namespace
} // namespace torvane::game
