#include "app/game_state.h"

#include "app/new_record.h"
#include "game/custom_size.h"

#include <cstdint>

namespace torvane::app {

GameState::GameState(game::Game::RandomSource random, game::Game::TimeSource now, QObject* parent)
    : QObject(parent), game_(std::move(random), std::move(now)),
      customField_(game::presetField(game::firstLevel)) {}

store::BestTimes& GameState::table() {
    if (!bestTimes_) {
        bestTimes_ = loadBestTimes_ ? loadBestTimes_() : store::BestTimes{};
    }
    return *bestTimes_;
}

void GameState::restore(const store::SavedSettings& settings) {
    customField_ =
        game::customField({settings.fieldWidth, settings.fieldHeight, settings.mineTotal});
    startLevel(settings.level);
}

void GameState::selectLevel(int index) {
    startLevel(index);
    emit keptChanged();
}

void GameState::playCustom(game::FieldSize field) {
    customField_ = field;
    selectLevel(game::Custom);
}

void GameState::startLevel(int index) {
    const game::Level level = game::selectableLevel(index);
    emit levelStarted(game_.startLevel(level, game::levelField(level, customField_)));
}

void GameState::newGame() {
    emit changed(game_.newGame());
}

void GameState::press(std::optional<game::Cell> cell, game::Action action) {
    const game::Change& change = game_.press(cell, action);
    emit changed(change);
    if (change.win && takeRecord(table(), *change.win)) {
        emit recordTaken(change.win->level);
        emit keptChanged();
    }
}

void GameState::toggleCounterMode() {
    game_.toggleCounterMode();
    emit statusChanged();
}

void GameState::updateClock() {
    game_.updateClock();
    emit statusChanged();
}

void GameState::nameRecordHolder(game::Level level, const QString& name) {
    table().setName(level, name);
    emit keptChanged();
}

store::SavedSettings GameState::savedSettings() {
    // Every field the game plays has 1 to 30 columns and rows: the 16 bits of the file hold them.
    const game::FieldSize size = game_.fieldSize();
    return {static_cast<std::int16_t>(game_.level()), static_cast<std::int16_t>(size.columns),
            static_cast<std::int16_t>(size.rows), static_cast<std::int16_t>(size.mines), table()};
}

} // namespace torvane::app
