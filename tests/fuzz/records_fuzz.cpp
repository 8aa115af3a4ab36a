#include "fuzz/fuzz_check.h"
#include "store/records_file.h"
#include "store/settings_faults.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace torvane::store;
using namespace torvane::store::checks;

// Any bytes in result.sav: the reader stops quietly, start-up takes exactly what was read and
// gets a sound game, and what shut-down writes of it reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const RecordsRead read = ReadRecordsFrom(bytes);
    FuzzCheck(read.tableCaptions.size() <= 6, "more than six captions");

    const SavedSettings settings = SettingsFrom(read);
    const std::string lost = ReadFault(read, settings);
    FuzzCheck(lost.empty(), "settings differ from the read: " + lost);
    const std::string unsound = StartFault(settings);
    FuzzCheck(unsound.empty(), "unsound start-up: " + unsound);

    const QByteArray written = RecordsBytes(settings);
    FuzzCheck(!written.isEmpty(), "nothing to write");
    // Bounded captions keep every file the game writes well inside what the reader takes in.
    FuzzCheck(written.size() < 4096, "written file too long to read back");
    const std::string changed = RoundTripFault(settings, SettingsFrom(ReadRecordsFrom(written)));
    FuzzCheck(changed.empty(), "read back differs: " + changed);

    // The same bytes cut off before the file's end read as a prefix of the whole.
    const RecordsRead cut = ReadRecordsFrom(bytes, false);
    FuzzCheck((!cut.level || cut.level == read.level) &&
                  (!cut.fieldWidth || cut.fieldWidth == read.fieldWidth) &&
                  (!cut.fieldHeight || cut.fieldHeight == read.fieldHeight) &&
                  (!cut.mineTotal || cut.mineTotal == read.mineTotal),
              "cut-off numbers differ");
    FuzzCheck(cut.tableCaptions.size() <= read.tableCaptions.size() &&
                  std::equal(cut.tableCaptions.begin(), cut.tableCaptions.end(),
                             read.tableCaptions.begin()),
              "cut-off captions differ");
    return 0;
}
