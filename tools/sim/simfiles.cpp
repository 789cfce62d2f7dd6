#include "simfiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

// A small private reader and writer; the game's own record-file module replaces it once that
// is available to the tools.

namespace quotara::sim {
namespace {

constexpr int kNewsItems = kNewsCount;

struct Bytes {
    std::vector<std::uint8_t> data;
    QString error;
};

Bytes readWhole(const QString& path) {
    Bytes out;
    const QByteArray name = QFile::encodeName(path);
    std::FILE* f = std::fopen(name.constData(), "rb");
    if (!f) {
        out.error = fileErrorText(errno);
        return out;
    }
    std::uint8_t buf[65536];
    for (;;) {
        const std::size_t got = std::fread(buf, 1, sizeof buf, f);
        out.data.insert(out.data.end(), buf, buf + got);
        if (got < sizeof buf) break;
    }
    if (std::ferror(f)) out.error = fileErrorText(errno);
    std::fclose(f);
    return out;
}

// Calls take(index, record) for each whole record; an empty file reads nothing.
template <std::size_t Size, typename Take>
QString forEachRecord(std::span<const std::uint8_t> bytes, int count, Take take) {
    if (bytes.empty()) return {};
    for (int i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) * Size;
        if (at + Size > bytes.size()) return QStringLiteral("Read beyond end of file");
        take(i, std::span<const std::uint8_t, Size>(bytes.data() + at, Size));
    }
    return {};
}

} // namespace

QString fileErrorText(int errnum) {
    switch (errnum) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("File not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(errnum);
    }
}

QString loadNewsBytes(GameState& state, std::span<const std::uint8_t> bytes) {
    return forEachRecord<Tnewsitem::kSize>(bytes, kNewsItems, [&](int i, auto record) {
        state.newsitems[i + 1] = decodeNewsItem(record);
    });
}

QString loadNewsFile(GameState& state, const QString& path) {
    const Bytes file = readWhole(path);
    if (!file.error.isEmpty()) return file.error;
    return loadNewsBytes(state, file.data);
}

QString loadSharesFile(GameState& state, const QString& path) {
    const Bytes file = readWhole(path);
    if (!file.error.isEmpty()) return file.error;
    return forEachRecord<Tshare::kSize>(
        file.data, kShareCount, [&](int i, auto record) { state.shares[i] = decodeShare(record); });
}

QString saveSharesFile(const GameState& state, const QString& path) {
    std::vector<std::uint8_t> bytes(kShareCount * Tshare::kSize);
    for (int i = 0; i < kShareCount; ++i)
        encodeShare(state.shares[i], std::span<std::uint8_t, Tshare::kSize>(
                                         bytes.data() + i * Tshare::kSize, Tshare::kSize));

    const QFileInfo info(path);
    QByteArray temp =
        QFile::encodeName(info.path() + QStringLiteral("/.") + info.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return fileErrorText(errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            ::close(fd);
            ::unlink(temp.constData());
            return fileErrorText(err);
        }
        done += static_cast<std::size_t>(n);
    }
    int err = 0;
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.constData(), QFile::encodeName(path).constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.constData());
        return fileErrorText(err);
    }
    return {};
}

} // namespace quotara::sim
