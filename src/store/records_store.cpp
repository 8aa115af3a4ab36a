#include "store/records_store.h"

#include "game/record_rule.h"
#include "platform/text_number.h"
#include "store/records_lock.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace torvane::store {

namespace {

using Kind = RecordsProblem::Kind;

bool readsClean(Condition condition) {
    return condition == Condition::Clean || condition == Condition::CleanTail;
}

} // namespace

RecordsStore::RecordsStore(RecordsPaths paths, std::chrono::milliseconds wait)
    : paths_(std::move(paths)), wait_(wait) {}

PlayedField RecordsStore::readAtStartUp() {
    if (paths_.write.isEmpty()) {
        report(Kind::NoFolder, {},
               {ENOENT, QStringLiteral("neither XDG_DATA_HOME nor HOME names an absolute folder")});
    }
    startUpPath_ = resolveTarget(paths_.read).path;
    const RecordsTarget own = resolveTarget(paths_.write);
    FileError error;
    if (own.refusal) {
        report(Kind::NotWritten, paths_.write, *own.refusal);
    } else if (!own.path.isEmpty()) {
        const Standing standing = standingAt(own.path, &error);
        if (standing == Standing::Other) {
            report(Kind::NotRegularFile, own.path, error);
        }
        saveDue_ = standing == Standing::Nothing || QFileInfo(own.path).size() == 0;
        // No save of another copy runs while the lock is held: what a killed one left can go.
        const RecordsLock lock(own.path, closingWait());
        if (lock.state() != RecordsLock::State::Busy) {
            removeStaleTemporaries(own.path);
            leftTables_ = leftForNextStart(own.path);
        }
    }
    if (!leftTables_.isEmpty()) {
        saveDue_ = true;
        loadTable();
    }
    return readRecordsFile(startUpPath_, Reach::FieldOnly).contents.field;
}

const BestTimes& RecordsStore::bestTimes() {
    loadTable();
    return *ours_;
}

void RecordsStore::loadTable() {
    if (ours_) {
        return;
    }
    const ParsedRecords read = readRecordsFile(startUpPath_);
    known_ = read.contents.bestTimes;
    ours_ = known_;
    for (const QString& left : leftTables_) {
        const ParsedRecords table = readRecordsFile(left);
        if (readsClean(table.condition)) {
            ours_ = mergeBestTimes(*ours_, table.contents.bestTimes, std::nullopt);
        }
    }
}

RecordsStore::Saved RecordsStore::keepField(const PlayedField& field) {
    return save(field, [](BestTimes&) { return false; });
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

RecordsStore::Saved RecordsStore::close(const PlayedField& field) {
    return save(
        field, [](BestTimes&) { return false; }, true);
}

RecordsStore::Saved RecordsStore::keep(const std::function<bool(BestTimes&)>& change) {
    return outcome(change(*ours_));
}

RecordsStore::Saved RecordsStore::outcome(bool recordTaken) {
    return {*ours_, std::exchange(untold_, std::nullopt), recordTaken};
}

RecordsStore::Saved RecordsStore::save(const PlayedField& field,
                                       const std::function<bool(BestTimes&)>& change,
                                       bool closing) {
    loadTable();
    if (paths_.write.isEmpty() || frozen_) {
        return keep(change);
    }
    const RecordsTarget target = resolveTarget(paths_.write);
    FileError error;
    if (target.refusal) {
        report(Kind::NotWritten, paths_.write, *target.refusal);
        return keep(change);
    }
    const Standing standing = standingAt(target.path, &error);
    if (standing == Standing::Other) {
        report(Kind::NotRegularFile, target.path, error);
        return keep(change);
    }
    const QString folder = QFileInfo(target.path).absolutePath();
    std::error_code made;
    if (standing == Standing::Nothing) {
        std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), made);
    }
    if (made) {
        report(Kind::NoFolder, folder, FileError::of(made.value()));
        return keep(change);
    }
    const std::chrono::milliseconds wait = closing ? closingWait() : wait_;
    const RecordsLock lock(target.path, wait);
    if (lock.state() != RecordsLock::State::Busy) {
        return saveLocked(target.path, field, change);
    }
    Saved kept = keep(change);
    // Nothing is lost when the next start finds the table.
    if (closing && !leaveForNextStart(target.path, recordsBytes({field, *ours_}))) {
        return kept;
    }
    report(Kind::Locked, target.path,
           {EWOULDBLOCK, QStringLiteral("another copy of the game kept the file locked for %1 ms")
                             .arg(wait.count())});
    kept.problem = std::exchange(untold_, std::nullopt);
    return kept;
}

RecordsStore::Saved RecordsStore::saveLocked(const QString& path, const PlayedField& field,
                                             const std::function<bool(BestTimes&)>& change) {
    const ParsedRecords inFile = readRecordsFile(path);
    BestTimes merged = readsClean(inFile.condition)
                           ? mergeBestTimes(inFile.contents.bestTimes, *ours_, known_)
                           : *ours_;
    const bool taken = change(merged);
    ours_ = merged;
    const QByteArray name = QFile::encodeName(path);
    // A file that stays as it is loses nothing, and needs no backup.
    if (inFile.condition != Condition::Empty &&
        ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0) {
        report(Kind::NotWritten, path, FileError::of(errno));
        return outcome(taken);
    }
    // Only what lies within the ten lines must be kept: no version of the game reads past them.
    if (inFile.condition == Condition::Damaged || inFile.condition == Condition::CleanTail) {
        const std::optional<FileError> notCopied = backUp(path);
        if (notCopied && inFile.condition == Condition::Damaged) {
            frozen_ = true;
            report(Kind::NotBackedUp, path, *notCopied);
            return outcome(taken);
        }
    }
    if (const std::optional<FileError> notWritten =
            writeRecordsFile(path, recordsBytes({field, merged}))) {
        report(Kind::NotWritten, path, *notWritten);
        return outcome(taken);
    }
    known_ = merged;
    for (const QString& left : std::exchange(leftTables_, {})) {
        QFile::remove(left);
    }
    return outcome(taken);
}

void RecordsStore::report(Kind kind, const QString& path, const FileError& error) {
    if (std::exchange(told_, true)) {
        return;
    }
    untold_ = RecordsProblem{kind, path, error};
    std::fprintf(stderr, "torvane: %s: %s\n",
                 qPrintable(path.isEmpty() ? QStringLiteral("records") : path),
                 qPrintable(error.reason));
    std::fflush(stderr);
}

} // namespace torvane::store
