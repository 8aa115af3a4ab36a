#pragma once

#include "app/exit_guard.h"
#include "store/records_keeper.h"
#include "store/records_location.h"

#include <QObject>

class QWidget;

namespace torvane::dialogs {
class ModalRunner;
}

namespace torvane::app {

class GameState;

// The records file during a session: it reads the saved level, size and best times into the
// state before the window first shows, and writes the file whenever the state changes what the
// file keeps, and once more however the program ends (the display's loss included). Records
// that cannot be kept are told once: in a message box during play, and only on standard error
// once the game is closing, so that nothing holds up its end.
class RecordsSession : public QObject {
    Q_OBJECT
  public:
    RecordsSession(GameState& state, QWidget& window, dialogs::ModalRunner& modal,
                   store::RecordsPaths paths);
    ~RecordsSession() override;

    void load();
    // The last write as the program ends; every later call does nothing.
    void saveOnClose();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void save();
    void tellProblem();

    GameState& state_;
    QWidget& window_;
    dialogs::ModalRunner& modal_;
    store::RecordsKeeper keeper_;
    bool closing_ = false;
    ExitGuard exitGuard_;
};

} // namespace torvane::app
