#include "store/records_keeper.h"

#include "store/records_lock.h"
#include "store/records_target.h"
#include "store/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace torvane::store {

namespace {

using Cause = RecordsProblem::Cause;
using Kind = RecordsProblem::Kind;

QString describe(const RecordsProblem& problem) {
    switch (problem.kind) {
    case Kind::NoFolder:
        return problem.path.isEmpty()
                   ? QStringLiteral("no folder to keep the records in: %1").arg(problem.reason)
                   : QStringLiteral("no folder to keep the records in (%1): %2")
                         .arg(problem.path, problem.reason);
    case Kind::NotWritten:
        return QStringLiteral("the records could not be saved to %1: %2")
            .arg(problem.path, problem.reason);
    case Kind::NotBackedUp:
        return QStringLiteral("%1 does not read cleanly and could not be backed up, so it is "
                              "left as it is and nothing is saved over it: %2")
            .arg(problem.path, problem.reason);
    }
    return {};
}

Cause causeOf(int code) {
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return Cause::NoFolder;
    case EISDIR:
        return Cause::NotRegularFile;
    case EACCES:
    case EPERM:
        return Cause::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Cause::NoSpace;
    case EROFS:
        return Cause::ReadOnlyFileSystem;
    default:
        return Cause::Other;
    }
}

std::optional<struct stat> statOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return info;
}

} // namespace

RecordsKeeper::RecordsKeeper(RecordsPaths paths) : paths_(std::move(paths)) {
    if (paths_.write.isEmpty()) {
        report(Kind::NoFolder, {},
               {0, QStringLiteral("neither XDG_DATA_HOME nor HOME names an absolute folder")},
               Cause::NoFolder);
    }
}

// Under the file's lock, so that no save of another copy is seen half-way; a save killed part
// way cannot be running then, and what it left goes.
RecordsLines RecordsKeeper::loadStartUp(const QString& path, bool ownFile) {
    if (path.isEmpty()) {
        return {};
    }
    const RecordsLock lock(path, lockWait_);
    if (ownFile && lock.state() == RecordsLock::State::Held) {
        removeStaleTemporaries(path);
    }
    return loadRecordsFile(path);
}

SavedSettings RecordsKeeper::readLevel() {
    RecordsLines lines;
    if (!paths_.write.isEmpty()) {
        const RecordsTarget own = recordsTarget(paths_.write);
        if (own.path.isEmpty()) {
            report(Kind::NotWritten, paths_.write, {0, own.refusal},
                   own.othersLink ? Cause::PermissionDenied : Cause::Other);
        } else {
            const std::optional<struct stat> info = statOf(own.path);
            firstStart_ = !info || (S_ISREG(info->st_mode) && info->st_size == 0);
            if (info && !S_ISREG(info->st_mode)) {
                report(Kind::NotWritten, own.path, notRegularFile(*info), Cause::NotRegularFile);
            }
            lines = loadStartUp(own.path, true);
        }
    }
    if (paths_.read != paths_.write) {
        lines = loadStartUp(recordsTarget(paths_.read).path, false);
    }
    startUpLines_ = std::move(lines);
    return settingsFrom(readRecordsFrom(*startUpLines_, RecordsPart::Numbers));
}

BestTimes RecordsKeeper::readBestTimes() {
    if (!known_) {
        if (!startUpLines_) {
            startUpLines_ = loadStartUp(recordsTarget(paths_.read).path, false);
        }
        known_ = settingsFrom(readRecordsFrom(*startUpLines_)).bestTimes;
        startUpLines_.reset();
    }
    return *known_;
}

BestTimes RecordsKeeper::save(const SavedSettings& settings) {
    if (paths_.write.isEmpty() || frozen_) {
        return settings.bestTimes;
    }
    const RecordsTarget target = recordsTarget(paths_.write);
    if (target.path.isEmpty()) {
        report(Kind::NotWritten, paths_.write, {0, target.refusal},
               target.othersLink ? Cause::PermissionDenied : Cause::Other);
        return settings.bestTimes;
    }
    if (!statOf(target.path)) {
        const QString folder = QFileInfo(target.path).absolutePath();
        FileError error;
        if (!makeFolder(folder, &error)) {
            report(Kind::NoFolder, folder, error);
            return settings.bestTimes;
        }
    }
    const RecordsLock lock(target.path, lockWait_);
    if (lock.state() == RecordsLock::State::Busy) {
        report(Kind::NotWritten, target.path,
               {0, QStringLiteral("another copy of the game kept the file locked for %1 ms")
                       .arg(lockWait_.count())},
               Cause::Locked);
        return settings.bestTimes;
    }
    return saveLocked(target.path, settings);
}

BestTimes RecordsKeeper::saveLocked(const QString& path, const SavedSettings& settings) {
    SavedSettings merged = settings;
    const std::optional<struct stat> info = statOf(path);
    if (info && !S_ISREG(info->st_mode)) {
        report(Kind::NotWritten, path, notRegularFile(*info), Cause::NotRegularFile);
        return settings.bestTimes;
    }
    // An empty file holds no records: nothing to keep, nothing to back up.
    const bool holdsBytes = info && info->st_size > 0;
    const RecordsRead inFile = holdsBytes ? readRecords(path) : RecordsRead{};
    if (inFile.clean) {
        merged.bestTimes =
            mergeBestTimes(settingsFrom(inFile).bestTimes, settings.bestTimes, known_);
    }
    // Checked before any backup: a file that stays as it is needs none.
    if (info && ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) != 0) {
        report(Kind::NotWritten, path, FileError::of(errno));
        return merged.bestTimes;
    }
    // What the read could not take is still in those bytes; keep them for the player, once.
    const QString backup = path + QStringLiteral(".bak");
    if (holdsBytes && !inFile.clean && !copiedAlready(path, backup)) {
        FileError error;
        if (!copyToNewFile(path, backup, &error)) {
            frozen_ = true;
            report(Kind::NotBackedUp, path, error);
            return merged.bestTimes;
        }
    }
    FileError error;
    if (!writeRecords(path, merged, &error)) {
        report(Kind::NotWritten, path, error);
        return merged.bestTimes;
    }
    known_ = merged.bestTimes;
    startUpLines_.reset();
    return merged.bestTimes;
}

std::optional<RecordsProblem> RecordsKeeper::takeProblem() {
    return std::exchange(problem_, std::nullopt);
}

void RecordsKeeper::report(Kind kind, const QString& path, const FileError& error,
                           std::optional<Cause> cause) {
    if (reported_) {
        return;
    }
    reported_ = true;
    problem_ = RecordsProblem{kind, path, error.reason, cause.value_or(causeOf(error.code))};
    const QString message = QStringLiteral("torvane: ") + describe(*problem_);
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace torvane::store
