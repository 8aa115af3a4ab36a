#pragma once

#include "game/game.h"

#include <QObject>

namespace torvane::dialogs {
class CustomDialog;
class ModalRunner;
class ScoresDialog;
} // namespace torvane::dialogs

namespace torvane::status {
class ClockTicker;
}

namespace torvane::view {
class MainWindow;
}

namespace torvane::app {

class GameState;
class RecordsSession;

// Play in the window: carries what the player asks for to the state, and shows whatever the
// state changed, wherever the change came from. Runs the custom-size and best-times dialogs,
// and after a press that set a record, the name prompt and the table.
class PlaySession : public QObject {
    Q_OBJECT
  public:
    PlaySession(GameState& state, RecordsSession& records, view::MainWindow& window,
                dialogs::ModalRunner& modal);
    ~PlaySession() override;

  private:
    void onCustomLevel();
    void onBestTimes();
    void askRecordHolder(const game::Win& win);
    // The clock's seconds tick while the game's clock runs.
    void followClock();
    dialogs::CustomDialog& customDialog();
    dialogs::ScoresDialog& scoresDialog();

    GameState& state_;
    RecordsSession& records_;
    view::MainWindow& window_;
    dialogs::ModalRunner& modal_;
    status::ClockTicker* ticker_;
    dialogs::CustomDialog* customDialog_ = nullptr;
    dialogs::ScoresDialog* scoresDialog_ = nullptr;
};

} // namespace torvane::app
