#include "platform/whole_file.h"

#include <QFile>
#include <QSaveFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane::platform {

std::optional<FileStart> ReadRegularFile(const QString& path, qint64 maxBytes) {
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    FileStart start;
    // One byte past the limit tells a file that goes on.
    start.bytes = file.read(maxBytes + 1);
    start.complete = file.error() == QFileDevice::NoError && start.bytes.size() <= maxBytes;
    if (start.bytes.size() > maxBytes) {
        start.bytes.truncate(maxBytes);
    }
    return start;
}

bool ReplaceFile(const QString& path, const QByteArray& bytes) {
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // commit() alone misses a write cut short while flushing (a full disk, a size limit) and
    // would put the truncated file in place; flushing here catches it. Returning without
    // commit discards the temporary file and keeps the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return false;
    }
    if (existed) {
        // The new file replaces the old by a rename, so it must carry the old one's owner and
        // mode itself; otherwise a run as root would leave the player a file they cannot write.
        const int fd = file.handle();
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0 && ::geteuid() == 0) {
            return false;
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            return false;
        }
    }
    return file.commit();
}

} // namespace torvane::platform
