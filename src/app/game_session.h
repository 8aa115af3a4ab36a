#pragma once

#include "dialogs/modal_seam.h"
#include "game/cell.h"
#include "game/cell_state.h"
#include "game/level.h"
#include "platform/exit_guard.h"
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
// size and best times are loaded before the window first shows, saved at once after a new
// record, and saved once more however the program ends, the display's loss included.
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

    GameState& state_;
    view::MainWindow& window_;
    store::RecordsPaths paths_;
    std::unique_ptr<dialogs::ModalRunner> modal_;
    dialogs::CustomDialog* customDialog_ = nullptr;
    dialogs::ScoresDialog* scoresDialog_ = nullptr;
    // The file at the save path did not read cleanly: its bytes go to a backup before the
    // first save replaces them.
    bool backupDue_ = false;
    bool saved_ = false;
    platform::ExitGuard exitGuard_;
};

} // namespace torvane::app
