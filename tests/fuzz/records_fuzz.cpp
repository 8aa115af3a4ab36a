#include "fuzz/fuzz_check.h"
#include "store/records_file.h"
#include "store/settings_faults.h"

#include <cstddef>
#include <cstdint>

using namespace torvane::store;
using namespace torvane::store::checks;

// Any bytes in result.sav: the reader stops quietly, start-up takes exactly what was read and
// gets a sound game, what shut-down writes of it reads back the same, and a file read as clean
// is written back line for line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const RecordsRead read = readRecordsFrom(bytes);
    FuzzCheck(read.tableCaptions.size() <= 6, "more than six captions");

    const SavedSettings settings = settingsFrom(read);
    const std::string unread = readFault(read, settings);
    FuzzCheck(unread.empty(), "settings differ from the read: " + unread);
    const std::string unsound = startFault(settings);
    FuzzCheck(unsound.empty(), "unsound start-up: " + unsound);

    const QByteArray written = recordsBytes(settings);
    FuzzCheck(!written.isEmpty(), "nothing to write");
    // Bounded captions keep every file the game writes well inside what the reader takes in.
    FuzzCheck(written.size() < 4096, "written file too long to read back");
    const std::string changed = roundTripFault(settings, settingsFrom(readRecordsFrom(written)));
    FuzzCheck(changed.empty(), "read back differs: " + changed);
    const std::string lost = cleanFault(bytes, read, written);
    FuzzCheck(lost.empty(), lost);
    return 0;
}
