#include "app/testing/testing_program.h"
#include "status/colours.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace torvane::app {
namespace {

using game::Cell;
using game::Face;
using testing::control;
using testing::TestingProgram;
namespace tile = view::tile;

TEST(ScriptedGame, FlagsFloodAndWin) {
    TestingProgram program;
    program.playCustom({5, 4, 2}, {{4, 0}, {0, 3}});
    program.pressCell(Qt::RightButton, {4, 0});
    EXPECT_TRUE(program.shows({4, 0}, tile::flag));
    EXPECT_EQ(program.counter().text(), "1");
    EXPECT_TRUE(program.game().clock().running);
    program.pressCell(Qt::RightButton, {1, 1});
    program.pressCell(Qt::RightButton, {2, 1});
    EXPECT_EQ(program.counter().text(), "-1");
    program.pressCell(Qt::RightButton, {1, 1});
    program.pressCell(Qt::RightButton, {2, 1});
    EXPECT_TRUE(program.shows({1, 1}, tile::covered));

    program.pressCell(Qt::RightButton, {0, 2}); // a flag on a safe cell holds the win back
    program.now += 3.7;
    ASSERT_TRUE(program.tickClock());
    EXPECT_EQ(program.clockText(), "3");
    program.pressCell(Qt::LeftButton, {2, 2}); // floods everything but the mines and the flag
    EXPECT_TRUE(program.shows({2, 2}, tile::open));
    EXPECT_TRUE(program.shows({3, 0}, tile::open + 1));
    EXPECT_TRUE(program.shows({0, 2}, tile::flag));
    EXPECT_EQ(program.game().phase(), game::Phase::Playing);
    EXPECT_EQ(program.game().cellsToOpen(), 1);

    program.pressCell(Qt::RightButton, {0, 2});
    const std::size_t dialogsBefore = program.modal().shown.size(); // the custom size's
    program.pressCell(Qt::LeftButton, {0, 2});
    QTest::mouseClick(&program.counter(), Qt::LeftButton);
    EXPECT_EQ(program.game().cellsToOpen(), 0);
    EXPECT_EQ(program.game().phase(), game::Phase::Won);
    EXPECT_EQ(program.face().face(), Face::Won);
    EXPECT_EQ(program.face().backColour(), status::wonFaceColour);
    EXPECT_TRUE(program.shows({0, 3}, tile::flag));
    EXPECT_EQ(program.counter().text(), "0");
    EXPECT_EQ(program.counter().foreColour(), status::cellsLeftColour);
    EXPECT_FALSE(program.game().clock().running);
    EXPECT_FALSE(program.tickClock());
    EXPECT_EQ(program.clockText(), "3");
    QCoreApplication::processEvents();
    EXPECT_TRUE(program.modal().nameRequests.empty()); // the custom level keeps no records
    EXPECT_EQ(program.modal().shown.size(), dialogsBefore);
}

TEST(ScriptedGame, ALossShowsMinesWrongFlagsAndTheExplosion) {
    TestingProgram program;
    program.playCustom({4, 3, 3}, {{0, 0}, {3, 2}, {2, 1}});
    program.pressCell(Qt::RightButton, {0, 0}); // right
    program.pressCell(Qt::RightButton, {1, 2}); // wrong
    program.pressCell(Qt::LeftButton, {2, 1});
    EXPECT_EQ(program.face().face(), Face::Lost);
    EXPECT_EQ(program.face().backColour(), status::lostFaceColour);
    EXPECT_TRUE(program.shows({0, 0}, tile::flag));
    EXPECT_TRUE(program.shows({1, 2}, tile::wrongFlag));
    EXPECT_TRUE(program.shows({3, 2}, tile::mine));
    EXPECT_TRUE(program.shows({2, 1}, tile::explodedMine));
    EXPECT_EQ(program.counter().text(), "1");
    EXPECT_EQ(program.clockText(), "0");

    // The field ignores presses once the game is over, and the clock stays stopped.
    program.pressCell(Qt::LeftButton, {1, 1});
    EXPECT_TRUE(program.shows({1, 1}, tile::covered));
    EXPECT_FALSE(program.game().clock().running);
}

TEST(ScriptedGame, TheClockStartsOnAnyFirstPressStopsAt999AndResets) {
    TestingProgram program;
    program.playCustom({4, 3, 1}, {{3, 2}});
    // The middle button, beside the cells.
    QTest::mouseClick(&program.field(), Qt::MiddleButton, {}, QPoint(4, 4));
    EXPECT_TRUE(program.game().clock().running);
    program.now += 998.9;
    ASSERT_TRUE(program.tickClock());
    EXPECT_EQ(program.clockText(), "998");
    program.now += 0.2;
    ASSERT_TRUE(program.tickClock());
    EXPECT_EQ(program.clockText(), "999");
    EXPECT_FALSE(program.game().clock().running);
    EXPECT_FALSE(program.tickClock());
    program.pressCell(Qt::RightButton, {0, 0});
    EXPECT_FALSE(program.game().clock().running);
    EXPECT_EQ(program.counter().text(), "0");

    program.item(controlName::newGameItem).trigger();
    EXPECT_EQ(program.clockText(), "0");
    program.pressCell(Qt::RightButton, {0, 0});
    EXPECT_TRUE(program.game().clock().running);
}

} // namespace
} // namespace torvane::app
