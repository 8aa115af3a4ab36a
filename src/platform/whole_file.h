#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace torvane::platform {

struct FileStart {
    QByteArray bytes;
    bool complete = false; // false when the file goes on past the bytes, or a read failed
};

// Up to maxBytes of a regular file. Nothing when the path names anything else (a FIFO, a
// device, a folder) or nothing at all: such a path is never opened in a way that could block.
std::optional<FileStart> ReadRegularFile(const QString& path, qint64 maxBytes);

// Replaces the file as a whole, or leaves the old one untouched: true when every byte landed.
// A file that was there keeps its owner and mode, even when root replaces a player's file.
bool ReplaceFile(const QString& path, const QByteArray& bytes);

} // namespace torvane::platform
