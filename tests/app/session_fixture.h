#pragma once

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/testing/scripted_draws.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "platform/control_names.h"
#include "view/field_view.h"
#include "view/hex_layout.h"
#include "view/main_window.h"
#include "view/testing/controls.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace torvane::app::testing {

using view::testing::control;

// One run of the program as main() composes it: the state, the real window and the session,
// with the records file in a temporary folder and the player's part in dialogs scripted. Mines
// fall where `draws` say while there are any, then anywhere.
class SessionTest : public ::testing::Test {
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

    // A fresh start: what ran before is gone, as after the program ended.
    void start() { start({path(), path()}); }
    void start(const store::RecordsPaths& paths) {
        session.reset();
        window.reset();
        state =
            std::make_unique<GameState>([this] { return draws.next(); }, [this] { return now; });
        window = std::make_unique<view::MainWindow>(state->game());
        session = std::make_unique<GameSession>(*state, *window, paths);
        auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
        modal = runner.get();
        session->setModalRunner(std::move(runner));
        session->loadSettings();
        window->show();
    }

    // The next level started lays these mines on a field this wide and high.
    void layMines(int columns, int rows, const std::vector<game::Cell>& mines) {
        draws.queueMines(mines, columns, rows);
    }

    QAction& item(const QString& name) const { return control<QAction>(*window, name); }
    QAction& levelItem(int level) const {
        return item(controlName::indexed(controlName::levelItem, level));
    }
    view::FieldView& field() const { return control<view::FieldView>(*window, controlName::field); }

    // A real mouse click in the middle of a cell.
    void click(game::Cell cell, Qt::MouseButton button = Qt::LeftButton) const {
        const QPoint border(view::FieldView::border, view::FieldView::border);
        QTest::mouseClick(&field(), button, {}, border + view::tilePosition(cell) + QPoint(9, 11));
    }

    // Caption i of the best-times table as the "成绩榜" item shows it.
    QString table(int i) const {
        item(controlName::bestTimesItem).trigger();
        return control<QLabel>(*modal->shown.back(),
                               controlName::indexed(controlName::bestTimesEntry, i))
            .text();
    }

    QLineEdit& box(QDialog& dialog, int i) const {
        return control<QLineEdit>(dialog, controlName::indexed(controlName::customBox, i));
    }

    QTemporaryDir folder;
    ScriptedDraws draws;
    double now = 100.0;
    std::unique_ptr<GameState> state;
    std::unique_ptr<view::MainWindow> window;
    std::unique_ptr<GameSession> session;
    dialogs::testing::FakeModalRunner* modal = nullptr;
};

// A records file as the first start leaves it: intermediate, no records.
inline const QByteArray firstRunFile = QByteArray(" 1 \r\n 16 \r\n 16 \r\n 35 \r\n999\r\n") +
                                       "\xc4\xe4\xc3\xfb\r\n999\r\n\xc4\xe4\xc3\xfb\r\n999\r\n" +
                                       "\xc4\xe4\xc3\xfb\r\n";

} // namespace torvane::app::testing
