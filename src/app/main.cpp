#include "app/game_session.h"
#include "app/game_state.h"
#include "app/translation.h"
#include "platform/monotonic_clock.h"
#include "platform/termination_signals.h"
#include "platform/uniform_random.h"
#include "store/records_location.h"
#include "view/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    torvane::platform::catchTerminationSignals();
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
    const torvane::app::InstalledTranslations translations;

    torvane::app::GameState state(
        [random = torvane::platform::UniformRandom::fromClock()]() mutable {
            return random.next();
        },
        torvane::platform::monotonicSeconds);
    torvane::view::MainWindow window(state.game());
    torvane::app::GameSession session(state, window, torvane::store::recordsLocation());
    session.loadSettings();
    // A request to end from outside closes every window like its close box, a dialog or the
    // name prompt that may be up included.
    torvane::platform::onTerminationSignal(&app, [] { QApplication::closeAllWindows(); });
    window.show();
    return app.exec();
}
