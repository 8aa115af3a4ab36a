#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace torvane::app {

// The game's captions are written in Chinese; these find the translation to install, if any.

// For a locale: none for the C and POSIX locale, whose UI languages follow LANGUAGE although
// the C library ignores it there; else as for the locale's UI languages.
std::unique_ptr<QTranslator> CaptionTranslator(const QLocale& locale = QLocale());

// The translation for the first of the UI languages ("de-DE", "en-GB") that has one; none
// when a Chinese language comes before it.
std::unique_ptr<QTranslator> CaptionTranslator(const QStringList& uiLanguages);

} // namespace torvane::app
