#include "view/main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

int CheckedItems(MainWindow& window) {
    int checked = window.MenuCustom().isChecked();
    for (int i = 0; i < 3; ++i) {
        checked += window.MenuLevel(i).isChecked();
    }
    return checked;
}

TEST(LevelSelection, PresetLevelsSizeTheFieldAndPlaceFaceAndClock) {
    struct Case {
        std::int16_t level;
        QSize picture;
        int faceLeft, clockLeft, mines;
    };
    const Case cases[] = {{0, {158, 148}, 73, 123, 8},
                          {1, {302, 284}, 145, 267, 35},
                          {2, {554, 284}, 271, 519, 80},
                          {1, {302, 284}, 145, 267, 35}}; // expert back to intermediate
    MainWindow window;
    window.Game().showMinesLeft = true;
    window.show();
    for (const Case& c : cases) {
        window.menuLevel_Click(c.level);
        EXPECT_EQ(window.Picture2().size(), c.picture) << c.level;
        EXPECT_EQ(window.Picture2().pos(), QPoint(8, 29));
        EXPECT_EQ(window.Command1().x(), c.faceLeft);
        EXPECT_EQ(window.Command1().x() + 14, 9 * window.Game().fieldWidth + 15);
        EXPECT_EQ(window.Label2().x(), c.clockLeft);
        EXPECT_EQ(window.Label1().pos(), QPoint(16, 2));
        EXPECT_EQ(window.centralWidget()->size(), c.picture + QSize(15, 37));
        EXPECT_EQ(window.Label1().text(), QString::number(c.mines));
        EXPECT_EQ(window.Game().level, c.level);
        EXPECT_TRUE(window.MenuLevel(c.level).isChecked());
        EXPECT_EQ(CheckedItems(window), 1);
        EXPECT_TRUE(window.Game().gameOn);
    }
}

TEST(LevelSelection, SameLevelAgainStartsANewGameOfTheSameSize) {
    MainWindow window;
    window.menuLevel_Click(0);
    window.show();
    QTest::mouseClick(&window.Picture2(), Qt::RightButton, {}, QPoint(2 + 9 + 9, 2 + 10));
    ASSERT_EQ(window.Game().cellView[0][0], game::tile::flag);
    const QSize size = window.size();
    window.menuLevel_Click(0);
    EXPECT_EQ(window.size(), size);
    EXPECT_EQ(window.Game().cellView[0][0], game::tile::covered);
    EXPECT_EQ(window.Label2().text(), "0");
}

TEST(LevelSelection, CustomLevelTakesItsSizeFromTheSourceAndMovesTheCheck) {
    MainWindow window;
    window.FormCustom().SetTexts({"8", "8", "8"});
    window.menuLevel_Click(2);
    window.menuLevel_Click(3);
    EXPECT_EQ(window.Game().level, 3);
    EXPECT_EQ(window.Picture2().size(), QSize(158, 148));
    EXPECT_TRUE(window.MenuCustom().isChecked());
    EXPECT_EQ(CheckedItems(window), 1);
}

TEST(MainWindow, MenuItemsInOrder) {
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), "Torvane");
    EXPECT_EQ(window.objectName(), "Form1");
    ASSERT_EQ(window.menuBar()->actions().size(), 1);
    EXPECT_EQ(window.MenuGame().title(), "游戏(&G)");
    EXPECT_EQ(window.MenuGame().objectName(), "menuGame");
    struct Item {
        const char* name;
        const char16_t* caption;
    };
    const Item expected[] = {{"menuNew", u"新游戏(&N)"},
                             {"menusep0", u""},
                             {"menuLevel_0", u"新手"},
                             {"menuLevel_1", u"中级玩家"},
                             {"menuLevel_2", u"专业玩家"},
                             {"menuCustom", u"自定义难度"},
                             {"menusep1", u""},
                             {"menuBest", u"成绩榜"},
                             {"menusep2", u""},
                             {"menuExit", u"退出(&X)"}};
    const auto actions = window.MenuGame().actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(expected)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(actions[i]->text(), QString::fromUtf16(expected[i].caption));
        EXPECT_EQ(actions[i]->isSeparator(), expected[i].caption[0] == u'\0');
    }
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(CheckedItems(window), 0);
}

TEST(MainWindow, F2AndTheFaceStartANewGameAndTheFieldGetsTheFocus) {
    MainWindow window;
    window.menuLevel_Click(0);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(&window.Picture2(), Qt::RightButton, {}, QPoint(20, 12));
    ASSERT_EQ(window.Game().minesLeft, 7);
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_EQ(window.Game().minesLeft, 8);
    EXPECT_EQ(window.Game().level, 0);

    QTest::mouseClick(&window.Picture2(), Qt::RightButton, {}, QPoint(20, 12));
    window.Command1().setFocus();
    QTest::mouseClick(&window.Command1(), Qt::LeftButton);
    EXPECT_EQ(window.Game().minesLeft, 8);
    EXPECT_EQ(window.Command1().text(), "K");
    EXPECT_TRUE(window.Picture2().hasFocus());
}

} // namespace
} // namespace torvane::view

namespace torvane::view {
namespace {

// A screen reader hears the counter's number with what it counts, and the game's state.
TEST(MainWindow, StatusItemsTellTheirMeaningToAssistiveTools) {
    MainWindow window;
    window.Game().showMinesLeft = true;
    window.menuLevel_Click(0);
    EXPECT_TRUE(window.Label1().accessibleDescription().startsWith(u"未标记的地雷数"));
    window.Label1_Click();
    EXPECT_TRUE(window.Label1().accessibleDescription().startsWith(u"未翻开的安全格数"));
    EXPECT_EQ(window.Command1().accessibleName(), u"新游戏");
    EXPECT_EQ(window.Command1().accessibleDescription(), u"游戏进行中");
    window.SetFaceCaption("L");
    EXPECT_EQ(window.Command1().accessibleDescription(), u"失败：踩到了地雷");
    window.SetFaceCaption("J");
    EXPECT_EQ(window.Command1().accessibleDescription(), u"胜利");
    EXPECT_FALSE(window.Label2().accessibleDescription().isEmpty());
    EXPECT_FALSE(window.Picture2().accessibleName().isEmpty());
}

} // namespace
} // namespace torvane::view
