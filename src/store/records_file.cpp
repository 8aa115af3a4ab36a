#include "store/records_file.h"

#include <QDir>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace torvane::store {

namespace {

using Kind = RecordsProblem::Kind;

constexpr int mostLinks = 8;
// Far above any records file the game writes, far below anything else worth keeping.
constexpr qint64 mostTemporaryBytes = 4096;

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

FileError lastError(int fallback = EIO) {
    return FileError::of(errno != 0 ? errno : fallback);
}

// What stands at `path`, when it is a regular file `file` now reads.
std::optional<struct stat> openRegular(QFile& file, const QString& path) {
    struct stat info {};
    const bool regular = openFile(file, path, O_RDONLY) && ::fstat(file.handle(), &info) == 0 &&
                         S_ISREG(info.st_mode);
    return regular ? std::optional(info) : std::nullopt;
}

QByteArray contentsOf(const QString& path) {
    QFile file;
    return openRegular(file, path) ? file.readAll() : QByteArray();
}

bool writeAt(QFile& file, qint64 offset, QByteArrayView bytes) {
    return file.seek(offset) && file.write(bytes.data(), bytes.size()) == bytes.size();
}

// A player's copy cannot give a file away; root's gives it the owner it found.
bool keepOwner(int fd, const struct stat& wanted) {
    return ::geteuid() != 0 || ::fchown(fd, wanted.st_uid, wanted.st_gid) == 0;
}

// The file grows first, so that a full disk stops the save before an old byte is touched; then
// the new bytes go over the old ones, and only then is the file cut to length. A kill leaves
// the old ten lines or the new ones at the start of the file, followed at most by a tail.
std::optional<FileError> writeInPlace(const QString& path, QByteArrayView bytes) {
    QFile file;
    if (!openFile(file, path, O_WRONLY)) {
        return lastError();
    }
    const qsizetype oldSize = file.size();
    if (bytes.size() > oldSize && !writeAt(file, oldSize, bytes.sliced(oldSize))) {
        const FileError error = lastError();
        [[maybe_unused]] const int cut = ::ftruncate(file.handle(), oldSize); // the old bytes alone
        return error;
    }
    if (writeAt(file, 0, bytes.first(std::min(oldSize, bytes.size()))) &&
        ::ftruncate(file.handle(), bytes.size()) == 0 && ::fsync(file.handle()) == 0) {
        return std::nullopt;
    }
    return lastError();
}

RecordsTarget refused(const QString& path, int code, const QString& reason,
                      Kind kind = Kind::NotWritten) {
    return {{}, RecordsProblem{kind, path, {code, reason}}};
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
        if (::lstat(QFile::encodeName(current).constData(), &info) != 0) {
            // Nothing there yet: the file is made where it belongs, never elsewhere.
            if (link > 0 && QFileInfo(folderOf(current)).canonicalFilePath() != folder) {
                return refused(path, 0,
                               QStringLiteral("a link to a missing file outside the "
                                              "records folder is not followed"));
            }
            return {current, std::nullopt};
        }
        if (S_ISREG(info.st_mode)) {
            return {current, std::nullopt};
        }
        if (!S_ISLNK(info.st_mode)) {
            const char* what = S_ISDIR(info.st_mode)    ? "a folder"
                               : S_ISFIFO(info.st_mode) ? "a FIFO"
                               : S_ISSOCK(info.st_mode) ? "a socket"
                                                        : "a device";
            return refused(
                current, S_ISDIR(info.st_mode) ? EISDIR : 0,
                QStringLiteral("%1 stands there, not a regular file").arg(QLatin1StringView(what)),
                Kind::NotRegularFile);
        }
        if (info.st_uid != ::geteuid() && info.st_uid != 0) {
            return refused(
                path, EPERM,
                QStringLiteral("a link of another user (uid %1) is not followed").arg(info.st_uid));
        }
        current = QFile::symLinkTarget(current);
    }
    return refused(path, ELOOP, QStringLiteral("links that do not end in a file are not followed"));
}

ParsedRecords readRecordsFile(const QString& path, Reach reach) {
    QFile file;
    return openRegular(file, path) ? parseRecords(file, reach) : ParsedRecords{};
}

