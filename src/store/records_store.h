#pragma once

#include "game/game.h"
#include "store/records_file.h"
#include "store/records_location.h"

#include <QFileInfoList>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

namespace torvane::store {

// The records file during a session: the one owner of the best times and of their file. Each
// operation leaves the file holding what the player did, read again just before, under a lock,
// and merged level by level with what another copy wrote meanwhile, and returns the table as
// the file now holds it. A problem is told once a session, on standard error and in the
// result; what could not be saved stays here and goes with the next save that can.
class RecordsStore {
  public:
    static constexpr std::chrono::milliseconds lockWait{5000};
    // The close must not wait long for another copy: it leaves its table for the next start.
    static constexpr std::chrono::milliseconds closingLockWait{500};

    struct Saved {
        BestTimes bestTimes;
        std::optional<RecordsProblem> problem;
        bool recordTaken = false;
    };

    // Tests wait less for another copy's lock.
    explicit RecordsStore(RecordsPaths paths, std::chrono::milliseconds wait = lockWait);

    // The last level and its field size, without decoding any name: the first frame needs no
    // more. Clears away what a save cut off by a kill left beside the file.
    PlayedField readAtStartUp();
    // The file must be written at once: it held no records (missing or empty) or closes of
    // other copies left tables for this start.
    bool saveDue() const { return saveDue_; }
    // The problem the start-up read found, once.
    std::optional<RecordsProblem> takeProblem() { return std::exchange(untold_, std::nullopt); }

    // The best times, read on first use.
    const BestTimes& bestTimes() { return loadTable(false); }

    // A level chosen or a custom size played.
    Saved keepField(const PlayedField& field) { return save(field, {}); }
    // A won game takes its level's row when strictly faster, under `holder` for now.
    Saved recordWin(const PlayedField& field, const game::Win& win, const QString& holder);
    // The name for the record `win` set, unless a better one has replaced it meanwhile.
    Saved nameHolder(const PlayedField& field, const game::Win& win, const QString& name);
    // The last save: it waits less, and what it cannot save goes where the next start finds it.
    Saved close(const PlayedField& field) { return save(field, {}, true); }

  private:
    // Changes the table as it stands after the merge; true when a record was taken.
    using Change = std::function<bool(BestTimes&)>;

    Saved save(const PlayedField& field, const Change& change, bool closing = false);
    // Where saves go, the folder made when `makeFolder`; none after telling why.
    std::optional<QString> savePath(bool makeFolder);
    // The table written under the lock, over a file found in `condition`.
    void write(const QString& path, const PlayedField& field, Condition condition);
    std::chrono::milliseconds closingWait() const { return std::min(wait_, closingLockWait); }
    // This copy's table, read with the tables left for this start on first use; under the lock
    // unless the caller has tried for it already.
    BestTimes& loadTable(bool lockTried);
    // This copy's table left where the next start finds it; false when it could not be.
    bool leftForNextStart(const QString& path, const PlayedField& field);
    void report(const RecordsProblem& problem);

    RecordsPaths paths_;
    std::chrono::milliseconds wait_;
    QString startUpPath_;            // what the start-up read
    std::optional<BestTimes> ours_;  // this copy's table, records not yet saved included
    std::optional<BestTimes> known_; // the table as this copy last read or wrote it in the file
    QFileInfoList leftTables_;       // merged, removed once saved
    bool saveDue_ = false;
    bool frozen_ = false; // a damaged file that could not be backed up is left alone
    bool told_ = false;
    std::optional<RecordsProblem> untold_;
};

} // namespace torvane::store
