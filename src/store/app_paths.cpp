#include "store/app_paths.h"

#include <QCoreApplication>
#include <QDir>

namespace torvane::store {

QString executableDirectory() {
    return QCoreApplication::applicationDirPath();
}

QString dataHome() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) {
        return QDir::cleanPath(xdg);
    }
    // QDir::homePath() would answer "/" without a HOME.
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home)) {
        return {};
    }
    return QDir::cleanPath(home + QStringLiteral("/.local/share"));
}

QString userDataDirectory() {
    const QString home = dataHome();
    return home.isEmpty() ? QString() : home + u'/' + QCoreApplication::applicationName();
}

} // namespace torvane::store