std::optional<FileError> writeRecordsFile(const QString& path, const QByteArray& bytes) {
    struct stat old {};
    const bool existed = ::lstat(QFile::encodeName(path).constData(), &old) == 0;
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return existed ? writeInPlace(path, bytes) : lastError(EACCES);
    }
    // QSaveFile keeps the mode; root replacing a player's file keeps the player's owner too.
    if (!existed) {
        giveToFolderOwner(file.handle(), path);
    }
    if ((existed && !keepOwner(file.handle(), old)) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        return lastError();
    }
    // The new name itself is on the disk only once its folder is.
    if (const int folder =
            ::open(QFile::encodeName(folderOf(path)).constData(), O_RDONLY | O_CLOEXEC);
        folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

std::optional<FileError> backUp(const QString& path) {
    QFile source;
    const std::optional<struct stat> info = openRegular(source, path);
    if (!info) {
        return lastError();
    }
    const QByteArray bytes = source.readAll();
    const QFileInfoList taken = filesBeside(path, QStringLiteral(".bak"));
    if (std::any_of(taken.begin(), taken.end(), [&bytes](const QFileInfo& backup) {
            return backup.size() == bytes.size() && contentsOf(backup.filePath()) == bytes;
        })) {
        return std::nullopt;
    }
    // Only new names: nothing there, not even a dangling link, is ever written through.
    for (qsizetype n = 0; n <= taken.size() + 100; ++n) {
        const QString name =
            path + QStringLiteral(".bak") + (n == 0 ? QString() : u'.' + QString::number(n));
        QFile copy;
        if (!openFile(copy, name, O_WRONLY | O_CREAT | O_EXCL) && errno == EEXIST) {
            continue;
        }
        if (!copy.isOpen()) {
            return lastError();
        }
        // A full disk may show only when the data is forced out: a backup not on the disk is
        // none.
        const int fd = copy.handle();
        if (writeAt(copy, 0, bytes) && keepOwner(fd, *info) &&
            ::fchmod(fd, info->st_mode & 07777) == 0 && ::fsync(fd) == 0) {
            return std::nullopt;
        }
        const FileError error = lastError();
        ::unlink(QFile::encodeName(name).constData()); // our own partial copy, nothing earlier
        return error;
    }
    return FileError::of(EEXIST);
}

// No name filter: each would be a
// regular expression compiled at every start, and that alone costs a third of a megabyte.
QFileInfoList filesBeside(const QString& path, const QString& mark) {
    const QString prefix = QFileInfo(path).fileName() + mark;
    QFileInfoList found;
    for (const QFileInfo& file : QDir(folderOf(path)).entryInfoList(QDir::Files | QDir::Hidden)) {
        if (file.fileName().startsWith(prefix)) {
            found << file;
        }
    }
    return found;
}

void removeStaleTemporaries(const QString& path) {
    const qsizetype prefix = QFileInfo(path).fileName().size() + 1;
    for (const QFileInfo& leftover : filesBeside(path, QStringLiteral("."))) {
        // QSaveFile's six random letters or digits, after ".new." in earlier versions.
        const QString name = leftover.fileName();
        QStringView random = QStringView(name).sliced(prefix);
        random = random.startsWith(u"new.") ? random.sliced(4) : random;
        if (random.size() == 6 &&
            std::all_of(random.begin(), random.end(),
                        [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); }) &&
            leftover.size() <= mostTemporaryBytes &&
            (leftover.ownerId() == ::geteuid() || ::geteuid() == 0) &&
            readRecordsFile(leftover.filePath()).condition == Condition::Clean) {
            QFile::remove(leftover.filePath());
        }
    }
}

bool openFile(QFile& file, const QString& path, int flags, mode_t mode) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          flags | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, mode);
    const QIODevice::OpenMode openMode =
        (flags & O_ACCMODE) == O_WRONLY ? QIODevice::WriteOnly : QIODevice::ReadOnly;
    if (fd >= 0 && !file.open(fd, openMode | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
    }
    return file.isOpen();
}

void giveToFolderOwner(int fd, const QString& path) {
    // Checked first: the owner of a folder that cannot be looked at reads as uid -2.
    const QFileInfo folder(folderOf(path));
    if (::geteuid() == 0 && folder.exists() && folder.ownerId() != 0) {
        [[maybe_unused]] const int given = ::fchown(fd, folder.ownerId(), folder.groupId());
    }
}

} // namespace torvane::store
