#include "app/testing/testing_program.h"
#include "dialogs/custom_dialog.h"
#include "status/counter_label.h"

#include <QPushButton>

namespace torvane::app {
namespace {

using view::testing::control;

using Texts = dialogs::CustomSizeTexts;

// The custom item: the boxes show the field being played, the player types and leaves the
// dialog one way or another, and the custom level is played in every case.
class CustomLevel : public testing::ProgramTest {
  protected:
    void SetUp() override {
        start();
        program->levelItem(game::Expert).trigger();
    }
    // Types into the boxes, then leaves by "确定", "取消" or the close box.
    void choose(const Texts& typed, const char* way) {
        program->modal().whileShowing = [&, way](QDialog& dialog) {
            for (int i = 0; i < 3; ++i) {
                opened[static_cast<std::size_t>(i)] =
                    testing::TestingProgram::box(dialog, i).text();
                testing::TestingProgram::box(dialog, i).setText(typed[static_cast<std::size_t>(i)]);
            }
            if (QLatin1String(way) == "ok") {
                control<QPushButton>(dialog, controlName::customOk).click();
            } else if (QLatin1String(way) == "cancel") {
                control<QPushButton>(dialog, controlName::customCancel).click();
            } else {
                dialog.close();
            }
        };
        program->item(controlName::customItem).trigger();
    }

    Texts opened;
};

TEST_F(CustomLevel, OpensWithTheCurrentSize) {
    choose({"30", "16", "80"}, "cancel");
    EXPECT_EQ(opened, (Texts{"30", "16", "80"}));
    EXPECT_EQ(program->state().game().fieldSize(), (game::FieldSize{30, 16, 80}));
    EXPECT_EQ(program->state().game().level(), game::Custom);
    EXPECT_TRUE(program->item(controlName::customItem).isChecked());
    EXPECT_FALSE(program->levelItem(game::Expert).isChecked());
}

TEST_F(CustomLevel, WhatIsPlayedAfterEachWayOut) {
    struct Case {
        Texts typed;
        const char* way;
        game::FieldSize played;
        Texts kept; // handed back by the dialog to the state
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
        const std::string what = c.typed[0].toStdString() + " " + c.way;
        choose(c.typed, c.way);
        const game::Game& game = program->state().game();
        EXPECT_EQ(game.fieldSize(), c.played) << what;
        EXPECT_EQ(
            control<dialogs::CustomDialog>(program->window(), controlName::customDialog).texts(),
            c.kept)
            << what;
        EXPECT_EQ(game.level(), game::Custom) << what;
        EXPECT_EQ(game.phase(), game::Phase::Ready) << what;
        EXPECT_EQ(program->field().width(), 18 * c.played.columns + 14) << what;
        EXPECT_EQ(control<status::CounterLabel>(program->window(), controlName::counter).text(),
                  QString::number(c.played.mines))
            << what;
    }
}

TEST_F(CustomLevel, BestTimesItemShowsTheTableAndChangesNothing) {
    program->item(controlName::bestTimesItem).trigger();
    ASSERT_EQ(program->modal().shown.size(), 1u);
    EXPECT_EQ(program->modal().shown[0]->objectName(), controlName::bestTimesDialog);
    EXPECT_EQ(program->state().game().level(), game::Expert);
    EXPECT_EQ(program->state().game().phase(), game::Phase::Ready);
}

} // namespace
} // namespace torvane::app
