#include "dialogs/dialog_icon.h"
#include "dialogs/scores_dialog.h"
#include "platform/control_names.h"
#include "view/testing/controls.h"

#include <QAccessible>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

using view::testing::control;

QLabel& entry(ScoresDialog& dialog, int i) {
    return control<QLabel>(dialog, controlName::indexed(controlName::bestTimesEntry, i));
}

QPushButton& okButton(ScoresDialog& dialog) {
    return control<QPushButton>(dialog, controlName::bestTimesOk);
}

store::BestTimes numberedTable(const QString& pattern) {
    store::BestTimes bestTimes;
    for (int level = 0; level < store::BestTimes::levelCount; ++level) {
        bestTimes.setRecord(level, {pattern.arg(2 * level), pattern.arg(2 * level + 1)});
    }
    return bestTimes;
}

// Level 2 on top, level 0 at the bottom; label positions are inside the frame.
TEST(ScoresDialog, ControlsSitWhereTheDesignPutsThem) {
    struct Control {
        QString name;
        bool inFrame;
        QRect rect;
        const char16_t* caption;
    };
    const auto rowCaption = [](int level) {
        return controlName::indexed(controlName::bestTimesRowCaption, level);
    };
    const auto entryName = [](int i) {
        return controlName::indexed(controlName::bestTimesEntry, i);
    };
    const Control controls[] = {
        {controlName::bestTimesFrame, false, {8, 8, 289, 97}, u"排名："},
        {rowCaption(2), true, {16, 24, 73, 17}, u"专业玩家："},
        {entryName(4), true, {104, 24, 49, 17}, u"999"},
        {entryName(5), true, {176, 24, 81, 17}, u"匿名"},
        {rowCaption(1), true, {16, 48, 73, 17}, u"中级玩家："},
        {entryName(2), true, {104, 48, 49, 17}, u"999"},
        {entryName(3), true, {176, 48, 81, 17}, u"匿名"},
        {rowCaption(0), true, {16, 72, 73, 17}, u"菜鸟玩家："},
        {entryName(0), true, {104, 72, 49, 17}, u"999"},
        {entryName(1), true, {176, 72, 81, 17}, u"匿名"},
        {controlName::bestTimesOk, false, {232, 112, 65, 20}, u"确定"},
    };
    ScoresDialog dialog;
    dialog.showTable(store::BestTimes{});
    QWidget& frame = control<QGroupBox>(dialog, controlName::bestTimesFrame);
    for (const Control& c : controls) {
        QWidget& widget = control<QWidget>(dialog, c.name);
        const std::string name = c.name.toStdString();
        EXPECT_EQ(widget.parentWidget(), c.inFrame ? &frame : &dialog) << name;
        EXPECT_EQ(widget.geometry(), c.rect) << name;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            caption = label->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(&widget)) {
            caption = box->title();
        } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
            caption = button->text();
        }
        EXPECT_EQ(caption, QString::fromUtf16(c.caption)) << name;
    }
}

// Entry i shows caption i of the table, in file order, as it was when handed over: a later
// change to the table shows only when it is handed over again. Names are plain text.
TEST(ScoresDialog, ShowsTheTableItIsGiven) {
    ScoresDialog dialog;
    store::BestTimes bestTimes = numberedTable(QStringLiteral("<b>caption %1</b>"));
    dialog.showTable(bestTimes);
    bestTimes.setRecord(0, {bestTimes.time(0), QStringLiteral("changed")});
    for (int i = 0; i < store::BestTimes::captionCount; ++i) {
        EXPECT_EQ(entry(dialog, i).text(), QStringLiteral("<b>caption %1</b>").arg(i));
        EXPECT_EQ(entry(dialog, i).textFormat(), Qt::PlainText);
    }
    dialog.showTable(bestTimes);
    EXPECT_EQ(entry(dialog, 1).text(), u"changed");
}

// Says "nobody" for the dialog's word for an unwon level.
class NobodyTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const bool nobody = QByteArrayView(context) == "torvane::dialogs::ScoresDialog" &&
                            QString::fromUtf8(source) == store::BestTimes::noName;
        return nobody ? QStringLiteral("nobody") : QString();
    }
};

// Only the untouched default pair is a caption; a name a win put there is the player's.
TEST(ScoresDialog, AnUnwonLevelsNameIsShownInThePlayersLanguage) {
    const struct {
        const char* name;
        const char* time;
        bool translated;
        QString shown;
    } rows[] = {
        {"unwon, translated", "999", true, QStringLiteral("nobody")},
        {"unwon, as written", "999", false, store::BestTimes::noName},
        {"won by a player named 匿名", "35", true, store::BestTimes::noName},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        NobodyTranslator translator;
        if (row.translated) {
            QCoreApplication::installTranslator(&translator);
        }
        store::BestTimes bestTimes;
        bestTimes.setRecord(game::Intermediate,
                            {QString::fromLatin1(row.time), bestTimes.name(game::Intermediate)});
        ScoresDialog dialog;
        dialog.showTable(bestTimes);
        EXPECT_EQ(entry(dialog, 3).text(), row.shown);
        QCoreApplication::removeTranslator(&translator);
    }
}

