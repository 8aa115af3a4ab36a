#include "store/records_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace torvane::store {

namespace {

constexpr int mostLinks = 8;
// Far above any records file the game writes, far below anything else worth keeping.
constexpr off_t mostTemporaryBytes = 4096;
const QString pendingMark = QStringLiteral(".pending.");

QByteArray nativeName(const QString& path) {
    return QFile::encodeName(path);
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

std::optional<FileError> lastError(int fallback = EIO) {
    return FileError::of(errno != 0 ? errno : fallback);
}

// Non-blocking, so that a FIFO never waits for a writer; never through a link.
int openRegular(const QString& path, struct stat* info) {
    const int fd =
        ::open(nativeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && (::fstat(fd, info) != 0 || !S_ISREG(info->st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

QByteArray contentsOf(const QString& path) {
    struct stat info {};
    QFile file;
    const int fd = openRegular(path, &info);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return {};
    }
    return file.readAll();
}

bool writeAll(int fd, QByteArrayView bytes, off_t offset) {
    while (!bytes.isEmpty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes = bytes.sliced(written);
        offset += written;
    }
    return true;
}

// A player may write a file they do not own but not give it away: only root's chown counts.
bool takeOwner(int fd, const struct stat& wanted) {
    struct stat now {};
    return ::fstat(fd, &now) != 0 || (now.st_uid == wanted.st_uid && now.st_gid == wanted.st_gid) ||
           ::fchown(fd, wanted.st_uid, wanted.st_gid) == 0 || ::geteuid() != 0;
}

// The file grows first, so that a full disk stops the save before an old byte is touched; then
// the new bytes go over the old ones, and only then is the file cut to length. A kill leaves
// the old ten lines or the new ones at the start of the file, followed at most by a tail.
std::optional<FileError> writeInPlace(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(nativeName(path).constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        std::optional<FileError> error = lastError();
        if (fd >= 0) {
            ::close(fd);
        }
        return error;
    }
    const off_t oldSize = info.st_size;
    const off_t newSize = bytes.size();
    bool done = true;
    if (newSize > oldSize && !writeAll(fd, QByteArrayView(bytes).sliced(oldSize), oldSize)) {
        const int code = errno;
        [[maybe_unused]] const int cut = ::ftruncate(fd, oldSize); // the old bytes alone again
        errno = code;
        done = false;
    }
    done = done && writeAll(fd, QByteArrayView(bytes).first(std::min(oldSize, newSize)), 0) &&
           ::ftruncate(fd, newSize) == 0 && ::fsync(fd) == 0;
    std::optional<FileError> error = done ? std::nullopt : lastError();
    ::close(fd);
    return error;
}

// The names of the files a save makes beside `path`: QSaveFile's, and what earlier versions of
// the game made (".new." and six letters or digits).
bool isTemporaryName(QStringView name, const QString& recordsName) {
    if (!name.startsWith(recordsName + u'.')) {
        return false;
    }
    QStringView random = name.sliced(recordsName.size() + 1);
    if (random.startsWith(u"new.")) {
        random = random.sliced(4);
    }
    return random.size() == 6 && std::all_of(random.begin(), random.end(), [](QChar c) {
               return c.unicode() < 0x80 && std::isalnum(c.unicode()) != 0;
           });
}

} // namespace

FileError FileError::of(int code) {
    return {code, QString::fromStdString(std::generic_category().message(code))};
}

RecordsTarget resolveTarget(const QString& path) {
    const QString folder = QFileInfo(folderOf(path)).canonicalFilePath();
    QString current = path;
    for (int link = 0; link <= mostLinks; ++link) {
        struct stat info {};
        if (::lstat(nativeName(current).constData(), &info) != 0) {
            // Nothing there yet: the file is made where it belongs, never elsewhere.
            if (link == 0 || QFileInfo(folderOf(current)).canonicalFilePath() == folder) {
                return {current, {}};
            }
            return {{},
                    FileError{0, QStringLiteral("a symbolic link to %1, a missing file "
                                                "outside the records folder, is not "
                                                "followed")
                                     .arg(current)}};
        }
        if (!S_ISLNK(info.st_mode)) {
            return {current, {}};
        }
        if (info.st_uid != ::geteuid() && info.st_uid != 0) {
            return {{},
                    FileError{EPERM, QStringLiteral("a symbolic link that belongs to another "
                                                    "user (uid %1) is not followed")
                                         .arg(info.st_uid)}};
        }
        std::array<char, PATH_MAX> target{};
        const ssize_t length =
            ::readlink(nativeName(current).constData(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) == target.size()) {
            break;
        }
        const QString next = QFile::decodeName(QByteArray(target.data(), length));
        current =
            QDir::cleanPath(QDir::isAbsolutePath(next) ? next : folderOf(current) + u'/' + next);
    }
    return {{},
            FileError{ELOOP, QStringLiteral("symbolic links that do not end in a file are "
                                            "not followed")}};
}

Standing standingAt(const QString& path, FileError* error) {
    struct stat info {};
    if (::lstat(nativeName(path).constData(), &info) != 0) {
        return Standing::Nothing;
    }
    if (S_ISREG(info.st_mode)) {
        return Standing::RegularFile;
    }
    if (error != nullptr) {
        const auto what = [&info] {
            switch (info.st_mode & S_IFMT) {
            case S_IFDIR:
                return QStringLiteral("a folder");
            case S_IFIFO:
                return QStringLiteral("a FIFO");
            case S_IFLNK:
                return QStringLiteral("a symbolic link");
            case S_IFSOCK:
                return QStringLiteral("a socket");
            default:
                return QStringLiteral("a device");
            }
        };
        *error = {S_ISDIR(info.st_mode) ? EISDIR : 0,
                  what() + QStringLiteral(" stands there, not a regular file")};
    }
    return Standing::Other;
}

ParsedRecords readRecordsFile(const QString& path, Reach reach) {
    struct stat info {};
    QFile file;
    const int fd = openRegular(path, &info);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return {};
    }
    return parseRecords(file, reach);
}

std::optional<FileError> writeRecordsFile(const QString& path, const QByteArray& bytes) {
    struct stat old {};
    const bool existed = ::lstat(nativeName(path).constData(), &old) == 0;
    const QByteArray folder = nativeName(folderOf(path));
    errno = 0;
    QSaveFile file(path);
    // Root passes the permission bits, not a read-only mount: ask the system, not the mode.
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0 ||
        !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return existed ? writeInPlace(path, bytes) : lastError(EACCES);
    }
    // QSaveFile keeps the mode; root replacing a player's file keeps the player's owner too.
    if (existed ? !takeOwner(file.handle(), old)
                : (giveToFolderOwner(file.handle(), path), false)) {
        return lastError();
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return lastError();
    }
    // The new name itself is on the disk only once its folder is.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return std::nullopt;
}

std::optional<FileError> backUp(const QString& path) {
    struct stat info {};
    const int in = openRegular(path, &info);
    if (in < 0) {
        return lastError();
    }
    QFile source;
    source.open(in, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray bytes = source.readAll();
    const QString first = path + QStringLiteral(".bak");
    const QDir folder(folderOf(path));
    const QStringList taken =
        folder.entryList({QFileInfo(first).fileName() + u'*'}, QDir::Files | QDir::Hidden);
    for (const QString& name : taken) {
        if (QFileInfo(folder.filePath(name)).size() == bytes.size() &&
            contentsOf(folder.filePath(name)) == bytes) {
            return std::nullopt;
        }
    }
    // Only new names: nothing there, not even a dangling link, is ever written through.
    for (qsizetype n = 0; n <= taken.size() + 100; ++n) {
        const QString name = n == 0 ? first : first + u'.' + QString::number(n);
        const int out = ::open(nativeName(name).constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (out < 0 && errno == EEXIST) {
            continue;
        }
        if (out < 0) {
            return lastError();
        }
        // A full disk may show only when the data is forced out: a backup not on the disk is
        // none.
        const bool done = writeAll(out, bytes, 0) && takeOwner(out, info) &&
                          ::fchmod(out, info.st_mode & 07777) == 0 && ::fsync(out) == 0;
        std::optional<FileError> error = done ? std::nullopt : lastError();
        ::close(out);
        if (!done) {
            ::unlink(nativeName(name).constData()); // our own partial copy, nothing earlier
        }
        return error;
    }
    return FileError::of(EEXIST);
}

std::optional<FileError> leaveForNextStart(const QString& path, const QByteArray& bytes) {
    QTemporaryFile file(path + pendingMark + QStringLiteral("XXXXXX"));
    file.setAutoRemove(false);
    errno = 0;
    // Qt makes it without a name until one is asked for, and a nameless file is gone at close.
    if (!file.open() || file.fileName().isEmpty()) {
        return lastError(EACCES);
    }
    giveToFolderOwner(static_cast<int>(file.handle()), path);
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        std::optional<FileError> error = lastError();
        file.remove();
        return error;
    }
    return std::nullopt;
}

QStringList leftForNextStart(const QString& path) {
    const QFileInfo records(path);
    const QDir folder = records.absoluteDir();
    QStringList paths;
    for (const QString& name :
         folder.entryList({records.fileName() + pendingMark + u'*'}, QDir::Files | QDir::Hidden)) {
        paths << folder.filePath(name);
    }
    return paths;
}

void removeStaleTemporaries(const QString& path) {
    const QFileInfo records(path);
    const QDir folder = records.absoluteDir();
    for (const QString& name : folder.entryList({records.fileName() + QStringLiteral(".*")},
                                                QDir::Files | QDir::Hidden)) {
        const QString leftover = folder.filePath(name);
        struct stat info {};
        if (isTemporaryName(name, records.fileName()) &&
            ::lstat(nativeName(leftover).constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_size <= mostTemporaryBytes &&
            (info.st_uid == ::geteuid() || ::geteuid() == 0) &&
            parseRecords(contentsOf(leftover)).condition == Condition::Clean) {
            ::unlink(nativeName(leftover).constData());
        }
    }
}

void giveToFolderOwner(int fd, const QString& path) {
    struct stat folder {};
    if (::geteuid() == 0 && ::stat(nativeName(folderOf(path)).constData(), &folder) == 0 &&
        folder.st_uid != 0) {
        [[maybe_unused]] const int given = ::fchown(fd, folder.st_uid, folder.st_gid);
    }
}

} // namespace torvane::store
