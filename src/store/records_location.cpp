#include "store/records_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace torvane::store {

namespace {

const QString fileName = QStringLiteral("result.sav");
const QString applicationId = QStringLiteral("io.github.torvane.torvane");

// Permission bits mislead: root passes them yet cannot write on a read-only mount. Saving
// creates a file beside the old one and renames it, so creating a file is the sound test.
bool takesNewFiles(const QString& folder) {
    if (folder.isEmpty()) {
        return false;
    }
    QTemporaryFile probe(folder + QStringLiteral("/.torvane-probe-XXXXXX"));
    return probe.open(); // removed again when probe goes out of scope
}

// An installed copy has its launcher or metadata in share/ beside its bin/ or games/ folder,
// whatever the prefix.
bool isInstalled(const QString& executableDirectory) {
    const QDir share(executableDirectory + QStringLiteral("/../share"));
    return QFileInfo::exists(
               share.filePath(QStringLiteral("applications/%1.desktop").arg(applicationId))) ||
           QFileInfo::exists(
               share.filePath(QStringLiteral("metainfo/%1.metainfo.xml").arg(applicationId)));
}

} // namespace

RecordsPaths recordsLocationIn(const QString& executableDirectory,
                               const QString& userDataDirectory) {
    const QString beside = executableDirectory + u'/' + fileName;
    if (!isInstalled(executableDirectory) && takesNewFiles(executableDirectory)) {
        return {beside, beside};
    }
    // Anything at a path, even what cannot be read, is a file the player may care about.
    const auto present = [](const QString& path) {
        return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
    };
    if (userDataDirectory.isEmpty()) {
        return {present(beside) ? beside : QString(), QString()};
    }
    // The folder is made when the records are first saved there, which can then tell why not.
    const QString own = userDataDirectory + u'/' + fileName;
    // What is at the own path is the user's file from now on; until then, records left beside
    // the program are not left behind.
    return {!present(own) && present(beside) ? beside : own, own};
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

RecordsPaths recordsLocation() {
    const QString home = dataHome();
    return recordsLocationIn(QCoreApplication::applicationDirPath(),
                             home.isEmpty() ? QString()
                                            : home + u'/' + QCoreApplication::applicationName());
}

} // namespace torvane::store
