#include "app/game_session.h"

#include "store/records_file.h"
#include "view/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>

namespace torvane::app {

GameSession::GameSession(view::MainWindow& window, store::RecordsPaths paths)
    : window_(window), paths_(std::move(paths)), exitGuard_([this] { saveSettings(); }) {
    // The close box, the exit item and the window manager all arrive as a close event;
    // a session ending or a signal quits the application.
    window_.installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GameSession::saveSettings);
    connect(&window_, &view::MainWindow::recordSet, this, &GameSession::WriteSettings);
}

void GameSession::loadSettings() {
    // The window drew its generator's seed from the clock when it was made, moments ago.
    window_.setShowMinesLeft(true);
    // One read of the file; its names are decoded when the table is first needed.
    const store::RecordsLines file = store::loadRecordsFile(paths_.read);
    const store::SavedSettings settings =
        store::settingsFrom(store::readRecordsFrom(file, store::RecordsPart::Numbers));
    // The window may outlive the session: what the loader learns goes to a shared flag.
    const bool rewritesThisFile = paths_.read == paths_.write && !file.lines.empty();
    window_.setBestTimesLoader([file, rewritesThisFile, backupDue = backupDue_] {
        const store::RecordsRead read = store::readRecordsFrom(file);
        *backupDue = !read.clean && rewritesThisFile;
        return store::settingsFrom(read).bestTimes;
    });
    window_.restoreLevel(settings.level,
                         {settings.fieldWidth, settings.fieldHeight, settings.mineTotal});
}

void GameSession::saveSettings() {
    if (saved_) {
        return;
    }
    saved_ = true;
    WriteSettings();
}

void GameSession::WriteSettings() {
    const store::BestTimes& bestTimes = window_.bestTimes(); // read from the file if not yet
    if (*backupDue_) {
        // What the read could not take is still in those bytes; keep them for the player.
        const QString backup = paths_.write + QStringLiteral(".bak");
        QFile::remove(backup);
        *backupDue_ = !QFile::copy(paths_.write, backup) && QFileInfo(paths_.write).isFile();
    }
    const game::Game& game = window_.game();
    const store::SavedSettings settings{game.level(), game.fieldWidth(), game.fieldHeight(),
                                        game.mineTotal(), bestTimes};
    store::writeRecords(paths_.write, settings); // a failure keeps the old file; nothing to tell
}

bool GameSession::eventFilter(QObject* watched, QEvent* event) {
    // Closed from outside while a dialog or the name prompt is up (a signal, say), the
    // handler that opened it still has to finish: the save then waits for the quit.
    if (watched == &window_ && event->type() == QEvent::Close &&
        QApplication::activeModalWidget() == nullptr) {
        saveSettings();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torvane::app
