#include "store/records_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane::store {

namespace {

constexpr int mostLinks = 8;

QString canonicalFolder(const QString& path) {
    return QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
}

} // namespace

RecordsTarget recordsTarget(const QString& path) {
    QString current = path;
    for (int link = 0; link <= mostLinks; ++link) {
        struct stat info {};
        if (::lstat(QFile::encodeName(current).constData(), &info) != 0) {
            // Nothing there yet: the file is made where it belongs, never elsewhere.
            if (link == 0 || (!canonicalFolder(current).isEmpty() &&
                              canonicalFolder(current) == canonicalFolder(path))) {
                return {current, {}};
            }
            return {{},
                    QStringLiteral("a symbolic link to %1, a missing file outside the records "
                                   "folder, is not followed")
                        .arg(current)};
        }
        if (!S_ISLNK(info.st_mode)) {
            return {current, {}};
        }
        if (info.st_uid != ::geteuid() && info.st_uid != 0) {
            return {{},
                    QStringLiteral("a symbolic link that belongs to another user (uid %1) is "
                                   "not followed")
                        .arg(info.st_uid),
                    true};
        }
        std::array<char, PATH_MAX> target{};
        const ssize_t length =
            ::readlink(QFile::encodeName(current).constData(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) == target.size()) {
            break;
        }
        const QString next = QFile::decodeName(QByteArray(target.data(), length));
        current = QDir::cleanPath(
            QDir::isAbsolutePath(next) ? next : QFileInfo(current).absolutePath() + u'/' + next);
    }
    return {{}, QStringLiteral("symbolic links that do not end in a file are not followed")};
}

} // namespace torvane::store
