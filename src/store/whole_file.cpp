#include "store/whole_file.h"

#include "store/file_calls.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace torvane::store {

namespace {

// replaceFile's temporaries are the file's name, ".new." and six random letters or digits.
const QString temporaryMark = QStringLiteral("new.");
constexpr qsizetype randomLength = 6;
// Far above any records file the game writes, far below anything else worth keeping.
constexpr off_t mostTemporaryBytes = 4096;
constexpr int mostCopies = 1000;

bool fail(FileError* error, const FileError& reason) {
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

QByteArray nativeName(const QString& path) {
    return QFile::encodeName(path);
}

// Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer; never
// through a symlink.
int openForReading(const QString& path) {
    return ::open(nativeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
}

QByteArray contentsOf(const QString& path) {
    const std::unique_ptr<QFile> file = openRegularFile(path);
    return file ? file->readAll() : QByteArray();
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

// Root making a file in a folder another user owns gives it to that user, so that the
// player's own copy can still rewrite it.
int giveToFolderOwner(int fd, const QString& path) {
    if (::geteuid() != 0) {
        return 0;
    }
    struct stat folder {};
    if (::stat(nativeName(QFileInfo(path).absolutePath()).constData(), &folder) != 0) {
        return errno;
    }
    if (folder.st_uid == 0 || ::fchown(fd, folder.st_uid, folder.st_gid) == 0) {
        return 0;
    }
    return errno;
}

// Every byte of `in` into `out`; 0, or the error that stopped it.
int copyBytes(int in, int out) {
    std::array<char, 64 * 1024> buffer{};
    for (off_t offset = 0;;) {
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
        if (const int code =
                fileCalls::writeAt(out, buffer.data(), static_cast<std::size_t>(got), offset);
            code != 0) {
            return code;
        }
        offset += got;
    }
}

// A new file beside `path` for its next contents, open for writing; -1 with errno set when
// the folder takes none.
int createTemporary(const QString& path, mode_t mode, QByteArray* name) {
    static constexpr char symbols[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray random(randomLength, '\0');
        for (char& symbol : random) {
            symbol =
                symbols[QRandomGenerator::global()->bounded(static_cast<int>(sizeof symbols) - 1)];
        }
        *name = nativeName(path + u'.' + temporaryMark) + random;
        const int fd = fileCalls::createNew(name->constData(), mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The folder takes no new file, so the file itself takes the new bytes. It grows first, so a
// full disk stops the save before an old byte is touched; then the new bytes go over the old
// ones, and only then is the file cut to its new length. A records file fits in one page,
// which the kernel puts in place whole, so a kill leaves either the old ten lines or the new
// ones at the start of the file.
bool writeInPlace(const QByteArray& name, const QByteArray& bytes, FileError* error) {
    const int fd = ::open(name.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return fail(error, FileError::of(errno));
    }
    struct stat info {};
    int code = ::fstat(fd, &info) == 0 ? 0 : errno;
    const off_t oldSize = info.st_size;
    const off_t newSize = bytes.size();
    if (code == 0 && newSize > oldSize) {
        code = fileCalls::writeAt(fd, bytes.constData() + oldSize,
                                  static_cast<std::size_t>(newSize - oldSize), oldSize);
        if (code != 0) {
            fileCalls::truncate(fd, oldSize); // the old bytes alone again
        }
    }
    if (code == 0) {
        code = fileCalls::writeAt(fd, bytes.constData(),
                                  static_cast<std::size_t>(std::min(oldSize, newSize)), 0);
    }
    if (code == 0 && newSize < oldSize) {
        code = fileCalls::truncate(fd, newSize);
    }
    if (code == 0) {
        code = fileCalls::sync(fd);
    }
    ::close(fd);
    return code == 0 || fail(error, FileError::of(code));
}

QString copyName(const QString& firstName, int n) {
    return n == 0 ? firstName : firstName + u'.' + QString::number(n);
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// What follows "result.sav." in the name of a temporary that a save left.
bool isTemporarySuffix(QStringView suffix) {
    if (suffix.startsWith(temporaryMark)) {
        const QStringView random = suffix.sliced(temporaryMark.size());
        return random.size() == randomLength &&
               std::all_of(random.begin(), random.end(),
                           [](QChar c) { return isAsciiLetter(c) || (c >= u'0' && c <= u'9'); });
    }
    // QSaveFile's random letters nearly always mix the cases past the first letter; a name a
    // person gave ("backup", "Backup", "BACKUP") does not.
    return suffix.size() == randomLength &&
           std::all_of(suffix.begin(), suffix.end(), isAsciiLetter) &&
           std::any_of(suffix.begin() + 1, suffix.end(), [](QChar c) { return c.isUpper(); }) &&
           std::any_of(suffix.begin(), suffix.end(), [](QChar c) { return c.isLower(); });
}

} // namespace

FileError FileError::of(int code) {
    return {code, QString::fromStdString(std::generic_category().message(code))};
}

FileError notRegularFile(const struct stat& info) {
    switch (info.st_mode & S_IFMT) {
    case S_IFDIR:
        return {EISDIR, QStringLiteral("a folder stands there, not a regular file")};
    case S_IFIFO:
        return {0, QStringLiteral("a FIFO stands there, not a regular file")};
    case S_IFLNK:
        return {0, QStringLiteral("a symbolic link stands there, not a regular file")};
    case S_IFSOCK:
        return {0, QStringLiteral("a socket stands there, not a regular file")};
    default:
        return {0, QStringLiteral("a device stands there, not a regular file")};
    }
}

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

bool replaceFile(const QString& path, const QByteArray& bytes, FileError* error) {
    const QByteArray name = nativeName(path);
    struct stat old {};
    const bool existed = ::lstat(name.constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
        return fail(error, notRegularFile(old));
    }
    QByteArray temporary;
    // Until it has the old file's owner and mode, nobody else may read it.
    const int fd = createTemporary(path, existed ? 0600 : 0666, &temporary);
    if (fd < 0) {
        return existed ? writeInPlace(name, bytes, error) : fail(error, FileError::of(errno));
    }
    int code = fileCalls::writeAt(fd, bytes.constData(), static_cast<std::size_t>(bytes.size()), 0);
    if (code == 0) {
        code = existed ? takeOwnerAndMode(fd, old) : giveToFolderOwner(fd, path);
    }
    if (code == 0) {
        code = fileCalls::sync(fd);
    }
    if (::close(fd) != 0 && code == 0) {
        code = errno;
    }
    if (code == 0) {
        code = fileCalls::rename(temporary.constData(), name.constData());
    }
    if (code != 0) {
        ::unlink(temporary.constData());
        return fail(error, FileError::of(code));
    }
    return true;
}

void removeStaleTemporaries(const QString& path) {
    const QFileInfo file(path);
    const QString prefix = file.fileName() + u'.';
    const QDir folder = file.absoluteDir();
    const QStringList names =
        folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QByteArray native = nativeName(folder.filePath(name));
        struct stat info {};
        if (isTemporarySuffix(QStringView(name).sliced(prefix.size())) &&
            ::lstat(native.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_size <= mostTemporaryBytes &&
            (info.st_uid == ::geteuid() || ::geteuid() == 0)) {
            ::unlink(native.constData());
        }
    }
}

std::optional<QString> copyToNewFile(const QString& source, const QString& firstName,
                                     FileError* error) {
    const int in = openForReading(source);
    if (in < 0) {
        fail(error, FileError::of(errno));
        return std::nullopt;
    }
    const auto giveUp = [in, error](const FileError& reason) {
        ::close(in);
        fail(error, reason);
        return std::nullopt;
    };
    struct stat info {};
    if (::fstat(in, &info) != 0) {
        return giveUp(FileError::of(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return giveUp(notRegularFile(info));
    }
    // Only new files: a name that is taken, even by a dangling symlink, is never written through.
    QString name;
    int out = -1;
    for (int n = 0; out < 0 && n < mostCopies; ++n) {
        name = copyName(firstName, n);
        out = fileCalls::createNew(nativeName(name).constData(), 0600);
        if (out < 0 && errno != EEXIST) {
            break;
        }
    }
    if (out < 0) {
        return giveUp(FileError::of(errno));
    }
    int code = copyBytes(in, out);
    ::close(in);
    if (code == 0) {
        code = takeOwnerAndMode(out, info);
    }
    // A full disk may show only when the data is forced out; a backup that may not be on the
    // disk is no backup.
    if (code == 0) {
        code = fileCalls::sync(out);
    }
    if (::close(out) != 0 && code == 0) {
        code = errno;
    }
    if (code != 0) {
        ::unlink(nativeName(name).constData()); // our own partial copy, nothing earlier
        fail(error, FileError::of(code));
        return std::nullopt;
    }
    return name;
}

bool copiedAlready(const QString& source, const QString& firstName) {
    struct stat info {};
    if (::stat(nativeName(source).constData(), &info) != 0) {
        return false;
    }
    std::optional<QByteArray> bytes; // read once a copy of the same size turns up
    for (int n = 0; n < mostCopies; ++n) {
        const QString name = copyName(firstName, n);
        struct stat copy {};
        if (::lstat(nativeName(name).constData(), &copy) != 0 || !S_ISREG(copy.st_mode) ||
            copy.st_size != info.st_size) {
            continue;
        }
        if (!bytes) {
            bytes = contentsOf(source);
        }
        if (contentsOf(name) == *bytes) {
            return true;
        }
    }
    return false;
}

bool makeFolder(const QString& path, FileError* error) {
    std::error_code code;
    std::filesystem::create_directories(nativeName(path).toStdString(), code);
    if (code) {
        return fail(error, FileError::of(code.value()));
    }
    return true;
}

} // namespace torvane::store
