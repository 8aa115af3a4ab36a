#pragma once

#include "platform/exit_guard.h"
#include "store/records_location.h"

#include <QObject>
#include <memory>

namespace torvane::view {
class MainWindow;
}

namespace torvane::app {

// The program's start and end around the main window: the saved level, size and best
// times are loaded before the window first shows, saved at once after a new record, and
// saved once more however the program ends, the display's loss included.
class GameSession : public QObject {
    Q_OBJECT
  public:
    GameSession(view::MainWindow& window, store::RecordsPaths paths);
    // One file to read and save.
    GameSession(view::MainWindow& window, const QString& recordsPath)
        : GameSession(window, store::RecordsPaths{recordsPath, recordsPath}) {}

    void loadSettings();
    // Writes the records file; every later call does nothing.
    void saveSettings();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void WriteSettings();

    view::MainWindow& window_;
    store::RecordsPaths paths_;
    // The file at the save path did not read cleanly: its bytes go to a backup before the
    // first save replaces them.
    std::shared_ptr<bool> backupDue_ = std::make_shared<bool>(false);
    bool saved_ = false;
    platform::ExitGuard exitGuard_;
};

} // namespace torvane::app
