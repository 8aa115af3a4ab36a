#include "app/game_session.h"
#include "app/translation.h"
#include "platform/termination_signals.h"
#include "store/records_location.h"
#include "view/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    torvane::platform::CatchTerminationSignals();
    // Whole scale factors keep the pixel art's pixels square and sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // The dialogs get native windows before they show (to keep them out of the taskbar); the
    // main window's controls stay drawn in its one window all the same.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.torvane.torvane"));

    // Before any window: captions are translated as they are made.
    const auto translator = torvane::app::CaptionTranslator();
    if (translator) {
        QCoreApplication::installTranslator(translator.get());
    }

    torvane::view::MainWindow window;
    torvane::app::GameSession session(window, torvane::store::recordsLocation());
    session.loadSettings();
    // A request to end from outside closes the window like the close box.
    torvane::platform::OnTerminationSignal(&window, [&window] { window.close(); });
    window.show();
    return app.exec();
}
