#include "app/game_session.h"

#include "app/game_state.h"
#include "app/new_record.h"
#include "dialogs/custom_dialog.h"
#include "dialogs/name_prompt.h"
#include "dialogs/scores_dialog.h"
#include "store/records_file.h"
#include "view/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace torvane::app {

GameSession::GameSession(GameState& state, view::MainWindow& window, store::RecordsPaths paths)
    : state_(state), window_(window), paths_(std::move(paths)),
      modal_(std::make_unique<dialogs::WidgetModalRunner>(&window)),
      exitGuard_([this] { saveSettings(); }) {
    // The close box, the exit item and the window manager all arrive as a close event;
    // a session ending or a signal quits the application.
    window_.installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GameSession::saveSettings);

    connect(&window_, &view::MainWindow::fieldPressed, this, &GameSession::onFieldPressed);
    connect(&window_, &view::MainWindow::newGameRequested, this,
            [this] { window_.showChange(state_.game().newGame()); });
    connect(&window_, &view::MainWindow::levelChosen, this, &GameSession::selectLevel);
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
    // One read of the file; its names are decoded when the table is first needed.
    const store::RecordsFileBytes file = store::LoadRecordsFile(paths_.read);
    const store::SavedSettings settings = store::SettingsFrom(
        store::ReadRecordsFrom(file.bytes, file.complete, store::RecordsPart::Numbers));
    const bool rewritesThisFile = paths_.read == paths_.write && !file.bytes.isEmpty();
    state_.setBestTimesLoader([this, file, rewritesThisFile] {
        const store::RecordsRead read = store::ReadRecordsFrom(file.bytes, file.complete);
        backupDue_ = !read.clean && rewritesThisFile;
        return store::SettingsFrom(read).bestTimes;
    });
    state_.setCustomTexts(
        dialogs::textsOf({settings.fieldWidth, settings.fieldHeight, settings.mineTotal}));
    selectLevel(settings.level);
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
    const store::SavedSettings settings = state_.savedSettings(); // reads the table if not yet
    if (backupDue_) {
        // What the read could not take is still in those bytes; keep them for the player.
        const QString backup = paths_.write + QStringLiteral(".bak");
        QFile::remove(backup);
        backupDue_ = !QFile::copy(paths_.write, backup) && QFileInfo(paths_.write).isFile();
    }
    store::WriteRecords(paths_.write, settings); // a failure keeps the old file; nothing to tell
}

bool GameSession::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        saveSettings();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torvane::app
