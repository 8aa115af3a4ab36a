#include "store/records_keeper.h"

#include <QCoreApplication>
#include <cstdio>

// A copy of the game as far as its records go. `records_copy PATH levels COUNT` chooses a level
// COUNT times, saving each time as the game does; `records_copy PATH record SECONDS` prints the
// beginner's time it found at start-up, then sets that record and ends. Fails when a save was
// not kept.
int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    torvane::store::RecordsKeeper keeper({arguments.value(1), arguments.value(1)});
    torvane::store::SavedSettings settings = keeper.readLevel();
    settings.bestTimes = keeper.readBestTimes();
    if (arguments.value(2) == u"record") {
        std::printf("%s\n", qPrintable(settings.bestTimes.time(0)));
        settings.bestTimes.setTime(0, arguments.value(3));
        settings.bestTimes = keeper.save(settings);
    }
    for (int i = 0; arguments.value(2) == u"levels" && i < arguments.value(3).toInt(); ++i) {
        settings.level = static_cast<std::int16_t>(i % 3);
        settings.bestTimes = keeper.save(settings);
    }
    return keeper.takeProblem() ? 1 : 0;
}
