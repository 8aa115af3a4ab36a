#include "app/testing/testing_program.h"
#include "game/testing/invariants.h"

#include <QPropertyAnimation>
#include <QPushButton>
#include <gtest/gtest.h>
#include <random>

namespace torvane::view {
namespace {

using app::testing::TestingProgram;
using game::Cell;
using game::CellState;
using testing::control;

// Every cell's picture, away from the seams its neighbours draw over, is its state's tile.
void expectPictureShowsTheField(TestingProgram& program) {
    const game::Game& game = program.game();
    const QImage& image = program.field().image();
    for (int y = 0; y < game.fieldSize().rows; ++y) {
        for (int x = 0; x < game.fieldSize().columns; ++x) {
            const QPoint at = tilePosition({x, y});
            const int column = tileColumn(tileOf(game.cellAt({x, y})));
            for (int row = 6; row < 17; ++row) {
                for (int c = 1; c < tileWidth - 1; ++c) {
                    ASSERT_EQ(image.pixel(at + QPoint(c, row)), tileSheet().pixel(column + c, row))
                        << x << "," << y;
                }
            }
        }
    }
}

// A won game shows every cell open and every mine flagged; a lost one has opened no mine but
// the one that exploded, and has only marked flags wrong.
void expectFinalState(const game::Game& game) {
    const bool won = game.face() == game::Face::Won;
    ASSERT_EQ(won, game.cellsToOpen() == 0);
    int exploded = 0;
    for (int y = 0; y < game.fieldSize().rows; ++y) {
        for (int x = 0; x < game.fieldSize().columns; ++x) {
            const CellState::Kind kind = game.cellAt({x, y}).kind;
            exploded += kind == CellState::ExplodedMine;
            if (game.hasMine({x, y})) {
                ASSERT_TRUE(won ? kind == CellState::Flagged
                                : kind != CellState::Covered && kind != CellState::Open)
                    << x << "," << y;
            } else {
                ASSERT_TRUE(won ? kind == CellState::Open
                                : kind == CellState::Covered || kind == CellState::Open ||
                                      kind == CellState::WrongFlag)
                    << x << "," << y;
            }
        }
    }
    ASSERT_EQ(exploded, won ? 0 : 1);
    if (won) {
        ASSERT_EQ(game.minesLeft(), 0);
    }
}

// What the window holds once the layout's geometry animations have run and deleted
// themselves, as they do under the running game's event loop.
qsizetype settledChildCount(QObject& window) {
    EXPECT_TRUE(QTest::qWaitFor(
        [&window] { return window.findChildren<QPropertyAnimation*>().isEmpty(); }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.findChildren<QObject*>().size();
}

QString randomBoxText(std::mt19937& random) {
    static const char* const odd[] = {"",     "abc",  "12abc", "-3",  "8.5", "40000",
                                      "1e99", " 30 ", "0",     "900", "\t7", "-32768"};
    if (random() % 3 == 0) {
        return QString::fromLatin1(odd[random() % std::size(odd)]);
    }
    return QString::number(static_cast<int>(random() % 40) - 2);
}

// Thousands of games through the real widgets: random presses of every button, level and
// custom-size changes, dialogs and name prompts answered by the test.
TEST(Soak, RandomPlayKeepsTheGameSound) {
    std::mt19937 random(8122026);
    TestingProgram program;
    program.playLevel(game::Beginner);
    const game::Game& game = program.game();
    FieldView& field = program.field();
    const QLabel& clockLabel = control<QLabel>(program.window(), controlName::clock);
    QAction& newGame = program.item(controlName::newGameItem);
    QAction& customLevel = program.item(controlName::customItem);
    dialogs::testing::FakeModalRunner& modal = program.modal();

    // The dialogs, and the menu bar's overflow menu of a window narrower than the menu, are
    // made on first use; count them from the start.
    program.item(controlName::bestTimesItem).trigger();
    program.playCustom({1, 1, 0});
    modal.whileShowing = [&](QDialog& dialog) {
        if (dialog.objectName() != controlName::customDialog) {
            return;
        }
        for (int box = 0; box < 3; ++box) {
            control<QLineEdit>(dialog, controlName::indexed(controlName::customBox, box))
                .setText(randomBoxText(random));
        }
        switch (random() % 3) {
        case 0:
            control<QPushButton>(dialog, controlName::customOk).click();
            break;
        case 1:
            control<QPushButton>(dialog, controlName::customCancel).click();
            break;
        default:
            dialog.reject();
        }
    };
    const qsizetype children = settledChildCount(program.window());
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                       Qt::RightButton, Qt::MiddleButton};
    int wins = 0;
    int timeSteps = 0;
    for (int games = 0; games < 3000; ++games) {
        switch (random() % 8) {
        case 0:
            program.playLevel(static_cast<game::Level>(random() % 3));
            break;
        case 1:
            customLevel.trigger();
            break;
        case 2:
            QTest::mouseClick(&program.face(), Qt::LeftButton);
            break;
        default:
            QTest::keyClick(&program.window(), Qt::Key_F2);
            newGame.trigger();
        }
        ASSERT_TRUE(game::isPlayable(game.fieldSize()));
        ASSERT_EQ(field.image().size(),
                  fieldPixelSize(game.fieldSize().columns, game.fieldSize().rows));
        modal.answer = random() % 2 ? QStringLiteral("玩家%1").arg(games) : QString();
        // Presses land on the image; the border is not the field's.
        const QRect image = field.contentsRect();
        for (int press = 0; press < 400 && !game::isOver(game.phase()); ++press) {
            if (random() % 50 == 0) {
                QTest::mouseClick(&program.counter(), Qt::LeftButton);
            }
            if (random() % 40 == 0) {
                // Time passes; every so often the clock's timer gets the real second it waits
                // for, sometimes after a jump to the cap, so ticks land in the middle of play.
                const int shown = game.clock().seconds;
                program.now += random() % 4 == 0 ? 998.0 : 1.0;
                if (++timeSteps % 300 == 0 && game.clock().running) {
                    ASSERT_TRUE(QTest::qWaitFor([&game, shown] {
                        return game.clock().seconds > shown;
                    })) << "game "
                        << games;
                }
                QCoreApplication::processEvents();
                ASSERT_EQ(clockLabel.text(), QString::number(game.clock().seconds));
                ASSERT_FALSE(game.clock().running && game.clock().capped());
            }
            const QPoint at(
                image.left() + static_cast<int>(random() % static_cast<unsigned>(image.width())),
                image.top() + static_cast<int>(random() % static_cast<unsigned>(image.height())));
            QTest::mouseClick(&field, buttons[random() % 5], {}, at);
            if (!game::isOver(game.phase())) {
                ASSERT_NO_FATAL_FAILURE(game::testing::expectInvariants(game)) << "game " << games;
            }
        }
        if (game::isOver(game.phase())) {
            ASSERT_NO_FATAL_FAILURE(expectFinalState(game)) << "game " << games;
            wins += game.face() == game::Face::Won;
        }
        if (games % 50 == 0) {
            ASSERT_NO_FATAL_FAILURE(expectPictureShowsTheField(program)) << "game " << games;
        }
    }
    // Nothing piles up: the dialogs are reused, not made anew.
    EXPECT_EQ(settledChildCount(program.window()), children);
    EXPECT_GT(wins, 10);
    auto& scores = control<QDialog>(program.window(), controlName::bestTimesDialog);
    for (const int time : {0, 2, 4}) {
        EXPECT_FALSE(
            control<QLabel>(scores, controlName::indexed(controlName::bestTimesEntry, time))
                .text()
                .isEmpty());
    }
}

} // namespace
} // namespace torvane::view
