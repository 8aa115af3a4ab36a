#include "app/testing/testing_program.h"

#include <QAccessible>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace torvane::app {
namespace {

using game::Cell;
using testing::control;
using testing::TestingProgram;
using view::MainWindow;
namespace tile = view::tile;

// The one checked level item, through the group that keeps the items exclusive.
QAction* checkedLevel(TestingProgram& program) {
    const QActionGroup* group = program.levelItem(game::Beginner).actionGroup();
    if (group == nullptr || group->exclusionPolicy() != QActionGroup::ExclusionPolicy::Exclusive) {
        ADD_FAILURE() << "the level items are not one exclusive group";
        return nullptr;
    }
    int checked = 0;
    for (const QAction* item : group->actions()) {
        checked += item->isChecked();
    }
    EXPECT_EQ(checked, 1);
    return group->checkedAction();
}

// The window takes exactly its contents' size, and the player cannot change it.
void expectFittedWindow(MainWindow& window, QSize picture) {
    EXPECT_EQ(window.centralWidget()->size(), picture + QSize(15, 37));
    EXPECT_EQ(window.width(), picture.width() + 15);
    EXPECT_EQ(window.size(), window.sizeHint());
    EXPECT_EQ(window.minimumSize(), window.size());
    EXPECT_EQ(window.maximumSize(), window.size());
}

TEST(LevelSelection, EachLevelSizesTheFieldAndWindowPlacesFaceAndClockAndMovesTheCheck) {
    struct Case {
        const char* name;
        game::Level level;
        QSize picture;
        int faceLeft, clockLeft, mines;
    };
    const Case cases[] = {
        {"beginner", game::Beginner, {158, 148}, 73, 123, 8},
        {"intermediate", game::Intermediate, {302, 284}, 145, 267, 35},
        {"expert", game::Expert, {554, 284}, 271, 519, 80},
        {"back from expert to intermediate", game::Intermediate, {302, 284}, 145, 267, 35}};
    TestingProgram program;
    // A first run plays the intermediate level, checked without anyone choosing it.
    EXPECT_EQ(checkedLevel(program), &program.levelItem(game::Intermediate));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program.playLevel(c.level);
        EXPECT_EQ(program.field().size(), c.picture);
        EXPECT_EQ(program.field().pos(), QPoint(8, 29));
        EXPECT_EQ(program.face().x(), c.faceLeft);
        EXPECT_EQ(control<QLabel>(program.window(), controlName::clock).x(), c.clockLeft);
        EXPECT_EQ(program.counter().pos(), QPoint(16, 2));
        expectFittedWindow(program.window(), c.picture);
        EXPECT_EQ(program.counter().text(), QString::number(c.mines));
        EXPECT_EQ(program.game().level(), c.level);
        EXPECT_EQ(checkedLevel(program), &program.levelItem(c.level));
        EXPECT_EQ(program.game().phase(), game::Phase::Ready);
    }
}

TEST(LevelSelection, TheSameLevelAgainStartsANewGameOfTheSameSize) {
    TestingProgram program;
    program.playLevel(game::Beginner);
    program.pressCell(Qt::RightButton, {0, 0});
    ASSERT_EQ(program.game().cellAt({0, 0}).kind, game::CellState::Flagged);
    ASSERT_TRUE(program.game().clock().running);
    const QSize size = program.window().size();
    program.playLevel(game::Beginner);
    EXPECT_EQ(program.window().size(), size);
    EXPECT_TRUE(program.shows({0, 0}, tile::covered));
    EXPECT_FALSE(program.game().clock().running);
    EXPECT_EQ(program.clockText(), "0");
}

