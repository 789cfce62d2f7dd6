#include "state/recordfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

using namespace quotara;

namespace {
QString makeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return path;
}
QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
std::span<const std::uint8_t> asBytes(const QByteArray& a) {
    return {reinterpret_cast<const std::uint8_t*>(a.constData()), std::size_t(a.size())};
}
} // namespace

TEST(FileError, givesTheStandardTexts) {
    EXPECT_EQ(FileError().text(), "");
    EXPECT_FALSE(FileError::fromErrno(0).isError());
    EXPECT_EQ(FileError::fromErrno(ENOENT).text(), "File not found");
    EXPECT_EQ(FileError::fromErrno(EACCES).text(), "File access denied");
    EXPECT_EQ(FileError::fromErrno(EROFS).text(), "File access denied");
    EXPECT_EQ(FileError::readBeyondEnd().text(), "Read beyond end of file");
    EXPECT_EQ(FileError::fromErrno(ENOSPC).text(), "Disk full");
    EXPECT_EQ(FileError::fromErrno(EIO).text(), QStringLiteral("I/O error %1").arg(EIO));
}

TEST(ReadRecords, handsOverWholeRecordsAndReportsAShortFile) {
    QTemporaryDir dir;
    std::vector<std::string> got;
    const RecordSink take = [&](std::size_t i, std::span<const std::uint8_t> r) {
        EXPECT_EQ(i, got.size());
        got.emplace_back(r.begin(), r.end());
    };

    EXPECT_EQ(readRecords(dir.filePath("none"), 3, 4, take).text(), "File not found");
    EXPECT_EQ(readRecords(makeFile(dir, "empty", ""), 3, 4, take), FileError());
    EXPECT_TRUE(got.empty());

    // Two whole records and a part of the third: the two are read before the error.
    EXPECT_EQ(readRecords(makeFile(dir, "short", "aaabbbcc"), 3, 4, take).text(),
              "Read beyond end of file");
    EXPECT_EQ(got, (std::vector<std::string>{"aaa", "bbb"}));

    got.clear();
    EXPECT_EQ(readRecords(makeFile(dir, "long", "aaabbbccczz"), 3, 3, take), FileError());
    EXPECT_EQ(got, (std::vector<std::string>{"aaa", "bbb", "ccc"}));

    EXPECT_EQ(readRecords(dir.path(), 3, 1, take).text(), "File access denied");
}

TEST(WriteFileAtomically, replacesTheFileWhole) {
    QTemporaryDir dir;
    const QString path = makeFile(dir, "f.dat", "old content that is longer");
    EXPECT_EQ(writeFileAtomically(path, asBytes("new")), FileError());
    EXPECT_EQ(contentOf(path), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"f.dat"});
}

// A write that fails half-way (here the file size limit stands in for a full disk) must
// leave the old file as it was and no temporary file behind.
TEST(WriteFileAtomically, keepsTheOldFileWhenTheWriteFails) {
    QTemporaryDir dir;
    const QString path = makeFile(dir, "f.dat", "old");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileError e = writeFileAtomically(path, asBytes(QByteArray(5000, 'x')));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(e.isError());
    EXPECT_EQ(contentOf(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"f.dat"});
}

TEST(WriteFileAtomically, reportsAFolderThatIsAFile) {
    QTemporaryDir dir;
    const QString notAFolder = makeFile(dir, "plain", "x");
    EXPECT_EQ(writeFileAtomically(notAFolder + "/f.dat", asBytes("new")).text(),
              QStringLiteral("I/O error %1").arg(ENOTDIR));
    EXPECT_EQ(contentOf(notAFolder), "x");
}

// Replacing the file by renaming must not get round its write protection.
TEST(WriteFileAtomically, refusesAReadOnlyFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    QTemporaryDir dir;
    const QString locked = makeFile(dir, "locked", "old");
    QFile::setPermissions(locked, QFile::ReadOwner);
    EXPECT_EQ(writeFileAtomically(locked, asBytes("new")).text(), "File access denied");
    EXPECT_EQ(contentOf(locked), "old");
}

TEST(FileExists, needsAReadableFile) {
    QTemporaryDir dir;
    EXPECT_FALSE(fileExists(""));
    EXPECT_FALSE(fileExists(dir.filePath("none")));
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_TRUE(fileExists(makeFile(dir, "empty", "")));
}
