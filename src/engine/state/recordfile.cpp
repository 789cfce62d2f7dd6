#include "state/recordfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// POSIX calls rather than QFile: the error texts depend on the exact system error, which
// QFile does not report.

namespace quotara {
namespace {

// Closes the descriptor when the scope ends, keeping errno for the caller.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Fd() {
        if (fd_ >= 0) {
            const int saved = errno;
            ::close(fd_);
            errno = saved;
        }
    }
    int get() const { return fd_; }
    // Closes now and reports a failure of the close itself (a delayed write error).
    int close() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

  private:
    int fd_;
};

// Reads until n bytes, the end of the file or an error: the bytes read, or -1 (errno set).
ssize_t readFull(int fd, std::uint8_t* buf, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::read(fd, buf + got, n - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return -1;
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    return static_cast<ssize_t>(got);
}

std::int64_t writeBudget = -1; // see setWriteBudgetForTests

bool writeFull(int fd, const std::uint8_t* buf, std::size_t n) {
    std::size_t done = 0;
    while (done < n) {
        std::size_t chunk = n - done;
        if (writeBudget >= 0) {
            chunk = std::min<std::size_t>(chunk, static_cast<std::size_t>(writeBudget));
            if (chunk == 0) {
                errno = ENOSPC;
                return false;
            }
        }
        const ssize_t r = ::write(fd, buf + done, chunk);
        if (writeBudget >= 0 && r > 0) writeBudget -= r;
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return false;
        if (r == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(r);
    }
    return true;
}

// Opens a data file for reading. Without O_NONBLOCK a named pipe would hang the game in open;
// anything but a regular file (a pipe, a device, a folder) is refused as access denied.
FileError openForReading(const QString& path, Fd& fd) {
    const QByteArray name = QFile::encodeName(path);
    fd = Fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return FileError::fromErrno(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return FileError::fromErrno(errno);
    if (!S_ISREG(st.st_mode)) return FileError::fromErrno(S_ISDIR(st.st_mode) ? EISDIR : EACCES);
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return FileError::fromErrno(errno);
    return {};
}

constexpr qsizetype kTemporarySuffix = 6; // ".NAME.XXXXXX"

// Creates the write's temporary file beside the target, ".NAME.XXXXXX", with the ordinary
// permissions the umask leaves of 0644 (mkstemp's are 0600). Its name is returned in `temp`.
int createTemporary(const QFileInfo& target, QByteArray& temp) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const QByteArray stem =
        QFile::encodeName(target.path() + QStringLiteral("/.") + target.fileName()) + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = stem;
        for (qsizetype i = 0; i < kTemporarySuffix; ++i)
            temp += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        const int fd =
            ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1; // errno is EEXIST
}

} // namespace

FileError FileError::fromErrno(int number) {
    switch (number) {
    case 0:
        return {};
    case ENOENT:
        return FileError(Kind::NotFound, number);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // a folder where a file should be; the file cannot be opened as one
        return FileError(Kind::AccessDenied, number);
    case ENOSPC:
    case EDQUOT:
        return FileError(Kind::DiskFull, number);
    default:
        return FileError(Kind::Other, number);
    }
}

QString FileError::reason() const {
    if (number_ == 0) return {};
    return QString::fromLocal8Bit(std::strerror(number_));
}

QString FileError::textFor(const QString& fileName) const {
    QString where = fileName;
    if (const QString why = reason(); !why.isEmpty()) where += QStringLiteral(": ") + why;
    return text() + QStringLiteral(" (") + where + QLatin1Char(')');
}

QString FileError::text() const {
    switch (kind_) {
    case Kind::None:
        return {};
    case Kind::NotFound:
        return QStringLiteral("File not found");
    case Kind::AccessDenied:
        return QStringLiteral("File access denied");
    case Kind::ReadBeyondEnd:
        return QStringLiteral("Read beyond end of file");
    case Kind::DiskFull:
        return QStringLiteral("Disk full");
    case Kind::Other:
        break;
    }
    return QStringLiteral("I/O error %1").arg(number_);
}

FileError readRecords(const QString& path, std::size_t recordSize, std::size_t count,
                      const RecordSink& take) {
    Fd fd(-1);
    if (const FileError e = openForReading(path, fd); e.isError()) return e;

    std::vector<std::uint8_t> record(recordSize);
    for (std::size_t i = 0; i < count; ++i) {
        const ssize_t got = readFull(fd.get(), record.data(), recordSize);
        if (got < 0) return FileError::fromErrno(errno);
        // The one emptiness check: an empty file reads nothing.
        if (i == 0 && got == 0) return {};
        if (static_cast<std::size_t>(got) < recordSize) return FileError::readBeyondEnd();
        take(i, record);
    }
    return {};
}

FileError readWholeRecords(const QString& path, std::size_t recordSize, std::size_t count,
                           std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    Fd fd(-1);
    if (const FileError e = openForReading(path, fd); e.isError()) return e;

    const std::size_t size = recordSize * count;
    std::vector<std::uint8_t> buffer(size);
    const ssize_t got = readFull(fd.get(), buffer.data(), size);
    if (got < 0) return FileError::fromErrno(errno);
    if (got == 0) return {};
    if (static_cast<std::size_t>(got) < size) return FileError::readBeyondEnd();
    bytes = std::move(buffer);
    return {};
}

FileError readWholeFile(const QString& path, std::size_t most, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    Fd fd(-1);
    if (const FileError e = openForReading(path, fd); e.isError()) return e;
    // Grown as the file gives bytes, so a large `most` costs nothing for a small file.
    std::vector<std::uint8_t> buffer;
    for (std::size_t want = std::min<std::size_t>(most, 4096);; want = std::min(most, want * 2)) {
        const std::size_t at = buffer.size();
        buffer.resize(want);
        const ssize_t got = readFull(fd.get(), buffer.data() + at, want - at);
        if (got < 0) return FileError::fromErrno(errno);
        buffer.resize(at + static_cast<std::size_t>(got));
        if (buffer.size() < want || want == most) break;
    }
    bytes = std::move(buffer);
    return {};
}

FileError writeRefusal(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) return {};
    // A folder in the file's place would only refuse the rename, after all the writing.
    if (S_ISDIR(st.st_mode)) return FileError::fromErrno(EISDIR);
    if (::access(name.constData(), W_OK) != 0) return FileError::fromErrno(errno);
    return {};
}

