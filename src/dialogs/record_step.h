#pragma once

#include <QString>
#include <cstdint>

namespace torvane::dialogs {

class ModalRunner;
class ScoresDialog;

// The end of a won game: a strictly shorter time at a preset level replaces that level's
// best time, asks for the player's name and shows the table. Other levels change nothing.
void RecordStep(std::int16_t level, const QString& clockCaption, ScoresDialog& scores,
                ModalRunner& modal);

} // namespace torvane::dialogs
