#pragma once

#include <QString>

namespace torvane::platform {

// The folder that holds the running executable, without a trailing slash. Valid only once a
// QCoreApplication (or QApplication) exists.
QString ExecutableDirectory();

} // namespace torvane::platform
