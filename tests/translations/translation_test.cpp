#include "app/records_message.h"
#include "app/testing/testing_program.h"
#include "app/translation.h"
#include "dialogs/name_prompt.h"
#include "dialogs/scores_dialog.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "platform/control_names.h"
#include "store/best_times.h"
#include "view/main_window.h"
#include "view/testing/controls.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <set>

// Captions in failure messages, as text.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace torvane::app {
namespace {

using view::testing::control;

const QString sourceLanguage = QStringLiteral("zh_CN"); // the captions as written

QString chosen(const std::unique_ptr<QTranslator>& translator) {
    return translator ? translator->language() : sourceLanguage;
}

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

// The real windows, as the program builds them, at the narrowest level; the dialogs are only
// recorded when shown.
struct Windows : testing::TestingProgram {
    Windows() { playLevel(game::Beginner); }
    QDialog& open(QLatin1StringView name) {
        item(name).trigger();
        return *modal().shown.back();
    }
};

// A translation file as written: its language and its messages, by context and source.
struct TranslationFile {
    QString language;
    std::map<std::pair<QString, QString>, QString> messages;
    QStringList faults; // unfinished, obsolete or empty messages
};

TranslationFile read(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    TranslationFile read;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"TS") {
            read.language = xml.attributes().value(QStringLiteral("language")).toString();
        } else if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            // A message with plural forms holds them as elements; any empty one is a fault.
            QStringList forms;
            QString text;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
                if (xml.isCharacters()) {
                    text += xml.text();
                } else if (xml.isStartElement() && xml.name() == u"numerusform") {
                    forms << xml.readElementText();
                }
            }
            if (!forms.isEmpty()) {
                text = forms.contains(QString()) ? QString() : forms.join(u'|');
            }
            if (!type.isEmpty() || text.isEmpty()) {
                read.faults << QStringLiteral("%1/%2: %3")
                                   .arg(context, source,
                                        type.isEmpty() ? QStringLiteral("empty") : type);
            }
            read.messages[{context, source}] = text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return read;
}

std::vector<TranslationFile> shippedTranslations() {
    std::vector<TranslationFile> files;
    const QDir directory(QStringLiteral(TORVANE_TRANSLATIONS_DIR));
    for (const QString& name : directory.entryList({QStringLiteral("torvane_*.ts")})) {
        files.push_back(read(directory.filePath(name)));
    }
    return files;
}

