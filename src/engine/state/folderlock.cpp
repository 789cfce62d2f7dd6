#include "state/folderlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quotara {
namespace {

enum class Outcome { Held, Taken, Replaced, Failed };

struct Attempt {
    Outcome outcome = Outcome::Failed;
    int error = 0; // errno when Failed; 0 for a lock file that is not a regular file
};

// Opens and locks the folder, or the lock file in it, into fd, then checks that it is still
// the one at that name: a copy that removed or replaced it in between holds another.
Attempt lockAt(const QString& path, bool isFolder, int& fd) {
    const QByteArray name = QFile::encodeName(path);
    if (isFolder) {
        fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } else {
        const int flags = O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
        fd = ::open(name.constData(), O_RDWR | flags, 0644);
        // A lock file the player may not write is locked all the same: flock needs only to
        // open it.
        if (fd < 0 && errno == EACCES) fd = ::open(name.constData(), O_RDONLY | flags, 0644);
    }
    if (fd < 0) return {Outcome::Failed, errno};
    struct stat locked {};
    if (::fstat(fd, &locked) != 0) return {Outcome::Failed, errno};
    if (!isFolder && !S_ISREG(locked.st_mode)) return {Outcome::Failed, 0};
    int r = 0;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r != 0) return {errno == EWOULDBLOCK ? Outcome::Taken : Outcome::Failed, errno};
    struct stat now {};
    if (::stat(name.constData(), &now) != 0 || now.st_dev != locked.st_dev ||
        now.st_ino != locked.st_ino)
        return {Outcome::Replaced, 0};
    return {Outcome::Held, 0};
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// Errors of a file system that cannot lock a folder (a network one): the lock file alone
// then keeps a second copy out.
bool cannotLockFolders(int error) {
    return error == ENOLCK || error == EOPNOTSUPP || error == EBADF || error == EINVAL;
}

} // namespace

FolderLock::FolderLock(const DataFolder& folder, std::chrono::milliseconds wait) : folder_(folder) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    const QString where = QDir::toNativeSeparators(folder.path());
    const QFileInfo info(folder.path());
    if ((info.exists() || info.isSymLink()) && !info.isDir()) {
        why_ = QStringLiteral("The data folder %1 is not a folder.").arg(where);
        return;
    }
    if (!QDir().mkpath(folder.path())) {
        why_ = QStringLiteral("The data folder %1 could not be created.").arg(where);
        return;
    }
    const auto fail = [this, &where](const QString& file, int error) {
        release();
        const QString reason =
            error ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("not a file");
        why_ = QStringLiteral("The data folder %1 cannot be locked (%2: %3), so no other copy "
                              "of Quotara can be kept from using it at the same time.")
                   .arg(where, file, reason);
        state_ = State::Failed;
    };
    // Each name replaced under us is tried again, but not for ever.
    for (int replaced = 0; replaced < 100;) {
        Attempt a = lockAt(folder.path(), true, folderFd_);
        if (a.outcome == Outcome::Failed && cannotLockFolders(a.error)) {
            closeFd(folderFd_);
            a.outcome = Outcome::Held;
        }
        if (a.outcome == Outcome::Held)
            a = lockAt(folder.lockFile(), false, fileFd_);
        else if (a.outcome == Outcome::Failed) {
            fail(where, a.error);
            return;
        }
        switch (a.outcome) {
        case Outcome::Held:
            state_ = State::Held;
            return;
        case Outcome::Failed:
            fail(QFileInfo(folder.lockFile()).fileName(), a.error);
            return;
        case Outcome::Replaced:
            ++replaced;
            release();
            continue;
        case Outcome::Taken:
            break;
        }
        release();
        state_ = State::Taken;
        const Clock::duration left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) return;
        // Polled rather than a blocking flock, which no deadline could interrupt.
        std::this_thread::sleep_for(std::min<Clock::duration>(left, std::chrono::milliseconds(20)));
    }
    fail(QFileInfo(folder.lockFile()).fileName(), EAGAIN);
}

FolderLock::~FolderLock() {
    release();
}

void FolderLock::release() {
    closeFd(fileFd_);
    closeFd(folderFd_);
}

} // namespace quotara