// A screen reader reads the rows as they are shown: expert first, each caption, time, name.
TEST(ScoresDialog, RowsAreReadInTheOrderTheyAreShown) {
    ScoresDialog dialog;
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(
        &control<QGroupBox>(dialog, controlName::bestTimesFrame));
    ASSERT_NE(frame, nullptr);
    QStringList read;
    for (int i = 0; i < frame->childCount(); ++i) {
        read << frame->child(i)->object()->objectName();
    }
    QStringList shown;
    for (int level = store::BestTimes::levelCount - 1; level >= 0; --level) {
        shown << controlName::indexed(controlName::bestTimesRowCaption, level)
              << controlName::indexed(controlName::bestTimesEntry, 2 * level)
              << controlName::indexed(controlName::bestTimesEntry, 2 * level + 1);
    }
    EXPECT_EQ(read, shown);
}

// The name column grows for a long name and goes back to its design once the name is gone.
TEST(ScoresDialog, TheNameColumnFollowsTheLongestName) {
    ScoresDialog dialog;
    dialog.showTable(store::BestTimes{});
    const QSize design = dialog.size();
    const QRect okDesign = okButton(dialog).geometry();
    store::BestTimes table;
    table.setRecord(0, {QStringLiteral("12"),
                        QStringLiteral("Wilhelmina Maximiliane von Hohenzollern-Sigmaringen")});
    dialog.showTable(table);
    const QLabel& name = entry(dialog, 1);
    EXPECT_GE(name.width(), name.sizeHint().width());
    const int grown = name.width() - 81;
    EXPECT_GT(grown, 0);
    EXPECT_EQ(entry(dialog, 3).width(), name.width());
    EXPECT_EQ(entry(dialog, 5).width(), name.width());
    EXPECT_EQ(dialog.size(), design + QSize(grown, 0));
    EXPECT_EQ(okButton(dialog).geometry(), okDesign.translated(grown, 0));

    dialog.showTable(store::BestTimes{});
    EXPECT_EQ(dialog.size(), design);
    EXPECT_EQ(entry(dialog, 1).width(), 81);
    EXPECT_EQ(okButton(dialog).geometry(), okDesign);
}

TEST(ScoresDialog, OnlyTheButtonTakesTheFocus) {
    ScoresDialog dialog;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (widget == &okButton(dialog)) {
            EXPECT_NE(widget->focusPolicy(), Qt::NoFocus);
        } else {
            EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->objectName().toStdString();
        }
    }
}

TEST(ScoresDialog, EveryWayOutHidesAndKeepsTheTable) {
    struct Case {
        const char* way;
        std::function<void(ScoresDialog&)> leave;
    };
    const Case cases[] = {
        {"click 确定", [](ScoresDialog& d) { QTest::mouseClick(&okButton(d), Qt::LeftButton); }},
        {"close box", [](ScoresDialog& d) { d.close(); }},
        {"Escape", [](ScoresDialog& d) { QTest::keyClick(&okButton(d), Qt::Key_Escape); }},
        {"Enter", [](ScoresDialog& d) { QTest::keyClick(&okButton(d), Qt::Key_Return); }},
    };
    for (const Case& c : cases) {
        ScoresDialog dialog;
        QPointer<ScoresDialog> alive(&dialog);
        dialog.showTable(numberedTable(QStringLiteral("row %1")));
        dialog.setModal(false);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        c.leave(dialog);
        ASSERT_TRUE(alive) << c.way;
        EXPECT_FALSE(dialog.isVisible()) << c.way;
        for (int i = 0; i < store::BestTimes::captionCount; ++i) {
            EXPECT_EQ(entry(dialog, i).text(), QStringLiteral("row %1").arg(i)) << c.way;
        }
    }
}

TEST(MineIcon, IsA32PixelBlackAndWhiteMineWithAHighlight) {
    const QImage image = mineIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    int black = 0;
    int white = 0;
    int clear = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                ++clear;
            } else if (pixel == qRgb(0, 0, 0)) {
                ++black;
            } else if (pixel == qRgb(255, 255, 255)) {
                ++white;
            } else {
                ADD_FAILURE() << "colour " << std::hex << pixel << " at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(black, white);
    EXPECT_GT(white, 0);
    EXPECT_GT(clear, 0);
}

} // namespace
} // namespace torvane::dialogs
