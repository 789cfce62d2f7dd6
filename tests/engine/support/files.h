#pragma once
// Files for the file tests, written and read back whole.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace quotara::test {

// Writes content to the file name in dir; returns its path.
inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return f.fileName();
}

// The whole file, or "<unreadable>" when it cannot be opened.
inline QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The error box's text for a standard file error with that file.
inline QString errorWithFile(const char* text, const QString& path) {
    return QLatin1String(text) + QStringLiteral("\n\nFile: ") + QDir::toNativeSeparators(path);
}

// Runs `write` with the file size limit at `bytes`, which stands in for a full disk.
template <typename F> auto withFileSizeLimit(rlim_t bytes, F write) {
    rlimit saved{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

} // namespace quotara::test
