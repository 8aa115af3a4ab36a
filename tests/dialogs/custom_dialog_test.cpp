#include "dialogs/custom_dialog.h"
#include "platform/control_names.h"
#include "view/testing/controls.h"

#include <QAccessible>
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
using view::testing::control;

std::string shown(const Texts& texts) {
    return (u'[' + texts[0] + u'|' + texts[1] + u'|' + texts[2] + u']').toStdString();
}

QLineEdit& box(CustomDialog& dialog, int i) {
    return control<QLineEdit>(dialog, controlName::indexed(controlName::customBox, i));
}

QPushButton& button(CustomDialog& dialog, QLatin1StringView name) {
    return control<QPushButton>(dialog, name);
}

Texts boxTexts(CustomDialog& dialog) {
    return {box(dialog, 0).text(), box(dialog, 1).text(), box(dialog, 2).text()};
}

TEST(CustomDialog, ControlsSitWhereTheDesignPutsThem) {
    struct Control {
        QString name;
        QRect rect;
        const char16_t* caption; // nullptr for the boxes, which start empty
    };
    const auto caption = [](int i) { return controlName::indexed(controlName::customCaption, i); };
    const auto boxName = [](int i) { return controlName::indexed(controlName::customBox, i); };
    const Control controls[] = {
        {caption(0), {8, 13, 41, 17}, u"宽度："},
        {caption(1), {8, 34, 41, 17}, u"高度："},
        {caption(2), {8, 57, 41, 17}, u"雷数："},
        {boxName(0), {62, 10, 47, 19}, nullptr},
        {boxName(1), {62, 32, 47, 19}, nullptr},
        {boxName(2), {62, 54, 47, 19}, nullptr},
        {controlName::customOk, {128, 12, 55, 21}, u"确定"},
        {controlName::customCancel, {128, 54, 55, 21}, u"取消"},
    };
    CustomDialog dialog;
    for (const Control& c : controls) {
        const std::string name = c.name.toStdString();
        SCOPED_TRACE(name);
        QWidget& widget = control<QWidget>(dialog, c.name);
        EXPECT_EQ(widget.geometry(), c.rect) << name;
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            EXPECT_EQ(label->text(), QString::fromUtf16(c.caption)) << name;
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << name;
        } else if (auto* push = qobject_cast<QPushButton*>(&widget)) {
            EXPECT_EQ(push->text(), QString::fromUtf16(c.caption)) << name;
        } else {
            auto* edit = qobject_cast<QLineEdit*>(&widget);
            ASSERT_NE(edit, nullptr) << name;
            EXPECT_TRUE(edit->text().isEmpty()) << name;
        }
    }
    // Box i shows text i; the texts come back as they were given, of any length.
    const Texts texts{QString(70000, u'7'), QStringLiteral("x"), QString()};
    dialog.setTexts(texts);
    EXPECT_EQ(boxTexts(dialog), texts);
    EXPECT_EQ(dialog.texts(), texts);
}

TEST(CustomDialog, TabVisitsTheBoxesThenTheButtons) {
    CustomDialog dialog;
    dialog.setModal(false);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    box(dialog, 0).setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QStringList expected;
    for (int i = 0; i < 3; ++i) {
        expected << controlName::indexed(controlName::customBox, i);
    }
    expected << controlName::customOk << controlName::customCancel << expected.first();
    EXPECT_EQ(visited, expected);
}

// Each box is named by its caption and says which label names it, so a reader tells them apart.
TEST(CustomDialog, EachBoxIsLabelledByItsCaption) {
    CustomDialog dialog;
    const char* captions[3] = {"宽度：", "高度：", "雷数："};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(captions[i]);
        const auto& caption =
            control<QLabel>(dialog, controlName::indexed(controlName::customCaption, i));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box(dialog, i));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::EditableText);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(captions[i]));
        const auto labels = accessible->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels.front().first->object(), &caption);
    }
}

// Every way of leaving the shown dialog hides it and hands back what was typed; only "确定"
// (and Enter) correct it first, in the boxes too. A text in bounds stays as typed.
TEST(CustomDialog, LeavingHidesAndOnlyOkCorrects) {
    const Texts typed{QStringLiteral("5"), QStringLiteral("abc"), QStringLiteral("-1")};
    const Texts corrected{QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("8")};
    const Texts inBounds{QStringLiteral("12abc"), QStringLiteral(" 8.5"), QStringLiteral("50")};
    const Texts minesCut{QStringLiteral("12abc"), QStringLiteral(" 8.5"), QStringLiteral("34")};
    const auto click = [](QLatin1StringView name) {
        return [name](CustomDialog& d) { QTest::mouseClick(&button(d, name), Qt::LeftButton); };
    };
    struct Case {
        const char* way;
        std::function<void(CustomDialog&)> leave;
        Texts typed;
        Texts after;
    };
    const Case cases[] = {
        {"click 确定", click(controlName::customOk), typed, corrected},
        {"click 确定, in bounds", click(controlName::customOk), inBounds, minesCut},
        {"click 取消", click(controlName::customCancel), typed, typed},
        {"close box", [](CustomDialog& d) { d.close(); }, typed, typed},
        {"Escape", [](CustomDialog& d) { QTest::keyClick(&box(d, 1), Qt::Key_Escape); }, typed,
         typed},
        {"Enter in a box", [](CustomDialog& d) { QTest::keyClick(&box(d, 2), Qt::Key_Return); },
         typed, corrected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        CustomDialog dialog;
        QPointer<CustomDialog> alive(&dialog);
        dialog.setTexts({QStringLiteral("16"), QStringLiteral("16"), QStringLiteral("40")});
        dialog.setModal(false);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        for (int i = 0; i < 3; ++i) {
            box(dialog, i).setText(c.typed[static_cast<std::size_t>(i)]);
        }
        c.leave(dialog);
        ASSERT_TRUE(alive) << c.way;
        EXPECT_FALSE(dialog.isVisible()) << c.way;
        EXPECT_EQ(shown(dialog.texts()), shown(c.after)) << c.way;
        EXPECT_EQ(shown(boxTexts(dialog)), shown(c.after)) << c.way;
    }
}

} // namespace
} // namespace torvane::dialogs
