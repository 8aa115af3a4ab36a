#include "store/records_lock.h"

#include "store/records_file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace torvane::store {

namespace {

using Clock = std::chrono::steady_clock;

// A save takes about a millisecond: a copy that meets another one's save retries often.
constexpr std::chrono::milliseconds pollInterval(2);

int openForLocking(const QByteArray& name, int flags = 0) {
    return ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | flags, 0644);
}

// Made once, for every copy to open whoever made it and whatever the umask, and never removed.
int openLockFile(const QByteArray& name, const QString& recordsPath) {
    int fd = openForLocking(name);
    if (fd < 0 && errno == ENOENT && (fd = openForLocking(name, O_CREAT | O_EXCL)) >= 0) {
        giveToFolderOwner(fd, recordsPath);
        ::fchmod(fd, 0644);
    }
    return fd < 0 && errno == EEXIST ? openForLocking(name) : fd;
}

// True once held, or when there is nothing to hold; false when the deadline passed first. A
// file system without flock gives no lock at all, and then the lock is the best there is.
bool lockBefore(int fd, Clock::time_point deadline) {
    while (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
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

bool sameFile(int fd, const QByteArray& name) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(name.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

RecordsLock::RecordsLock(const QString& recordsPath, std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    const QByteArray lockName = QFile::encodeName(recordsPath + QStringLiteral(".lock"));
    const QByteArray recordsName = QFile::encodeName(recordsPath);
    do {
        release();
        lockFile_ = openLockFile(lockName, recordsPath);
        // The records file too: a copy that can open no lock file locks the file itself.
        recordsFile_ = openForLocking(recordsName);
        if (lockFile_ < 0 && recordsFile_ < 0) {
            state_ = State::Absent;
            return;
        }
        if (!lockBefore(lockFile_, deadline) || !lockBefore(recordsFile_, deadline)) {
            state_ = State::Busy;
            return;
        }
        // Without the lock file, the file locked must still be the one at the path: another
        // copy may have replaced it while this one waited.
    } while (lockFile_ < 0 && !sameFile(recordsFile_, recordsName));
    state_ = State::Held;
}

RecordsLock::~RecordsLock() {
    release();
}

void RecordsLock::release() {
    for (int* fd : {&recordsFile_, &lockFile_}) {
        if (*fd >= 0) {
            ::close(std::exchange(*fd, -1)); // lets go of the flock
        }
    }
}

} // namespace torvane::store
