#include "dialogs/testing/fake_modal_runner.h"
#include "status/face_button.h"
#include "status/status_label.h"
#include "view/field_view.h"
#include "view/main_window.h"
#include "view/testing/controls.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using testing::Control;

QAction& LevelItem(MainWindow& window, int index) {
    const QByteArray name =
        index == game::Custom ? QByteArray("menuCustom") : "menuLevel_" + QByteArray::number(index);
    return Control<QAction>(window, name.constData());
}

int CheckedItems(MainWindow& window) {
    int checked = 0;
    for (int i = 0; i <= game::Custom; ++i) {
        checked += LevelItem(window, i).isChecked();
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
    window.setShowMinesLeft(true);
    window.show();
    const auto& field = Control<FieldView>(window, "Picture2");
    const auto& face = Control<status::FaceButton>(window, "Command1");
    const auto& counter = Control<status::CounterLabel>(window, "Label1");
    const auto& clockLabel = Control<QLabel>(window, "Label2");
    for (const Case& c : cases) {
        window.selectLevel(c.level);
        EXPECT_EQ(field.size(), c.picture) << c.level;
        EXPECT_EQ(field.pos(), QPoint(8, 29));
        EXPECT_EQ(face.x(), c.faceLeft);
        EXPECT_EQ(face.x() + 14, 9 * window.game().fieldWidth() + 15);
        EXPECT_EQ(clockLabel.x(), c.clockLeft);
        EXPECT_EQ(counter.pos(), QPoint(16, 2));
        EXPECT_EQ(window.centralWidget()->size(), c.picture + QSize(15, 37));
        // The window takes its contents' size, and the user cannot change it.
        EXPECT_EQ(window.width(), c.picture.width() + 15);
        EXPECT_EQ(window.minimumSize(), window.size());
        EXPECT_EQ(window.maximumSize(), window.size());
        EXPECT_EQ(counter.text(), QString::number(c.mines));
        EXPECT_EQ(window.game().level(), c.level);
        EXPECT_TRUE(LevelItem(window, c.level).isChecked());
        EXPECT_EQ(CheckedItems(window), 1);
        EXPECT_TRUE(window.game().gameOn());
    }
}

TEST(LevelSelection, SameLevelAgainStartsANewGameOfTheSameSize) {
    MainWindow window;
    window.selectLevel(0);
    window.show();
    QTest::mouseClick(&Control<FieldView>(window, "Picture2"), Qt::RightButton, {},
                      QPoint(2 + 9 + 9, 2 + 10));
    ASSERT_EQ(window.game().cellView()[0][0], game::tile::flag);
    const QSize size = window.size();
    window.selectLevel(0);
    EXPECT_EQ(window.size(), size);
    EXPECT_EQ(window.game().cellView()[0][0], game::tile::covered);
    EXPECT_EQ(Control<QLabel>(window, "Label2").text(), "0");
}

TEST(LevelSelection, CustomLevelTakesItsSizeFromTheTextsAndMovesTheCheck) {
    MainWindow window;
    window.restoreLevel(game::Expert, {8, 8, 8});
    window.selectLevel(game::Custom);
    EXPECT_EQ(window.game().level(), game::Custom);
    EXPECT_EQ(Control<FieldView>(window, "Picture2").size(), QSize(158, 148));
    EXPECT_TRUE(LevelItem(window, game::Custom).isChecked());
    EXPECT_EQ(CheckedItems(window), 1);
    window.selectLevel(game::Beginner);
    EXPECT_TRUE(LevelItem(window, game::Beginner).isChecked());
    EXPECT_EQ(CheckedItems(window), 1);
}

// The dialog opens on the size being played and the custom level plays what it was left with.
TEST(LevelSelection, CustomItemAsksForTheSizeStartingFromTheCurrentField) {
    MainWindow window;
    auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
    dialogs::testing::FakeModalRunner& modal = *runner;
    window.SetModalRunner(std::move(runner));
    window.selectLevel(game::Beginner);
    QStringList opened;
    modal.whileShowing = [&opened](QDialog& dialog) {
        const char* const boxes[] = {"Text1_0", "Text1_1", "Text1_2"};
        const char* const typed[] = {"10", "9", "12"};
        for (int i = 0; i < 3; ++i) {
            auto& box = Control<QLineEdit>(dialog, boxes[i]);
            opened << box.text();
            box.setText(QString::fromLatin1(typed[i]));
        }
        Control<QPushButton>(dialog, "Command1").click();
    };
    Control<QAction>(window, "menuCustom").trigger();
    ASSERT_EQ(modal.shown.size(), 1u);
    EXPECT_EQ(modal.shown[0]->objectName(), "formCustom");
    EXPECT_EQ(opened, QStringList({"8", "8", "8"}));
    EXPECT_EQ(window.game().level(), game::Custom);
    EXPECT_EQ(window.game().fieldSize(), (game::FieldSize{10, 9, 12}));
    EXPECT_EQ(Control<FieldView>(window, "Picture2").size(), QSize(194, 165));
    EXPECT_TRUE(LevelItem(window, game::Custom).isChecked());
    EXPECT_EQ(CheckedItems(window), 1);
}

TEST(MainWindow, MenuItemsInOrder) {
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), "Torvane");
    EXPECT_EQ(window.objectName(), "Form1");
    ASSERT_EQ(window.menuBar()->actions().size(), 1);
    const auto& menu = Control<QMenu>(window, "menuGame");
    EXPECT_EQ(menu.title(), "游戏(&G)");
    EXPECT_EQ(window.menuBar()->actions()[0], menu.menuAction());
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
    const auto actions = menu.actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(expected)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(actions[i]->text(), QString::fromUtf16(expected[i].caption));
        EXPECT_EQ(actions[i]->isSeparator(), expected[i].caption[0] == u'\0');
    }
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(CheckedItems(window), 0);
}

