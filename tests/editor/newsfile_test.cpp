#include "editor/newsfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace quotara;

namespace {

// A file whose every byte is set, padding and odd Water bytes included.
QByteArray patternedFile(qsizetype size, int salt) {
    QByteArray b(size, 0);
    for (qsizetype i = 0; i < size; ++i)
        b[i] = char((i * 7 + salt) % 251);
    for (qsizetype r = 0; r + 256 <= size; r += 256)
        b[r] = char(50); // text length within 0..200
    return b;
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("qonews.dat");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return path;
}

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::unique_ptr<GameState> stateWithItems() {
    auto s = std::make_unique<GameState>();
    for (int n = 1; n <= kNewsCount; ++n) {
        s->newsitems[n].text.assign(QStringLiteral("Old item %1").arg(n));
        s->newsitems[n].probcode = 3;
    }
    return s;
}

} // namespace

TEST(NewsFile, loadsAndSavesByteForByte) {
    QTemporaryDir dir;
    const QByteArray original = patternedFile(qsizetype(kNewsFileSize), 1);
    const QString path = writeFile(dir, original);
    auto state = stateWithItems();
    EXPECT_FALSE(loadNewsFile(*state, path).isError());
    EXPECT_EQ(state->newsitems[1].text.len, 50);

    EXPECT_FALSE(saveNewsFile(*state, dir.filePath("copy.dat")).isError());
    EXPECT_EQ(contentOf(dir.filePath("copy.dat")), original);
}

TEST(NewsFile, emptyAndMissingFilesLeaveTheTableAsItWas) {
    QTemporaryDir dir;
    auto state = stateWithItems();
    EXPECT_EQ(loadNewsFile(*state, dir.filePath("absent.dat")).text(), "File not found");
    EXPECT_FALSE(loadNewsFile(*state, writeFile(dir, {})).isError());
    EXPECT_EQ(state->newsitems[1].text.toQString(), "Old item 1");
    EXPECT_EQ(state->newsitems[200].text.toQString(), "Old item 200");
}

TEST(NewsFile, shortFileReplacesTheItemsItHolds) {
    QTemporaryDir dir;
    auto state = stateWithItems();
    const QByteArray content = patternedFile(3 * 256 + 100, 5);
    EXPECT_EQ(loadNewsFile(*state, writeFile(dir, content)).text(), "Read beyond end of file");
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(state->newsitems[n].text.len, 50) << n;
    EXPECT_EQ(state->newsitems[4].text.toQString(), "Old item 4");
    EXPECT_EQ(state->newsitems[4].probcode, 3);
}

TEST(NewsFile, bytesAfterTheLastItemAreIgnored) {
    QTemporaryDir dir;
    const QByteArray items = patternedFile(qsizetype(kNewsFileSize), 9);
    auto state = stateWithItems();
    EXPECT_FALSE(loadNewsFile(*state, writeFile(dir, items + QByteArray(77, 'x'))).isError());
    EXPECT_FALSE(saveNewsFile(*state, dir.filePath("copy.dat")).isError());
    EXPECT_EQ(contentOf(dir.filePath("copy.dat")), items);
}

TEST(NewsFile, failedSaveIsReportedAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString blocker = writeFile(dir, "old");
    auto state = stateWithItems();
    EXPECT_TRUE(saveNewsFile(*state, blocker + "/qonews.dat").isError());
    EXPECT_EQ(contentOf(blocker), "old");
}
