#include "store/records_lock.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace torvane::store {

namespace {

// A save takes about a millisecond: QLockFile's own waits, from 100 ms up, would make every
// copy that meets another one's save wait a hundred times longer than needed.
constexpr std::chrono::milliseconds pollInterval(2);

bool before(std::chrono::steady_clock::time_point deadline) {
    return std::chrono::steady_clock::now() < deadline;
}

// A lock file that root leaves behind when killed in a player's folder must be the player's to
// clear away, as every file the game makes there is.
void giveToFolderOwner(const QString& lockPath) {
    if (::geteuid() != 0) {
        return;
    }
    struct stat folder {};
    const QByteArray folderName = QFile::encodeName(QFileInfo(lockPath).absolutePath());
    if (::stat(folderName.constData(), &folder) == 0 && folder.st_uid != 0) {
        [[maybe_unused]] const int given =
            ::lchown(QFile::encodeName(lockPath).constData(), folder.st_uid, folder.st_gid);
    }
}

bool sameFile(int fd, const QString& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

RecordsLock::RecordsLock(const QString& path, std::chrono::milliseconds wait)
    : lockFile_(path + QStringLiteral(".lock")) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Clears a stale lock of a copy that is gone, too.
        if (lockFile_.tryLock(0)) {
            state_ = State::Held;
            giveToFolderOwner(path + QStringLiteral(".lock"));
            return;
        }
        if (lockFile_.error() != QLockFile::LockFailedError) {
            lockTheFileItself(path, deadline); // the folder takes no lock file
            return;
        }
        if (!before(deadline)) {
            state_ = State::Busy;
            return;
        }
        std::this_thread::sleep_for(pollInterval);
    }
}

RecordsLock::~RecordsLock() {
    if (lockedFile_ >= 0) {
        ::close(lockedFile_); // releases the flock
    }
}

// Saves in such a folder write the file in place, so the file stays the same one; a copy that
// could make a lock file there (root) may still have replaced it meanwhile, and then the lock
// is taken again on the file that is there now.
void RecordsLock::lockTheFileItself(const QString& path,
                                    std::chrono::steady_clock::time_point deadline) {
    const QByteArray name = QFile::encodeName(path);
    for (;;) {
        lockedFile_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (lockedFile_ < 0) {
            state_ = State::NotNeeded;
            return;
        }
        while (::flock(lockedFile_, LOCK_EX | LOCK_NB) != 0) {
            const bool taken = errno == EWOULDBLOCK || errno == EINTR;
            if (!taken || !before(deadline)) {
                // A file system without flock: the lock is the best there is.
                state_ = taken ? State::Busy : State::NotNeeded;
                ::close(std::exchange(lockedFile_, -1));
                return;
            }
            std::this_thread::sleep_for(pollInterval);
        }
        if (sameFile(lockedFile_, path)) {
            state_ = State::Held;
            return;
        }
        ::close(std::exchange(lockedFile_, -1));
    }
}

} // namespace torvane::store
