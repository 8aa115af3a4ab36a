#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace torvane::app {

namespace {

const QString directory = QStringLiteral(":/i18n");

bool isCLocale(const QString& name) {
    // "C.UTF-8", "POSIX@euro": the codeset and modifier do not change the language.
    const QString language = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return language == u"C" || language == u"POSIX";
}

std::unique_ptr<QTranslator> loaded(const QString& fileName) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(fileName, directory)) {
        return nullptr;
    }
    return translator;
}

} // namespace

std::unique_ptr<QTranslator> captionTranslator() {
    return captionTranslator(desktopUiLanguages(
        messagesLocale(QProcessEnvironment::systemEnvironment()), QLocale::system().uiLanguages()));
}

std::unique_ptr<QTranslator> captionTranslator(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        if (isCLocale(name)) {
            return nullptr;
        }
        const QLocale language(name);
        if (language.language() == QLocale::C) {
            continue; // a language the toolkit does not know
        }
        if (language.language() == QLocale::Chinese) {
            // zh-HK, zh-MO and zh-Hant read Traditional characters as zh-TW does.
            if (language.script() == QLocale::TraditionalHanScript) {
                return loaded(QStringLiteral("torvane_zh_TW"));
            }
            return nullptr;
        }
        // Tries "de_Latn_AT", "de_AT", "de" and so on down to the language alone; "pt" means
        // Brazilian Portuguese, "pt-PT" does not.
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(language, QStringLiteral("torvane"), QStringLiteral("_"), directory)) {
            return translator;
        }
    }
    return loaded(QStringLiteral("torvane_en"));
}

QString messagesLocale(const QProcessEnvironment& environment) {
    for (const QString& variable :
         {QStringLiteral("LC_ALL"), QStringLiteral("LC_MESSAGES"), QStringLiteral("LANG")}) {
        const QString value = environment.value(variable);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return QStringLiteral("C");
}

QStringList desktopUiLanguages(const QString& locale, const QStringList& listed) {
    if (locale.isEmpty() || isCLocale(locale)) {
        return {QStringLiteral("C")};
    }
    QStringList languages = listed;
    languages.removeAll(QStringLiteral("C"));
    return languages;
}

std::unique_ptr<QTranslator> toolkitTranslator(const QTranslator* captions) {
    const QLocale language(captions != nullptr ? captions->language() : QStringLiteral("zh_CN"));
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    return translator;
}

Translations translationsFor(const QStringList& uiLanguages) {
    Translations translations;
    translations.captions = captionTranslator(uiLanguages);
    translations.toolkit = toolkitTranslator(translations.captions.get());
    return translations;
}

Translations desktopTranslations() {
    Translations translations;
    translations.captions = captionTranslator();
    translations.toolkit = toolkitTranslator(translations.captions.get());
    return translations;
}

InstalledTranslations::InstalledTranslations() : InstalledTranslations(desktopTranslations()) {}

InstalledTranslations::InstalledTranslations(Translations translations)
    : translations_(std::move(translations)) {
    for (QTranslator* translator : {translations_.toolkit.get(), translations_.captions.get()}) {
        if (translator != nullptr) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

InstalledTranslations::~InstalledTranslations() {
    for (QTranslator* translator : {translations_.captions.get(), translations_.toolkit.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
}

} // namespace torvane::app
