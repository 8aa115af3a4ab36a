#pragma once

#include "game/game.h"
#include "store/best_times.h"
#include "store/records_file.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace torvane::app {

// Everything the player sees and the records file keeps, in one place: the game with its level,
// the custom field and the best times. It changes only through its operations, each of which
// says what it changed through the signals below; the window and the records follow those.
class GameState : public QObject {
    Q_OBJECT
  public:
    GameState(game::Game::RandomSource random, game::Game::TimeSource now,
              QObject* parent = nullptr);

    const game::Game& game() const { return game_; }

    // The table, loaded on its first use: the first frame does not need it.
    const store::BestTimes& bestTimes() { return table(); }
    void setBestTimesLoader(std::function<store::BestTimes()> load) {
        loadBestTimes_ = std::move(load);
    }
    // The table as the records file now holds it, another copy's records included.
    void setBestTimes(const store::BestTimes& bestTimes) { bestTimes_ = bestTimes; }

    // The field the custom level plays: always playable.
    game::FieldSize customField() const { return customField_; }

    // The level and custom size as a records file kept them, through the same gate as a
    // choice: an unsound level or size becomes a sound one.
    void restore(const store::SavedSettings& settings);
    // The level an index selects, the custom one on the custom field.
    void selectLevel(int index);
    // The custom level on this field (a sound one: the dialog's boxes pass the gate first).
    void playCustom(game::FieldSize field);
    void newGame();
    void press(std::optional<game::Cell> cell, game::Action action);
    void toggleCounterMode();
    void updateClock();
    void nameRecordHolder(game::Level level, const QString& name);

    // What the records file keeps of all this.
    store::SavedSettings savedSettings();

  signals:
    // A new level's game, with its field laid out afresh.
    void levelStarted(const game::Change& change);
    // Cells, counter, face or clock changed within the level's game.
    void changed(const game::Change& change);
    // The counter's mode or the clock's seconds.
    void statusChanged();
    // A win beat the level's best time; its holder has no name yet.
    void recordTaken(game::Level level);
    // Something the records file keeps: the level, the custom size, a record or its name.
    void keptChanged();

  private:
    void startLevel(int index);
    store::BestTimes& table();

    game::Game game_;
    game::FieldSize customField_;
    std::optional<store::BestTimes> bestTimes_;
    std::function<store::BestTimes()> loadBestTimes_;
};

} // namespace torvane::app
