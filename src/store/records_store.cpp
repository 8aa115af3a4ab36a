#include "store/records_store.h"

#include "game/record_rule.h"
#include "platform/text_number.h"
#include "store/records_lock.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace torvane::store {

namespace {

using Kind = RecordsProblem::Kind;

// Beside the records, the tables of closes that could not have the lock.
const QString pendingMark = QStringLiteral(".pending.");

bool readsClean(Condition condition) {
    return condition == Condition::Clean || condition == Condition::CleanTail;
}

} // namespace

RecordsStore::RecordsStore(RecordsPaths paths, std::chrono::milliseconds wait)
    : paths_(std::move(paths)), wait_(wait) {}

PlayedField RecordsStore::readAtStartUp() {
    startUpPath_ = resolveTarget(paths_.read).path;
    const std::optional<QString> path = savePath(false);
    std::optional<RecordsLock> lock;
    if (path) {
        lock.emplace(*path, closingWait());
        saveDue_ = QFileInfo(*path).size() == 0;
    }
    // No save of another copy runs while the lock is held: what a killed one left can go.
    if (lock && lock->state() != RecordsLock::State::Busy) {
        removeStaleTemporaries(*path);
        leftTables_ = filesBeside(*path, pendingMark);
        saveDue_ = saveDue_ || !leftTables_.isEmpty();
    }
    return readRecordsFile(startUpPath_, Reach::FieldOnly).contents.field;
}

BestTimes& RecordsStore::loadTable(bool lockTried) {
    if (!ours_) {
        // Under the lock, so that another copy's save in place is never read half done.
        std::optional<RecordsLock> lock;
        if (const std::optional<QString> path = lockTried ? std::nullopt : savePath(false)) {
            lock.emplace(*path, closingWait());
        }
        known_ = readRecordsFile(startUpPath_).contents.bestTimes;
        ours_ = known_;
        for (const QFileInfo& left : leftTables_) {
            const ParsedRecords table = readRecordsFile(left.filePath());
            if (readsClean(table.condition)) {
                ours_ = mergeBestTimes(*ours_, table.contents.bestTimes, std::nullopt);
            }
        }
    }
    return *ours_;
}

RecordsStore::Saved RecordsStore::recordWin(const PlayedField& field, const game::Win& win,
                                            const QString& holder) {
    return save(field, [&](BestTimes& table) {
        if (!game::keepsRecords(win.level) ||
            !game::isNewRecord(win.seconds, platform::numericValue(table.time(win.level)))) {
            return false;
        }
        table.setRecord(win.level, {platform::decimalText(win.seconds), holder});
        return true;
    });
}

RecordsStore::Saved RecordsStore::nameHolder(const PlayedField& field, const game::Win& win,
                                             const QString& name) {
    return save(field, [&](BestTimes& table) {
        if (!game::keepsRecords(win.level) ||
            table.time(win.level) != platform::decimalText(win.seconds)) {
            return false;
        }
        table.setRecord(win.level, {table.time(win.level), name});
        return true;
    });
}

RecordsStore::Saved RecordsStore::save(const PlayedField& field, const Change& change,
                                       bool closing) {
    const std::optional<QString> path = frozen_ ? std::nullopt : savePath(true);
    const std::chrono::milliseconds wait = closing ? closingWait() : wait_;
    std::optional<RecordsLock> lock;
    if (path) {
        lock.emplace(*path, wait);
    }
    loadTable(true);
    const bool held = lock && lock->state() != RecordsLock::State::Busy;
    const ParsedRecords inFile = held ? readRecordsFile(*path) : ParsedRecords{};
    if (readsClean(inFile.condition)) {
        ours_ = mergeBestTimes(inFile.contents.bestTimes, *ours_, known_);
    }
    const bool taken = change && change(*ours_);
    if (held) {
        write(*path, field, inFile.condition);
    } else if (lock && !(closing && leftForNextStart(*path, field))) {
        // A close that left its table for the next start has lost nothing.
        const QString reason =
            QStringLiteral("another copy of the game kept the file locked for %1 ms");
        report({Kind::Locked, *path, {EWOULDBLOCK, reason.arg(wait.count())}});
    }
    return {*ours_, std::exchange(untold_, std::nullopt), taken};
}

std::optional<QString> RecordsStore::savePath(bool makeFolder) {
    if (paths_.write.isEmpty()) {
        const QString reason =
            QStringLiteral("neither XDG_DATA_HOME nor HOME names an absolute folder");
        report({Kind::NoFolder, {}, {ENOENT, reason}});
        return std::nullopt;
    }
    const RecordsTarget target = resolveTarget(paths_.write);
    if (target.problem) {
        report(*target.problem);
        return std::nullopt;
    }
    const QString folder = QFileInfo(target.path).absolutePath();
    std::error_code made;
    if (makeFolder) {
        std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), made);
    }
    if (made) {
        report({Kind::NoFolder, folder, FileError::of(made.value())});
        return std::nullopt;
    }
    return target.path;
}

void RecordsStore::write(const QString& path, const PlayedField& field, Condition condition) {
    // A file that stays as it is loses nothing, and needs no backup.
    if (condition != Condition::Empty &&
        ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) != 0) {
        return report({Kind::NotWritten, path, FileError::of(errno)});
    }
    // Only what lies within the ten lines must be kept: no version of the game reads past them.
    const std::optional<FileError> notCopied =
        condition == Condition::Damaged || condition == Condition::CleanTail ? backUp(path)
                                                                             : std::nullopt;
    if (notCopied && condition == Condition::Damaged) {
        frozen_ = true;
        return report({Kind::NotBackedUp, path, *notCopied});
    }
    if (const std::optional<FileError> notWritten =
            writeRecordsFile(path, recordsBytes({field, *ours_}))) {
        return report({Kind::NotWritten, path, *notWritten});
    }
    known_ = ours_;
    for (const QFileInfo& left : std::exchange(leftTables_, {})) {
        QFile::remove(left.filePath());
    }
}

bool RecordsStore::leftForNextStart(const QString& path, const PlayedField& field) {
    // A name of this copy's own: no other close's table is ever replaced.
    const QString name = QString::number(QRandomGenerator::system()->generate64(), 36);
    return !writeRecordsFile(path + pendingMark + name, recordsBytes({field, *ours_}));
}

void RecordsStore::report(const RecordsProblem& problem) {
    if (std::exchange(told_, true)) {
        return;
    }
    untold_ = problem;
    std::fprintf(stderr, "torvane: %s: %s\n",
                 qPrintable(problem.path.isEmpty() ? QStringLiteral("records") : problem.path),
                 qPrintable(problem.error.reason));
}

} // namespace torvane::store
