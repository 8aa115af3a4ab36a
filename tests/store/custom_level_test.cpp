#include "dialogs/testing/fake_modal_runner.h"
#include "view/main_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using Texts = std::array<QString, 3>;

// The custom item: the boxes are filled from the game, the player types and leaves
// the dialog one way or another, and the custom level is selected in every case.
class CustomLevel : public ::testing::Test {
  protected:
    void SetUp() override {
        auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
        modal = runner.get();
        window.SetModalRunner(std::move(runner));
        window.Game().showMinesLeft = true;
        window.menuLevel_Click(2);
    }
    // Types into the boxes, then presses a button: "确定", "取消" or the close box.
    void Choose(const Texts& typed, const char* button) {
        modal->whileShowing = [&, button](QDialog&) {
            dialogs::CustomDialog& dialog = window.FormCustom();
            opened = dialog.Texts();
            for (int i = 0; i < 3; ++i) {
                dialog.Text1(i)->setText(typed[static_cast<std::size_t>(i)]);
            }
            if (QLatin1String(button) == "ok") {
                dialog.Command1_Click();
            } else if (QLatin1String(button) == "cancel") {
                dialog.Command2_Click();
            } else {
                dialog.reject();
            }
        };
        window.menuCustom_Click();
    }
    game::FieldSize Played() {
        const game::Game& g = window.Game();
        return {g.fieldWidth, g.fieldHeight, g.mineTotal};
    }

    MainWindow window;
    dialogs::testing::FakeModalRunner* modal = nullptr;
    Texts opened;
};

TEST_F(CustomLevel, OpensWithTheCurrentSize) {
    Choose({"30", "16", "80"}, "cancel");
    EXPECT_EQ(opened, (Texts{"30", "16", "80"}));
    EXPECT_EQ(Played(), (game::FieldSize{30, 16, 80}));
    EXPECT_EQ(window.Game().level, 3);
    EXPECT_TRUE(window.MenuCustom().isChecked());
    EXPECT_FALSE(window.MenuLevel(2).isChecked());
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
        EXPECT_EQ(Played(), c.played) << c.typed[0].toStdString() << " " << c.button;
        EXPECT_EQ(window.FormCustom().Texts(), c.boxesAfter);
        EXPECT_EQ(window.Game().level, 3);
        EXPECT_TRUE(window.Game().gameOn);
        EXPECT_EQ(window.Picture2().width(), 18 * c.played.columns + 14);
        EXPECT_EQ(window.Label1().text(), QString::number(c.played.mines));
    }
}

TEST_F(CustomLevel, BestTimesItemShowsTheTableAndChangesNothing) {
    window.menuBest_Click();
    ASSERT_EQ(modal->shown.size(), 1u);
    EXPECT_EQ(modal->shown[0], &window.FormScores());
    EXPECT_EQ(window.Game().level, 2);
    EXPECT_TRUE(window.Game().gameOn);
}

} // namespace
} // namespace torvane::view