TEST(Translation, TheFirstUiLanguageWithATranslationIsShown) {
    struct Case {
        const char* name;
        QStringList uiLanguages;
        const char* chosen;
    };
    const Case cases[] = {
        {"a translated language", {"de_DE"}, "de"},
        {"a region without a file of its own", {"de-AT", "en"}, "de"},
        {"traditional Chinese", {"zh_TW"}, "zh_TW"},
        {"Hong Kong: traditional", {"zh-HK"}, "zh_TW"},
        {"Macao: traditional", {"zh_MO"}, "zh_TW"},
        {"the traditional script", {"zh-Hant"}, "zh_TW"},
        {"simplified Chinese", {"zh_CN"}, "zh_CN"},
        {"Singapore: simplified", {"zh-SG", "en"}, "zh_CN"},
        {"the simplified script", {"zh-Hans"}, "zh_CN"},
        {"C: the source language", {"C"}, "zh_CN"},
        {"POSIX first: the source language", {"POSIX", "de"}, "zh_CN"},
        {"Japanese", {"ja_JP", "en"}, "ja"},
        {"no translation: English", {"tlh"}, "en"},
        {"the first translated one, French", {"tlh", "nb-NO", "fr-CA"}, "fr"},
        {"the first translated one, Chinese", {"nb-NO", "zh-CN", "de"}, "zh_CN"},
        {"Portuguese: the Brazilian file", {"pt"}, "pt_BR"},
        {"Portugal's Portuguese passed over", {"pt-PT", "es-MX"}, "es"},
        {"Korean", {"ko-KR"}, "ko"},
        {"no language at all: English", {}, "en"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(chosen(captionTranslator(c.uiLanguages)), QLatin1String(c.chosen))
            << c.uiLanguages.join(u',').toStdString();
    }
}

TEST(Translation, TheDesktopsLanguagesFollowTheMessagesLocale) {
    struct Case {
        const char* name;
        const char* messagesLocale;
        QStringList listed; // as the toolkit lists them
        QStringList followed;
    };
    const Case cases[] = {
        // LANGUAGE=en_US, which the C library ignores under C
        {"C with LANGUAGE set", "C", {"en-US"}, {"C"}},
        {"C.UTF-8", "C.UTF-8", {"C"}, {"C"}},
        {"POSIX", "POSIX", {"de-DE"}, {"C"}},
        {"nothing set", "", {"en-US"}, {"C"}},
        {"a locale without a translation", "tlh_XX.UTF-8", {"tlh-XX", "C"}, {"tlh-XX"}},
        {"German", "de_DE.UTF-8", {"de-DE", "de-Latn-DE", "de"}, {"de-DE", "de-Latn-DE", "de"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(desktopUiLanguages(QString::fromLatin1(c.messagesLocale), c.listed), c.followed)
            << c.messagesLocale;
    }
    // main() starts this program under LC_ALL=C with LANGUAGE=en_US: Chinese, as in a C program.
    ASSERT_EQ(QLocale::system().uiLanguages().value(0), u"en-US");
    EXPECT_EQ(chosen(captionTranslator()), sourceLanguage);
}

// The main window owns the dialogs, which are checked on their own.
bool inAnotherDialog(const QObject& object, const QWidget& window) {
    for (const QObject* owner = &object; owner != &window; owner = owner->parent()) {
        if (qobject_cast<const QDialog*>(owner) != nullptr) {
            return true;
        }
    }
    return false;
}

// Widgets whose caption shows less than its whole text.
QStringList cutCaptions(const QWidget& window) {
    QStringList cut;
    const auto check = [&cut](const QWidget& widget, int needed, int room, const QString& text) {
        if (needed > room) {
            cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                       .arg(widget.objectName(), text)
                       .arg(needed)
                       .arg(room);
        }
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (inAnotherDialog(*widget, window) || widget->isHidden()) { // the menu's overflow button
            continue;
        }
        if (widget->parentWidget() != nullptr && !widget->isWindow() &&
            !widget->parentWidget()->rect().contains(widget->geometry())) {
            cut << widget->objectName() + QStringLiteral(" lies outside its parent");
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            check(*label, label->sizeHint().width(), label->width(), label->text());
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            // The style draws the text within the button's contents.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect contents =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            check(*button, button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width(),
                  contents.width(), button->text());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            const int title = box->fontMetrics().horizontalAdvance(box->title());
            check(*box, title + 2 * box->fontMetrics().averageCharWidth(), box->width(),
                  box->title());
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            for (QAction* menu : bar->actions()) {
                check(*bar, bar->actionGeometry(menu).right() + 1, bar->width(), menu->text());
            }
        }
    }
    return cut;
}

// The items of one menu, or of the menu bar, that share an accelerator key.
QStringList sharedAccelerators(const QList<QAction*>& items) {
    std::map<QKeySequence, QStringList> byKey;
    for (const QAction* item : items) {
        const QKeySequence key = QKeySequence::mnemonic(item->text());
        if (!key.isEmpty()) {
            byKey[key] << item->text();
        }
    }
    QStringList shared;
    for (const auto& [key, texts] : byKey) {
        if (texts.size() > 1) {
            shared << texts.join(u" / ");
        }
    }
    return shared;
}

int acceleratorCount(const QList<QAction*>& items) {
    return static_cast<int>(std::count_if(items.begin(), items.end(), [](const QAction* item) {
        return !QKeySequence::mnemonic(item->text()).isEmpty();
    }));
}

// Captions of a window, not of the dialogs it owns, that hold Chinese characters. The windows
// start from a fresh file, so the best-times table holds no name a player gave.
QStringList chineseLeft(const QWidget& window) {
    const QRegularExpression han(QStringLiteral("\\p{Han}"));
    QStringList left;
    for (const QObject* object : window.findChildren<QObject*>()) {
        if (inAnotherDialog(*object, window)) {
            continue;
        }
        for (const char* property :
             {"text", "title", "toolTip", "accessibleName", "accessibleDescription"}) {
            const QString text = object->property(property).toString();
            if (text.contains(han)) {
                left << QStringLiteral("%1.%2: %3").arg(object->objectName(), property, text);
            }
        }
    }
    if (window.windowTitle().contains(han)) {
        left << window.windowTitle();
    }
    return left;
}

TEST(Translation, EveryShippedLanguageIsWholeFitsAndKeepsItsAccelerators) {
    const std::vector<TranslationFile> files = shippedTranslations();
    ASSERT_EQ(files.size(), 11u); // English and the ten others
    // The Chinese windows, as the reference: every caption fits, each accelerator is in place.
    std::map<const char*, int> chineseAccelerators;
    {
        Windows chinese;
        EXPECT_EQ(cutCaptions(chinese.window()), QStringList());
        chineseAccelerators["menu bar"] = acceleratorCount(chinese.window().menuBar()->actions());
        chineseAccelerators["menuGame"] =
            acceleratorCount(control<QMenu>(chinese.window(), controlName::gameMenu).actions());
    }
    ASSERT_EQ(chineseAccelerators["menu bar"], 1);
    ASSERT_EQ(chineseAccelerators["menuGame"], 2);

    for (const TranslationFile& file : files) {
        SCOPED_TRACE(file.language.toStdString());
        EXPECT_EQ(file.faults, QStringList());
        EXPECT_EQ(file.messages.size(), files.front().messages.size());
        for (const auto& [message, text] : files.front().messages) {
            EXPECT_EQ(file.messages.count(message), 1u) << message.second.toStdString();
        }

        // Through the loader the game uses, from the language's own name.
        auto translator = captionTranslator({file.language});
        ASSERT_EQ(chosen(translator), file.language);
        for (const auto& [message, text] : file.messages) {
            const QStringList forms = text.split(u'|');
            for (int i = 0; i < forms.size(); ++i) {
                // A count of 1, 2 and 5 picks each plural form in every language shipped.
                const int count = message.second.contains(u"%n")
                                      ? std::array{1, 2, 5}[static_cast<std::size_t>(i)]
                                      : -1;
                EXPECT_EQ(translator->translate(message.first.toUtf8(), message.second.toUtf8(),
                                                nullptr, count),
                          forms[i])
                    << message.second.toStdString();
            }
        }
        const Installed installed(std::move(translator));

        Windows windows;
        QDialog& custom = windows.open(controlName::customItem);
        QDialog& scores = windows.open(controlName::bestTimesItem);
        for (const QWidget* window :
             {static_cast<const QWidget*>(&windows.window()), static_cast<const QWidget*>(&custom),
              static_cast<const QWidget*>(&scores)}) {
            EXPECT_EQ(cutCaptions(*window), QStringList()) << window->objectName().toStdString();
        }
        const QMenu& menu = control<QMenu>(windows.window(), controlName::gameMenu);
        EXPECT_EQ(sharedAccelerators(windows.window().menuBar()->actions()), QStringList());
        EXPECT_EQ(sharedAccelerators(menu.actions()), QStringList());
        EXPECT_EQ(acceleratorCount(windows.window().menuBar()->actions()),
                  chineseAccelerators["menu bar"]);
        EXPECT_EQ(acceleratorCount(menu.actions()), chineseAccelerators["menuGame"]);

        // Nothing left in Chinese where the language is not written in Chinese characters.
        if (file.language != u"ja" && file.language != u"zh_TW") {
            EXPECT_EQ(chineseLeft(windows.window()), QStringList());
            EXPECT_EQ(chineseLeft(custom), QStringList());
            EXPECT_EQ(chineseLeft(scores), QStringList());
        }
    }
}

// The game's own language, then each shipped one.
std::vector<QString> everyLanguage() {
    std::vector<QString> languages{sourceLanguage};
    for (const TranslationFile& file : shippedTranslations()) {
        languages.push_back(file.language);
    }
    return languages;
}

// The name the prompt offers, repeated to the longest a name may be.
QString longestName(const QString& offered) {
    QString name;
    while (name.size() < store::BestTimes::maxCaptionLength) {
        name += offered + u' ';
    }
    name.truncate(store::BestTimes::maxCaptionLength);
    if (name.endsWith(u' ')) {
        name.back() = offered.front();
    }
    return name;
}

// Every name shows whole, each row's caption leaves a gap before its time, and the dialog still
// fits the screen; in Chinese, with the names of its design, it keeps its design's size.
TEST(Translation, BestTimesShowsEveryNameWholeInEveryLanguage) {
    for (const QString& language : everyLanguage()) {
        SCOPED_TRACE(language.toStdString());
        const Installed installed(captionTranslator({language}));
        Windows windows;
        auto& scores =
            dynamic_cast<dialogs::ScoresDialog&>(windows.open(controlName::bestTimesItem));
        const QString offered = dialogs::NamePrompt::unnamedHolder();
        if (language == sourceLanguage) {
            store::BestTimes design;
            design.setRecord(1, {QStringLiteral("35"), offered});
            scores.showTable(design);
            EXPECT_EQ(scores.size(), QSize(304, 137));
        }
        const QString longest = longestName(offered);
        ASSERT_EQ(longest.size(), store::BestTimes::maxCaptionLength);
        for (const QString& name : {offered, longest}) {
            SCOPED_TRACE(name.toStdString());
            store::BestTimes table;
            for (int level = 0; level < store::BestTimes::levelCount; ++level) {
                table.setRecord(level, {QString::number(100 + level), level == 1 ? name : offered});
            }
            scores.showTable(table);
            EXPECT_EQ(cutCaptions(scores), QStringList());
            for (int level = 0; level < store::BestTimes::levelCount; ++level) {
                const auto& caption = control<QLabel>(
                    scores, controlName::indexed(controlName::bestTimesRowCaption, level));
                const auto& time = control<QLabel>(
                    scores, controlName::indexed(controlName::bestTimesEntry, 2 * level));
                EXPECT_GE(time.x() - (caption.x() + caption.sizeHint().width()), 6)
                    << caption.text().toStdString();
            }
            const QRect screen = scores.screen()->availableGeometry();
            EXPECT_LE(scores.frameSize().width(), screen.width());
            EXPECT_LE(scores.frameSize().height(), screen.height());
        }
    }
}

// In every language but Chinese each caption of the custom size has an access key of its own,
// which takes the keyboard to its box; in Chinese the captions stay as they are written.
TEST(Translation, EachCustomSizeCaptionReachesItsBoxByItsAccessKey) {
    for (const QString& language : everyLanguage()) {
        SCOPED_TRACE(language.toStdString());
        const Installed installed(captionTranslator({language}));
        Windows windows;
        QDialog& custom = windows.open(controlName::customItem);
        custom.setModal(false);
        custom.show();
        custom.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&custom));
        const bool chinese = language == sourceLanguage || language == u"zh_TW";
        std::set<QKeySequence> keys;
        for (int i = 0; i < 3; ++i) {
            const auto& caption =
                control<QLabel>(custom, controlName::indexed(controlName::customCaption, i));
            auto& box = control<QLineEdit>(custom, controlName::indexed(controlName::customBox, i));
            EXPECT_EQ(caption.buddy(), &box);
            const QKeySequence key = QKeySequence::mnemonic(caption.text());
            EXPECT_EQ(key.isEmpty(), chinese) << caption.text().toStdString();
            if (key.isEmpty()) {
                continue;
            }
            keys.insert(key);
            control<QPushButton>(custom, controlName::customOk).setFocus();
            // Not through keySequence: QTest types ASCII only, and Cyrillic keys are not.
            const Qt::Key code = key[0].key();
            QTest::sendKeyEvent(QTest::Click, &custom, code,
                                QString(QChar(static_cast<char16_t>(code))).toLower(),
                                Qt::AltModifier);
            EXPECT_TRUE(box.hasFocus()) << key.toString().toStdString();
        }
        EXPECT_EQ(keys.size(), chinese ? 0u : 3u);
        custom.hide();
    }
}

