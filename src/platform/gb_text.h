#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace torvane::platform {

// The text as one GB18030 line ending in CR LF. GB18030 matches GBK byte for byte on every
// character GBK has and can still encode all the others. Nothing when the toolkit lacks the
// codec: bytes in another encoding would garble every name on the next read.
std::optional<QByteArray> EncodeGbLine(QStringView text);

// GB18030 bytes split into lines and decoded. A line ends at CR, CR LF or a lone LF, and the
// end is not part of the line; a final line without an end counts when the bytes reach the
// end of the file, and is dropped when `complete` is false because the bytes were cut off
// there. Bytes that are no GB18030 become U+FFFD; a character cut off by a line end is dropped.
// Nothing when the codec is missing.
std::optional<std::vector<QString>> DecodeGbLines(QByteArrayView bytes, bool complete = true);

} // namespace torvane::platform
