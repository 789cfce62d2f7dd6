#pragma once
// One program per data folder: a second copy would write the same files as the first. The
// lock is the kernel's lock (flock), which ends with the process that holds it, however that
// process ends, so a crash never leaves it stuck. It is held on the folder itself, which
// nobody can remove or replace while the game's files are in it, and on quotara.lock in it.
// Each is checked, once locked, to be the one at its name, and taken again when it was
// replaced in between.

#include "state/datafolder.h"

#include <QString>

#include <chrono>

namespace quotara {

class FolderLock {
  public:
    enum class State {
        Held,  // this program has the folder
        Taken, // another program holds it
        Failed // the lock cannot be taken (why() says why): nothing may be read or written
    };

    // Makes the folder when it does not exist yet, then tries the lock without waiting.
    explicit FolderLock(const DataFolder& folder) : FolderLock(folder, {}) {}
    // Tries it again and again for up to `wait`, never longer: a program started by one that
    // is ending waits for it to let go.
    FolderLock(const DataFolder& folder, std::chrono::milliseconds wait);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock(); // releases it

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    const DataFolder& folder() const { return folder_; }
    // Why it failed, for the player: "The data folder /home/ann/.local/share/quotara cannot
    // be locked (quotara.lock: Is a directory), so ..."; empty unless Failed.
    const QString& why() const { return why_; }

  private:
    void release();

    DataFolder folder_;
    int folderFd_ = -1;
    int fileFd_ = -1;
    State state_ = State::Failed;
    QString why_;
};

} // namespace quotara
