#include "fuzz/fuzz_check.h"
#include "store/records_file.h"
#include "store/start_up_state.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace torvane::store;

// Any bytes in result.sav: the reader stops quietly, start-up gets a sound game, and what
// shut-down writes of it reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const RecordsRead read = ReadRecordsFrom(bytes);
    FuzzCheck(read.tableCaptions.size() <= 6, "more than six captions");

    const StartUpState state = StartUpFrom(read);
    const std::string unsound = StartUpFault(state);
    FuzzCheck(unsound.empty(), "unsound start-up: " + unsound);

    const QByteArray written = RecordsBytes(ToWrite(state));
    FuzzCheck(!written.isEmpty(), "nothing to write");
    const std::string changed = RoundTripFault(state, ReadRecordsFrom(written));
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
