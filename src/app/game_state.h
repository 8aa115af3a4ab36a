#pragma once

#include "dialogs/custom_size_texts.h"
#include "game/game.h"
#include "store/best_times.h"
#include "store/records_file.h"

#include <functional>
#include <optional>

namespace torvane::app {

// Everything the player sees and the records file keeps, in one place: the game with its level,
// the best times and the custom size texts. The window and the dialogs show it; nothing of it
// lives in a widget.
class GameState {
  public:
    GameState(game::Game::RandomSource random, game::Game::TimeSource now);

    game::Game& game() { return game_; }
    const game::Game& game() const { return game_; }

    // The table, loaded on its first use: the first frame does not need it.
    store::BestTimes& bestTimes();
    void setBestTimesLoader(std::function<store::BestTimes()> load) {
        loadBestTimes_ = std::move(load);
    }
    // The table as the records file now holds it, another copy's records included.
    void setBestTimes(const store::BestTimes& bestTimes) { bestTimes_ = bestTimes; }

    const dialogs::CustomSizeTexts& customTexts() const { return customTexts_; }
    void setCustomTexts(const dialogs::CustomSizeTexts& texts) { customTexts_ = texts; }

    // Plays the level an index selects on its field, the custom one from the custom texts.
    const game::Change& selectLevel(int index);

    // What the records file keeps of all this.
    store::SavedSettings savedSettings();

  private:
    game::Game game_;
    std::optional<store::BestTimes> bestTimes_;
    std::function<store::BestTimes()> loadBestTimes_;
    dialogs::CustomSizeTexts customTexts_;
};

} // namespace torvane::app
