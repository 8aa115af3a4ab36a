#include "dialogs/custom_dialog.h"
#include "dialogs/modal_runner.h"
#include "dialogs/scores_dialog.h"
#include "platform/control_names.h"
#include "view/testing/controls.h"

#include <QApplication>
#include <QInputDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

// Plays the player's part once the real modal loop has put a window up.
void whenModalShows(std::function<void(QWidget&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            act(*modal);
        }
    });
    poll->start();
}

TEST(WidgetModalRunner, ShowModalReturnsOnceTheDialogHides) {
    struct Way {
        const char* name;
        std::function<void(QWidget&)> leave;
    };
    const Way ways[] = {
        {"cancel button",
         [](QWidget& w) {
             view::testing::control<QPushButton>(w, controlName::customCancel).click();
         }},
        {"close box", [](QWidget& w) { w.close(); }},
    };
    WidgetModalRunner runner;
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        CustomDialog custom;
        QWidget* seen = nullptr;
        whenModalShows([&](QWidget& w) {
            seen = &w;
            way.leave(w);
        });
        runner.showModal(custom);
        EXPECT_EQ(seen, &custom);
        EXPECT_FALSE(custom.isVisible());
    }
    ScoresDialog scores;
    whenModalShows([](QWidget& w) { w.close(); });
    runner.showModal(scores);
    EXPECT_FALSE(scores.isVisible());
}

TEST(WidgetModalRunner, AskNameGivesTheAnswerOrEmptyWhenCancelled) {
    struct Case {
        const char* name;
        bool accept;
        QString typed;
        QString expected;
    };
    const Case cases[] = {
        {"a name accepted", true, QStringLiteral("Ann"), QStringLiteral("Ann")},
        {"nothing typed, accepted", true, QString(), QString()},
        {"cancelled", false, QStringLiteral("Ann"), QString()},
        {"too long: cut to the bound", true, QStringLiteral("Annabelle"),
         QStringLiteral("Annabell")},
    };
    QWidget window;
    WidgetModalRunner runner(&window);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString prompt, title, preset, ok, cancel;
        const QWidget* parent = nullptr;
        Qt::WindowFlags flags;
        whenModalShows([&](QWidget& w) {
            auto& box = dynamic_cast<QInputDialog&>(w);
            parent = box.parentWidget();
            flags = box.windowFlags();
            prompt = box.labelText();
            title = box.windowTitle();
            preset = box.textValue();
            ok = box.okButtonText();
            cancel = box.cancelButtonText();
            box.setTextValue(c.typed);
            c.accept ? box.accept() : box.reject();
        });
        const QString answer =
            runner.askText({QStringLiteral("prompt"), QStringLiteral("title"), QStringLiteral("x"),
                            8, QStringLiteral("确定"), QStringLiteral("取消")});
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(prompt, u"prompt");
        EXPECT_EQ(title, u"title");
        EXPECT_EQ(preset, u"x");
        EXPECT_EQ(ok, u"确定");
        EXPECT_EQ(cancel, u"取消");
        // A dialog over the game's window, with a close box only.
        EXPECT_EQ(parent, &window);
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    }
}

} // namespace
} // namespace torvane::dialogs
