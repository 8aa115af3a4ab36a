#include "app/exit_guard.h"

#include <cstdlib>
#include <utility>

namespace torvane::app {

namespace {

std::function<void()>& pending() {
    static std::function<void()> last;
    return last;
}

void runPending() {
    if (auto last = std::exchange(pending(), nullptr)) {
        last();
    }
}

} // namespace

ExitGuard::ExitGuard(std::function<void()> last) {
    // The slot first: exit() runs what was registered later first, so the slot outlives the
    // handler that reads it.
    pending() = std::move(last);
    static const bool registered = std::atexit(runPending) == 0;
    (void)registered;
}

ExitGuard::~ExitGuard() {
    pending() = nullptr;
}

} // namespace torvane::app
