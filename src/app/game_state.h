#pragma once

#include "game/game.h"
#include "store/records_format.h"

#include <QObject>
#include <optional>

namespace torvane::app {

// The game with its level and the custom field, in one place. It changes only through its
// operations, each of which says what it changed through the signals below; the window and the
// records follow those.
class GameState : public QObject {
    Q_OBJECT
  public:
    GameState(game::Game::RandomSource random, game::Game::TimeSource now,
              QObject* parent = nullptr);

    const game::Game& game() const { return game_; }

    // The field the custom level plays: always playable.
    game::FieldSize customField() const { return customField_; }

    // The level and custom size as a records file kept them, through the same gate as a
    // choice: an unsound level or size becomes a sound one.
    void restore(const store::PlayedField& field);
    // The level an index selects, the custom one on the custom field.
    void selectLevel(int index);
    // The custom level on this field (a sound one: the dialog's boxes pass the gate first).
    void playCustom(game::FieldSize field);
    void newGame();
    void press(std::optional<game::Cell> cell, game::Action action);
    void toggleCounterMode();
    void updateClock();

    // What the records file keeps of the game.
    store::PlayedField playedField() const;

  signals:
    // A new level's game, with its field laid out afresh.
    void levelStarted(const game::Change& change);
    // Cells, counter, face or clock changed within the level's game.
    void changed(const game::Change& change);
    // The counter's mode or the clock's seconds.
    void statusChanged();
    // A game was won; once a game.
    void won(const game::Win& win);
    // The level or the custom size was chosen: the records file keeps them.
    void fieldChosen();

  private:
    void startLevel(int index);

    game::Game game_;
    game::FieldSize customField_;
};

} // namespace torvane::app
