#pragma once

#include <QFile>
#include <QString>
#include <chrono>

namespace torvane::store {

// One writer at a time among all copies of the game, root's and the player's alike: flock on
// the records file's ".lock" beside it, which every copy can open and nobody removes. The
// kernel holds the lock and lets go when its holder ends, however it ends, so nothing is ever
// left stale. The records file is locked too, after the lock file: a copy that can open no lock
// file (a folder that takes no new files, before anyone made one there) locks only that.
class RecordsLock {
  public:
    enum class State {
        Held,
        Busy,   // another copy held it for the whole wait
        Absent, // nothing there to lock: no lock file and no records file can be had
    };

    RecordsLock(const QString& recordsPath, std::chrono::milliseconds wait);

    State state() const { return state_; }

  private:
    // Each lets go of its flock as it closes.
    QFile lockFile_;
    QFile recordsFile_;
    State state_ = State::Absent;
};

} // namespace torvane::store
