#include "store/records_keeper.h"

#include "store/whole_file.h"

#include <QFileInfo>
#include <cstdio>
#include <utility>

namespace torvane::store {

namespace {

QString describe(const RecordsProblem& problem) {
    switch (problem.kind) {
    case RecordsProblem::Kind::NoFolder:
        return problem.path.isEmpty()
                   ? QStringLiteral("no folder to keep the records in: %1").arg(problem.reason)
                   : QStringLiteral("no folder to keep the records in (%1): %2")
                         .arg(problem.path, problem.reason);
    case RecordsProblem::Kind::NotWritten:
        return QStringLiteral("the records could not be saved to %1: %2")
            .arg(problem.path, problem.reason);
    case RecordsProblem::Kind::NotBackedUp:
        return QStringLiteral("%1 does not read cleanly and could not be backed up, so it is "
                              "left as it is and nothing is saved over it: %2")
            .arg(problem.path, problem.reason);
    }
    return {};
}

} // namespace

RecordsKeeper::RecordsKeeper(RecordsPaths paths) : paths_(std::move(paths)) {
    if (paths_.write.isEmpty()) {
        report(RecordsProblem::Kind::NoFolder, {},
               QStringLiteral("neither XDG_DATA_HOME nor HOME names an absolute folder"));
    }
}

SavedSettings RecordsKeeper::readLevel() {
    startUpLines_ = loadRecordsFile(paths_.read);
    return settingsFrom(readRecordsFrom(*startUpLines_, RecordsPart::Numbers));
}

BestTimes RecordsKeeper::readBestTimes() {
    if (!known_) {
        known_ = settingsFrom(
                     readRecordsFrom(startUpLines_ ? *startUpLines_ : loadRecordsFile(paths_.read)))
                     .bestTimes;
        startUpLines_.reset();
    }
    return *known_;
}

BestTimes RecordsKeeper::save(const SavedSettings& settings) {
    if (paths_.write.isEmpty() || frozen_) {
        return settings.bestTimes;
    }
    SavedSettings merged = settings;
    // Follows symlinks: a dangling one is written through, as a missing file is.
    const QFileInfo file(paths_.write);
    if (file.exists()) {
        const RecordsRead inFile = readRecords(paths_.write);
        if (inFile.clean) {
            merged.bestTimes =
                mergeBestTimes(settingsFrom(inFile).bestTimes, settings.bestTimes, known_);
        } else if (!file.isFile() || file.size() > 0) {
            // What the read could not take is still in those bytes; keep them for the player.
            FileError error;
            if (!copyToNewFile(paths_.write, paths_.write + QStringLiteral(".bak"), &error)) {
                frozen_ = true;
                report(RecordsProblem::Kind::NotBackedUp, paths_.write, error.reason);
                return settings.bestTimes;
            }
        }
    } else {
        const QString folder = file.absolutePath();
        FileError error;
        if (!makeFolder(folder, &error)) {
            report(RecordsProblem::Kind::NoFolder, folder, error.reason);
            return settings.bestTimes;
        }
    }
    FileError error;
    if (!writeRecords(paths_.write, merged, &error)) {
        report(RecordsProblem::Kind::NotWritten, paths_.write, error.reason);
        return merged.bestTimes;
    }
    known_ = merged.bestTimes;
    startUpLines_.reset();
    return merged.bestTimes;
}

std::optional<RecordsProblem> RecordsKeeper::takeProblem() {
    return std::exchange(problem_, std::nullopt);
}

void RecordsKeeper::report(RecordsProblem::Kind kind, const QString& path, const QString& reason) {
    if (reported_) {
        return;
    }
    reported_ = true;
    problem_ = RecordsProblem{kind, path, reason};
    const QString message = QStringLiteral("torvane: ") + describe(*problem_);
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace torvane::store
