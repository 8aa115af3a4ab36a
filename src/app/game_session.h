#pragma once

#include "dialogs/modal_seam.h"
#include "game/cell.h"
#include "game/cell_state.h"
#include "game/level.h"
#include "platform/exit_guard.h"
#include "store/records_keeper.h"
#include "store/records_location.h"

#include <QObject>
#include <memory>
#include <optional>

namespace torvane::dialogs {
class CustomDialog;
class ScoresDialog;
} // namespace torvane::dialogs

namespace torvane::view {
class MainWindow;
}

namespace torvane::app {

class GameState;

// Plays the game in the window: carries what the player asks for to the state and shows the
// result, runs the dialogs and the record step, and keeps the records file. The saved level,
// size and best times are loaded before the window first shows. The file is written whenever
// what it keeps changes (a level chosen, a custom size played, a record set or named) and once
// more however the program ends, the display's loss included. Records that cannot be kept are
// told to the player once.
class GameSession : public QObject {
    Q_OBJECT
  public:
    GameSession(GameState& state, view::MainWindow& window, store::RecordsPaths paths);
    // One file to read and save.
    GameSession(GameState& state, view::MainWindow& window, const QString& recordsPath)
        : GameSession(state, window, store::RecordsPaths{recordsPath, recordsPath}) {}
    ~GameSession() override;

    void loadSettings();
    // Writes the records file; every later call does nothing.
    void saveSettings();

    // How dialogs run and the name is asked: tests stand in for the player here.
    void setModalRunner(std::unique_ptr<dialogs::ModalRunner> runner) {
        modal_ = std::move(runner);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void selectLevel(int index);
    void onFieldPressed(std::optional<game::Cell> cell, game::Action action);
    void onCustomLevel();
    void onBestTimes();
    void askRecordHolder(game::Level level);
    dialogs::CustomDialog& customDialog();
    dialogs::ScoresDialog& scoresDialog();
    void writeSettings();
    void tellProblem();

    GameState& state_;
    view::MainWindow& window_;
    std::unique_ptr<dialogs::ModalRunner> modal_;
    dialogs::CustomDialog* customDialog_ = nullptr;
    dialogs::ScoresDialog* scoresDialog_ = nullptr;
    store::RecordsKeeper keeper_;
    bool saved_ = false;
    platform::ExitGuard exitGuard_;
};

} // namespace torvane::app
