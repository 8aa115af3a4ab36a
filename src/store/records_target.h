#pragma once

#include <QString>

namespace torvane::store {

// The file that the records path leads to. A symlink there is followed only when it belongs
// to the user running the game or to root: a link someone else put in the folder is neither
// read nor written through. A dangling link is followed only to a file in the records folder
// itself, so that no file is ever made where a link points elsewhere.
struct RecordsTarget {
    QString path;            // the file to read and write; empty when the link is not followed
    QString refusal;         // why not, when it is not
    bool othersLink = false; // refused because the link belongs to another user
};
RecordsTarget recordsTarget(const QString& path);

} // namespace torvane::store
