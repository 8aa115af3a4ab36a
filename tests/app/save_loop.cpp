#include "store/records_file.h"

#include <QCoreApplication>

// Rewrites the records file as fast as it can until killed; each version names itself
// in every caption (its number as the times), so a reader can tell a whole file from a torn one.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (std::int16_t version = 0;; version = static_cast<std::int16_t>((version + 1) % 30000)) {
        torvane::store::SavedSettings settings{
            static_cast<std::int16_t>(version % 4), version, 16, 35, {}};
        for (int i = 0; i < torvane::store::BestTimes::captionCount; ++i) {
            settings.bestTimes.setCaption(i, i % 2 == 0 ? QString::number(version)
                                                        : QStringLiteral("第%1版").arg(version));
        }
        torvane::store::writeRecords(path, settings);
    }
}