// The dialog opens on the size being played; the custom level plays what it was left with, and
// a preset after it takes the one check back.
TEST(LevelSelection, TheCustomItemAsksForTheSizeFromTheCurrentField) {
    TestingProgram program;
    program.playLevel(game::Beginner);
    QStringList opened;
    program.modal().whileShowing = [&opened](QDialog& dialog) {
        const char* const typed[] = {"10", "9", "12"};
        for (int i = 0; i < 3; ++i) {
            auto& box = control<QLineEdit>(dialog, controlName::indexed(controlName::customBox, i));
            opened << box.text();
            box.setText(QString::fromLatin1(typed[i]));
        }
        control<QPushButton>(dialog, controlName::customOk).click();
    };
    program.item(controlName::customItem).trigger();
    ASSERT_EQ(program.modal().shown.size(), 1u);
    EXPECT_EQ(program.modal().shown[0]->objectName(), controlName::customDialog);
    EXPECT_EQ(opened, QStringList({"8", "8", "8"}));
    EXPECT_EQ(program.game().level(), game::Custom);
    EXPECT_EQ(program.game().fieldSize(), (game::FieldSize{10, 9, 12}));
    EXPECT_EQ(program.field().size(), QSize(194, 165));
    expectFittedWindow(program.window(), QSize(194, 165));
    EXPECT_EQ(checkedLevel(program), &program.levelItem(game::Custom));

    program.playLevel(game::Expert);
    EXPECT_EQ(checkedLevel(program), &program.levelItem(game::Expert));
    expectFittedWindow(program.window(), QSize(554, 284));
}

TEST(MainWindow, MenuItemsInOrder) {
    TestingProgram program;
    MainWindow& window = program.window();
    EXPECT_EQ(window.windowTitle(), "Torvane");
    EXPECT_EQ(window.objectName(), controlName::mainWindow);
    ASSERT_EQ(window.menuBar()->actions().size(), 1);
    const auto& menu = control<QMenu>(window, controlName::gameMenu);
    EXPECT_EQ(menu.title(), "游戏(&G)");
    EXPECT_EQ(window.menuBar()->actions()[0], menu.menuAction());
    struct Item {
        QString name;
        const char16_t* caption;
    };
    const Item expected[] = {{controlName::newGameItem, u"新游戏(&N)"},
                             {controlName::separatorAfterNewGame, u""},
                             {program.levelItem(game::Beginner).objectName(), u"新手"},
                             {program.levelItem(game::Intermediate).objectName(), u"中级玩家"},
                             {program.levelItem(game::Expert).objectName(), u"专业玩家"},
                             {controlName::customItem, u"自定义难度"},
                             {controlName::separatorAfterLevels, u""},
                             {controlName::bestTimesItem, u"成绩榜"},
                             {controlName::separatorAfterBestTimes, u""},
                             {controlName::exitItem, u"退出(&X)"}};
    const auto actions = menu.actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(expected)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        SCOPED_TRACE(expected[i].name.toStdString());
        EXPECT_EQ(actions[i]->objectName(), expected[i].name);
        EXPECT_EQ(actions[i]->text(), QString::fromUtf16(expected[i].caption));
        EXPECT_EQ(actions[i]->isSeparator(), expected[i].caption[0] == u'\0');
    }
    EXPECT_EQ(program.levelItem(game::Beginner).objectName(), "menuLevel_0");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::Key_F2));
}

// One tick beside the level played; the other level items show nothing there, as a plain item.
TEST(MainWindow, OnlyTheCheckedLevelItemShowsAMark) {
    TestingProgram program;
    program.playLevel(game::Intermediate);
    auto& menu = control<QMenu>(program.window(), controlName::gameMenu);
    menu.popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    const QImage picture = menu.grab().toImage();
    // The square at the item's left, where a check box or mark would be.
    auto side = [&](QAction& item) {
        const QRect at = menu.actionGeometry(&item);
        return picture.copy(at.x(), at.y(), at.height(), at.height());
    };
    const QImage plain = side(program.item(controlName::bestTimesItem));
    EXPECT_FALSE(side(program.levelItem(game::Intermediate)) == plain);
    for (const game::Level level : {game::Beginner, game::Expert, game::Custom}) {
        EXPECT_TRUE(side(program.levelItem(level)) == plain) << level;
    }
    menu.close();
}

