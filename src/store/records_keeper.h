#pragma once

#include "store/records_file.h"
#include "store/records_location.h"

#include <QString>
#include <chrono>
#include <optional>

namespace torvane::store {

// Why the records could not be kept, and where.
struct RecordsProblem {
    enum class Kind {
        NoFolder,    // no per-user folder, or one that cannot be made
        NotWritten,  // the file could not be written
        NotBackedUp, // a damaged file could not be copied aside, so it is left as it is
    };
    // What stood in the way, among the few causes the player is told in their own language.
    enum class Cause {
        Other,
        NoFolder,           // a folder on the way is missing
        NotRegularFile,     // a folder, a FIFO or a device stands at the path
        PermissionDenied,   // the file or its folder may not be read or written
        NoSpace,            // the disk or the player's quota is full
        ReadOnlyFileSystem, // mounted read-only
        Locked,             // another copy held the lock for too long
    };
    Kind kind;
    QString path;
    QString reason; // in the words of the system, for standard error and a bug report
    Cause cause = Cause::Other;
};

// The one owner of the records file during a session. Every save reads the file again just
// before writing and keeps the better record of each level, so copies running at once all
// keep theirs; one copy at a time does so, under a lock held from the read to the write, and
// over the start-up read too. A file that does not read cleanly is first copied to a new backup
// and is never rewritten when that fails; a file that cannot be rewritten is not copied at all.
// Saves are meant for every change: a level chosen, a custom size played, a record set or
// named, and the close.
class RecordsKeeper {
  public:
    explicit RecordsKeeper(RecordsPaths paths);

    // The last level and its field size, read at start-up without decoding any name; the table
    // in the result is the first start's. The lines read stay here for readBestTimes(). Also
    // clears away what saves killed part way left beside the file, and tells what stands at the
    // path when it can never be saved to.
    SavedSettings readLevel();

    // The best times: from the start-up read (decoded now, on first use), or as the last save
    // left them in the file.
    BestTimes readBestTimes();

    // The file saves go to held no records at start-up (missing or empty), so nothing ends
    // the process safely before it is first written: the first start's write is due at once.
    bool firstStart() const { return firstStart_; }

    // Writes the settings, merged with the file as it is now: the level and size are these,
    // each level's record the better one. Returns the table the file holds afterwards, or
    // would, when the write failed after the file was read; when it could not even be read
    // (another copy kept it locked, say) this copy's own table, to be saved next time.
    BestTimes save(const SavedSettings& settings);

    // The first problem of the session, once; it has been printed to standard error already.
    std::optional<RecordsProblem> takeProblem();

    const RecordsPaths& paths() const { return paths_; }

    // How long a save waits for another copy's to end; tests wait less.
    void setLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }

  private:
    RecordsLines loadStartUp(const QString& path, bool ownFile);
    BestTimes saveLocked(const QString& path, const SavedSettings& settings);
    void report(RecordsProblem::Kind kind, const QString& path, const FileError& error,
                std::optional<RecordsProblem::Cause> cause = std::nullopt);

    RecordsPaths paths_;
    std::chrono::milliseconds lockWait_{5000};
    std::optional<RecordsLines> startUpLines_;
    // The table as this copy last read it from the file or wrote it there.
    std::optional<BestTimes> known_;
    bool firstStart_ = false;
    // A damaged file could not be backed up: it is not rewritten for the rest of the session.
    bool frozen_ = false;
    bool reported_ = false;
    std::optional<RecordsProblem> problem_;
};

} // namespace torvane::store
