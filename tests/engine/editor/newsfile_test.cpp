#include "editor/newsfile.h"
#include "support/files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace quotara;
using test::contentOf;
using test::writeFile;

namespace {

// Every byte set, padding and out-of-range Water bytes included; text lengths 50.
QByteArray patternedFile(qsizetype size, int salt) {
    QByteArray b(size, 0);
    for (qsizetype i = 0; i < size; ++i)
        b[i] = char(i % 256 == 0 ? 50 : (i * 7 + salt) % 251);
    return b;
}

std::unique_ptr<GameState> stateWithItems() {
    auto s = std::make_unique<GameState>();
    for (int n = 1; n <= kNewsCount; ++n)
        s->newsitems[n].text.assign(QStringLiteral("Old item %1").arg(n));
    return s;
}

} // namespace

// Saving right after loading gives the file back, whatever its padding held; bytes after
// item 200 are ignored.
TEST(NewsFile, roundTripsByteForByte) {
    QTemporaryDir dir;
    const QByteArray items = patternedFile(qsizetype(kNewsFileSize), 1);
    auto state = stateWithItems();
    EXPECT_FALSE(
        loadNewsFile(*state, writeFile(dir, "qonews.dat", items + QByteArray(77, 'x'))).isError());
    EXPECT_EQ(state->newsitems[200].text.len, 50);

    const QString copy = dir.filePath("copy.dat");
    EXPECT_FALSE(saveNewsFile(*state, copy).isError());
    EXPECT_EQ(contentOf(copy), items);
}

TEST(NewsFile, missingEmptyAndShortFiles) {
    QTemporaryDir dir;
    auto state = stateWithItems();
    EXPECT_EQ(loadNewsFile(*state, dir.filePath("absent.dat")).text(), "File not found");
    EXPECT_FALSE(loadNewsFile(*state, writeFile(dir, "qonews.dat", {})).isError());
    EXPECT_EQ(state->newsitems[1].text.toQString(), "Old item 1");

    // Three whole items and part of a fourth: the three are replaced, the rest kept.
    EXPECT_EQ(
        loadNewsFile(*state, writeFile(dir, "qonews.dat", patternedFile(3 * 256 + 100, 5))).text(),
        "Read beyond end of file");
    EXPECT_EQ(state->newsitems[3].text.len, 50);
    EXPECT_EQ(state->newsitems[4].text.toQString(), "Old item 4");
}

TEST(NewsFile, failedSaveIsReportedAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString blocker = writeFile(dir, "qonews.dat", "old");
    auto state = stateWithItems();
    EXPECT_TRUE(saveNewsFile(*state, blocker + "/qonews.dat").isError());
    EXPECT_EQ(contentOf(blocker), "old");
}
