#include "store/session.h"

#include "platform/text_number.h"
#include "store/records_file.h"
#include "view/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>

namespace torvane::store {

Session::Session(view::MainWindow& window, QString recordsPath)
    : window_(window), recordsPath_(std::move(recordsPath)) {
    // The close box, the exit item and the window manager all arrive as a close event;
    // a session ending or a signal quits the application.
    window_.installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Session::Form_QueryUnload);
}

void Session::Form_Load() {
    // The window drew its generator's seed from the clock when it was made, moments ago.
    game::Game& game = window_.Game();
    game.level = 1;
    game.showMinesLeft = true;

    const RecordsRead read = ReadRecords(recordsPath_);
    for (const auto& [value, target] :
         {std::pair{read.level, &game.level}, std::pair{read.fieldWidth, &game.fieldWidth},
          std::pair{read.fieldHeight, &game.fieldHeight},
          std::pair{read.mineTotal, &game.mineTotal}}) {
        if (!value) {
            break;
        }
        *target = *value;
    }
    for (std::size_t i = 0; i < read.tableCaptions.size() && i < 6; ++i) {
        window_.FormScores().Label1(static_cast<int>(i))->setText(read.tableCaptions[i]);
    }

    window_.FormCustom().SetTexts({platform::DecimalText(game.fieldWidth),
                                   platform::DecimalText(game.fieldHeight),
                                   platform::DecimalText(game.mineTotal)});
    window_.menuLevel_Click(game.level);
}

void Session::Form_QueryUnload() {
    if (saved_) {
        return;
    }
    saved_ = true;
    const game::Game& game = window_.Game();
    RecordsToWrite records{game.level, game.fieldWidth, game.fieldHeight, game.mineTotal, {}};
    for (int i = 0; i < 6; ++i) {
        records.tableCaptions[static_cast<std::size_t>(i)] = window_.FormScores().Label1(i)->text();
    }
    WriteRecords(recordsPath_, records); // a failure keeps the old file; nothing to tell
    window_.FormCustom().hide();
    window_.FormScores().hide();
}

bool Session::eventFilter(QObject* watched, QEvent* event) {
    // Closed from outside while a dialog or the name prompt is up (a signal, say), the
    // handler that opened it still has to finish: the save then waits for the quit.
    if (watched == &window_ && event->type() == QEvent::Close &&
        QApplication::activeModalWidget() == nullptr) {
        Form_QueryUnload();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torvane::store
