#include "dialogs/testing/fake_modal_runner.h"
#include "status/colours.h"
#include "status/face_button.h"
#include "status/status_label.h"
#include "view/field_view.h"
#include "view/main_window.h"
#include "view/testing/controls.h"
#include "view/tile_sheet.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using game::Cell;
using testing::Control;

// A window whose mines fall where the test says, played with real mouse events.
class ScriptedGame : public ::testing::Test {
  protected:
    void Lay(int w, int h, const std::vector<Cell>& mines) {
        for (const Cell c : mines) {
            draws.push_back((static_cast<float>(c.x) + 0.5f) / static_cast<float>(w));
            draws.push_back((static_cast<float>(c.y) + 0.5f) / static_cast<float>(h));
        }
        window.SetRandomSource([this] {
            const float r = draws.front();
            draws.pop_front();
            return r;
        });
        window.SetClockSource([this] { return now; });
        window.setShowMinesLeft(true);
        window.restoreLevel(game::Custom,
                            {static_cast<std::int16_t>(w), static_cast<std::int16_t>(h),
                             static_cast<std::int16_t>(mines.size())});
        window.show();
    }

    // Clicks the middle of a cell, in the widget's own coordinates.
    void Click(Qt::MouseButton button, int x, int y) {
        const int left = (y % 2 == 0 ? 9 : 0) + 18 * x;
        const QPoint at(FieldView::border + left + 9, FieldView::border + 17 * y + 11);
        QTest::mouseClick(&field(), button, {}, at);
    }

