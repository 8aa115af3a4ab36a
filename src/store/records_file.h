#pragma once

#include "store/records_format.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfoList>
#include <QString>
#include <optional>
#include <sys/types.h>

namespace torvane::store {

// Why a file could not be read or written: the system's error number, when it gave one, and
// its words.
struct FileError {
    int code = 0;
    QString reason;
    static FileError of(int code);
};

// What kept the records from the file, and where.
struct RecordsProblem {
    enum class Kind {
        NoFolder,       // no per-user folder, or one that cannot be made
        NotWritten,     // the file could not be written
        NotBackedUp,    // a damaged file could not be copied aside, so it is left as it is
        NotRegularFile, // a folder, a FIFO or a device stands at the path
        Locked,         // another copy held the lock for the whole wait
    };
    Kind kind;
    QString path;
    FileError error;
};

// Where a read and a save go: the records path itself, or where its links lead when each
// belongs to this user or to root, and a dangling one only to a file in the records folder.
struct RecordsTarget {
    QString path; // empty when there is nowhere to go
    std::optional<RecordsProblem> problem;
};
RecordsTarget resolveTarget(const QString& path);

// The file read and parsed; an empty read for anything but a readable regular file, which is
// never opened in a way that could block or lead elsewhere.
ParsedRecords readRecordsFile(const QString& path, Reach reach = Reach::Everything);

// The file replaced whole, through a new file that takes its name once synced, keeping the old
// one's owner and mode; in a folder that takes no new file, the old file written in place so
// that a kill at any moment leaves the old lines, the new ones, or the new ones with a tail.
std::optional<FileError> writeRecordsFile(const QString& path, const QByteArray& bytes);

// A byte-for-byte copy of the file at `path.bak`, or the first free `path.bak.N`, never over
// anything, with the owner and mode of the file; none when a backup already holds these bytes.
std::optional<FileError> backUp(const QString& path);

// The files beside the records named after them and `mark`.
QFileInfoList filesBeside(const QString& path, const QString& mark);

// What saves cut off by a kill left beside the file: small records files of ours under the
// names our saves give their new files.
void removeStaleTemporaries(const QString& path);

// `file` open on `path` with open(2)'s `flags` (read-only or write-only), never through a link
// at its end and never waiting for a FIFO's other end; a new file gets `mode`. False, with
// errno set, when it cannot be had.
bool openFile(QFile& file, const QString& path, int flags, mode_t mode = 0600);

// Root making a file in a folder another user owns gives it to that user, so that the
// player's own copy can still rewrite it.
void giveToFolderOwner(int fd, const QString& path);

} // namespace torvane::store
