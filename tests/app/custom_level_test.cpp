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
        const char* name;
        Texts typed;
        const char* way;
        game::FieldSize played;
        Texts kept; // handed back by the dialog to the state
    };
    const Case cases[] = {
        {"ok: each box out of its range", {"5", "40", "0"}, "ok", {8, 30, 8}, {"8", "30", "8"}},
        {"ok: more mines than a third of the cells",
         {"30", "30", "500"},
         "ok",
         {30, 30, 300},
         {"30", "30", "300"}},
        {"ok: a number with a fraction", {"8.5", "8", "8"}, "ok", {8, 8, 8}, {"8.5", "8", "8"}},
        {"cancel: a sound size below the dialog's range",
         {"5", "20", "0"},
         "cancel",
         {5, 20, 0},
         {"5", "20", "0"}},
        {"cancel: a negative, a too large and an empty box",
         {"-3", "99", ""},
         "cancel",
         {8, 30, 8},
         {"-3", "99", ""}},
        {"close box: more mines than cells",
         {"30", "30", "900"},
         "close box",
         {30, 30, 300},
         {"30", "30", "900"}},
        {"cancel: a number past 16 bits and text after a number",
         {"40000", "12abc", "12abc"},
         "cancel",
         {30, 12, 12},
         {"40000", "12abc", "12abc"}},
        {"cancel: the smallest field, without mines",
         {"1", "1", "0"},
         "cancel",
         {1, 1, 0},
         {"1", "1", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        choose(c.typed, c.way);
        const game::Game& game = program->state().game();
        EXPECT_EQ(game.fieldSize(), c.played);
        EXPECT_EQ(
            control<dialogs::CustomDialog>(program->window(), controlName::customDialog).texts(),
            c.kept);
        EXPECT_EQ(game.level(), game::Custom);
        EXPECT_EQ(game.phase(), game::Phase::Ready);
        EXPECT_EQ(program->field().width(), 18 * c.played.columns + 14);
        EXPECT_EQ(control<status::CounterLabel>(program->window(), controlName::counter).text(),
                  QString::number(c.played.mines));
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
