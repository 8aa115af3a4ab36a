#pragma once

#include "app/game_state.h"
#include "app/play_session.h"
#include "app/records_session.h"
#include "dialogs/modal_runner.h"
#include "store/records_location.h"
#include "view/main_window.h"

#include <memory>

namespace torvane::app {

// The whole game put together: the state, its window, the play and records sessions, and the
// way dialogs run. Made, it has read its records file and shows the saved level once shown.
class Program {
  public:
    // Mines fall where `random` says, the clock reads `now`, and the records live at `records`;
    // dialogs run modally over the window unless another runner stands in for the player.
    Program(game::Game::RandomSource random, game::Game::TimeSource now,
            store::RecordsPaths records, std::unique_ptr<dialogs::ModalRunner> modal = nullptr);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void show() { window_.show(); }

    GameState& state() { return state_; }
    view::MainWindow& window() { return window_; }
    dialogs::ModalRunner& modal() { return *modal_; }

  private:
    GameState state_;
    view::MainWindow window_;
    std::unique_ptr<dialogs::ModalRunner> modal_;
    RecordsSession records_;
    PlaySession play_;
};

} // namespace torvane::app
