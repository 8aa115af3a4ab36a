#pragma once

#include "store/records_format.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace torvane::store {

// Why a file could not be read or written: the system's error number, when it gave one, and
// its words.
struct FileError {
    int code = 0;
    QString reason;
    static FileError of(int code);
};

// What stands at a path, links not followed.
enum class Standing { Nothing, RegularFile, Other };

// The path a save and a read use: the records path itself, or where its links lead when each
// belongs to this user or to root; a dangling link only to a file in the records folder. Empty,
// with the reason, when it leads anywhere else.
struct RecordsTarget {
    QString path;
    std::optional<FileError> refusal;
};
RecordsTarget resolveTarget(const QString& path);

// What stands at the path; for Other, `error` says what it is ("a FIFO stands there, ...").
Standing standingAt(const QString& path, FileError* error = nullptr);

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

// A table left for the next start: a file of this copy's own beside the records.
std::optional<FileError> leaveForNextStart(const QString& path, const QByteArray& bytes);
// The tables that closes left there.
QStringList leftForNextStart(const QString& path);

// What saves cut off by a kill left beside the file: small records files of ours under the
// names our saves give their new files.
void removeStaleTemporaries(const QString& path);

// Root making a file in a folder another user owns gives it to that user, so that the
// player's own copy can still rewrite it.
void giveToFolderOwner(int fd, const QString& path);

} // namespace torvane::store
