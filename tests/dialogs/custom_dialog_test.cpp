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

using Texts = CustomSizeTexts;

std::string Shown(const Texts& t) {
    return (u'[' + t[0] + u'|' + t[1] + u'|' + t[2] + u']').toStdString();
}

QLineEdit* Box(CustomDialog& dialog, int i) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
}

QPushButton* Button(CustomDialog& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

Texts BoxTexts(CustomDialog& dialog) {
    return {Box(dialog, 0)->text(), Box(dialog, 1)->text(), Box(dialog, 2)->text()};
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
    Texts texts;
    CustomDialog dialog(texts);
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
    // Box i shows text i of the size.
    texts = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    dialog.LoadTexts();
    EXPECT_EQ(Shown(BoxTexts(dialog)), Shown(texts));
}

TEST(CustomDialog, TabVisitsTheBoxesThenTheButtons) {
    Texts texts;
    CustomDialog dialog(texts);
    dialog.setModal(false);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Box(dialog, 0)->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(u' '), u"Text1_0 Text1_1 Text1_2 Command1 Command2 Text1_0");
}

TEST(CustomDialog, KeepsTextsOfAnyLength) {
    const QString longText(70000, u'7');
    Texts texts{longText, QStringLiteral("x"), QString()};
    CustomDialog dialog(texts);
    texts = {};
    dialog.onCancelClicked();
    EXPECT_EQ(texts[0], longText);
    EXPECT_EQ(texts[1], u"x");
}

// Every way of leaving the shown dialog hides it and keeps what was typed in the size; only
// "确定" (and Enter) correct it first, in the boxes too.
TEST(CustomDialog, LeavingHidesAndOnlyOkCorrects) {
    const Texts typed{QStringLiteral("5"), QStringLiteral("abc"), QStringLiteral("-1")};
    const Texts corrected{QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("8")};
    struct Case {
        const char* way;
        std::function<void(CustomDialog&)> leave;
        Texts after;
    };
    const Case cases[] = {
        {"click 确定",
         [](CustomDialog& d) { QTest::mouseClick(Button(d, "Command1"), Qt::LeftButton); },
         corrected},
        {"click 取消",
         [](CustomDialog& d) { QTest::mouseClick(Button(d, "Command2"), Qt::LeftButton); }, typed},
        {"close box", [](CustomDialog& d) { d.close(); }, typed},
        {"Escape", [](CustomDialog& d) { QTest::keyClick(Box(d, 1), Qt::Key_Escape); }, typed},
        {"Enter in a box", [](CustomDialog& d) { QTest::keyClick(Box(d, 2), Qt::Key_Return); },
         corrected},
    };
    for (const Case& c : cases) {
        Texts texts{QStringLiteral("16"), QStringLiteral("16"), QStringLiteral("40")};
        CustomDialog dialog(texts);
        QPointer<CustomDialog> alive(&dialog);
        dialog.setModal(false);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        for (int i = 0; i < 3; ++i) {
            Box(dialog, i)->setText(typed[static_cast<std::size_t>(i)]);
        }
        c.leave(dialog);
        ASSERT_TRUE(alive) << c.way;
        EXPECT_FALSE(dialog.isVisible()) << c.way;
        EXPECT_EQ(Shown(texts), Shown(c.after)) << c.way;
        EXPECT_EQ(Shown(BoxTexts(dialog)), Shown(c.after)) << c.way;
    }
}

TEST(CustomDialog, OkLeavesTextsInRangeAsTyped) {
    Texts texts{QStringLiteral("12abc"), QStringLiteral(" 8.5"), QStringLiteral("50")};
    CustomDialog dialog(texts);
    dialog.onOkClicked();
    EXPECT_EQ(Shown(texts),
              Shown({QStringLiteral("12abc"), QStringLiteral(" 8.5"), QStringLiteral("34")}));
}

} // namespace
} // namespace torvane::dialogs
