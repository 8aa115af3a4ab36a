#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace torvane::app {

// The game's captions are written in Simplified Chinese; these find the translation to install.
// None means the captions as written.

// For the desktop: its UI languages, as desktopUiLanguages() reads them.
std::unique_ptr<QTranslator> captionTranslator();

// The translation of the first of the UI languages ("de-DE", "zh-TW") that has one. Simplified
// Chinese, "C" and "POSIX" keep the captions as written; Traditional Chinese gets its own
// translation; when no language has one, English.
std::unique_ptr<QTranslator> captionTranslator(const QStringList& uiLanguages);

// The locale that messages are shown in, as the C library finds it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty, else "C".
QString messagesLocale(const QProcessEnvironment& environment);

// The UI languages to follow, from the locale that messages are shown in and the languages the
// toolkit lists: under the C and POSIX locale only "C", as the C library ignores LANGUAGE there;
// otherwise the list without the "C" the toolkit adds for a locale it does not know.
QStringList desktopUiLanguages(const QString& locale, const QStringList& listed);

// Everything a language needs installed: the game's captions and Qt's own texts (standard
// buttons, the boxes' context menu) in the same language.
struct Translations {
    std::unique_ptr<QTranslator> captions; // none: the captions as written
    std::unique_ptr<QTranslator> toolkit;  // none: Qt has no translation for the language
};

// Qt's translation for the language of these captions (none: as written), from Qt's own folder.
std::unique_ptr<QTranslator> toolkitTranslator(const QTranslator* captions);

Translations translationsFor(const QStringList& uiLanguages);
// For the desktop's UI languages, as captionTranslator() finds them.
Translations desktopTranslations();

// Installs translations in the application for as long as it lives; by default the desktop's.
class InstalledTranslations {
  public:
    InstalledTranslations();
    explicit InstalledTranslations(Translations translations);
    ~InstalledTranslations();
    InstalledTranslations(const InstalledTranslations&) = delete;
    InstalledTranslations& operator=(const InstalledTranslations&) = delete;

  private:
    Translations translations_;
};

} // namespace torvane::app