// The prompt offers a name in the player's language, and a level nobody has won shows one; the
// name a record keeps is stored as it was given.
TEST(Translation, TheNameOfferedIsTranslatedButStoredNamesAreNot) {
    const Installed installed(captionTranslator({QStringLiteral("en")}));
    Windows windows;
    QDialog& scores = windows.open(controlName::bestTimesItem);
    EXPECT_EQ(control<QLabel>(scores, controlName::indexed(controlName::bestTimesEntry, 0)).text(),
              u"999");
    EXPECT_EQ(control<QLabel>(scores, controlName::indexed(controlName::bestTimesEntry, 1)).text(),
              u"Anonymous");

    dialogs::testing::FakeModalRunner prompt; // the player cancels
    EXPECT_EQ(dialogs::NamePrompt::ask(prompt), u"Nameless Rookie");
    ASSERT_EQ(prompt.nameRequests.size(), 1u);
    EXPECT_EQ(prompt.nameRequests[0].prompt, u"Congratulations! Please enter your name:");
    EXPECT_EQ(prompt.nameRequests[0].preset, u"Nameless Rookie");
}

// The C library takes the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty; a C
// locale there keeps the captions as written, whatever the others and LANGUAGE say.
TEST(Translation, TheLanguageFollowsTheLocaleVariablesInTheirOrder) {
    struct Row {
        const char* name;
        std::map<QString, QString> variables;
        QStringList listed; // as the toolkit lists them
        const char* chosen;
    };
    const Row rows[] = {
        {"LC_ALL=C", {{"LC_ALL", "C"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, {"C"}, "zh_CN"},
        {"LC_ALL=C, LANGUAGE=de",
         {{"LC_ALL", "C"}, {"LC_MESSAGES", "de_DE.UTF-8"}},
         {"de"},
         "zh_CN"},
        {"LC_MESSAGES=ko", {{"LC_MESSAGES", "ko_KR.UTF-8"}, {"LANG", "C"}}, {"ko-KR"}, "ko"},
        {"LC_ALL empty", {{"LC_ALL", ""}, {"LANG", "ja_JP.UTF-8"}}, {"ja-JP"}, "ja"},
        {"nothing set, LANGUAGE=en_US", {}, {"en-US"}, "zh_CN"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QProcessEnvironment environment;
        for (const auto& [variable, value] : row.variables) {
            environment.insert(variable, value);
        }
        const QStringList followed = desktopUiLanguages(messagesLocale(environment), row.listed);
        EXPECT_EQ(chosen(captionTranslator(followed)), QString::fromLatin1(row.chosen));
    }
}

// Qt's own texts follow the game's language: the button of the message about records that
// cannot be kept, as the game shows it, and the custom size boxes' context menu.
TEST(Translation, QtsOwnTextsAreInTheGamesLanguage) {
    struct Row {
        const char* uiLanguage;
        const char16_t* ok;
        const char16_t* selectAll;
    };
    const Row rows[] = {
        {"C", u"确定", u"全选"},
        {"zh-HK", u"確定", u"全部選擇"},
        {"tlh", u"OK", u"Select All"},
        {"ja", u"OK", u"すべてを選択"},
        {"ko", u"확인", u"모두 선택"},
        {"de-AT", u"OK", u"Alles auswählen"},
        {"fr", u"OK", u"Tout sélectionner"},
        {"es", u"Aceptar", u"Seleccionar todo"},
        {"pt", u"OK", u"Selecionar tudo"},
        {"ru", u"OK", u"Выделить всё"},
        {"it", u"OK", u"Seleziona tutto"},
        {"pl", u"OK", u"Zaznacz wszystko"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.uiLanguage);
        Translations translations = translationsFor({QString::fromLatin1(row.uiLanguage)});
        ASSERT_TRUE(translations.toolkit) << "Qt's translations (qt6-translations-l10n) missing";
        const InstalledTranslations installed(std::move(translations));
        Windows windows;
        QString ok;
        windows.modal().whileShowing = [&ok](QDialog& dialog) {
            if (const auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                ok = box->button(QMessageBox::Ok)->text();
            }
        };
        // The next save meets a folder where the file was.
        const QString path = windows.recordsPath();
        ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
        control<QAction>(windows.window(), controlName::indexed(controlName::levelItem, 2))
            .trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(ok, QString::fromUtf16(row.ok));

        QDialog& custom = windows.open(controlName::customItem);
        const std::unique_ptr<QMenu> menu(
            control<QLineEdit>(custom, controlName::indexed(controlName::customBox, 0))
                .createStandardContextMenu());
        EXPECT_EQ(menu->actions().back()->text().section(u'\t', 0, 0),
                  QString::fromUtf16(row.selectAll));
    }
}

// A level nobody has won shows the player's word for nobody beside its 999; the file keeps 匿名.
TEST(Translation, AnUnwonLevelIsShownInThePlayersLanguageAndStoredAsItWas) {
    const std::pair<const char*, const char16_t*> rows[] = {
        {"zh_CN", u"匿名"},    {"zh_TW", u"匿名"}, {"en", u"Anonymous"}, {"ja", u"匿名"},
        {"ko", u"익명"},       {"de", u"Anonym"},  {"fr", u"Anonyme"},   {"es", u"Anónimo"},
        {"pt_BR", u"Anônimo"}, {"it", u"Anonimo"}, {"ru", u"Аноним"},    {"pl", u"Anonim"},
    };
    for (const auto& [language, nobody] : rows) {
        SCOPED_TRACE(language);
        const InstalledTranslations installed(translationsFor({QString::fromLatin1(language)}));
        Windows windows;
        QDialog& scores = windows.open(controlName::bestTimesItem);
        for (int index = 0; index < store::BestTimes::captionCount; ++index) {
            EXPECT_EQ(
                control<QLabel>(scores, controlName::indexed(controlName::bestTimesEntry, index))
                    .text(),
                index % 2 == 0 ? QStringLiteral("999") : QString::fromUtf16(nobody));
        }
        windows.window().close(); // and saves
        QFile file(windows.recordsPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().count("999\r\n\xc4\xe4\xc3\xfb\r\n"), 3); // 匿名 in GB18030
    }
}

// Each reason the game knows is told in every language, each in its own words; any other keeps
// the system's.
TEST(Translation, TheReasonRecordsCannotBeKeptIsToldInEveryLanguage) {
    using Kind = store::RecordsProblem::Kind;
    // What the game knows, as the store reports it; any other error keeps the system's words.
    enum Cause { NoFolder, NotRegularFile, PermissionDenied, NoSpace, ReadOnly, Locked, Other };
    const std::pair<const char*, Cause> rows[] = {
        {"no folder", NoFolder},
        {"not a regular file", NotRegularFile},
        {"permission denied", PermissionDenied},
        {"no space", NoSpace},
        {"read-only file system", ReadOnly},
        {"locked", Locked},
        {"another cause", Other},
    };
    const QString path = QStringLiteral("/home/player/.local/share/Torvane/result.sav");
    const auto problem = [&path](Cause cause) {
        const int codes[] = {ENOENT, 0, EACCES, ENOSPC, EROFS, EWOULDBLOCK, EIO};
        const Kind kind = cause == NotRegularFile ? Kind::NotRegularFile
                          : cause == Locked       ? Kind::Locked
                                                  : Kind::NotWritten;
        return store::RecordsProblem{
            kind, path, {codes[cause], QStringLiteral("the system's words")}};
    };
    std::map<Cause, QString> asWritten;
    for (const auto& [name, cause] : rows) {
        asWritten[cause] = RecordsMessage::reason(problem(cause));
    }
    const QRegularExpression han(QStringLiteral("\\p{Han}"));
    for (const TranslationFile& file : shippedTranslations()) {
        SCOPED_TRACE(file.language.toStdString());
        const Installed installed(captionTranslator({file.language}));
        std::set<QString> told;
        for (const auto& [name, cause] : rows) {
            SCOPED_TRACE(name);
            const QString reason = RecordsMessage::reason(problem(cause));
            const QString text = RecordsMessage::text(problem(cause));
            EXPECT_TRUE(text.endsWith(path + u'\n' + reason)) << text.toStdString();
            EXPECT_TRUE(told.insert(reason).second) << reason.toStdString();
            EXPECT_EQ(reason == u"the system's words", cause == Other);
            EXPECT_EQ(reason == asWritten[cause], cause == Other);
            if (file.language != u"ja" && file.language != u"zh_TW") {
                EXPECT_FALSE(text.contains(han)) << text.toStdString();
            }
        }
    }
}

} // namespace
} // namespace torvane::app

int main(int argc, char* argv[]) {
    // The C locale, with a LANGUAGE list that Qt still reports as UI languages.
    qputenv("LC_ALL", "C");
    qputenv("LANGUAGE", "en_US");
    // The smallest screen the game is made for: the longest names must still fit it.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TORVANE_SMALL_SCREEN);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
