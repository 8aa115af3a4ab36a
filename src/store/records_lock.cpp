#include "store/records_lock.h"

#include "store/records_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

namespace torvane::store {

namespace {

using Clock = std::chrono::steady_clock;

// A save takes about a millisecond: a copy that meets another one's save retries often.
constexpr std::chrono::milliseconds pollInterval(2);

// Made once, by whichever copy comes first, for every copy to open whoever made it and whatever
// the umask, and never removed.
void openLockFile(QFile& file, const QString& recordsPath) {
    const QString name = recordsPath + QStringLiteral(".lock");
    if (openFile(file, name, O_RDONLY | O_CREAT | O_EXCL, 0644)) {
        giveToFolderOwner(file.handle(), recordsPath);
        ::fchmod(file.handle(), 0644);
    } else if (errno == EEXIST) {
        openFile(file, name, O_RDONLY);
    }
}

// True once held, or when there is nothing to hold; false when the deadline passed first. A
// file system without flock gives no lock at all, and then the lock is the best there is.
bool lockBefore(const QFile& file, Clock::time_point deadline) {
    while (file.isOpen() && ::flock(file.handle(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(pollInterval);
    }
    return true;
}

bool sameFile(const QFile& file, const QString& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(file.handle(), &held) == 0 &&
           ::lstat(QFile::encodeName(path).constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

RecordsLock::RecordsLock(const QString& recordsPath, std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    do {
        lockFile_.close();
        recordsFile_.close();
        openLockFile(lockFile_, recordsPath);
        // The records file too: a copy that can open no lock file locks the file itself.
        if (!openFile(recordsFile_, recordsPath, O_RDONLY) && !lockFile_.isOpen()) {
            return; // Absent
        }
        if (!lockBefore(lockFile_, deadline) || !lockBefore(recordsFile_, deadline)) {
            state_ = State::Busy;
            return;
        }
        // Without the lock file, the file locked must still be the one at the path: another
        // copy may have replaced it while this one waited.
    } while (!lockFile_.isOpen() && !sameFile(recordsFile_, recordsPath));
    state_ = State::Held;
}

} // namespace torvane::store
