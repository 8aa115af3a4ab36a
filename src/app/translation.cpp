#include "app/translation.h"

namespace torvane::app {

std::unique_ptr<QTranslator> CaptionTranslator(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return nullptr;
    }
    return CaptionTranslator(locale.uiLanguages());
}

std::unique_ptr<QTranslator> CaptionTranslator(const QStringList& uiLanguages) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& name : uiLanguages) {
        const QLocale language(name);
        if (language.language() == QLocale::Chinese || language.language() == QLocale::C) {
            return nullptr; // the captions as written
        }
        // Built in; "en-GB" falls back to "torvane_en".
        if (translator->load(language, QStringLiteral("torvane"), QStringLiteral("_"),
                             QStringLiteral(":/i18n"))) {
            return translator;
        }
    }
    return nullptr;
}

} // namespace torvane::app
