#include "platform/exit_guard.h"

#include <cstdlib>
#include <utility>

namespace torvane::platform {

namespace {

std::function<void()>& Pending() {
    static std::function<void()> pending;
    return pending;
}

void RunPending() {
    if (auto last = std::exchange(Pending(), nullptr)) {
        last();
    }
}

} // namespace

ExitGuard::ExitGuard(std::function<void()> last) {
    // The slot first: exit() runs what was registered later first, so the slot outlives the
    // handler that reads it.
    Pending() = std::move(last);
    static const bool registered = std::atexit(RunPending) == 0;
    (void)registered;
}

ExitGuard::~ExitGuard() {
    Pending() = nullptr;
}

} // namespace torvane::platform
