#pragma once

#include <QString>

namespace torvane::store {

// Where the records are read from and saved to. The two differ only for a first start in the
// per-user folder while a file from before still lies beside the executable.
struct RecordsPaths {
    QString read;
    QString write;
};

// Beside the executable for a copy run from a build tree or an unpacked folder that takes new
// files; otherwise (an installed copy, or a folder that takes none) in the per-user data
// folder, reading the file beside the executable until the per-user one exists. Needs a
// QCoreApplication.
RecordsPaths RecordsLocation();

// The same choice for given folders. Probes the executable's folder by creating and removing a
// file, and creates the per-user folder when it is chosen and missing.
RecordsPaths RecordsLocationIn(const QString& executableDirectory,
                               const QString& userDataDirectory);

} // namespace torvane::store
