#include "app/play_session.h"

#include "app/game_state.h"
#include "app/records_session.h"
#include "dialogs/custom_dialog.h"
#include "dialogs/modal_runner.h"
#include "dialogs/name_prompt.h"
#include "dialogs/scores_dialog.h"
#include "status/clock_ticker.h"
#include "view/main_window.h"

namespace torvane::app {

PlaySession::PlaySession(GameState& state, RecordsSession& records, view::MainWindow& window,
                         dialogs::ModalRunner& modal)
    : state_(state), records_(records), window_(window), modal_(modal),
      // The clock's timer is one of the window's controls, and goes with it.
      ticker_(new status::ClockTicker(
          [&game = state.game()] { return game.secondsSinceClockStart(); }, &window)) {
    using view::MainWindow;
    connect(&window_, &MainWindow::fieldPressed, &state_, &GameState::press);
    connect(&window_, &MainWindow::newGameRequested, &state_, &GameState::newGame);
    connect(&window_, &MainWindow::levelChosen, &state_, &GameState::selectLevel);
    connect(&window_, &MainWindow::counterClicked, &state_, &GameState::toggleCounterMode);
    connect(&window_, &MainWindow::customLevelRequested, this, &PlaySession::onCustomLevel);
    connect(&window_, &MainWindow::bestTimesRequested, this, &PlaySession::onBestTimes);
    connect(ticker_, &status::ClockTicker::tick, &state_, &GameState::updateClock);

    connect(&state_, &GameState::levelStarted, &window_, &MainWindow::showLevel);
    connect(&state_, &GameState::changed, &window_, &MainWindow::showChange);
    connect(&state_, &GameState::statusChanged, &window_, &MainWindow::showStatus);
    for (const auto signal : {&GameState::levelStarted, &GameState::changed}) {
        connect(&state_, signal, this, &PlaySession::followClock);
    }
    connect(&state_, &GameState::statusChanged, this, &PlaySession::followClock);
    // The name prompt and the table wait until the press is over; the time is kept already.
    connect(&records_, &RecordsSession::recordTaken, this, &PlaySession::askRecordHolder,
            Qt::QueuedConnection);
}

PlaySession::~PlaySession() = default;

void PlaySession::followClock() {
    ticker_->setRunning(state_.game().clock().running);
}

// Neither the prompt nor the table outlives the game's window: the time is kept already.
void PlaySession::askRecordHolder(const game::Win& win) {
    if (!window_.isVisible()) {
        return;
    }
    records_.nameHolder(win, dialogs::NamePrompt::ask(modal_));
    if (window_.isVisible()) {
        onBestTimes();
    }
}

void PlaySession::onCustomLevel() {
    // The boxes show the field being played.
    dialogs::CustomDialog& dialog = customDialog();
    dialog.setTexts(dialogs::textsOf(state_.game().fieldSize()));
    modal_.showModal(dialog);
    if (window_.isVisible()) { // however the dialog was closed, unless the game closed meanwhile
        state_.playCustom(dialogs::customFieldFromTexts(dialog.texts()));
    }
}

void PlaySession::onBestTimes() {
    dialogs::ScoresDialog& dialog = scoresDialog();
    dialog.showTable(records_.bestTimes());
    modal_.showModal(dialog);
}

dialogs::CustomDialog& PlaySession::customDialog() {
    if (customDialog_ == nullptr) {
        customDialog_ = new dialogs::CustomDialog(&window_);
    }
    return *customDialog_;
}

dialogs::ScoresDialog& PlaySession::scoresDialog() {
    if (scoresDialog_ == nullptr) {
        scoresDialog_ = new dialogs::ScoresDialog(&window_);
    }
    return *scoresDialog_;
}

} // namespace torvane::app
