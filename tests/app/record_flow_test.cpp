#include "app/testing/testing_program.h"
#include "status/face_button.h"
#include "store/records_format.h"

#include <QCoreApplication>

namespace torvane::app {
namespace {

using view::testing::control;

// The file after beginner's first record, 0 seconds, under this name.
QByteArray fileWithBeginnerRecord(const QString& name) {
    store::RecordsContents contents{{game::Beginner, 8, 8, 8}, {}};
    contents.bestTimes.setRecord(game::Beginner, {QStringLiteral("0"), name});
    return store::recordsBytes(contents);
}

class WinningPress : public testing::ProgramTest {
  protected:
    // Beginner with its 8 mines along the bottom row: a press at the top left opens every
    // other cell and wins, at 0 seconds on the clock.
    void startBeginnerWonByOnePress() {
        start();
        std::vector<game::Cell> bottomRow;
        for (int x = 0; x < 8; ++x) {
            bottomRow.push_back({x, 7});
        }
        program->queueMines({8, 8, 8}, bottomRow);
        program->levelItem(game::Beginner).trigger();
        ASSERT_FALSE(program->minesQueued());
    }
};

TEST_F(WinningPress, ReturnsBeforeAnyDialogThenTheRecordIsNamedSavedAndShown) {
    startBeginnerWonByOnePress();
    program->modal().answer = QStringLiteral("李四");

    program->pressCell(Qt::LeftButton, {0, 0});
    // The press is over and shown; nothing modal has run, but the time is on disk already.
    EXPECT_EQ(control<status::FaceButton>(program->window(), controlName::face).face(),
              game::Face::Won);
    EXPECT_TRUE(program->modal().shown.empty()) << "a dialog ran inside the press";
    EXPECT_TRUE(program->modal().nameRequests.empty()) << "the name was asked inside the press";
    EXPECT_EQ(readFile(), fileWithBeginnerRecord(QStringLiteral("无名菜鸟")))
        << "the new time under the unnamed holder is not on disk when the press returns";

    // What a kill while the prompt or the table is up would leave.
    QByteArray whileAsking;
    QByteArray whileShowing;
    program->modal().whileAsking = [&] { whileAsking = readFile(); };
    program->modal().whileShowing = [&](QDialog&) { whileShowing = readFile(); };
    QCoreApplication::processEvents();
    EXPECT_EQ(whileAsking, fileWithBeginnerRecord(QStringLiteral("无名菜鸟")));
    EXPECT_EQ(whileShowing, fileWithBeginnerRecord(QStringLiteral("李四")));
    EXPECT_EQ(program->modal().nameRequests.size(), 1u);
    EXPECT_EQ(readFile(), fileWithBeginnerRecord(QStringLiteral("李四")))
        << "the name typed is not on disk";
    ASSERT_EQ(program->modal().shown.size(), 1u);
    QDialog& table = *program->modal().shown[0];
    EXPECT_EQ(table.objectName(), controlName::bestTimesDialog);
    EXPECT_EQ(control<QLabel>(table, controlName::indexed(controlName::bestTimesEntry, 1)).text(),
              u"李四");
}

TEST_F(WinningPress, WhatFollowsAWin) {
    struct Case {
        const char* what;
        QByteArray file; // before the start; none when empty
        const char16_t* answer;
        bool closedWhileAsking;
        bool closedBeforeAsking; // in the same pass of the event loop as the press
        bool asked;
        const char16_t* savedName;
        bool tableShown;
    };
    const Case cases[] = {
        {"a cancelled prompt", {}, u"", false, false, true, u"无名菜鸟", true},
        {"closed while asking", {}, u"王五", true, false, true, u"王五", false},
        {"closed before asking", {}, u"王五", false, true, false, u"无名菜鸟", false},
        {"a tie", " 1 \r\n 16 \r\n 16 \r\n 35 \r\n0\r\nann\r\n", u"王五", false, false, false,
         u"ann", false},
    };
    for (const Case& c : cases) {
        QFile::remove(path());
        if (!c.file.isEmpty()) {
            writeFile(c.file);
        }
        startBeginnerWonByOnePress();
        program->modal().answer = QString::fromUtf16(c.answer);
        if (c.closedWhileAsking) {
            program->modal().whileAsking = [this] { program->window().close(); };
        }
        program->pressCell(Qt::LeftButton, {0, 0});
        if (c.closedBeforeAsking) {
            program->window().close();
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(program->state().game().face(), game::Face::Won) << c.what;
        EXPECT_EQ(program->modal().nameRequests.size(), c.asked ? 1u : 0u) << c.what;
        // The level chosen is written too; a tie keeps the holder.
        EXPECT_EQ(readFile(), fileWithBeginnerRecord(QString::fromUtf16(c.savedName))) << c.what;
        EXPECT_EQ(program->modal().shown.size(), c.tableShown ? 1u : 0u) << c.what;
    }
}

// A win whose record cannot be saved: the problem waits until the prompt has closed, and never
// opens over it.
TEST_F(WinningPress, TheProblemWaitsForThePrompt) {
    startBeginnerWonByOnePress();
    blockRecords();
    int boxes = 0;
    countBoxes(boxes);
    int boxesWhileAsking = -1;
    program->modal().whileAsking = [&] {
        QCoreApplication::processEvents(); // what the prompt's own loop would run
        boxesWhileAsking = boxes;
    };
    program->pressCell(Qt::LeftButton, {0, 0});
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(program->modal().nameRequests.size(), 1u);
    EXPECT_EQ(boxesWhileAsking, 0);
    EXPECT_EQ(boxes, 1);
}

} // namespace
} // namespace torvane::app
