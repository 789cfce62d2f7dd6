#include "state/recordfile.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quotara;
using test::contentOf;
using test::writeFile;

namespace {
std::span<const std::uint8_t> asBytes(const QByteArray& a) {
    return {reinterpret_cast<const std::uint8_t*>(a.constData()), std::size_t(a.size())};
}
} // namespace

TEST(FileError, givesTheStandardTexts) {
    EXPECT_EQ(FileError().text(), "");
    EXPECT_EQ(FileError::fromErrno(ENOENT).text(), "File not found");
    EXPECT_EQ(FileError::fromErrno(EACCES).text(), "File access denied");
    EXPECT_EQ(FileError::readBeyondEnd().text(), "Read beyond end of file");
    EXPECT_EQ(FileError::fromErrno(ENOSPC).text(), "Disk full");
    EXPECT_EQ(FileError::fromErrno(EIO).text(), QStringLiteral("I/O error %1").arg(EIO));

    QTemporaryDir dir;
    EXPECT_EQ(readRecords(dir.path(), 1, 1, {}).text(), "File access denied"); // a folder
}

// A named pipe in place of a data file would hang the game before its window appears, and a
// device could feed it endless records: only a regular file is read.
TEST(ReadRecords, refusesAnythingButARegularFileWithoutBlocking) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("qonews.dat");
    const QByteArray fifoName = QFile::encodeName(fifo);
    ASSERT_EQ(::mkfifo(fifoName.constData(), 0600), 0);
    auto read = std::async(std::launch::async, [&fifo] {
        return std::pair(readRecords(fifo, 256, 200, {}).text(), fileExists(fifo));
    });
    if (read.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        // Let each blocked open return so the test can end.
        while (read.wait_for(std::chrono::milliseconds(10)) == std::future_status::timeout) {
            const int writer = ::open(fifoName.constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) ::close(writer);
        }
        FAIL() << "reading a named pipe blocked";
    }
    EXPECT_EQ(read.get(), std::pair(QStringLiteral("File access denied"), true));

    int records = 0;
    const auto count = [&records](std::size_t, std::span<const std::uint8_t>) { ++records; };
    EXPECT_EQ(readRecords(QStringLiteral("/dev/zero"), 256, 200, count).text(),
              "File access denied");
    EXPECT_EQ(records, 0);
}

// A write that fails half-way (the file size limit stands in for a full disk) leaves the old
// file as it was and no temporary file behind.
TEST(WriteFileAtomically, replacesTheFileOnlyWhenComplete) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "f.dat", "old content");
    EXPECT_FALSE(writeFileAtomically(path, asBytes("old")).isError());

    const FileError e = test::withFileSizeLimit(
        1000, [&] { return writeFileAtomically(path, asBytes(QByteArray(5000, 'x'))); });
    EXPECT_TRUE(e.isError());
    EXPECT_EQ(contentOf(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"f.dat"});

    const QString notAFolder = path + "/f.dat";
    EXPECT_EQ(writeFileAtomically(notAFolder, asBytes("new")).text(),
              QStringLiteral("I/O error %1").arg(ENOTDIR));
}

// Replacing the file by renaming must not get round its write protection.
TEST(WriteFileAtomically, refusesAReadOnlyFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    QTemporaryDir dir;
    const QString locked = writeFile(dir, "locked", "old");
    QFile::setPermissions(locked, QFile::ReadOwner);
    EXPECT_EQ(writeFileAtomically(locked, asBytes("new")).text(), "File access denied");
    EXPECT_EQ(contentOf(locked), "old");
}
