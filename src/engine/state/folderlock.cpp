#include "state/folderlock.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quotara {

FolderLock::FolderLock(const DataFolder& folder, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    const QByteArray name = QFile::encodeName(folder.lockFile());
    fd_ = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd_ < 0) return;
    for (;;) {
        int r = 0;
        do {
            r = ::flock(fd_, LOCK_EX | LOCK_NB);
        } while (r != 0 && errno == EINTR);
        state_ = r == 0 ? State::Held : errno == EWOULDBLOCK ? State::Taken : State::Unlockable;
        const Clock::duration left = deadline - Clock::now();
        if (state_ != State::Taken || left <= Clock::duration::zero()) return;
        // Polled rather than a blocking flock, which no deadline could interrupt.
        std::this_thread::sleep_for(std::min<Clock::duration>(left, std::chrono::milliseconds(20)));
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

} // namespace quotara