    // What the screen shows of one cell, compared with a tile of the sheet.
    bool Shows(int x, int y, game::TileIndex t) {
        field().Refresh();
        const QImage screen = field().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto at =
            game::TilePosition({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
        const QImage tile = TileSheet().copy(TileColumn(t), 0, 19, 24);
        // The tile's middle rows are never overlapped by a neighbour.
        for (int row = 6; row < 17; ++row) {
            for (int column = 1; column < 18; ++column) {
                if (screen.pixel(2 + at.x + column, 2 + at.y + row) != tile.pixel(column, row)) {
                    return false;
                }
            }
        }
        return true;
    }

    // How far the mouth's middle lies below its ends, in pixels, on the face as painted: a
    // smile dips, a frown rises. Searched from the face's middle row down, below the eyes.
    int MouthDip() {
        const QImage picture = face().grab().toImage();
        const auto firstDark = [&picture](int column) {
            for (int row = picture.height() / 2; row < picture.height(); ++row) {
                const QColor c = picture.pixelColor(column, row);
                if (std::max({c.red(), c.green(), c.blue()}) < 96) {
                    return row;
                }
            }
            return picture.height();
        };
        const int middle = picture.width() / 2;
        return firstDark(middle) - (firstDark(middle - 5) + firstDark(middle + 4)) / 2;
    }

    // Lets the clock's timer run until the game's clock reads as expected.
    bool ClockReaches(int seconds) {
        return QTest::qWaitFor([&] { return window.game().clock().seconds == seconds; }, 3000);
    }

    FieldView& field() { return Control<FieldView>(window, "Picture2"); }
    status::FaceButton& face() { return Control<status::FaceButton>(window, "Command1"); }
    status::CounterLabel& counter() { return Control<status::CounterLabel>(window, "Label1"); }
    QString clockText() { return Control<QLabel>(window, "Label2").text(); }

    std::deque<float> draws;
    double now = 100.0;
    MainWindow window;
    dialogs::testing::FakeModalRunner* modal = [this] {
        auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
        auto* raw = runner.get();
        window.SetModalRunner(std::move(runner));
        return raw;
    }();
};

TEST_F(ScriptedGame, FlagsFloodAndWin) {
    // 5 x 4 with mines at (4, 0) and (0, 3).
    Lay(5, 4, {{4, 0}, {0, 3}});
    Click(Qt::RightButton, 4, 0);
    EXPECT_TRUE(Shows(4, 0, game::tile::flag));
    EXPECT_EQ(counter().text(), "1");
    EXPECT_TRUE(window.game().clock().running);
    Click(Qt::RightButton, 1, 1);
    Click(Qt::RightButton, 2, 1);
    EXPECT_EQ(counter().text(), "-1");
    Click(Qt::RightButton, 1, 1);
    Click(Qt::RightButton, 2, 1);
    EXPECT_TRUE(Shows(1, 1, game::tile::covered));

    Click(Qt::RightButton, 0, 2); // a flag on a safe cell holds the win back
    now += 3.7;
    ASSERT_TRUE(ClockReaches(3));
    EXPECT_EQ(clockText(), "3");
    Click(Qt::LeftButton, 2, 2); // floods everything but the mines and the flag
    EXPECT_TRUE(Shows(2, 2, game::tile::open));
    EXPECT_TRUE(Shows(3, 0, game::tile::open + 1));
    EXPECT_TRUE(Shows(0, 2, game::tile::flag));
    EXPECT_TRUE(window.game().gameOn());
    EXPECT_EQ(window.game().cellsToOpen(), 1);

    Click(Qt::RightButton, 0, 2);
    Click(Qt::LeftButton, 0, 2);
    QTest::mouseClick(&counter(), Qt::LeftButton);
    EXPECT_EQ(window.game().cellsToOpen(), 0);
    EXPECT_FALSE(window.game().gameOn());
    EXPECT_EQ(face().text(), "J");
    EXPECT_EQ(face().BackColour(), status::colour::green);
    EXPECT_GT(MouthDip(), 0);
    EXPECT_TRUE(Shows(0, 3, game::tile::flag));
    EXPECT_EQ(counter().text(), "0");
    EXPECT_EQ(counter().ForeColour(), status::colour::green);
    EXPECT_FALSE(window.game().clock().running);
    EXPECT_EQ(clockText(), "3");
    EXPECT_TRUE(modal->nameRequests.empty()); // the custom level keeps no records
    EXPECT_TRUE(modal->shown.empty());
}

TEST_F(ScriptedGame, LossShowsMinesWrongFlagsAndTheExplosion) {
    Lay(4, 3, {{0, 0}, {3, 2}, {2, 1}});
    Click(Qt::RightButton, 0, 0); // right
    Click(Qt::RightButton, 1, 2); // wrong
    Click(Qt::LeftButton, 2, 1);
    EXPECT_EQ(face().text(), "L");
    EXPECT_EQ(face().BackColour(), status::colour::red);
    EXPECT_LT(MouthDip(), 0);
    EXPECT_TRUE(Shows(0, 0, game::tile::flag));
    EXPECT_TRUE(Shows(1, 2, game::tile::wrongFlag));
    EXPECT_TRUE(Shows(3, 2, game::tile::mine));
    EXPECT_TRUE(Shows(2, 1, game::tile::explodedMine));
    EXPECT_EQ(counter().text(), "1");
    EXPECT_EQ(clockText(), "0");

    // The frozen field ignores presses, the clock included.
    Click(Qt::LeftButton, 1, 1);
    EXPECT_TRUE(Shows(1, 1, game::tile::covered));
    EXPECT_FALSE(window.game().clock().running);
}

TEST_F(ScriptedGame, ClockStartsOnAnyFirstPressStopsAt999AndResets) {
    Lay(4, 3, {{3, 2}});
    QTest::mouseClick(&field(), Qt::MiddleButton, {}, QPoint(4, 4)); // beside the cells
    EXPECT_TRUE(window.game().clock().running);
    now += 999.2;
    ASSERT_TRUE(ClockReaches(999));
    EXPECT_EQ(clockText(), "999");
    EXPECT_FALSE(window.game().clock().running);
    Click(Qt::RightButton, 0, 0);
    EXPECT_FALSE(window.game().clock().running);
    EXPECT_EQ(counter().text(), "0");

    Control<QAction>(window, "menuNew").trigger();
    EXPECT_EQ(clockText(), "0");
    Click(Qt::RightButton, 0, 0);
    EXPECT_TRUE(window.game().clock().running);
}

TEST_F(ScriptedGame, PresetWinHandsLevelAndClockToTheRecordStep) {
    // Level 0 is 8 x 8 with 8 mines: put them all in the bottom row.
    for (std::int16_t x = 0; x < 8; ++x) {
        draws.push_back((x + 0.5f) / 8);
        draws.push_back(7.5f / 8);
    }
    window.SetRandomSource([this] {
        const float r = draws.front();
        draws.pop_front();
        return r;
    });
    modal->answer = QStringLiteral("小明");
    window.selectLevel(0);
    window.show();
    Click(Qt::LeftButton, 0, 0);
    ASSERT_EQ(modal->nameRequests.size(), 1u);
    auto& scores = Control<QDialog>(window, "formScores");
    EXPECT_EQ(Control<QLabel>(scores, "Label1_0").text(), "0");
    EXPECT_EQ(Control<QLabel>(scores, "Label1_1").text(), "小明");
    ASSERT_EQ(modal->shown.size(), 1u);
    EXPECT_EQ(modal->shown[0], &scores);
}

} // namespace
} // namespace torvane::view
