// The records file's part of a level chosen: the save that reads the file again under the lock,
// merges the table and writes it back, on a file of its own in the temporary folder.
#include "bench_support.h"
#include "store/records_store.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace torvane::bench {
namespace {

void levelChangeSave(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("result.sav"));
    store::RecordsStore records({path, path});
    store::PlayedField field = records.readAtStartUp();
    std::int16_t level = 0;
    for (auto _ : state) {
        field.level = level;
        level = static_cast<std::int16_t>((level + 1) % 3);
        benchmark::DoNotOptimize(records.keepField(field));
    }
}
BENCHMARK(levelChangeSave)->Apply(steady);

} // namespace
} // namespace torvane::bench

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
