#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace torvane::platform {

// The text as one GB18030 line ending in CR LF. GB18030 matches GBK byte for byte on every
// character GBK has and can still encode all the others. Nothing when the text needs the
// toolkit's codec and it has none: bytes in another encoding would garble every name on the
// next read.
std::optional<QByteArray> EncodeGbLine(QStringView text);

// Bytes split into lines. A line ends at CR, CR LF or a lone LF, and the end is not part of the
// line; a final line without an end counts when the bytes reach the end of the file, and is
// dropped when `complete` is false because the bytes were cut off there.
std::vector<QByteArrayView> SplitLines(QByteArrayView bytes, bool complete = true);

// One line of GB18030 bytes decoded. Bytes that are no GB18030 become U+FFFD; a character cut
// off at the line's end is dropped. Nothing when the line needs the codec and there is none.
std::optional<QString> DecodeGbLine(QByteArrayView line);

} // namespace torvane::platform
