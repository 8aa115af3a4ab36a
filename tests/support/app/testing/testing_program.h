#pragma once

#include "app/program.h"
#include "app/testing/scripted_draws.h"
#include "dialogs/custom_size_texts.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "platform/control_names.h"
#include "status/clock_ticker.h"
#include "status/counter_label.h"
#include "status/face_button.h"
#include "store/testing/records_files.h"
#include "view/field_view.h"
#include "view/hex_layout.h"
#include "view/main_window.h"
#include "view/testing/controls.h"
#include "view/tile_sheet.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace torvane::app::testing {

using view::testing::control;

// The program as main() puts it together, shown, with the mines, the time and the player's
// answers to dialogs in the test's hands. Its records file lives at the paths given, else in a
// folder of its own, where it starts like a first run: the intermediate level, on mines from a
// seeded generator.
class TestingProgram {
  public:
    TestingProgram() : TestingProgram(std::nullopt) {}
    explicit TestingProgram(std::optional<store::RecordsPaths> records) {
        if (!records) {
            folder_.emplace();
            const QString path = folder_->filePath(QStringLiteral("result.sav"));
            records = store::RecordsPaths{path, path};
        }
        recordsPath_ = records->write;
        auto modal = std::make_unique<dialogs::testing::FakeModalRunner>();
        modal_ = modal.get();
        program_ = std::make_unique<Program>([this] { return draws_.next(); },
                                             [this] { return now; }, *records, std::move(modal));
        program_->show();
    }

    // Seconds on the game's time source.
    double now = 100.0;

    // Where the records file is written.
    const QString& recordsPath() const { return recordsPath_; }
    GameState& state() { return program_->state(); }
    const game::Game& game() { return state().game(); }
    view::MainWindow& window() { return program_->window(); }
    dialogs::testing::FakeModalRunner& modal() { return *modal_; }
    view::FieldView& field() { return control<view::FieldView>(window(), controlName::field); }
    status::FaceButton& face() { return control<status::FaceButton>(window(), controlName::face); }
    status::CounterLabel& counter() {
        return control<status::CounterLabel>(window(), controlName::counter);
    }
    QString clockText() { return control<QLabel>(window(), controlName::clock).text(); }
    QAction& item(QLatin1StringView name) { return control<QAction>(window(), name); }
    QAction& levelItem(game::Level level) {
        return level == game::Custom
                   ? item(controlName::customItem)
                   : control<QAction>(window(),
                                      controlName::indexed(controlName::levelItem, level));
    }

    // The next new game lays its mines on these cells of a field this size, in this order.
    void queueMines(game::FieldSize size, const std::vector<game::Cell>& mines) {
        EXPECT_EQ(static_cast<int>(mines.size()), size.mines) << "every mine needs a cell";
        draws_.queueMines(mines, size.columns, size.rows);
    }
    bool minesQueued() const { return !draws_.empty(); }

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
        modal_->whileShowing = [this, &texts](QDialog& dialog) {
            for (int i = 0; i < 3; ++i) {
                box(dialog, i).setText(texts[static_cast<std::size_t>(i)]);
            }
            dialog.reject();
        };
        item(controlName::customItem).trigger();
        modal_->whileShowing = nullptr;
    }

    // A real mouse press and release on the middle of a cell.
    void pressCell(Qt::MouseButton button, game::Cell cell) {
        const QPoint middle(view::tileWidth / 2, view::hitTop + view::rowPitch / 2);
        QTest::mouseClick(&field(), button, {},
                          field().contentsRect().topLeft() + view::tilePosition(cell) + middle);
    }

    // Whether the screen shows this picture of the sheet on the cell, away from the edges that
    // the neighbours' tiles overlap.
    bool shows(game::Cell cell, int tile) {
        const QImage screen =
            field().grab(field().contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at = view::tilePosition(cell);
        for (int row = 6; row < 17; ++row) {
            for (int column = 1; column < view::tileWidth - 1; ++column) {
                if (screen.pixel(at.x() + column, at.y() + row) !=
                    view::tileSheet().pixel(view::tileColumn(tile) + column, row)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Lets the clock's timer go off now instead of at its next whole second, as it would once
    // the time source had got there; false when it is not running.
    bool tickClock() {
        auto& timer = control<QTimer>(window(), controlName::clockTimer);
        if (!timer.isActive()) {
            return false;
        }
        QSignalSpy ticks(window().findChild<status::ClockTicker*>(), &status::ClockTicker::tick);
        timer.start(0);
        return ticks.wait(1000);
    }

    // Caption i of the best-times table as the "成绩榜" item shows it.
    QString table(int i) {
        item(controlName::bestTimesItem).trigger();
        return control<QLabel>(*modal_->shown.back(),
                               controlName::indexed(controlName::bestTimesEntry, i))
            .text();
    }

    // Box i of the custom size dialog.
    static QLineEdit& box(QDialog& dialog, int i) {
        return control<QLineEdit>(dialog, controlName::indexed(controlName::customBox, i));
    }

  private:
    std::optional<QTemporaryDir> folder_;
    QString recordsPath_;
    ScriptedDraws draws_;
    dialogs::testing::FakeModalRunner* modal_ = nullptr;
    std::unique_ptr<Program> program_;
};

// A records file in a folder of its own, and the program started on it as often as a test
// likes: each start is a fresh process's, what ran before is gone.
class ProgramTest : public ::testing::Test {
  protected:
    QString path() const { return folder.filePath(QStringLiteral("result.sav")); }
    void writeFile(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A FIFO where the records file was: no save can write there from now on.
    void blockRecords() const {
        ASSERT_TRUE(QFile::remove(path()));
        ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    }
    // `boxes` counts the message boxes the started program shows from now on.
    void countBoxes(int& boxes) {
        program->modal().whileShowing = [&boxes](QDialog& dialog) {
            boxes += qobject_cast<QMessageBox*>(&dialog) != nullptr ? 1 : 0;
        };
    }

    TestingProgram& start() { return start({path(), path()}); }
    TestingProgram& start(const store::RecordsPaths& paths) {
        program.reset();
        program = std::make_unique<TestingProgram>(paths);
        return *program;
    }

    QTemporaryDir folder;
    std::unique_ptr<TestingProgram> program;
};

using store::testing::firstRunFile;

} // namespace torvane::app::testing
