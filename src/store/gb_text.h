#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace torvane::store {

// The text as one GB18030 line ending in CR LF. GB18030 matches GBK byte for byte on every
// character GBK has and can still encode all the others. Nothing when the text needs the
// toolkit's codec and it has none: bytes in another encoding would garble every name on the
// next read.
std::optional<QByteArray> encodeGbLine(QStringView text);

// Lines read from the device, without their ends: at most `count`, each cut to its first
// `maxLineBytes` bytes, so that however long a line is it costs only its own tail and memory
// stays bounded. A line ends at CR, CR LF or a lone LF; a last line without an end counts, unless
// a read error cut it off.
struct TextLines {
    std::vector<QByteArray> lines;
    bool whole = true; // no line ran past the bound
    bool more = false; // something follows the last of the `count` lines
};
TextLines readLines(QIODevice& device, std::size_t count, qsizetype maxLineBytes);

// One line of GB18030 bytes decoded. Bytes that are no GB18030 become U+FFFD; a character cut
// off at the line's end is dropped. Nothing when the line needs the codec and there is none.
std::optional<QString> decodeGbLine(QByteArrayView line);

} // namespace torvane::store
