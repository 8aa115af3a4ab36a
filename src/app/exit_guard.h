#pragma once

#include <functional>

namespace torvane::app {

// Runs `last` if the process ends through exit() while the guard lives: the toolkit ends the
// process that way from inside its X layer when the display connection breaks. An ordinary
// return from main destroys the guard first, and then nothing runs. One guard at a time.
class ExitGuard {
  public:
    explicit ExitGuard(std::function<void()> last);
    ~ExitGuard();
    ExitGuard(const ExitGuard&) = delete;
    ExitGuard& operator=(const ExitGuard&) = delete;
};

} // namespace torvane::app