// One tick beside the level played; the other level items show nothing there, as a plain item.
TEST(MainWindow, OnlyTheCheckedLevelItemShowsAMark) {
    MainWindow window;
    window.selectLevel(game::Intermediate);
    auto& menu = Control<QMenu>(window, "menuGame");
    menu.popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    const QImage picture = menu.grab().toImage();
    // The square at the item's left, where a check box or mark would be.
    auto side = [&](const char* name) {
        const QRect item = menu.actionGeometry(&Control<QAction>(window, name));
        return picture.copy(item.x(), item.y(), item.height(), item.height());
    };
    const QImage plain = side("menuBest");
    EXPECT_FALSE(side("menuLevel_1") == plain);
    for (const char* name : {"menuLevel_0", "menuLevel_2", "menuCustom"}) {
        EXPECT_TRUE(side(name) == plain) << name;
    }
    menu.close();
}

TEST(MainWindow, F2AndTheFaceStartANewGameAndTheFieldGetsTheFocus) {
    MainWindow window;
    window.selectLevel(0);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto& field = Control<FieldView>(window, "Picture2");
    auto& face = Control<status::FaceButton>(window, "Command1");
    QTest::mouseClick(&field, Qt::RightButton, {}, QPoint(20, 12));
    ASSERT_EQ(window.game().minesLeft(), 7);
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_EQ(window.game().minesLeft(), 8);
    EXPECT_EQ(window.game().level(), 0);

    QTest::mouseClick(&field, Qt::RightButton, {}, QPoint(20, 12));
    face.setFocus();
    QTest::mouseClick(&face, Qt::LeftButton);
    EXPECT_EQ(window.game().minesLeft(), 8);
    EXPECT_EQ(face.text(), "K");
    EXPECT_TRUE(field.hasFocus());
}

// A screen reader hears the counter's number with what it counts, and the game's state.
TEST(MainWindow, StatusItemsTellTheirMeaningToAssistiveTools) {
    MainWindow window;
    window.SetModalRunner(std::make_unique<dialogs::testing::FakeModalRunner>());
    // Every game of 8 x 8 lays its 8 mines along the bottom row.
    int draw = 0;
    window.SetRandomSource([&draw] {
        const int mine = draw++ % 16;
        return mine % 2 == 0 ? (static_cast<float>(mine / 2) + 0.5f) / 8 : 7.5f / 8;
    });
    window.setShowMinesLeft(true);
    window.restoreLevel(game::Custom, {8, 8, 8});
    window.show();
    auto& field = Control<FieldView>(window, "Picture2");
    auto& counter = Control<status::CounterLabel>(window, "Label1");
    auto& face = Control<status::FaceButton>(window, "Command1");
    EXPECT_TRUE(counter.accessibleDescription().startsWith(u"未标记的地雷数"));
    QTest::mouseClick(&counter, Qt::LeftButton);
    EXPECT_TRUE(counter.accessibleDescription().startsWith(u"未翻开的安全格数"));
    EXPECT_EQ(face.accessibleName(), u"新游戏");
    EXPECT_EQ(face.accessibleDescription(), u"游戏进行中");
    const QPoint bottomLeftCell(2 + 9, 2 + 17 * 7 + 11); // a mine
    QTest::mouseClick(&field, Qt::LeftButton, {}, bottomLeftCell);
    ASSERT_EQ(face.text(), "L");
    EXPECT_EQ(face.accessibleDescription(), u"失败：踩到了地雷");
    QTest::mouseClick(&face, Qt::LeftButton);
    QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(2 + 9 + 9, 2 + 11));
    ASSERT_EQ(face.text(), "J");
    EXPECT_EQ(face.accessibleDescription(), u"胜利");
    EXPECT_FALSE(Control<QLabel>(window, "Label2").accessibleDescription().isEmpty());
    EXPECT_FALSE(field.accessibleName().isEmpty());
}

} // namespace
} // namespace torvane::view