FileError writeFileAtomically(const QString& path, std::span<const std::uint8_t> bytes) {
    if (const FileError e = writeRefusal(path); e.isError()) return e;
    const QFileInfo info(path);
    QByteArray temp;
    Fd fd(createTemporary(info, temp));
    if (fd.get() < 0) return FileError::fromErrno(errno);
    const auto fail = [&temp](int number) {
        ::unlink(temp.constData());
        return FileError::fromErrno(number);
    };
    if (!writeFull(fd.get(), bytes.data(), bytes.size())) return fail(errno);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (fd.close() != 0) return fail(errno);
    if (::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) return fail(errno);
    // The file is complete whatever this does; it makes the rename outlast a power cut.
    syncFolder(info.path());
    return {};
}

void removeTemporaries(const QString& folder, const QStringList& names) {
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const qsizetype dot = entry.size() - kTemporarySuffix - 1;
        if (dot < 2 || !entry.startsWith(QLatin1Char('.')) || entry[dot] != QLatin1Char('.'))
            continue;
        if (names.contains(entry.mid(1, dot - 1)))
            ::unlink(QFile::encodeName(dir.filePath(entry)).constData());
    }
}

void setWriteBudgetForTests(std::int64_t bytes) {
    writeBudget = bytes;
}

void syncFolder(const QString& folder) {
    const QByteArray dir = QFile::encodeName(folder);
    Fd dirFd(::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0) ::fsync(dirFd.get());
}

bool fileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking: a pipe without a writer would wait for ever.
    Fd fd(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return false;
    struct stat st {};
    return ::fstat(fd.get(), &st) == 0 && !S_ISDIR(st.st_mode);
}

QString fileErrorText(const FileError& error, const QString& path) {
    if (!error.isError()) return {};
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    if (!QFileInfo(file.absolutePath()).isDir())
        return QStringLiteral("The data folder %1 does not exist and cannot be created.")
            .arg(folder);
    return error.text() + QStringLiteral("\n\nFile: ") + QDir::toNativeSeparators(path);
}

} // namespace quotara
