#include "app/game_session.h"

#include "app/game_state.h"
#include "app/new_record.h"
#include "app/records_message.h"
#include "dialogs/custom_dialog.h"
#include "dialogs/name_prompt.h"
#include "dialogs/scores_dialog.h"
#include "view/main_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

namespace torvane::app {

GameSession::GameSession(GameState& state, view::MainWindow& window, store::RecordsPaths paths)
    : state_(state), window_(window), modal_(std::make_unique<dialogs::WidgetModalRunner>(&window)),
      keeper_(std::move(paths)), exitGuard_([this] { saveSettings(); }) {
    // The close box, the exit item and the window manager all arrive as a close event;
    // a session ending or a signal quits the application.
    window_.installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GameSession::saveSettings);

    connect(&window_, &view::MainWindow::fieldPressed, this, &GameSession::onFieldPressed);
    connect(&window_, &view::MainWindow::newGameRequested, this,
            [this] { window_.showChange(state_.game().newGame()); });
    connect(&window_, &view::MainWindow::levelChosen, this, [this](game::Level level) {
        selectLevel(level);
        writeSettings();
    });
    connect(&window_, &view::MainWindow::customLevelRequested, this, &GameSession::onCustomLevel);
    connect(&window_, &view::MainWindow::bestTimesRequested, this, &GameSession::onBestTimes);
    connect(&window_, &view::MainWindow::counterClicked, this, [this] {
        state_.game().toggleCounterMode();
        window_.showStatus();
    });
    connect(&window_, &view::MainWindow::clockTicked, this, [this] {
        state_.game().updateClock();
        window_.showStatus();
    });
}

GameSession::~GameSession() = default;

void GameSession::loadSettings() {
    // The level and size alone; the names are decoded when the table is first needed.
    const store::SavedSettings settings = keeper_.readLevel();
    state_.setBestTimesLoader([this] { return keeper_.readBestTimes(); });
    state_.setCustomTexts(
        dialogs::textsOf({settings.fieldWidth, settings.fieldHeight, settings.mineTotal}));
    selectLevel(settings.level);
    tellProblem(); // nowhere to keep them, known from the start
    if (!QFileInfo::exists(keeper_.paths().write)) {
        // A first start leaves its file at once, so no way of ending loses it; after the first
        // frame, which does not need it.
        QTimer::singleShot(0, this, &GameSession::writeSettings);
    }
}

void GameSession::selectLevel(int index) {
    window_.showLevel(state_.selectLevel(index));
}

void GameSession::onFieldPressed(std::optional<game::Cell> cell, game::Action action) {
    const game::Change& change = state_.game().press(cell, action);
    window_.showChange(change);
    if (change.win && takeRecord(state_.bestTimes(), *change.win)) {
        writeSettings(); // the time is kept before anything else can happen
        // The name prompt and the table wait until the press is over.
        QMetaObject::invokeMethod(
            this, [this, level = change.win->level] { askRecordHolder(level); },
            Qt::QueuedConnection);
    }
}

// Neither the prompt nor the table outlives the game's window: the time is kept already.
void GameSession::askRecordHolder(game::Level level) {
    if (!window_.isVisible()) {
        return;
    }
    state_.bestTimes().setName(level, dialogs::askRecordHolderName(*modal_));
    writeSettings();
    if (window_.isVisible()) {
        onBestTimes();
    }
}

void GameSession::onCustomLevel() {
    // The boxes show the field being played.
    state_.setCustomTexts(dialogs::textsOf(state_.game().fieldSize()));
    dialogs::CustomDialog& dialog = customDialog();
    dialog.setTexts(state_.customTexts());
    modal_->showModal(dialog);
    state_.setCustomTexts(dialog.texts());
    if (window_.isVisible()) { // however the dialog was closed, unless the game closed meanwhile
        selectLevel(game::Custom);
        writeSettings();
    }
}

void GameSession::onBestTimes() {
    dialogs::ScoresDialog& dialog = scoresDialog();
    dialog.showTable(state_.bestTimes());
    modal_->showModal(dialog);
}

dialogs::CustomDialog& GameSession::customDialog() {
    if (customDialog_ == nullptr) {
        customDialog_ = new dialogs::CustomDialog(&window_);
    }
    return *customDialog_;
}

dialogs::ScoresDialog& GameSession::scoresDialog() {
    if (scoresDialog_ == nullptr) {
        scoresDialog_ = new dialogs::ScoresDialog(&window_);
    }
    return *scoresDialog_;
}

void GameSession::saveSettings() {
    if (saved_) {
        return;
    }
    saved_ = true;
    writeSettings();
}

void GameSession::writeSettings() {
    // Merged with what another copy may have written since: the table shows both.
    state_.setBestTimes(keeper_.save(state_.savedSettings()));
    tellProblem();
}

// Once, and once the current event is over: nothing modal runs inside a press.
void GameSession::tellProblem() {
    const std::optional<store::RecordsProblem> problem = keeper_.takeProblem();
    if (!problem) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, problem = *problem] {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Torvane"),
                            RecordsMessage::text(problem), QMessageBox::Ok, &window_);
            modal_->showModal(box);
        },
        Qt::QueuedConnection);
}

bool GameSession::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        saveSettings();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torvane::app
