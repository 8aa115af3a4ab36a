#include "store/whole_file.h"

#include <QSaveFile>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace torvane::store {

namespace {

QString systemError(int code) {
    return QString::fromStdString(std::generic_category().message(code));
}

bool failWith(QString* error, const QString& reason) {
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

// Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
int openForReading(const QString& path) {
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

// Gives the file `fd` the owner and mode in `wanted`, changing only what differs: a player may
// write a file they do not own, but not change its mode. Only root can give a file away, so a
// failed chown matters only there.
int takeOwnerAndMode(int fd, const struct stat& wanted) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return errno;
    }
    if ((now.st_uid != wanted.st_uid || now.st_gid != wanted.st_gid) &&
        ::fchown(fd, wanted.st_uid, wanted.st_gid) != 0 && ::geteuid() == 0) {
        return errno;
    }
    if ((now.st_mode & 07777) != (wanted.st_mode & 07777) &&
        ::fchmod(fd, wanted.st_mode & 07777) != 0) {
        return errno;
    }
    return 0;
}

// Every byte of `in` into `out`; 0, or the error that stopped it.
int copyBytes(int in, int out) {
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got == 0) {
            return 0;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer.data() + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return errno;
            }
            done += put;
        }
    }
}

} // namespace

std::unique_ptr<QFile> openRegularFile(const QString& path) {
    const int fd = openForReading(path);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error) {
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    QSaveFile file(path);
    // Keeping the records beats keeping them safe from a torn write: a folder that takes no
    // new file cannot hold the temporary copy, but the file itself may still be writable.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        return failWith(error, file.errorString());
    }
    // commit() alone misses a write cut short while flushing (a full disk, a size limit) and
    // would put the truncated file in place; flushing here catches it. Returning without
    // commit discards the temporary file and keeps the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return failWith(error, file.errorString());
    }
    // The new file replaces the old by a rename, so it must carry the old one's owner and mode
    // itself; otherwise a run as root would leave the player a file they cannot write. A new
    // file keeps the mode it was made with.
    if (existed) {
        if (const int code = takeOwnerAndMode(file.handle(), old); code != 0) {
            file.cancelWriting();
            return failWith(error, systemError(code));
        }
    }
    if (!file.commit()) {
        return failWith(error, file.errorString());
    }
    return true;
}

std::optional<QString> copyToNewFile(const QString& source, const QString& firstName,
                                     QString* error) {
    const int in = openForReading(source);
    if (in < 0) {
        failWith(error, systemError(errno));
        return std::nullopt;
    }
    const auto giveUp = [in, error](const QString& reason) {
        ::close(in);
        failWith(error, reason);
        return std::nullopt;
    };
    struct stat info {};
    if (::fstat(in, &info) != 0) {
        return giveUp(systemError(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return giveUp(QStringLiteral("not a regular file"));
    }
    // O_EXCL: a name that is taken, even by a dangling symlink, is never written through.
    QString name;
    int out = -1;
    for (int n = 0; out < 0 && n < 1000; ++n) {
        name = n == 0 ? firstName : firstName + u'.' + QString::number(n);
        out = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                     0600);
        if (out < 0 && errno != EEXIST) {
            break;
        }
    }
    if (out < 0) {
        return giveUp(systemError(errno));
    }
    int code = copyBytes(in, out);
    ::close(in);
    if (code == 0) {
        code = takeOwnerAndMode(out, info);
    }
    // A full disk may show only when the data is forced out.
    if (code == 0 && ::fsync(out) != 0) {
        code = errno;
    }
    if (::close(out) != 0 && code == 0) {
        code = errno;
    }
    if (code != 0) {
        ::unlink(QFile::encodeName(name).constData()); // our own partial copy, nothing earlier
        failWith(error, systemError(code));
        return std::nullopt;
    }
    return name;
}

bool makeFolder(const QString& path, QString* error) {
    std::error_code code;
    std::filesystem::create_directories(QFile::encodeName(path).toStdString(), code);
    if (code) {
        return failWith(error, QString::fromStdString(code.message()));
    }
    return true;
}

} // namespace torvane::store
