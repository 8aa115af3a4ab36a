#pragma once

#include <QLockFile>
#include <QString>
#include <chrono>

namespace torvane::store {

// One writer at a time on a records file, so that no save rests on a read another copy's save
// has overtaken: a QLockFile beside the file, or, where the folder takes no new file, flock on
// the file itself. A copy that died holding it does not keep it: the lock file names its
// process, and flock ends with the process. Held until destroyed.
class RecordsLock {
  public:
    enum class State {
        Held,
        Busy,      // another copy held it all the time we waited
        NotNeeded, // no lock file can be made and there is no file to lock: nothing can be
                   // written there either
    };

    RecordsLock(const QString& path, std::chrono::milliseconds wait);
    ~RecordsLock();
    RecordsLock(const RecordsLock&) = delete;
    RecordsLock& operator=(const RecordsLock&) = delete;

    State state() const { return state_; }

  private:
    void lockTheFileItself(const QString& path, std::chrono::steady_clock::time_point deadline);

    QLockFile lockFile_;
    int lockedFile_ = -1;
    State state_ = State::NotNeeded;
};

} // namespace torvane::store
