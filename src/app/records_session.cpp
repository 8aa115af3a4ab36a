#include "app/records_session.h"

#include "app/game_state.h"
#include "app/records_message.h"
#include "dialogs/modal_runner.h"
#include "dialogs/name_prompt.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace torvane::app {

RecordsSession::RecordsSession(GameState& state, QWidget& window, dialogs::ModalRunner& modal,
                               store::RecordsPaths paths)
    : state_(state), window_(window), modal_(modal), store_(std::move(paths)),
      exitGuard_([this] { close(); }) {
    connect(&state_, &GameState::fieldChosen, this, &RecordsSession::keepField);
    connect(&state_, &GameState::won, this, &RecordsSession::takeWin);
    // Every way of ending arrives as the window's close: the close box, the exit item, the
    // window manager, the session's end and a termination signal.
    window_.installEventFilter(this);
}

RecordsSession::~RecordsSession() = default;

void RecordsSession::load() {
    state_.restore(store_.readAtStartUp());
    tell(store_.takeProblem());
    if (store_.saveDue()) {
        // After the first frame, which does not need it: from then on no way of ending loses it.
        QTimer::singleShot(0, this, &RecordsSession::keepField);
    }
}

void RecordsSession::keepField() {
    tell(store_.keepField(state_.playedField()).problem);
}

void RecordsSession::takeWin(const game::Win& win) {
    const store::RecordsStore::Saved saved =
        store_.recordWin(state_.playedField(), win, dialogs::NamePrompt::unnamedHolder());
    // The prompt first: the problem waits for it.
    if (saved.recordTaken) {
        emit recordTaken(win);
    }
    tell(saved.problem);
}

void RecordsSession::nameHolder(const game::Win& win, const QString& name) {
    tell(store_.nameHolder(state_.playedField(), win, name).problem);
}

void RecordsSession::close() {
    if (!std::exchange(closing_, true)) {
        tell(store_.close(state_.playedField()).problem);
    }
}

// Once the current event is over, as nothing modal runs inside a press; once the game is
// closing, standard error has it already.
void RecordsSession::tell(const std::optional<store::RecordsProblem>& problem) {
    if (!problem || closing_) {
        return;
    }
    QTimer::singleShot(0, this, [this, problem = *problem] {
        modal_.whenNoneShown([this, problem] {
            if (closing_) {
                return;
            }
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Torvane"),
                            RecordsMessage::text(problem), QMessageBox::Ok, &window_);
            modal_.showModal(box);
        });
    });
}

bool RecordsSession::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        close();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torvane::app
