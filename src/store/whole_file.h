#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <optional>

namespace torvane::store {

// A regular file opened for reading. Nothing when the path names anything else (a FIFO, a
// device, a folder) or nothing at all: such a path is never opened in a way that could block.
std::unique_ptr<QFile> openRegularFile(const QString& path);

// Replaces the file as a whole, or leaves the old one untouched: true when every byte landed.
// A file that was there keeps its owner and mode, even when root replaces a player's file; a
// new one belongs to the writer, who may read and write it. A writable file in a folder that
// takes no new files is written in place. On failure `error` gets the reason.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Copies a regular file byte for byte to `firstName`, or when that name is taken to the first
// free `firstName.1`, `firstName.2`, ...: nothing already there is ever overwritten. The copy
// gets the owner and mode of the file it copies. Its path, or nothing with the reason in
// `error`; a copy that fails part way is removed again.
std::optional<QString> copyToNewFile(const QString& source, const QString& firstName,
                                     QString* error = nullptr);

// Creates the folder and any missing parents; true when it is there. On failure `error` gets
// the reason.
bool makeFolder(const QString& path, QString* error = nullptr);

} // namespace torvane::store
