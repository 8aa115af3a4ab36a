#pragma once

#include <functional>

class QObject;

namespace torvane::app {

// Holds back SIGTERM, SIGINT and SIGHUP from the start, so that a request to end that
// comes while the program is still starting is not lost, nor kills it half-way.
void catchTerminationSignals();

// Delivers the caught signals, those already held back included, as calls on the GUI
// thread, so that the program can close the ordinary way.
void onTerminationSignal(QObject* owner, std::function<void()> handler);

} // namespace torvane::app
