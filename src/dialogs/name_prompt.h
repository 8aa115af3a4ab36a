#pragma once

#include <QString>

namespace torvane::dialogs {

class ModalRunner;

// The name a new record carries until its holder gives one, and keeps for an empty answer.
QString unnamedRecordHolder();

// Asks a new record's holder for a name, offering the unnamed holder's; that name again when
// the answer is empty or the prompt is cancelled.
QString askRecordHolderName(ModalRunner& modal);

} // namespace torvane::dialogs
