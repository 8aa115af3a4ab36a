#include "platform/app_paths.h"

#include <QCoreApplication>

namespace torvane::platform {

QString ExecutableDirectory() {
    return QCoreApplication::applicationDirPath();
}

} // namespace torvane::platform
