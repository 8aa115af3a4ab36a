#pragma once

#include <functional>

class QObject;

namespace torvane::platform {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the GUI thread, so that a request
// to end from the outside closes the program the ordinary way.
void OnTerminationSignal(QObject* owner, std::function<void()> handler);

} // namespace torvane::platform
