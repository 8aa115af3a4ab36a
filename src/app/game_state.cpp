#include "app/game_state.h"

#include "game/custom_size.h"

#include <cstdint>

namespace torvane::app {

GameState::GameState(game::Game::RandomSource random, game::Game::TimeSource now, QObject* parent)
    : QObject(parent), game_(std::move(random), std::move(now)),
      customField_(game::presetField(game::firstLevel)) {}

void GameState::restore(const store::PlayedField& field) {
    customField_ = game::customField({field.fieldWidth, field.fieldHeight, field.mineTotal});
    startLevel(field.level);
}

void GameState::selectLevel(int index) {
    startLevel(index);
    emit fieldChosen();
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
    if (change.win) {
        emit won(*change.win);
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

store::PlayedField GameState::playedField() const {
    // Every field the game plays has 1 to 30 columns and rows: the 16 bits of the file hold them.
    const game::FieldSize size = game_.fieldSize();
    return {static_cast<std::int16_t>(game_.level()), static_cast<std::int16_t>(size.columns),
            static_cast<std::int16_t>(size.rows), static_cast<std::int16_t>(size.mines)};
}

} // namespace torvane::app
