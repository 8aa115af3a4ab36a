#include "app/testing/testing_program.h"
#include "status/colours.h"
#include "status/counter_label.h"
#include "status/face_button.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <functional>

namespace torvane::app {
namespace {

using view::testing::control;
using RecordsSessionTest = testing::ProgramTest;
using testing::firstRunFile;

status::CounterLabel& counter(QWidget& window) {
    return control<status::CounterLabel>(window, controlName::counter);
}

TEST_F(RecordsSessionTest, FirstStartWithoutAFile) {
    start();
    EXPECT_EQ(program->state().game().level(), game::Intermediate);
    EXPECT_TRUE(program->levelItem(game::Intermediate).isChecked());
    EXPECT_EQ(counter(program->window()).text(), "35");
    EXPECT_EQ(counter(program->window()).foreColour(), status::minesLeftColour);
    auto& face = control<status::FaceButton>(program->window(), controlName::face);
    EXPECT_EQ(face.face(), game::Face::Playing);
    EXPECT_EQ(face.backColour(), status::playingFaceColour);
    EXPECT_EQ(control<QLabel>(program->window(), controlName::clock).text(), "0");
    for (int i = 0; i < store::BestTimes::captionCount; ++i) {
        EXPECT_EQ(program->table(i), i % 2 == 0 ? QStringLiteral("999") : QStringLiteral("匿名"));
    }
    program->window().close();
    EXPECT_EQ(readFile(), firstRunFile());
}

// No file and an empty one alike get the first start's file once the first frame is out, before
// anything else happens: a kill then loses nothing.
TEST_F(RecordsSessionTest, AFirstStartWritesItsFileAtOnce) {
    for (const bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "an empty file" : "no file");
        QFile::remove(path());
        if (empty) {
            writeFile({});
        }
        start();
        QCoreApplication::processEvents();
        EXPECT_EQ(readFile(), firstRunFile());
    }
}

TEST_F(RecordsSessionTest, EveryWayOfClosingSavesTheSameFileOnce) {
    using Close = std::function<void(view::MainWindow&)>;
    const std::vector<std::pair<const char*, Close>> ways{
        {"close box", [](view::MainWindow& w) { w.close(); }},
        {"exit item",
         [](view::MainWindow& w) { control<QAction>(w, controlName::exitItem).trigger(); }},
        {"every window closed, as a termination signal does",
         [](view::MainWindow&) { QApplication::closeAllWindows(); }},
    };
    for (const auto& [name, close] : ways) {
        QFile::remove(path());
        start();
        program->levelItem(game::Expert).trigger();
        close(program->window());
        EXPECT_TRUE(readFile().startsWith(" 2 \r\n 30 \r\n 16 \r\n 80 \r\n")) << name;
        // A second request finds the file written already and leaves it.
        QFile::remove(path());
        program->window().close();
        EXPECT_FALSE(QFile::exists(path())) << name;
        program.reset();
    }
}

// Asked to close while the custom dialog is up (a termination signal closes every window),
// the game keeps the level it had: what was typed is neither played nor saved, and the file is
// written once.
TEST_F(RecordsSessionTest, ClosedDuringTheCustomDialogKeepsTheLevelBeforeIt) {
    start();
    program->levelItem(game::Beginner).trigger();
    program->modal().whileShowing = [this](QDialog& dialog) {
        testing::TestingProgram::box(dialog, 0).setText(QStringLiteral("25"));
        program->window().close();
    };
    program->item(controlName::customItem).trigger();
    EXPECT_EQ(program->state().game().level(), game::Beginner);
    EXPECT_EQ(program->state().game().fieldSize(), (game::FieldSize{8, 8, 8}));
    EXPECT_TRUE(readFile().startsWith(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n")) << readFile().toStdString();
    QFile::remove(path());
    program->window().close();
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(RecordsSessionTest, ARecordAndTheLevelComeBackAfterARestart) {
    writeFile(store::recordsBytes(store::testing::withRecord({}, 0, "12", QStringLiteral("张三"))));
    start();
    program->levelItem(game::Beginner).trigger();
    program->window().close();

    start();
    EXPECT_EQ(program->state().game().level(), game::Beginner);
    EXPECT_TRUE(program->levelItem(game::Beginner).isChecked());
    EXPECT_EQ(program->table(0), "12");
    EXPECT_EQ(program->table(1), "张三");
    EXPECT_EQ(program->table(3), "匿名");
}

TEST_F(RecordsSessionTest, SavedCustomLevelComesBackThroughTheBoxes) {
    writeFile(" 3 \r\n 20 \r\n 12 \r\n 40 \r\n");
    start();
    EXPECT_EQ(program->state().game().level(), game::Custom);
    EXPECT_TRUE(program->item(controlName::customItem).isChecked());
    EXPECT_EQ(program->state().game().fieldSize(), (game::FieldSize{20, 12, 40}));
    EXPECT_EQ(program->field().size(), QSize(18 * 20 + 14, 17 * 12 + 12));
    dialogs::CustomSizeTexts shown;
    program->modal().whileShowing = [&](QDialog& dialog) {
        for (int i = 0; i < 3; ++i) {
            shown[static_cast<std::size_t>(i)] = testing::TestingProgram::box(dialog, i).text();
        }
        dialog.reject();
    };
    program->item(controlName::customItem).trigger();
    EXPECT_EQ(shown, (dialogs::CustomSizeTexts{"20", "12", "40"}));
    program->window().close();
    EXPECT_TRUE(readFile().startsWith(" 3 \r\n 20 \r\n 12 \r\n 40 \r\n999\r\n"));
}

TEST_F(RecordsSessionTest, DamagedFilesStartASoundGame) {
    struct Case {
        const char* name;
        const char* file;
        int level, width, height, mines;
    };
    const Case cases[] = {
        {"empty file", "", 1, 16, 16, 35},
        {"a width that is no number", " 1 \r\nabc\r\n", 1, 16, 16, 35},
        {"numbers without blanks", "2\r\n30\r\n16\r\n80\r\n", 2, 30, 16, 80},
        {"a preset level's size wins", " 0 \r\n 99 \r\n -4 \r\n 7 \r\n", 0, 8, 8, 8},
        {"a level below 0: the default level", "-7\r\n 10 \r\n 10 \r\n 10 \r\n", 1, 16, 16, 35},
        {"a level above 3: custom, size kept", " 9 \r\n 10 \r\n 12 \r\n 20 \r\n", 3, 10, 12, 20},
        {"custom, unplayable: corrected", " 3 \r\n 99 \r\n -4 \r\n 7 \r\n", 3, 30, 8, 8},
        {"custom, too small and too many mines", " 3 \r\n 5 \r\n 5 \r\n 25 \r\n", 3, 8, 8, 21},
        {"custom, playable: kept as it is", " 3 \r\n 5 \r\n 20 \r\n 0 \r\n", 3, 5, 20, 0},
        {"custom with no size at all", " 3 \r\n", 3, 8, 8, 8},
        {"a level past 16 bits", "40000\r\n", 1, 16, 16, 35},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(c.file);
        start();
        const game::Game& game = program->state().game();
        EXPECT_EQ(game.level(), c.level);
        EXPECT_EQ(game.fieldSize(), (game::FieldSize{c.width, c.height, c.mines}));
        EXPECT_EQ(game.phase(), game::Phase::Ready);
        int checked = program->item(controlName::customItem).isChecked();
        for (int level = 0; level < game::presetLevelCount; ++level) {
            checked += program->levelItem(game::Level(level)).isChecked();
        }
        EXPECT_EQ(checked, 1);
        EXPECT_EQ(program->field().width(), 18 * c.width + 14);
        program.reset();
    }
}

TEST_F(RecordsSessionTest, EachStartBeginsCountingMinesLeft) {
    start();
    QTest::mouseClick(&counter(program->window()), Qt::LeftButton);
    EXPECT_EQ(counter(program->window()).text(), "221");
    EXPECT_EQ(counter(program->window()).foreColour(), status::cellsLeftColour);
    program->window().close();
    start();
    EXPECT_EQ(counter(program->window()).text(), "35");
    EXPECT_EQ(counter(program->window()).foreColour(), status::minesLeftColour);
}

// Records that cannot be kept are told once, when the event that found it is over; the game
// goes on and still closes.
TEST_F(RecordsSessionTest, AnUnwritableLocationIsToldOnceAndTheGameGoesOn) {
    writeFile("not a folder");
    const QString unwritable = path() + "/result.sav";
    start({unwritable, unwritable});
    QStringList told;
    program->modal().whileShowing = [&told](QDialog& dialog) {
        if (const auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            told << box->text();
        }
    };
    program->levelItem(game::Beginner).trigger();
    EXPECT_TRUE(told.isEmpty()) << "the message ran inside the menu's event";
    QCoreApplication::processEvents();
    program->levelItem(game::Expert).trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(path())) << told[0].toStdString(); // where it could not save
    EXPECT_EQ(program->state().game().fieldSize(), game::presetField(game::Expert));
    program->window().close();
    EXPECT_FALSE(program->window().isVisible());
    EXPECT_EQ(told.size(), 1);
}

// Once the game is closing, a problem goes to standard error alone: no box holds up its end, not
// even one found just before, still waiting for its event to end.
TEST_F(RecordsSessionTest, NoProblemIsShownOnceTheGameIsClosing) {
    const struct {
        const char* name;
        bool levelChosen, closed;
        int boxes;
    } cases[] = {
        {"found during play", true, false, 1},
        {"found just before the close", true, true, 0},
        {"found by the close", false, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        writeFile(firstRunFile());
        start();
        blockRecords();
        int boxes = 0;
        countBoxes(boxes);
        if (c.levelChosen) {
            program->levelItem(game::Beginner).trigger();
        }
        if (c.closed) {
            program->window().close();
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes, c.boxes);
        program.reset();
    }
}

// A file that did not read cleanly is rewritten from what could be read; its own bytes go
// to a backup first. A clean file leaves none.
TEST_F(RecordsSessionTest, ADamagedFileIsBackedUpBeforeItIsRewritten) {
    const QString backup = path() + ".bak";
    const struct {
        const char* name;
        QByteArray bytes;
        bool backedUp;
    } cases[] = {
        {"clean", firstRunFile(), false},
        {"byte order mark", "\xEF\xBB\xBF" + firstRunFile(), true},
        {"cut short", firstRunFile().first(20), true},
    };
    for (const auto& c : cases) {
        QFile::remove(backup);
        writeFile(c.bytes);
        start();
        program->window().close();
        EXPECT_EQ(QFile::exists(backup), c.backedUp) << c.name;
        if (c.backedUp) {
            QFile saved(backup);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_EQ(saved.readAll(), c.bytes) << c.name;
        }
        EXPECT_EQ(readFile().count("\r\n"), 10) << c.name;
        program.reset();
    }
}

// The names are read only when the table is first needed, as the file then stands: another
// copy's record set meanwhile is shown too.
TEST_F(RecordsSessionTest, TheTableIsReadOnFirstUse) {
    writeFile(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n12\r\nann\r\n");
    start();
    writeFile(" 2 \r\n 30 \r\n 16 \r\n 80 \r\n5\r\nbob\r\n");
    EXPECT_EQ(program->state().game().level(), game::Beginner);
    EXPECT_EQ(program->table(0), "5");
    EXPECT_EQ(program->table(1), "bob");
}

// A per-user file that does not exist yet: the records beside the program are read, and the
// save goes to the per-user file.
TEST_F(RecordsSessionTest, ReadsTheOldFileUntilItsOwnExists) {
    const QString own = folder.filePath("own/result.sav");
    writeFile(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n12\r\nann\r\n");
    start({path(), own});
    EXPECT_EQ(program->state().game().level(), game::Beginner);
    EXPECT_EQ(program->table(1), "ann");
    QDir().mkpath(folder.filePath("own"));
    program->window().close();
    QFile saved(own);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n12\r\nann\r\n"));
}

} // namespace
} // namespace torvane::app
