#include "store/records_store.h"

#include <QCoreApplication>
#include <cstdio>

// A copy of the game as far as its records go, on the records file PATH:
//   records_copy PATH levels COUNT   chooses a level COUNT times, saving each time;
//   records_copy PATH record SECONDS prints the beginner's time found at start-up, then wins
//                                    the beginner level in SECONDS;
//   records_copy PATH rewrite        rewrites the file until killed, each version naming
//                                    itself in every caption, its number as the width.
// Fails when a save was not kept.
int main(int argc, char* argv[]) {
    using namespace torvane;
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString path = arguments.value(1);
    if (arguments.value(2) == u"rewrite") {
        for (std::int16_t version = 1;; version = static_cast<std::int16_t>(version % 30000 + 1)) {
            store::RecordsContents contents{{1, version, 16, 35}, {}};
            for (int level = 0; level < store::BestTimes::levelCount; ++level) {
                contents.bestTimes.setRecord(
                    level, {QString::number(version), QStringLiteral("第%1版").arg(version)});
            }
            store::writeRecordsFile(path, store::recordsBytes(contents));
        }
    }
    store::RecordsStore records({path, path});
    store::PlayedField field = records.readAtStartUp();
    bool kept = !records.takeProblem();
    if (arguments.value(2) == u"record") {
        std::printf("%s\n", qPrintable(records.bestTimes().time(0)));
        kept = !records.recordWin(field, {game::Beginner, arguments.value(3).toInt()}, "copy")
                    .problem &&
               kept;
    }
    for (int i = 0; arguments.value(2) == u"levels" && i < arguments.value(3).toInt(); ++i) {
        field.level = static_cast<std::int16_t>(i % 3);
        kept = !records.keepField(field).problem && kept;
    }
    return kept ? 0 : 1;
}
