#pragma once

#include <QString>

namespace torvane::store {

// Where the records file lives: beside the executable when that folder takes new files,
// otherwise in the per-user data folder. Needs a QCoreApplication.
QString RecordsPath();

// The same choice between the two candidate folders. Probes the first by creating and
// removing a file, and creates the second when it is chosen and missing.
QString RecordsPathIn(const QString& executableDirectory, const QString& userDataDirectory);

} // namespace torvane::store
