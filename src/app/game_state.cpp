#include "app/game_state.h"

#include <cstdint>

namespace torvane::app {

GameState::GameState(game::Game::RandomSource random, game::Game::TimeSource now)
    : game_(std::move(random), std::move(now)) {}

store::BestTimes& GameState::bestTimes() {
    if (!bestTimes_) {
        bestTimes_ = loadBestTimes_ ? loadBestTimes_() : store::BestTimes{};
    }
    return *bestTimes_;
}

const game::Change& GameState::selectLevel(int index) {
    const game::Level level = game::selectableLevel(index);
    return game_.startLevel(level,
                            game::levelField(level, dialogs::customFieldFromTexts(customTexts_)));
}

store::SavedSettings GameState::savedSettings() {
    // Every field the game plays has 1 to 30 columns and rows: the 16 bits of the file hold them.
    const game::FieldSize size = game_.fieldSize();
    return {static_cast<std::int16_t>(game_.level()), static_cast<std::int16_t>(size.columns),
            static_cast<std::int16_t>(size.rows), static_cast<std::int16_t>(size.mines),
            bestTimes()};
}

} // namespace torvane::app
