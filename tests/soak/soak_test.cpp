#include "dialogs/testing/fake_modal_runner.h"
#include "game/testing/invariants.h"
#include "status/face_button.h"
#include "status/status_label.h"
#include "view/field_view.h"
#include "view/main_window.h"
#include "view/testing/controls.h"
#include "view/tile_sheet.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace torvane::view {
namespace {

using game::tile::covered;
using game::tile::flag;
using testing::Control;

// Every cell's picture, away from the seams its neighbours draw over, is its tile.
void ExpectPictureMatchesCellView(MainWindow& window) {
    const game::Game& g = window.game();
    const QImage& image = Control<FieldView>(window, "Picture2").Image();
    for (std::int16_t y = 0; y < g.fieldHeight(); ++y) {
        for (std::int16_t x = 0; x < g.fieldWidth(); ++x) {
            const auto at = game::TilePosition({x, y});
            const int column = TileColumn(g.cellView()[x][y]);
            for (int row = 6; row < 17; ++row) {
                for (int c = 1; c < 18; ++c) {
                    ASSERT_EQ(image.pixel(at.x + c, at.y + row), TileSheet().pixel(column + c, row))
                        << x << "," << y;
                }
            }
        }
    }
}

void ExpectFinalState(const game::Game& g) {
    const bool won = g.cellsToOpen() == 0;
    for (int y = 0; y < g.fieldHeight(); ++y) {
        for (int x = 0; x < g.fieldWidth(); ++x) {
            const int view = g.cellView()[x][y];
            if (g.mineMap()[x][y] == game::mineValue) {
                ASSERT_TRUE(won ? view == flag : (view == flag || view == 7 || view == 8));
            } else if (won) {
                ASSERT_EQ(view, g.mineMap()[x][y]);
            } else {
                ASSERT_TRUE(view == covered || view == 12 || view == g.mineMap()[x][y]);
            }
        }
    }
    if (won) {
        ASSERT_EQ(g.minesLeft(), 0);
    }
}

// What the window holds once the layout's geometry animations have run and deleted
// themselves, as they do under the running game's event loop.
qsizetype SettledChildCount(QObject& window) {
    EXPECT_TRUE(QTest::qWaitFor(
        [&window] { return window.findChildren<QPropertyAnimation*>().isEmpty(); }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.findChildren<QObject*>().size();
}

QString RandomBoxText(std::mt19937& rng) {
    static const char* const odd[] = {"",     "abc",  "12abc", "-3",  "8.5", "40000",
                                      "1e99", " 30 ", "0",     "900", "\t7", "-32768"};
    if (rng() % 3 == 0) {
        return QString::fromLatin1(odd[rng() % std::size(odd)]);
    }
    return QString::number(static_cast<int>(rng() % 40) - 2);
}

// Thousands of games through the real widgets: random presses of every button, level
// and custom-size changes, dialogs and name prompts answered by the test.
TEST(Soak, RandomPlayKeepsTheGameSound) {
    std::mt19937 rng(8122026);
    MainWindow window;
    auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
    dialogs::testing::FakeModalRunner* modal = runner.get();
    window.SetModalRunner(std::move(runner));
    std::mt19937 mines(7);
    window.SetRandomSource([&mines] { return static_cast<float>(mines() >> 8) * 0x1p-24f; });
    double now = 0;
    window.SetClockSource([&now] { return now; });
    window.setShowMinesLeft(true);
    window.selectLevel(0);
    window.show();
    auto& field = Control<FieldView>(window, "Picture2");
    auto& face = Control<status::FaceButton>(window, "Command1");
    auto& counter = Control<status::CounterLabel>(window, "Label1");
    const auto& clockLabel = Control<QLabel>(window, "Label2");
    QAction& newGame = Control<QAction>(window, "menuNew");
    QAction& customLevel = Control<QAction>(window, "menuCustom");

    // The dialogs are made on first use; count them from the start.
    Control<QAction>(window, "menuBest").trigger();
    customLevel.trigger();
    modal->whileShowing = [&](QDialog& dialog) {
        if (dialog.objectName() != "formCustom") {
            return;
        }
        for (const char* box : {"Text1_0", "Text1_1", "Text1_2"}) {
            Control<QLineEdit>(dialog, box).setText(RandomBoxText(rng));
        }
        switch (rng() % 3) {
        case 0:
            Control<QPushButton>(dialog, "Command1").click();
            break;
        case 1:
            Control<QPushButton>(dialog, "Command2").click();
            break;
        default:
            dialog.reject();
        }
    };
    const qsizetype children = SettledChildCount(window);
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                       Qt::RightButton, Qt::MiddleButton};
    int games = 0;
    int wins = 0;
    int timeSteps = 0;
    for (; games < 3000; ++games) {
        switch (rng() % 8) {
        case 0:
            window.selectLevel(static_cast<std::int16_t>(rng() % 3));
            break;
        case 1:
            customLevel.trigger();
            break;
        case 2:
            QTest::mouseClick(&face, Qt::LeftButton);
            break;
        default:
            QTest::keyClick(&window, Qt::Key_F2);
            newGame.trigger();
        }
        const game::Game& g = window.game();
        ASSERT_TRUE(game::IsPlayable(g.fieldWidth(), g.fieldHeight(), g.mineTotal()));
        ASSERT_EQ(field.width(), 18 * g.fieldWidth() + 14);
        modal->answer = rng() % 2 ? QStringLiteral("玩家%1").arg(games) : QString();
        // Presses land on the image; the border is not the field's.
        const QRect image = field.contentsRect();
        for (int press = 0; press < 400 && g.gameOn(); ++press) {
            if (rng() % 50 == 0) {
                QTest::mouseClick(&counter, Qt::LeftButton);
            }
            if (rng() % 40 == 0) {
                // Time passes; every so often the clock's timer gets the real second it waits
                // for, sometimes after a jump to the cap, so ticks land in the middle of play.
                const int shown = g.clock().seconds;
                const bool jump = rng() % 4 == 0;
                now += jump ? 998.0 : 1.0;
                if (++timeSteps % 300 == 0 && g.clock().running) {
                    ASSERT_TRUE(QTest::qWaitFor([&g, shown] { return g.clock().seconds > shown; }))
                        << "game " << games;
                }
                QCoreApplication::processEvents();
                ASSERT_EQ(clockLabel.text(), QString::number(g.clock().seconds));
                ASSERT_FALSE(g.clock().running && g.clock().capped());
            }
            const QPoint at(
                image.left() + static_cast<int>(rng() % static_cast<unsigned>(image.width())),
                image.top() + static_cast<int>(rng() % static_cast<unsigned>(image.height())));
            QTest::mouseClick(&field, buttons[rng() % 5], {}, at);
            if (g.gameOn()) {
                ASSERT_NO_FATAL_FAILURE(game::testing::ExpectInvariants(g)) << "game " << games;
            }
        }
        if (!g.gameOn()) {
            ASSERT_NO_FATAL_FAILURE(ExpectFinalState(g)) << "game " << games;
            wins += g.cellsToOpen() == 0;
        }
        if (games % 50 == 0) {
            ASSERT_NO_FATAL_FAILURE(ExpectPictureMatchesCellView(window)) << "game " << games;
        }
    }
    // Nothing piles up: the dialogs are reused, not made anew.
    EXPECT_EQ(SettledChildCount(window), children);
    EXPECT_GT(wins, 10);
    auto& scores = Control<QDialog>(window, "formScores");
    for (const char* time : {"Label1_0", "Label1_2", "Label1_4"}) {
        EXPECT_FALSE(Control<QLabel>(scores, time).text().isEmpty());
    }
}

} // namespace
} // namespace torvane::view
