#pragma once

#include <QString>

namespace torvane::store {

// Where the records are read from and saved to. The two differ only for a first start in the
// per-user folder while a file from before still lies beside the executable. `write` is empty
// when there is nowhere to save: an installed copy without a per-user data folder.
struct RecordsPaths {
    QString read;
    QString write;
};

// Beside the executable for a copy run from a build tree or an unpacked folder that takes new
// files; otherwise (an installed copy, or a folder that takes none) in the per-user data
// folder, reading the file beside the executable until the per-user one exists. Needs a
// QCoreApplication.
RecordsPaths recordsLocation();

// The per-user data folder of the XDG base directory rules: XDG_DATA_HOME when it is an
// absolute path (a relative one is invalid there and ignored), else ~/.local/share. Empty when
// HOME is unset or not absolute either: there is then no per-user folder, never "/".
QString dataHome();

// The same choice for given folders; an empty per-user folder means there is none. Probes the
// executable's folder by creating and removing a file.
RecordsPaths recordsLocationIn(const QString& executableDirectory,
                               const QString& userDataDirectory);

} // namespace torvane::store
