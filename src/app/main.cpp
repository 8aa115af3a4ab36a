#include "app/monotonic_clock.h"
#include "app/program.h"
#include "app/termination_signals.h"
#include "app/translation.h"
#include "app/uniform_random.h"
#include "store/records_location.h"
#include "view/scale_choice.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    using namespace torvane;
    app::catchTerminationSignals();
    // Whole scale factors keep the pixel art's pixels square and sharp.
    view::chooseWholeScaleFactors();
    // The dialogs get native windows before they show (to keep them out of the taskbar); the
    // main window's controls stay drawn in its one window all the same.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.torvane.torvane"));

    // Before any window: captions are translated as they are made.
    const app::InstalledTranslations translations;

    app::Program program(
        [random = app::UniformRandom::fromClock()]() mutable { return random.next(); },
        app::monotonicSeconds, store::recordsLocation());
    // A request to end from outside closes every window like its close box, a dialog or a
    // message that may be up included, and then ends the program whatever is still open.
    app::onTerminationSignal(&application, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    program.show();
    return QApplication::exec();
}
