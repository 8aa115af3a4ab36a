#pragma once

#include "game/playable_field.h"
#include "store/records_file.h"

#include <QString>
#include <array>
#include <string>

namespace torvane::store {

// What start-up makes of one read of the records file: the level played, its field and the
// best-times table. Shared by the property test and the fuzz target.
struct StartUpState {
    int level = 1;
    game::FieldSize field;
    std::array<QString, 6> captions;
};

// Values the read did not reach keep their start values (level 1, sizes 0, the design
// captions). A level below 0 starts at 1; one above 3 is the custom level; the custom level's
// size goes through the custom dialog's gate as the boxes' decimal texts.
StartUpState StartUpFrom(const RecordsRead& read);

RecordsToWrite ToWrite(const StartUpState& state);

// Empty when the game can start in this state, else what is wrong with it.
std::string StartUpFault(const StartUpState& state);

// Empty when reading back what was written from `state` gives back its values, else the
// difference. Characters that other programs take as line ends come back as blanks.
std::string RoundTripFault(const StartUpState& state, const RecordsRead& back);

} // namespace torvane::store
