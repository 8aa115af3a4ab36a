#include "dialogs/testing/fake_modal_runner.h"
#include "status/status_label.h"
#include "view/field_view.h"
#include "view/main_window.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using Texts = std::array<QString, 3>;

QLineEdit& Box(QDialog& dialog, int i) {
    QLineEdit* box = dialog.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    EXPECT_NE(box, nullptr) << i;
    return *box;
}

Texts BoxTexts(QDialog& dialog) {
    return {Box(dialog, 0).text(), Box(dialog, 1).text(), Box(dialog, 2).text()};
}

// The custom item: the boxes are filled from the game, the player types and leaves
// the dialog one way or another, and the custom level is selected in every case.
class CustomLevel : public ::testing::Test {
  protected:
    void SetUp() override {
        auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
        modal = runner.get();
        window.SetModalRunner(std::move(runner));
        window.setShowMinesLeft(true);
        window.selectLevel(2);
    }
    // Types into the boxes, then presses a button: "确定", "取消" or the close box.
    void Choose(const Texts& typed, const char* button) {
        modal->whileShowing = [&, button](QDialog& dialog) {
            opened = BoxTexts(dialog);
            for (int i = 0; i < 3; ++i) {
                Box(dialog, i).setText(typed[static_cast<std::size_t>(i)]);
            }
            if (QLatin1String(button) == "ok") {
                dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            } else if (QLatin1String(button) == "cancel") {
                dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            } else {
                dialog.reject();
            }
        };
        Item("menuCustom").trigger();
    }
    QAction& Item(const QString& name) {
        QAction* item = window.findChild<QAction*>(name);
        EXPECT_NE(item, nullptr) << name.toStdString();
        return *item;
    }
    QDialog& CustomDialog() {
        QDialog* dialog = window.findChild<QDialog*>(QStringLiteral("formCustom"));
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }

    MainWindow window;
    dialogs::testing::FakeModalRunner* modal = nullptr;
    Texts opened;
};

TEST_F(CustomLevel, OpensWithTheCurrentSize) {
    Choose({"30", "16", "80"}, "cancel");
    EXPECT_EQ(opened, (Texts{"30", "16", "80"}));
    EXPECT_EQ(window.game().fieldSize(), (game::FieldSize{30, 16, 80}));
    EXPECT_EQ(window.game().level(), game::Custom);
    EXPECT_TRUE(Item("menuCustom").isChecked());
    EXPECT_FALSE(Item("menuLevel_2").isChecked());
}

TEST_F(CustomLevel, WhatIsPlayedAfterEachWayOut) {
    struct Case {
        Texts typed;
        const char* button;
        game::FieldSize played;
        Texts boxesAfter;
    };
    const Case cases[] = {
        {{"5", "40", "0"}, "ok", {8, 30, 8}, {"8", "30", "8"}},
        {{"30", "30", "500"}, "ok", {30, 30, 300}, {"30", "30", "300"}},
        {{"8.5", "8", "8"}, "ok", {8, 8, 8}, {"8.5", "8", "8"}},
        {{"5", "20", "0"}, "cancel", {5, 20, 0}, {"5", "20", "0"}},
        {{"-3", "99", ""}, "cancel", {8, 30, 8}, {"-3", "99", ""}},
        {{"30", "30", "900"}, "close box", {30, 30, 300}, {"30", "30", "900"}},
        {{"40000", "12abc", "12abc"}, "cancel", {30, 12, 12}, {"40000", "12abc", "12abc"}},
        {{"1", "1", "0"}, "cancel", {1, 1, 0}, {"1", "1", "0"}},
    };
    for (const Case& c : cases) {
        Choose(c.typed, c.button);
        const game::Game& g = window.game();
        EXPECT_EQ(g.fieldSize(), c.played) << c.typed[0].toStdString() << " " << c.button;
        EXPECT_EQ(BoxTexts(CustomDialog()), c.boxesAfter);
        EXPECT_EQ(g.level(), game::Custom);
        EXPECT_TRUE(g.gameOn());
        EXPECT_EQ(window.findChild<FieldView*>(QStringLiteral("Picture2"))->width(),
                  18 * c.played.columns + 14);
        EXPECT_EQ(window.findChild<status::CounterLabel*>(QStringLiteral("Label1"))->text(),
                  QString::number(c.played.mines));
    }
}

TEST_F(CustomLevel, BestTimesItemShowsTheTableAndChangesNothing) {
    Item("menuBest").trigger();
    ASSERT_EQ(modal->shown.size(), 1u);
    EXPECT_EQ(modal->shown[0], window.findChild<QDialog*>(QStringLiteral("formScores")));
    EXPECT_EQ(window.game().level(), game::Expert);
    EXPECT_TRUE(window.game().gameOn());
}

} // namespace
} // namespace torvane::view
