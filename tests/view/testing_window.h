#pragma once

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/testing/scripted_draws.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "platform/control_names.h"
#include "status/clock_ticker.h"
#include "status/face_button.h"
#include "status/status_label.h"
#include "view/field_view.h"
#include "view/hex_layout.h"
#include "view/main_window.h"
#include "view/testing/controls.h"
#include "view/tile_sheet.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace torvane::view::testing {

// The program as main() puts it together, with the mines, the time and the player's answers to
// dialogs in the test's hands, and the records file in a folder of its own. It starts like a
// first run, at the intermediate level on mines from a seeded generator.
class TestingWindow {
  public:
    TestingWindow() {
        auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
        modal_ = runner.get();
        session_.setModalRunner(std::move(runner));
        session_.loadSettings();
        window_.show();
    }

    // Seconds on the game's time source.
    double now = 100.0;

    game::Game& game() { return state_.game(); }
    MainWindow& window() { return window_; }
    dialogs::testing::FakeModalRunner& modal() { return *modal_; }
    FieldView& field() { return control<FieldView>(window_, controlName::field); }
    status::FaceButton& face() { return control<status::FaceButton>(window_, controlName::face); }
    status::CounterLabel& counter() {
        return control<status::CounterLabel>(window_, controlName::counter);
    }
    QString clockText() { return control<QLabel>(window_, controlName::clock).text(); }
    QAction& item(QLatin1StringView name) { return control<QAction>(window_, name); }
    QAction& levelItem(game::Level level) {
        return level == game::Custom
                   ? item(controlName::customItem)
                   : control<QAction>(window_, controlName::indexed(controlName::levelItem, level));
    }

    // The next new game lays its mines on these cells of a field this size, in this order.
    void queueMines(game::FieldSize size, const std::vector<game::Cell>& mines) {
        EXPECT_EQ(static_cast<int>(mines.size()), size.mines) << "every mine needs a cell";
        draws_.queueMines(mines, size.columns, size.rows);
    }

    // A preset level through its menu item, with its mines on these cells when given.
    void playLevel(game::Level level, const std::vector<game::Cell>& mines = {}) {
        if (!mines.empty()) {
            queueMines(game::presetField(level), mines);
        }
        levelItem(level).trigger();
    }

    // The custom level through its menu item: the size typed into the dialog, which the player
    // then leaves with "取消" so that it is played as typed.
    void playCustom(game::FieldSize size, const std::vector<game::Cell>& mines = {}) {
        if (!mines.empty()) {
            queueMines(size, mines);
        }
        const dialogs::CustomSizeTexts texts = dialogs::textsOf(size);
        modal_->whileShowing = [&texts](QDialog& dialog) {
            for (int i = 0; i < 3; ++i) {
                control<QLineEdit>(dialog, controlName::indexed(controlName::customBox, i))
                    .setText(texts[static_cast<std::size_t>(i)]);
            }
            dialog.reject();
        };
        item(controlName::customItem).trigger();
        modal_->whileShowing = nullptr;
    }

    // A press on the middle of a cell, as the mouse gives it to the field.
    void pressCell(Qt::MouseButton button, game::Cell cell) {
        const QPoint middle(tileWidth / 2, hitTop + rowPitch / 2);
        QTest::mouseClick(&field(), button, {},
                          field().contentsRect().topLeft() + tilePosition(cell) + middle);
    }

    // Whether the screen shows this picture of the sheet on the cell, away from the edges that
    // the neighbours' tiles overlap.
    bool shows(game::Cell cell, int tile) {
        const QImage screen =
            field().grab(field().contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at = tilePosition(cell);
        for (int row = 6; row < 17; ++row) {
            for (int column = 1; column < tileWidth - 1; ++column) {
                if (screen.pixel(at.x() + column, at.y() + row) !=
                    tileSheet().pixel(tileColumn(tile) + column, row)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Lets the clock's timer go off now instead of at its next whole second, as it would once
    // the time source had got there; false when it is not running.
    bool tickClock() {
        auto& timer = control<QTimer>(window_, controlName::clockTimer);
        if (!timer.isActive()) {
            return false;
        }
        QSignalSpy ticks(window_.findChild<status::ClockTicker*>(), &status::ClockTicker::tick);
        timer.start(0);
        return ticks.wait(1000);
    }

  private:
    QTemporaryDir folder_;
    app::testing::ScriptedDraws draws_;
    app::GameState state_{[this] { return draws_.next(); }, [this] { return now; }};
    MainWindow window_{state_.game()};
    app::GameSession session_{state_, window_, folder_.filePath(QStringLiteral("result.sav"))};
    dialogs::testing::FakeModalRunner* modal_ = nullptr;
};

} // namespace torvane::view::testing
