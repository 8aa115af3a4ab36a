#include "store/records_location.h"

#include "platform/app_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace torvane::store {

namespace {

const QString fileName = QStringLiteral("result.sav");
const QString applicationId = QStringLiteral("io.github.torvane.torvane");

// Permission bits mislead: root passes them yet cannot write on a read-only mount. Saving
// creates a file beside the old one and renames it, so creating a file is the sound test.
bool TakesNewFiles(const QString& folder) {
    if (folder.isEmpty()) {
        return false;
    }
    QTemporaryFile probe(folder + QStringLiteral("/.torvane-probe-XXXXXX"));
    return probe.open(); // removed again when probe goes out of scope
}

// An installed copy has its launcher or metadata in share/ beside its bin/ or games/ folder,
// whatever the prefix.
bool IsInstalled(const QString& executableDirectory) {
    const QDir share(executableDirectory + QStringLiteral("/../share"));
    return QFileInfo::exists(
               share.filePath(QStringLiteral("applications/%1.desktop").arg(applicationId))) ||
           QFileInfo::exists(
               share.filePath(QStringLiteral("metainfo/%1.metainfo.xml").arg(applicationId)));
}

} // namespace

RecordsPaths RecordsLocationIn(const QString& executableDirectory,
                               const QString& userDataDirectory) {
    const QString beside = executableDirectory + u'/' + fileName;
    if (userDataDirectory.isEmpty() ||
        (!IsInstalled(executableDirectory) && TakesNewFiles(executableDirectory))) {
        return {beside, beside};
    }
    // A failure here shows later as a quiet read and write failure, like any unwritable place.
    QDir().mkpath(userDataDirectory);
    const QString own = userDataDirectory + u'/' + fileName;
    // Anything at the own path, even what cannot be read, is the user's file from now on;
    // until then, records left beside the program are not left behind.
    const auto present = [](const QString& path) {
        return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
    };
    return {!present(own) && present(beside) ? beside : own, own};
}

RecordsPaths RecordsLocation() {
    return RecordsLocationIn(platform::ExecutableDirectory(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace torvane::store
