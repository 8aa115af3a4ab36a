#include "dialogs/custom_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace torvane::dialogs {
namespace {

using Texts = std::array<QString, 3>;

std::string Shown(const Texts& t) {
    return (u'[' + t[0] + u'|' + t[1] + u'|' + t[2] + u']').toStdString();
}

TEST(CustomDialog, ControlsSitWhereTheDesignPutsThem) {
    struct Control {
        const char* name;
        QRect rect;
        const char16_t* caption; // nullptr for the boxes, which start empty
    };
    const Control controls[] = {
        {"Label1_0", {8, 13, 41, 17}, u"宽度："}, {"Label1_1", {8, 34, 41, 17}, u"高度："},
        {"Label1_2", {8, 57, 41, 17}, u"雷数："}, {"Text1_0", {62, 10, 47, 19}, nullptr},
        {"Text1_1", {62, 32, 47, 19}, nullptr},   {"Text1_2", {62, 54, 47, 19}, nullptr},
        {"Command1", {128, 12, 55, 21}, u"确定"}, {"Command2", {128, 54, 55, 21}, u"取消"},
    };
    CustomDialog dialog;
    for (const Control& c : controls) {
        QWidget* w = dialog.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.rect) << c.name;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text(), QString::fromUtf16(c.caption)) << c.name;
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << c.name;
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(button->text(), QString::fromUtf16(c.caption)) << c.name;
        } else {
            auto* box = qobject_cast<QLineEdit*>(w);
            ASSERT_NE(box, nullptr) << c.name;
            EXPECT_TRUE(box->text().isEmpty()) << c.name;
        }
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dialog.Text1(i)->objectName(), QStringLiteral("Text1_%1").arg(i));
    }
}

TEST(CustomDialog, TabVisitsTheBoxesThenTheButtons) {
    CustomDialog dialog;
    dialog.setModal(false);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.Text1(0)->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(u' '), u"Text1_0 Text1_1 Text1_2 Command1 Command2 Text1_0");
}

TEST(CustomDialog, KeepsTextsOfAnyLength) {
    CustomDialog dialog;
    const QString longText(70000, u'7');
    dialog.SetTexts({longText, QStringLiteral("x"), QString()});
    EXPECT_EQ(dialog.Texts()[0], longText);
    EXPECT_EQ(dialog.Texts()[1], u"x");
}

// Every way of leaving the shown dialog hides it; only "确定" (and Enter) touch the boxes.
TEST(CustomDialog, LeavingHidesAndOnlyOkCorrects) {
    const Texts typed{QStringLiteral("5"), QStringLiteral("abc"), QStringLiteral("-1")};
    const Texts corrected{QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("8")};
    struct Case {
        const char* way;
        std::function<void(CustomDialog&)> leave;
        Texts after;
    };
    const Case cases[] = {
        {"click 确定", [](CustomDialog& d) { QTest::mouseClick(d.Command1(), Qt::LeftButton); },
         corrected},
        {"click 取消", [](CustomDialog& d) { QTest::mouseClick(d.Command2(), Qt::LeftButton); },
         typed},
        {"close box", [](CustomDialog& d) { d.close(); }, typed},
        {"Escape", [](CustomDialog& d) { QTest::keyClick(d.Text1(1), Qt::Key_Escape); }, typed},
        {"Enter in a box", [](CustomDialog& d) { QTest::keyClick(d.Text1(2), Qt::Key_Return); },
         corrected},
    };
    for (const Case& c : cases) {
        CustomDialog dialog;
        QPointer<CustomDialog> alive(&dialog);
        dialog.SetTexts(typed);
        dialog.setModal(false);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        c.leave(dialog);
        ASSERT_TRUE(alive) << c.way;
        EXPECT_FALSE(dialog.isVisible()) << c.way;
        EXPECT_EQ(Shown(dialog.Texts()), Shown(c.after)) << c.way;
    }
}

TEST(CustomDialog, OkLeavesTextsInRangeAsTyped) {
    CustomDialog dialog;
    dialog.SetTexts({QStringLiteral("12abc"), QStringLiteral(" 8.5"), QStringLiteral("50")});
    dialog.Command1_Click();
    EXPECT_EQ(Shown(dialog.Texts()),
              Shown({QStringLiteral("12abc"), QStringLiteral(" 8.5"), QStringLiteral("34")}));
}

} // namespace
} // namespace torvane::dialogs
