#include "fuzz/fuzz_check.h"
#include "store/records_checks.h"

#include <cstddef>
#include <cstdint>

using namespace torvane::store;
using namespace torvane::store::checks;

// Any bytes in result.sav: the reader stops quietly, start-up gets a sound game and no text for
// a time, a file read as clean is written back line for line, and what is written reads back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ParsedRecords parsed = parseRecords(bytes);
    const std::string unsound = startFault(parsed.contents);
    FuzzCheck(unsound.empty(), "unsound start-up: " + unsound);
    const std::string lost = cleanFault(bytes, parsed);
    FuzzCheck(lost.empty(), lost);
    const std::string changed = roundTripFault(parsed.contents);
    FuzzCheck(changed.empty(), "read back differs: " + changed);
    // Bounded captions keep every file the game writes well inside what the reader takes in.
    FuzzCheck(recordsBytes(parsed.contents).size() < 4096, "written file too long to read back");
    return 0;
}
