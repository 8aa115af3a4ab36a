#include "app/translation.h"
#include "dialogs/record_step.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "store/best_times.h"
#include "view/main_window.h"
#include "view/testing/controls.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

namespace torvane::app {
namespace {

using view::testing::Control;

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

// A window whose dialogs are only recorded; menuCustom and menuBest leave theirs here.
struct Window {
    view::MainWindow window;
    dialogs::testing::FakeModalRunner* modal = nullptr;
    Window() {
        auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
        modal = runner.get();
        window.SetModalRunner(std::move(runner));
        window.selectLevel(game::Beginner);
    }
    QDialog& Open(const char* item) {
        Control<QAction>(window, item).trigger();
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
        EXPECT_EQ(Control<QMenu>(w.window, "menuGame").title().toStdString(),
                  caption(u"游戏(&G)", u"&Game"))
            << c.what;
        EXPECT_EQ(Control<QAction>(w.window, "menuLevel_0").text().toStdString(),
                  caption(u"新手", u"Beginner"))
            << c.what;
        EXPECT_EQ(Control<QLabel>(w.window, "Label1").toolTip().toStdString(),
                  caption(u"单击切换显示：剩余地雷数 / 未翻开的安全格数",
                          u"Click to switch between mines left and safe cells left"))
            << c.what;
        EXPECT_EQ(Control<QWidget>(w.window, "Command1").toolTip().toStdString(),
                  caption(u"新游戏", u"New game"))
            << c.what;
        EXPECT_EQ(w.Open("menuCustom").windowTitle().toStdString(),
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
    QDialog& custom = w.Open("menuCustom");
    expectEnglish(custom);
    expectWhole(custom);

    QDialog& scores = w.Open("menuBest");
    expectWhole(scores);
    EXPECT_EQ(scores.windowTitle(), u"Best Times");
    EXPECT_EQ(Control<QLabel>(scores, "Label2_0").text(), u"Beginner:");
    EXPECT_EQ(Control<QLabel>(scores, "Label1_1").text(), store::BestTimes::noName);

    store::BestTimes bestTimes;
    dialogs::testing::FakeModalRunner prompt; // the player cancels
    dialogs::RecordStep(game::Beginner, 10, bestTimes, prompt, [] {});
    ASSERT_EQ(prompt.nameRequests.size(), 1u);
    EXPECT_EQ(prompt.nameRequests[0].prompt, u"Congratulations! Please enter your name:");
    EXPECT_EQ(prompt.nameRequests[0].preset, u"无名菜鸟");
    EXPECT_EQ(bestTimes.name(game::Beginner), u"无名菜鸟");
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
