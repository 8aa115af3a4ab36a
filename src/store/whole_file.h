#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace torvane::store {

// Why a file could not be read or written: the system's error number, when it gave one, and
// its words.
struct FileError {
    int code = 0;
    QString reason;
    static FileError of(int code);
};

// What stands at a path that is not a regular file ("a folder", "a FIFO", ...), as an error;
// a folder carries EISDIR.
FileError notRegularFile(const struct stat& info);

// A regular file opened for reading. Nothing when the path names anything else (a FIFO, a
// device, a folder, a symlink) or nothing at all: such a path is never opened in a way that
// could block or lead elsewhere.
std::unique_ptr<QFile> openRegularFile(const QString& path);

// Replaces the file as a whole, or leaves the old one untouched: true when every byte landed
// and was synced. The new bytes go to a temporary file beside it, which then takes its name.
// A file that was there keeps its owner and mode, even when root replaces a player's file; a
// new one in a folder another user owns is that user's when root makes it, else the writer's,
// who may read and write it. A file in a folder that takes no new files is written in place:
// the new bytes go over the old ones before the file is cut to length, so that whatever stops
// the process leaves the old bytes or the new ones, never an empty file. Anything at the path
// but a regular file is left alone. On failure `error` says why.
bool replaceFile(const QString& path, const QByteArray& bytes, FileError* error = nullptr);

// Removes what saves cut off by a kill left beside the file: replaceFile's temporaries, and
// those that Qt's QSaveFile left for earlier versions of the game (the file's name, a dot and
// six random letters). Only small regular files this user may own are taken, and only names
// that cannot be a word someone typed. Run it while no save runs.
void removeStaleTemporaries(const QString& path);

// Copies a regular file byte for byte to `firstName`, or when that name is taken to the first
// free `firstName.1`, `firstName.2`, ...: nothing already there is ever overwritten. The copy
// gets the owner and mode of the file it copies and is synced before it counts. Its path, or
// nothing with the reason in `error`; a copy that fails part way is removed again.
std::optional<QString> copyToNewFile(const QString& source, const QString& firstName,
                                     FileError* error = nullptr);

// True when one of the names copyToNewFile would take already holds the file's bytes.
bool copiedAlready(const QString& source, const QString& firstName);

// Creates the folder and any missing parents; true when it is there. On failure `error` gets
// the reason.
bool makeFolder(const QString& path, FileError* error = nullptr);

} // namespace torvane::store
