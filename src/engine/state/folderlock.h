#pragma once
// One program per data folder: a second copy would write the same files as the first. The
// lock is the kernel's lock on a file in the folder, which ends with the process that holds
// it, however that process ends, so a crash never leaves it stuck.

#include "state/datafolder.h"

#include <chrono>

namespace quotara {

class FolderLock {
  public:
    enum class State {
        Held,      // this program has the folder
        Taken,     // another program holds it
        Unlockable // the lock file cannot be made (a read-only folder): nothing can be written
    };

    // Tries the lock without waiting. The folder must exist.
    explicit FolderLock(const DataFolder& folder) : FolderLock(folder, {}) {}
    // Tries it again and again for up to `wait`, never longer: a program started by one that
    // is ending waits for it to let go.
    FolderLock(const DataFolder& folder, std::chrono::milliseconds wait);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock(); // releases it

    State state() const { return state_; }

  private:
    int fd_ = -1;
    State state_ = State::Unlockable;
};

} // namespace quotara
