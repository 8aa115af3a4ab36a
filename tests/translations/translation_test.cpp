#include "app/game_session.h"
#include "app/game_state.h"
#include "app/translation.h"
#include "dialogs/name_prompt.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "platform/control_names.h"
#include "platform/uniform_random.h"
#include "store/best_times.h"
#include "view/main_window.h"
#include "view/testing/controls.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace torvane::app {
namespace {

using view::testing::control;

// Installs a translation, if there is one, for as long as it lives.
class Installed {
  public:
    explicit Installed(std::unique_ptr<QTranslator> translator)
        : translator_(std::move(translator)) {
        if (translator_) {
            QCoreApplication::installTranslator(translator_.get());
        }
    }
    ~Installed() {
        if (translator_) {
            QCoreApplication::removeTranslator(translator_.get());
        }
    }

  private:
    std::unique_ptr<QTranslator> translator_;
};

// The game's window as main() composes it, its dialogs only recorded: the custom and the
// best-times items leave theirs here.
struct Window {
    QTemporaryDir folder;
    GameState state{[random = platform::UniformRandom(1)]() mutable { return random.next(); },
                    [] { return 0.0; }};
    view::MainWindow window{state.game()};
    GameSession session{state, window, folder.filePath(QStringLiteral("result.sav"))};
    dialogs::testing::FakeModalRunner* modal = nullptr;
    Window() {
        auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
        modal = runner.get();
        session.setModalRunner(std::move(runner));
        session.loadSettings();
    }
    QDialog& open(QLatin1StringView item) {
        control<QAction>(window, item).trigger();
        return *modal->shown.back();
    }
};

TEST(Translation, CaptionsFollowTheDesktopLanguageAndStayChineseWithoutATranslation) {
    // main() starts this program under LC_ALL=C with LANGUAGE=en_US.
    ASSERT_EQ(QLocale::system().language(), QLocale::C);
    ASSERT_EQ(QLocale::system().uiLanguages().value(0), u"en-US");
    struct Case {
        const char* what;
        std::function<std::unique_ptr<QTranslator>()> translator;
        bool english;
    };
    const Case cases[] = {
        {"en_US",
         [] { return CaptionTranslator(QLocale(QLocale::English, QLocale::UnitedStates)); }, true},
        {"German, then British English",
         [] {
             return CaptionTranslator(
                 QStringList{QStringLiteral("de-DE"), QStringLiteral("en-GB")});
         },
         true},
        {"C", [] { return CaptionTranslator(QLocale::system()); }, false},
        {"Chinese, then English",
         [] {
             return CaptionTranslator(QStringList{QStringLiteral("zh-CN"), QStringLiteral("en")});
         },
         false},
        {"zh_TW", [] { return CaptionTranslator(QLocale(QLocale::Chinese, QLocale::Taiwan)); },
         false},
        {"de_DE, no translation",
         [] { return CaptionTranslator(QLocale(QLocale::German, QLocale::Germany)); }, false},
    };
    for (const Case& c : cases) {
        const Installed installed(c.translator());
        Window w;
        const auto caption = [&c](const char16_t* chinese, const char16_t* english) {
            return QString::fromUtf16(c.english ? english : chinese).toStdString();
        };
        EXPECT_EQ(control<QMenu>(w.window, controlName::gameMenu).title().toStdString(),
                  caption(u"游戏(&G)", u"&Game"))
            << c.what;
        EXPECT_EQ(control<QAction>(w.window, controlName::indexed(controlName::levelItem, 0))
                      .text()
                      .toStdString(),
                  caption(u"新手", u"Beginner"))
            << c.what;
        EXPECT_EQ(control<QLabel>(w.window, controlName::counter).toolTip().toStdString(),
                  caption(u"单击切换显示：剩余地雷数 / 未翻开的安全格数",
                          u"Click to switch between mines left and safe cells left"))
            << c.what;
        EXPECT_EQ(control<QWidget>(w.window, controlName::face).toolTip().toStdString(),
                  caption(u"新游戏", u"New game"))
            << c.what;
        EXPECT_EQ(w.open(controlName::customItem).windowTitle().toStdString(),
                  caption(u"自定义难度", u"Custom Size"))
            << c.what;
    }
}

// Every caption goes through the translation and fits; what the records keep is not translated.
TEST(Translation, InEnglishNoChineseCaptionIsLeftButTheRecordsKeepTheirNames) {
    const Installed installed(CaptionTranslator(QLocale(QLocale::English)));
    Window w;
    const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    const auto expectEnglish = [&chinese](const QObject& owner) {
        QList<const QObject*> objects{&owner};
        for (const QObject* child : owner.findChildren<QObject*>()) {
            objects << child;
        }
        for (const QObject* object : objects) {
            for (const char* property : {"text", "title", "windowTitle", "toolTip",
                                         "accessibleName", "accessibleDescription"}) {
                const QString text = object->property(property).toString();
                EXPECT_FALSE(text.contains(chinese)) << object->objectName().toStdString() << "."
                                                     << property << ": " << text.toStdString();
            }
        }
    };
    // The dialogs were drawn for the Chinese captions; none of the English is cut.
    const auto expectWhole = [](const QDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            EXPECT_GE(label->width(), label->sizeHint().width())
                << label->objectName().toStdString() << ": " << label->text().toStdString();
        }
    };
    expectEnglish(w.window);
    QDialog& custom = w.open(controlName::customItem);
    expectEnglish(custom);
    expectWhole(custom);

    QDialog& scores = w.open(controlName::bestTimesItem);
    expectWhole(scores);
    EXPECT_EQ(scores.windowTitle(), u"Best Times");
    EXPECT_EQ(
        control<QLabel>(scores, controlName::indexed(controlName::bestTimesRowCaption, 0)).text(),
        u"Beginner:");
    EXPECT_EQ(control<QLabel>(scores, controlName::indexed(controlName::bestTimesEntry, 1)).text(),
              store::BestTimes::noName);

    dialogs::testing::FakeModalRunner prompt; // the player cancels
    EXPECT_EQ(dialogs::askRecordHolderName(prompt), u"无名菜鸟");
    ASSERT_EQ(prompt.nameRequests.size(), 1u);
    EXPECT_EQ(prompt.nameRequests[0].prompt, u"Congratulations! Please enter your name:");
    EXPECT_EQ(prompt.nameRequests[0].preset, u"无名菜鸟");
}

} // namespace
} // namespace torvane::app

int main(int argc, char* argv[]) {
    // The C locale, with a LANGUAGE list that Qt still reports as UI languages.
    qputenv("LC_ALL", "C");
    qputenv("LANGUAGE", "en_US");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
