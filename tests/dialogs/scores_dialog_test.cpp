#include "dialogs/dialog_icon.h"
#include "dialogs/scores_dialog.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

QLabel* Caption(ScoresDialog& dialog, int i) {
    return dialog.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i));
}

QPushButton* OkButton(ScoresDialog& dialog) {
    return dialog.findChild<QPushButton*>(QStringLiteral("Command1"));
}

// Level 2 on top, level 0 at the bottom; label positions are inside the frame.
TEST(ScoresDialog, ControlsSitWhereTheDesignPutsThem) {
    struct Control {
        const char* name;
        bool inFrame;
        QRect rect;
        const char16_t* caption;
    };
    const Control controls[] = {
        {"Frame1", false, {8, 8, 289, 97}, u"排名："},
        {"Label2_2", true, {16, 24, 73, 17}, u"专业玩家："},
        {"Label1_4", true, {104, 24, 49, 17}, u"999"},
        {"Label1_5", true, {176, 24, 81, 17}, u"匿名"},
        {"Label2_1", true, {16, 48, 73, 17}, u"中级玩家："},
        {"Label1_2", true, {104, 48, 49, 17}, u"999"},
        {"Label1_3", true, {176, 48, 81, 17}, u"匿名"},
        {"Label2_0", true, {16, 72, 73, 17}, u"菜鸟玩家："},
        {"Label1_0", true, {104, 72, 49, 17}, u"999"},
        {"Label1_1", true, {176, 72, 81, 17}, u"匿名"},
        {"Command1", false, {232, 112, 65, 20}, u"确定"},
    };
    store::BestTimes bestTimes;
    ScoresDialog dialog(bestTimes);
    QWidget* frame = dialog.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    ASSERT_NE(frame, nullptr);
    for (const Control& c : controls) {
        QWidget* w = dialog.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget(), c.inFrame ? frame : &dialog) << c.name;
        EXPECT_EQ(w->geometry(), c.rect) << c.name;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            caption = label->text();
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            caption = frame->title();
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            caption = button->text();
        }
        EXPECT_EQ(caption, QString::fromUtf16(c.caption)) << c.name;
    }
    // Label i shows caption i of the table, in file order.
    for (int i = 0; i < 6; ++i) {
        bestTimes.setCaption(i, QStringLiteral("caption %1").arg(i));
    }
    dialog.LoadTable();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Caption(dialog, i)->text(), QStringLiteral("caption %1").arg(i));
    }
}

TEST(ScoresDialog, OnlyTheButtonTakesTheFocus) {
    const store::BestTimes bestTimes;
    ScoresDialog dialog(bestTimes);
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (w == OkButton(dialog)) {
            EXPECT_NE(w->focusPolicy(), Qt::NoFocus);
        } else {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
        }
    }
}

TEST(ScoresDialog, EveryWayOutHidesAndKeepsTheTable) {
    struct Case {
        const char* way;
        std::function<void(ScoresDialog&)> leave;
    };
    const Case cases[] = {
        {"click 确定", [](ScoresDialog& d) { QTest::mouseClick(OkButton(d), Qt::LeftButton); }},
        {"close box", [](ScoresDialog& d) { d.close(); }},
        {"Escape", [](ScoresDialog& d) { QTest::keyClick(OkButton(d), Qt::Key_Escape); }},
        {"Enter", [](ScoresDialog& d) { QTest::keyClick(OkButton(d), Qt::Key_Return); }},
    };
    for (const Case& c : cases) {
        store::BestTimes bestTimes;
        for (int i = 0; i < 6; ++i) {
            bestTimes.setCaption(i, QStringLiteral("row %1").arg(i));
        }
        ScoresDialog dialog(bestTimes);
        QPointer<ScoresDialog> alive(&dialog);
        dialog.setModal(false);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        c.leave(dialog);
        ASSERT_TRUE(alive) << c.way;
        EXPECT_FALSE(dialog.isVisible()) << c.way;
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(Caption(dialog, i)->text(), QStringLiteral("row %1").arg(i)) << c.way;
        }
    }
}

TEST(MineIcon, IsA32PixelBlackAndWhiteMineWithAHighlight) {
    const QImage image = MineIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    int black = 0;
    int white = 0;
    int clear = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0) {
                ++clear;
            } else if (p == qRgb(0, 0, 0)) {
                ++black;
            } else if (p == qRgb(255, 255, 255)) {
                ++white;
            } else {
                ADD_FAILURE() << "colour " << std::hex << p << " at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(black, white);
    EXPECT_GT(white, 0);
    EXPECT_GT(clear, 0);
}

} // namespace
} // namespace torvane::dialogs
