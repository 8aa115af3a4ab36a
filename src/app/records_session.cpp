#include "app/records_session.h"

#include "app/game_state.h"
#include "app/records_message.h"
#include "dialogs/modal_runner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace torvane::app {

namespace {

constexpr std::chrono::milliseconds closingLockWait{500};

} // namespace

RecordsSession::RecordsSession(GameState& state, QWidget& window, dialogs::ModalRunner& modal,
                               store::RecordsPaths paths)
    : state_(state), window_(window), modal_(modal), keeper_(std::move(paths)),
      exitGuard_([this] { saveOnClose(); }) {
    connect(&state_, &GameState::keptChanged, this, &RecordsSession::save);
    // The close box, the exit item and the window manager all arrive as a close event;
    // a session ending or a signal quits the application.
    window_.installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &RecordsSession::saveOnClose);
}

RecordsSession::~RecordsSession() = default;

void RecordsSession::load() {
    // The level and size alone; the names are decoded when the table is first needed.
    const store::SavedSettings settings = keeper_.readLevel();
    state_.setBestTimesLoader([this] { return keeper_.readBestTimes(); });
    state_.restore(settings);
    tellProblem(); // nowhere to keep them, known from the start
    if (keeper_.firstStart()) {
        // A first start (or an empty file) leaves its file at once, so no way of ending loses
        // it; after the first frame, which does not need it.
        QTimer::singleShot(0, this, &RecordsSession::save);
    }
}

void RecordsSession::saveOnClose() {
    if (closing_) {
        return;
    }
    closing_ = true;
    // Another copy's save takes milliseconds; one that holds the lock longer must not hold up
    // the end, and what this copy has is on disk already but for this last write.
    keeper_.setLockWait(closingLockWait);
    save();
}

void RecordsSession::save() {
    // Merged with what another copy may have written since: the table shows both.
    state_.setBestTimes(keeper_.save(state_.savedSettings()));
    tellProblem();
}

// Once, and once the current event is over: nothing modal runs inside a press. Once the game
// is closing, standard error has it already, and nothing may keep the game from ending.
void RecordsSession::tellProblem() {
    const std::optional<store::RecordsProblem> problem = keeper_.takeProblem();
    if (!problem || closing_) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, problem = *problem] {
            if (closing_) {
                return;
            }
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Torvane"),
                            RecordsMessage::text(problem), QMessageBox::Ok, &window_);
            modal_.showModal(box);
        },
        Qt::QueuedConnection);
}

bool RecordsSession::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        saveOnClose();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torvane::app
