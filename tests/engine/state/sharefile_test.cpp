#include "play/startup.h"
#include "state/sharefile.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quotara;
using test::contentOf;
using test::writeFile;

namespace {

QByteArray asArray(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

// A table that differs from the built-in one in every kind of field.
std::unique_ptr<GameState> playedTable() {
    auto s = std::make_unique<GameState>();
    loadStartValues(*s);
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& sh = s->shares[i];
        sh.history[1] = static_cast<std::uint16_t>(100 + i);
        sh.history[1000] = static_cast<std::uint16_t>(60000 + i);
        sh.change = -i;
        sh.cost = 1000 * i;
        sh.owned = 7 * i;
        sh.p1cost = i, sh.p2cost = -i, sh.p1owned = 2 * i, sh.p2owned = 3 * i;
    }
    return s;
}

} // namespace

TEST(ShareFile, writesTheTableImageAndReadsItBack) {
    QTemporaryDir dir;
    const auto s = playedTable();
    const QString path = dir.filePath("qoshares.dat");
    ASSERT_FALSE(writeShareFile(path, s->shares).isError());

    const QByteArray bytes = contentOf(path);
    ASSERT_EQ(bytes.size(), 41520);
    EXPECT_EQ(bytes, asArray(shareFileImage(s->shares)));
    for (int i = 0; i < kShareCount; ++i) { // record k is share k, field for field
        std::vector<std::uint8_t> one(Tshare::kSize);
        encodeShare(s->shares[i], std::span<std::uint8_t, Tshare::kSize>(one.data(), one.size()));
        EXPECT_EQ(bytes.mid(i * 2076, 2076), asArray(one)) << "record " << i;
    }

    const ShareFileContent read = readShareFile(path, EmptyShareFile::IsShort);
    ASSERT_FALSE(read.error.isError());
    EXPECT_EQ(asArray(read.image), bytes);
    auto copy = std::make_unique<GameState>();
    applyShares(*copy, read.records);
    EXPECT_EQ(asArray(shareFileImage(copy->shares)), bytes);
    EXPECT_TRUE(copy->shares[20].name.empty()); // only 0..19 are the file's
}

// The share data file loads nothing from an empty file; to a saved game it is short.
TEST(ShareFile, emptyShortAndLongerFiles) {
    QTemporaryDir dir;
    const auto s = playedTable();
    const QByteArray image = asArray(shareFileImage(s->shares));

    const QString empty = writeFile(dir, "empty", {});
    EXPECT_TRUE(readShareFile(empty, EmptyShareFile::ReadsNothing).readNothing());
    EXPECT_EQ(readShareFile(empty, EmptyShareFile::IsShort).error.text(),
              "Read beyond end of file");

    const ShareFileContent shortRead =
        readShareFile(writeFile(dir, "short", image.left(41519)), EmptyShareFile::ReadsNothing);
    EXPECT_EQ(shortRead.error.text(), "Read beyond end of file");
    EXPECT_TRUE(shortRead.records.empty()); // nothing of what was read is handed over

    const ShareFileContent longer =
        readShareFile(writeFile(dir, "longer", image + "trailing bytes"), EmptyShareFile::IsShort);
    ASSERT_FALSE(longer.error.isError());
    EXPECT_EQ(asArray(longer.image), image);
    EXPECT_EQ(longer.records.size(), 20u);
}

TEST(ShareFile, refusesWhatIsNoReadableFile) {
    QTemporaryDir dir;
    EXPECT_EQ(readShareFile(dir.filePath("none"), EmptyShareFile::IsShort).error.text(),
              "File not found");
    EXPECT_EQ(readShareFile(dir.path(), EmptyShareFile::IsShort).error.text(),
              "File access denied");
    // A pipe without a writer would block a plain read for ever.
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(readShareFile(fifo, EmptyShareFile::ReadsNothing).error.text(), "File access denied");
}

// A damaged length byte must not let a name run past its 40 characters.
TEST(ShareFile, aNameLengthAbove40ReadsAs40) {
    QTemporaryDir dir;
    const auto s = playedTable();
    QByteArray image = asArray(shareFileImage(s->shares));
    image[2076 * 3] = char(0xFF);
    const ShareFileContent read =
        readShareFile(writeFile(dir, "f", image), EmptyShareFile::ReadsNothing);
    ASSERT_EQ(read.records.size(), 20u);
    EXPECT_EQ(read.records[3].name.len, 40);
    EXPECT_EQ(read.records[2].name.len, s->shares[2].name.len);
    EXPECT_EQ(std::uint8_t(read.image[2076 * 3]), 0xFF); // the image is what the file holds
}

TEST(ShareFile, aFailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const auto s = playedTable();
    const QString path = writeFile(dir, "qoshares.dat", "old");
    EXPECT_EQ(writeShareFile(dir.filePath("no/such/qoshares.dat"), s->shares).text(),
              "File not found");
    // A folder in the way of the temporary file's rename.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken"));
    EXPECT_EQ(writeShareFile(dir.filePath("taken"), s->shares).text(), "File access denied");
    EXPECT_EQ(contentOf(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"qoshares.dat"});
}
