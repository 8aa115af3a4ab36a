#include "app/game_session.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "status/face_button.h"
#include "status/status_label.h"
#include "view/field_view.h"
#include "view/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>

namespace torvane::app {
namespace {

class GameSessionTest : public ::testing::Test {
  protected:
    QString Path() const { return folder.filePath(QStringLiteral("result.sav")); }
    void WriteFile(const QByteArray& bytes) {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadFile() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A fresh program run: window, session, start-up.
    void Start() {
        session.reset();
        window = std::make_unique<view::MainWindow>();
        auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
        modal = runner.get();
        window->SetModalRunner(std::move(runner));
        session = std::make_unique<GameSession>(*window, Path());
        session->loadSettings();
        window->show();
    }
    template <typename T> T& Child(QObject& parent, const QString& name) const {
        T* child = parent.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return *child;
    }
    QAction& Item(const QString& name) const { return Child<QAction>(*window, name); }
    status::CounterLabel& Counter() const { return Child<status::CounterLabel>(*window, "Label1"); }
    // The best-times table as the "成绩榜" item shows it.
    QString Table(int i) const {
        Item("menuBest").trigger();
        return Child<QLabel>(Child<QDialog>(*window, "formScores"),
                             QStringLiteral("Label1_%1").arg(i))
            .text();
    }
    // The custom boxes as the "自定义难度" item opens them, left with "取消".
    std::array<QString, 3> Boxes() const {
        std::array<QString, 3> boxes;
        modal->whileShowing = [this, &boxes](QDialog& dialog) {
            for (int i = 0; i < 3; ++i) {
                boxes[static_cast<std::size_t>(i)] =
                    Child<QLineEdit>(dialog, QStringLiteral("Text1_%1").arg(i)).text();
            }
            dialog.reject();
        };
        Item("menuCustom").trigger();
        modal->whileShowing = nullptr;
        return boxes;
    }

    QTemporaryDir folder;
    std::unique_ptr<view::MainWindow> window;
    std::unique_ptr<GameSession> session;
    dialogs::testing::FakeModalRunner* modal = nullptr;
};

const QByteArray firstRunFile = QByteArray(" 1 \r\n 16 \r\n 16 \r\n 35 \r\n999\r\n") +
                                "\xc4\xe4\xc3\xfb\r\n999\r\n\xc4\xe4\xc3\xfb\r\n999\r\n" +
                                "\xc4\xe4\xc3\xfb\r\n";

TEST_F(GameSessionTest, FirstStartWithoutAFile) {
    Start();
    EXPECT_EQ(window->game().level(), 1);
    EXPECT_TRUE(Item("menuLevel_1").isChecked());
    EXPECT_EQ(Counter().text(), "35");
    EXPECT_EQ(Counter().ForeColour(), status::colour::red);
    auto& face = Child<status::FaceButton>(*window, "Command1");
    EXPECT_EQ(face.text(), "K");
    EXPECT_EQ(face.BackColour(), status::colour::lightGrey);
    EXPECT_EQ(Child<QLabel>(*window, "Label2").text(), "0");
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Table(i), i % 2 == 0 ? QStringLiteral("999") : QStringLiteral("匿名"));
    }
    window->close();
    EXPECT_EQ(ReadFile(), firstRunFile);
}

TEST_F(GameSessionTest, EveryWayOfClosingSavesTheSameFileOnce) {
    using Close = std::function<void(view::MainWindow&)>;
    const std::vector<std::pair<const char*, Close>> ways{
        {"close box", [](view::MainWindow& w) { w.close(); }},
        {"exit item", [](view::MainWindow& w) { w.findChild<QAction*>("menuExit")->trigger(); }},
        {"application quitting",
         [](view::MainWindow&) { QMetaObject::invokeMethod(qApp, "aboutToQuit"); }},
    };
    for (const auto& [name, close] : ways) {
        QFile::remove(Path());
        Start();
        window->selectLevel(2);
        close(*window);
        EXPECT_TRUE(ReadFile().startsWith(" 2 \r\n 30 \r\n 16 \r\n 80 \r\n")) << name;
        // A second request finds the file written already and leaves it.
        QFile::remove(Path());
        window->close();
        EXPECT_FALSE(QFile::exists(Path())) << name;
        session.reset();
    }
}

TEST_F(GameSessionTest, ClosedDuringAModalDialogSavesWhenTheApplicationQuits) {
    Start();
    QDialog prompt(window.get());
    prompt.setModal(true);
    prompt.show();
    window->selectLevel(0);
    window->close();
    EXPECT_FALSE(QFile::exists(Path()));
    window->bestTimes().setName(0, QStringLiteral("李四")); // the prompt's answer
    prompt.hide();
    QMetaObject::invokeMethod(qApp, "aboutToQuit");
    EXPECT_TRUE(ReadFile().startsWith(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n999\r\n\xc0\xee\xcb\xc4"));
}

TEST_F(GameSessionTest, ARecordAndTheLevelComeBackAfterARestart) {
    Start();
    window->selectLevel(0);
    window->bestTimes().setTime(0, QStringLiteral("12"));
    window->bestTimes().setName(0, QStringLiteral("张三"));
    window->close();

    Start();
    EXPECT_EQ(window->game().level(), 0);
    EXPECT_TRUE(Item("menuLevel_0").isChecked());
    EXPECT_EQ(Table(0), "12");
    EXPECT_EQ(Table(1), "张三");
    EXPECT_EQ(Table(3), "匿名");
}

TEST_F(GameSessionTest, SavedCustomLevelComesBackThroughTheBoxes) {
    WriteFile(" 3 \r\n 20 \r\n 12 \r\n 40 \r\n");
    Start();
    EXPECT_EQ(window->game().level(), 3);
    EXPECT_TRUE(Item("menuCustom").isChecked());
    EXPECT_EQ(window->game().fieldSize(), (game::FieldSize{20, 12, 40}));
    EXPECT_EQ(Child<view::FieldView>(*window, "Picture2").size(),
              QSize(18 * 20 + 14, 17 * 12 + 12));
    EXPECT_EQ(Boxes(), (std::array<QString, 3>{"20", "12", "40"}));
    window->close();
    EXPECT_TRUE(ReadFile().startsWith(" 3 \r\n 20 \r\n 12 \r\n 40 \r\n999\r\n"));
}

TEST_F(GameSessionTest, DamagedFilesStartASoundGame) {
    struct Case {
        const char* file;
        std::int16_t level, width, height, mines;
    };
    const Case cases[] = {
        {"", 1, 16, 16, 35},
        {" 1 \r\nabc\r\n", 1, 16, 16, 35},
        {"2\r\n30\r\n16\r\n80\r\n", 2, 30, 16, 80},
        {" 0 \r\n 99 \r\n -4 \r\n 7 \r\n", 0, 8, 8, 8},     // preset sizes win
        {"-7\r\n 10 \r\n 10 \r\n 10 \r\n", 1, 16, 16, 35},  // below 0: the default level
        {" 9 \r\n 10 \r\n 12 \r\n 20 \r\n", 3, 10, 12, 20}, // above 3: custom, size kept
        {" 3 \r\n 99 \r\n -4 \r\n 7 \r\n", 3, 30, 8, 8},    // unplayable: corrected
        {" 3 \r\n 5 \r\n 5 \r\n 25 \r\n", 3, 8, 8, 21},
        {" 3 \r\n 5 \r\n 20 \r\n 0 \r\n", 3, 5, 20, 0}, // playable: kept as it is
        {" 3 \r\n", 3, 8, 8, 8},                        // no size at all
        {"40000\r\n", 1, 16, 16, 35},
    };
    for (const Case& c : cases) {
        WriteFile(c.file);
        Start();
        const game::Game& g = window->game();
        EXPECT_EQ(g.level(), c.level) << c.file;
        EXPECT_EQ(g.fieldSize(), (game::FieldSize{c.width, c.height, c.mines})) << c.file;
        EXPECT_TRUE(g.gameOn());
        int checked = Item("menuCustom").isChecked();
        for (int i = 0; i < 3; ++i) {
            checked += Item(QStringLiteral("menuLevel_%1").arg(i)).isChecked();
        }
        EXPECT_EQ(checked, 1) << c.file;
        EXPECT_EQ(Child<view::FieldView>(*window, "Picture2").width(), 18 * c.width + 14) << c.file;
        session.reset();
    }
}

TEST_F(GameSessionTest, EachStartBeginsCountingMinesLeft) {
    Start();
    QTest::mouseClick(&Counter(), Qt::LeftButton);
    EXPECT_EQ(Counter().text(), "221");
    window->close();
    Start();
    EXPECT_EQ(Counter().text(), "35");
    EXPECT_EQ(Counter().ForeColour(), status::colour::red);
}

TEST_F(GameSessionTest, AnUnwritableLocationClosesQuietly) {
    QFile::remove(Path());
    session.reset();
    window = std::make_unique<view::MainWindow>();
    session = std::make_unique<GameSession>(*window, folder.filePath("missing/result.sav"));
    session->loadSettings();
    window->show();
    window->close();
    EXPECT_FALSE(QFile::exists(folder.filePath("missing/result.sav")));
    EXPECT_FALSE(window->isVisible());
}

// A file that did not read cleanly is rewritten from what could be read; its own bytes go
// to a backup first. A clean file leaves none.
TEST_F(GameSessionTest, ADamagedFileIsBackedUpBeforeItIsRewritten) {
    const QString backup = Path() + ".bak";
    const struct {
        const char* name;
        QByteArray bytes;
        bool backedUp;
    } cases[] = {
        {"clean", firstRunFile, false},
        {"byte order mark", "\xEF\xBB\xBF" + firstRunFile, true},
        {"cut short", firstRunFile.first(20), true},
    };
    for (const auto& c : cases) {
        QFile::remove(backup);
        WriteFile(c.bytes);
        Start();
        window->close();
        EXPECT_EQ(QFile::exists(backup), c.backedUp) << c.name;
        if (c.backedUp) {
            QFile saved(backup);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_EQ(saved.readAll(), c.bytes) << c.name;
        }
        EXPECT_EQ(ReadFile().count("\r\n"), 10) << c.name;
        session.reset();
    }
}

// A new record is on disk as soon as the table has been shown, not only when the game closes.
TEST_F(GameSessionTest, ANewRecordIsSavedAtOnce) {
    Start();
    std::deque<float> draws;
    for (int x = 0; x < 8; ++x) { // beginner's 8 mines along the bottom row
        draws.push_back((static_cast<float>(x) + 0.5f) / 8);
        draws.push_back(7.5f / 8);
    }
    window->SetRandomSource([&draws] {
        const float r = draws.front();
        draws.pop_front();
        return r;
    });
    modal->answer = QStringLiteral("李四");
    window->selectLevel(0);
    QFile::remove(Path());
    QTest::mouseClick(&Child<view::FieldView>(*window, "Picture2"), Qt::LeftButton, {},
                      QPoint(2 + 18, 2 + 11));
    ASSERT_EQ(modal->nameRequests.size(), 1u);
    EXPECT_TRUE(ReadFile().startsWith(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n0\r\n\xc0\xee\xcb\xc4\r\n"));
    // The close still saves, once.
    QFile::remove(Path());
    window->close();
    EXPECT_TRUE(QFile::exists(Path()));
}

// Asked to close while the custom dialog is up, the game keeps the level it had: what was
// typed into the interrupted dialog is neither played nor saved.
TEST_F(GameSessionTest, ClosedDuringTheCustomDialogSavesTheLevelBeforeIt) {
    Start();
    window->selectLevel(1);
    modal->whileShowing = [this](QDialog& dialog) {
        Child<QLineEdit>(dialog, "Text1_0").setText("25");
        window->close(); // as a termination signal does
    };
    Item("menuCustom").trigger();
    EXPECT_EQ(window->game().level(), 1);
    QMetaObject::invokeMethod(qApp, "aboutToQuit");
    EXPECT_TRUE(ReadFile().startsWith(" 1 \r\n 16 \r\n 16 \r\n 35 \r\n"))
        << ReadFile().toStdString();
}

// The names are decoded only when the table is first needed, but from the bytes read at
// start-up: another copy rewriting the file meanwhile changes nothing here.
TEST_F(GameSessionTest, TheTableComesFromTheStartUpRead) {
    WriteFile(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n12\r\nann\r\n");
    Start();
    WriteFile(" 2 \r\n 30 \r\n 16 \r\n 80 \r\n5\r\nbob\r\n");
    EXPECT_EQ(Table(0), "12");
    EXPECT_EQ(Table(1), "ann");
}

// A per-user file that does not exist yet: the records beside the program are read, and the
// save goes to the per-user file.
TEST_F(GameSessionTest, ReadsTheOldFileUntilItsOwnExists) {
    const QString own = folder.filePath("own/result.sav");
    WriteFile(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n12\r\nann\r\n");
    window = std::make_unique<view::MainWindow>();
    session = std::make_unique<GameSession>(*window, store::RecordsPaths{Path(), own});
    session->loadSettings();
    EXPECT_EQ(window->game().level(), 0);
    EXPECT_EQ(window->bestTimes().name(0), "ann");
    QDir().mkpath(folder.filePath("own"));
    window->close();
    QFile saved(own);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith(" 0 \r\n 8 \r\n 8 \r\n 8 \r\n12\r\nann\r\n"));
}

} // namespace
} // namespace torvane::app
