#include "store/records_location.h"

#include "platform/app_paths.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace torvane::store {

namespace {

// Permission bits mislead: root passes them yet cannot write on a read-only mount. Saving
// creates a file beside the old one and renames it, so creating a file is the sound test.
bool TakesNewFiles(const QString& folder) {
    if (folder.isEmpty()) {
        return false;
    }
    QTemporaryFile probe(folder + QStringLiteral("/.torvane-probe-XXXXXX"));
    return probe.open(); // removed again when probe goes out of scope
}

} // namespace

QString RecordsPathIn(const QString& executableDirectory, const QString& userDataDirectory) {
    if (TakesNewFiles(executableDirectory) || userDataDirectory.isEmpty()) {
        return executableDirectory + QStringLiteral("/result.sav");
    }
    // A failure here shows later as a quiet read and write failure, like any unwritable place.
    QDir().mkpath(userDataDirectory);
    return userDataDirectory + QStringLiteral("/result.sav");
}

QString RecordsPath() {
    return RecordsPathIn(platform::ExecutableDirectory(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace torvane::store
