// The settings file and the data folder's lock: what keeps the game's choices from run to
// run, and one program per folder.

#include "state/folderlock.h"
#include "state/settings.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace quotara;

TEST(Settings, readsWhatEarlierVersionsWroteAndWritesItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("quotara.conf");
    {
        QSettings earlier(path, QSettings::IniFormat);
        earlier.setValue("zoom", 150);
        earlier.setValue("Tips/ShowAtStartup", false);
    }
    Settings settings(path);
    ASSERT_FALSE(settings.load().isError());
    EXPECT_EQ(settings.intValue("zoom", 100), 150);
    EXPECT_FALSE(settings.boolValue("Tips/ShowAtStartup", true));
    EXPECT_EQ(settings.set("GoldBars/count", "3"), QString());

    QSettings later(path, QSettings::IniFormat);
    EXPECT_EQ(later.value("zoom").toInt(), 150);
    EXPECT_EQ(later.value("Tips/ShowAtStartup").toBool(), false);
    EXPECT_EQ(later.value("GoldBars/count").toInt(), 3);
}

// A named pipe in the settings file's place once held up the start for ever.
TEST(Settings, aPipeInItsPlaceIsPassedOverWithoutWaiting) {
    QTemporaryDir dir;
    const QString path = dir.filePath("quotara.conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    Settings settings(path);
    EXPECT_EQ(settings.load(), FileError::fromErrno(EACCES));
    EXPECT_EQ(settings.intValue("zoom", 100), 100);
}

TEST(Settings, aWriteThatFailsSaysWhyAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("quotara.conf");
    const QString old = test::writeFile(dir, "quotara.conf", "[General]\nzoom=200\n");
    Settings settings(path);
    ASSERT_FALSE(settings.load().isError());
    setWriteBudgetForTests(5);
    const QString told = settings.set("zoom", "150");
    setWriteBudgetForTests(-1);
    EXPECT_EQ(told, "Quotara could not keep this for its next start: Disk full (quotara.conf: No "
                    "space left on device).");
    EXPECT_EQ(test::contentOf(old), "[General]\nzoom=200\n");
    EXPECT_EQ(settings.intValue("zoom", 100), 150) << "in force for this run";
}

// A settings file that could not be read was once written over whole at the next change,
// and the gold bars and the hall of fame in it were lost.
TEST(Settings, oneThatCannotBeReadIsNeverWrittenOverAndIsKeptOnceItReads) {
    QTemporaryDir dir;
    const QString path = dir.filePath("quotara.conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    Settings settings(path);
    ASSERT_TRUE(settings.load().isError());
    EXPECT_EQ(settings.set("zoom", "150"),
              "Quotara could not keep this for its next start: File access denied (quotara.conf: "
              "Permission denied). The settings file is left as it was.");
    EXPECT_FALSE(settings.set("GoldBars/count", "1").isEmpty());
    EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile()) << "left in place";
    EXPECT_EQ(settings.intValue("zoom", 100), 150) << "in force for this run";

    // Once it reads, what it holds outweighs what was said not to be kept.
    ASSERT_TRUE(QFile::remove(path));
    test::writeFile(dir, "quotara.conf", "[GoldBars]\ncount=3\n");
    EXPECT_EQ(settings.set("Tips/ShowAtStartup", "false"), QString());
    EXPECT_EQ(test::contentOf(path),
              "[General]\nzoom=150\n\n[GoldBars]\ncount=3\n\n[Tips]\nShowAtStartup=false\n");
}

TEST(FolderLock, oneProgramPerFolderAndFreeOnceItEnds) {
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    {
        const FolderLock first(folder);
        EXPECT_EQ(first.state(), FolderLock::State::Held);
        const FolderLock second(folder);
        EXPECT_EQ(second.state(), FolderLock::State::Taken);
    }
    const FolderLock again(folder);
    EXPECT_EQ(again.state(), FolderLock::State::Held);
}

// A restarted program waits for the one that started it to end, but not for ever.
TEST(FolderLock, aWaitGetsTheLockFreedWithinItAndGivesUpAfterIt) {
    using namespace std::chrono_literals;
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    auto ending = std::make_unique<FolderLock>(folder);
    std::thread end([&ending] {
        std::this_thread::sleep_for(200ms);
        ending.reset();
    });
    const FolderLock next(folder, 10s);
    end.join();
    EXPECT_EQ(next.state(), FolderLock::State::Held);

    const auto begun = std::chrono::steady_clock::now();
    const FolderLock another(folder, 300ms);
    const auto waited = std::chrono::steady_clock::now() - begun;
    EXPECT_EQ(another.state(), FolderLock::State::Taken);
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 5s);
}

// Removing quotara.lock, or putting another file or a folder in its place, while a game ran
// once let a second copy start beside it.
TEST(FolderLock, aLockFileRemovedOrReplacedWhileHeldKeepsASecondCopyOut) {
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const FolderLock first(folder);
    ASSERT_TRUE(first.held());
    ASSERT_TRUE(QFile::remove(folder.lockFile()));
    EXPECT_EQ(FolderLock(folder).state(), FolderLock::State::Taken);
    test::writeFile(dir, "quotara.lock", "another file");
    EXPECT_EQ(FolderLock(folder).state(), FolderLock::State::Taken);
    ASSERT_TRUE(QFile::remove(folder.lockFile()));
    ASSERT_TRUE(QDir().mkdir(folder.lockFile()));
    EXPECT_EQ(FolderLock(folder).state(), FolderLock::State::Taken);
}

TEST(FolderLock, aReadOnlyLockFileIsLockedAllTheSame) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    test::writeFile(dir, "quotara.lock", "");
    ASSERT_TRUE(QFile::setPermissions(folder.lockFile(), QFile::ReadOwner));
    const FolderLock first(folder);
    EXPECT_TRUE(first.held());
    EXPECT_EQ(FolderLock(folder).state(), FolderLock::State::Taken);
}

// Whatever else keeps the lock from being taken is said, and nothing may go on.
TEST(FolderLock, oneThatCannotBeTakenSaysWhy) {
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    ASSERT_TRUE(QDir().mkdir(folder.lockFile()));
    const FolderLock blocked(folder);
    EXPECT_EQ(blocked.state(), FolderLock::State::Failed);
    EXPECT_EQ(blocked.why(), QStringLiteral("The data folder %1 cannot be locked (quotara.lock: Is "
                                            "a directory), so no other copy of Quotara can be kept "
                                            "from using it at the same time.")
                                 .arg(dir.path()));
    const QString file = test::writeFile(dir, "file", "not a folder");
    EXPECT_EQ(FolderLock(DataFolder(file)).why(), "The data folder " + file + " is not a folder.");
}