TEST(MainWindow, F2AndTheFaceStartANewGameAndTheFieldGetsTheFocus) {
    TestingProgram program;
    program.playLevel(game::Beginner);
    program.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window()));
    program.pressCell(Qt::RightButton, {0, 0});
    ASSERT_EQ(program.game().minesLeft(), 7);
    QTest::keyClick(&program.window(), Qt::Key_F2);
    EXPECT_EQ(program.game().minesLeft(), 8);
    EXPECT_EQ(program.game().level(), game::Beginner);

    program.pressCell(Qt::RightButton, {0, 0});
    program.face().setFocus();
    QTest::mouseClick(&program.face(), Qt::LeftButton);
    EXPECT_EQ(program.game().minesLeft(), 8);
    EXPECT_EQ(program.counter().text(), "8");
    EXPECT_TRUE(program.shows({0, 0}, tile::covered));
    EXPECT_TRUE(program.field().hasFocus());
}

// F10 opens the game menu, as Alt+G does, with the keyboard on its first item.
TEST(MainWindow, F10AndAltGOpenTheGameMenu) {
    struct Row {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Row r :
         {Row{"F10", Qt::Key_F10, Qt::NoModifier}, Row{"Alt+G", Qt::Key_G, Qt::AltModifier}}) {
        SCOPED_TRACE(r.name);
        TestingProgram program;
        program.playLevel(game::Beginner);
        program.window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window()));
        auto& menu = control<QMenu>(program.window(), controlName::gameMenu);
        ASSERT_FALSE(menu.isVisible());
        QTest::keyClick(&program.window(), r.key, r.modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&menu] { return menu.isVisible(); }, 1000));
        EXPECT_EQ(program.window().menuBar()->activeAction(), menu.menuAction());
        menu.close();
    }
}

// A screen reader hears the counter's number with what it counts, and the game's state.
TEST(MainWindow, StatusItemsTellTheirMeaningToAssistiveTools) {
    TestingProgram program;
    const std::vector<Cell> bottomRow = {{0, 7}, {1, 7}, {2, 7}, {3, 7},
                                         {4, 7}, {5, 7}, {6, 7}, {7, 7}};
    program.playCustom({8, 8, 8}, bottomRow);
    status::CounterLabel& counter = program.counter();
    status::FaceButton& face = program.face();
    EXPECT_TRUE(counter.accessibleDescription().startsWith(u"未标记的地雷数"));
    QTest::mouseClick(&counter, Qt::LeftButton);
    EXPECT_TRUE(counter.accessibleDescription().startsWith(u"未翻开的安全格数"));
    EXPECT_EQ(face.accessibleName(), u"新游戏");
    // Before the first press the game has not begun.
    EXPECT_EQ(face.accessibleDescription(), u"新的一局：按下雷区中的格子开始");
    program.pressCell(Qt::LeftButton, {0, 7});
    ASSERT_EQ(face.face(), game::Face::Lost);
    EXPECT_EQ(face.accessibleDescription(), u"失败：踩到了地雷");
    program.queueMines({8, 8, 8}, bottomRow);
    QTest::mouseClick(&face, Qt::LeftButton);
    program.pressCell(Qt::LeftButton, {0, 0});
    ASSERT_EQ(face.face(), game::Face::Won);
    EXPECT_EQ(face.accessibleDescription(), u"胜利");
    const auto& clock = control<QLabel>(program.window(), controlName::clock);
    EXPECT_FALSE(clock.accessibleDescription().isEmpty());
    EXPECT_EQ(clock.accessibleName(), u"用时：0 秒");
    EXPECT_FALSE(program.field().accessibleName().isEmpty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&program.field())->role(),
              QAccessible::Graphic);
}

} // namespace
} // namespace torvane::app
