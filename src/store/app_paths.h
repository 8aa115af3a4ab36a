#pragma once

#include <QString>

namespace torvane::store {

// The folder that holds the running executable, without a trailing slash. Valid only once a
// QCoreApplication (or QApplication) exists.
QString executableDirectory();

// The per-user data folder of the XDG base directory rules: XDG_DATA_HOME when it is an
// absolute path (a relative one is invalid there and ignored), else ~/.local/share. Empty when
// HOME is unset or not absolute either: there is then no per-user folder, never "/".
QString dataHome();

// The application's folder in dataHome(), or empty when there is none. Needs a
// QCoreApplication for the application's name.
QString userDataDirectory();

} // namespace torvane::store
