#include "dialogs/testing/fake_modal_runner.h"
#include "game/testing/invariants.h"
#include "view/main_window.h"
#include "view/tile_sheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace torvane::view {
namespace {

using game::tile::covered;
using game::tile::flag;

// Every cell's picture, away from the seams its neighbours draw over, is its tile.
void ExpectPictureMatchesCellView(MainWindow& window) {
    const game::Game& g = window.Game();
    const QImage& image = window.Picture2().Image();
    for (std::int16_t y = 0; y < g.fieldHeight; ++y) {
        for (std::int16_t x = 0; x < g.fieldWidth; ++x) {
            const auto at = game::TilePosition({x, y});
            const int column = TileColumn(g.cellView[x][y]);
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
    const bool won = g.cellsToOpen == 0;
    for (int y = 0; y < g.fieldHeight; ++y) {
        for (int x = 0; x < g.fieldWidth; ++x) {
            const int view = g.cellView[x][y];
            if (g.mineMap[x][y] == game::mineValue) {
                ASSERT_TRUE(won ? view == flag : (view == flag || view == 7 || view == 8));
            } else if (won) {
                ASSERT_EQ(view, g.mineMap[x][y]);
            } else {
                ASSERT_TRUE(view == covered || view == 12 || view == g.mineMap[x][y]);
            }
        }
    }
    if (won) {
        ASSERT_EQ(g.minesLeft, 0);
    }
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
    window.Clock().SetSecondsSource([&now] { return now; });
    window.Game().showMinesLeft = true;
    window.menuLevel_Click(0);
    window.show();

    modal->whileShowing = [&](QDialog& dialog) {
        if (&dialog != &window.FormCustom()) {
            return;
        }
        for (int i = 0; i < 3; ++i) {
            window.FormCustom().Text1(i)->setText(RandomBoxText(rng));
        }
        switch (rng() % 3) {
        case 0:
            window.FormCustom().Command1_Click();
            break;
        case 1:
            window.FormCustom().Command2_Click();
            break;
        default:
            window.FormCustom().reject();
        }
    };
    window.FormScores(); // made on first use; count it from the start
    const qsizetype children = window.findChildren<QObject*>().size();
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                       Qt::RightButton, Qt::MiddleButton};
    int games = 0;
    int wins = 0;
    for (; games < 3000; ++games) {
        switch (rng() % 8) {
        case 0:
            window.menuLevel_Click(static_cast<std::int16_t>(rng() % 3));
            break;
        case 1:
            window.menuCustom_Click();
            break;
        case 2:
            QTest::mouseClick(&window.Command1(), Qt::LeftButton);
            break;
        default:
            QTest::keyClick(&window, Qt::Key_F2);
            window.menuNew_Click();
        }
        const game::Game& g = window.Game();
        ASSERT_TRUE(game::IsPlayable(g.fieldWidth, g.fieldHeight, g.mineTotal));
        ASSERT_EQ(window.Picture2().width(), 18 * g.fieldWidth + 14);
        modal->answer = rng() % 2 ? QStringLiteral("玩家%1").arg(games) : QString();
        const int width = window.Picture2().width();
        const int height = window.Picture2().height();
        for (int press = 0; press < 400 && g.gameOn; ++press) {
            if (rng() % 50 == 0) {
                window.Label1_Click();
            }
            if (rng() % 40 == 0) {
                now += 1.0;
                window.Clock().Timer1_Timer();
            }
            const QPoint at(static_cast<int>(rng() % static_cast<unsigned>(width)),
                            static_cast<int>(rng() % static_cast<unsigned>(height)));
            QTest::mouseClick(&window.Picture2(), buttons[rng() % 5], {}, at);
            if (g.gameOn) {
                ASSERT_NO_FATAL_FAILURE(game::testing::ExpectInvariants(g)) << "game " << games;
            }
        }
        if (!g.gameOn) {
            ASSERT_NO_FATAL_FAILURE(ExpectFinalState(g)) << "game " << games;
            wins += g.cellsToOpen == 0;
        }
        if (games % 50 == 0) {
            ASSERT_NO_FATAL_FAILURE(ExpectPictureMatchesCellView(window)) << "game " << games;
        }
    }
    // Nothing piles up: the dialogs are reused, not made anew. Objects the toolkit hands
    // to the event loop for deletion go first, as the running game's loop would take them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.findChildren<QObject*>().size(), children);
    EXPECT_GT(wins, 10);
    for (int i = 0; i < 6; i += 2) {
        EXPECT_FALSE(window.FormScores().Label1(i)->text().isEmpty());
    }
}

} // namespace
} // namespace torvane::view
