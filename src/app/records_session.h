#pragma once

#include "app/exit_guard.h"
#include "game/game.h"
#include "store/records_location.h"
#include "store/records_store.h"

#include <QObject>

class QWidget;

namespace torvane::dialogs {
class ModalRunner;
}

namespace torvane::app {

class GameState;

// The records during a session: it reads the saved level and size into the state before the
// window first shows, hands every level chosen, win and holder's name to the records file, and
// closes it once however the program ends (the display's loss included). A problem is told
// once: in a message box during play, never over another dialog, and only on standard error
// once the game is closing, so that nothing holds up its end.
class RecordsSession : public QObject {
    Q_OBJECT
  public:
    RecordsSession(GameState& state, QWidget& window, dialogs::ModalRunner& modal,
                   store::RecordsPaths paths);
    ~RecordsSession() override;

    void load();
    // The table as the file held it at the last save.
    const store::BestTimes& bestTimes() { return store_.bestTimes(); }
    // The name for the record `win` set.
    void nameHolder(const game::Win& win, const QString& name);

  signals:
    // A win beat its level's best time; its holder has no name yet.
    void recordTaken(const game::Win& win);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keepField();
    void takeWin(const game::Win& win);
    // The last save as the program ends; every later call does nothing.
    void close();
    void tell(const std::optional<store::RecordsProblem>& problem);

    GameState& state_;
    QWidget& window_;
    dialogs::ModalRunner& modal_;
    store::RecordsStore store_;
    bool closing_ = false;
    ExitGuard exitGuard_;
};

} // namespace torvane::app
