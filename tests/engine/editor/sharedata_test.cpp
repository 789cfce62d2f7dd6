#include "editor/sharedata.h"
#include "play/startup.h"
#include "state/game.h"
#include "state/sharefile.h"
#include "support/fakes.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quotara;
using test::contentOf;
using test::writeFile;

namespace {

struct ShareDataTest : ::testing::Test {
    QTemporaryDir dir;
    test::FakeClock clock;
    test::RecordingMessages messages;
    Game game{clock, messages, DataFolder(dir.path())};

    ShareDataTest() {
        startFreePlay(game.state);
        game.state.money = 12'345;
    }
    QByteArray table() {
        const auto bytes = shareFileImage(game.state.shares);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }
};

// A game's shares with a mid-game look: every field of every record set.
void playSomeDays(GameState& s) {
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& share = s.shares[i];
        for (int d = 1; d <= 300; ++d)
            share.history[d] = static_cast<std::uint16_t>(100 + i * 7 + d);
        share.price = static_cast<std::uint16_t>(500 + i);
        share.change = -i;
        share.cost = 1000 * i;
        share.owned = 10 * i;
        share.p1cost = 1, share.p2cost = 2, share.p1owned = 3, share.p2owned = 4;
    }
}

} // namespace

TEST_F(ShareDataTest, saveThenLoadRestoresTheRecordsByteForByte) {
    playSomeDays(game.state);
    const QByteArray before = table();
    savegamedata(game);
    EXPECT_EQ(contentOf(game.folder.sharesFile()), before);

    startFreePlay(game.state); // prices, history and holdings back to the start
    game.state.money = 99;
    ASSERT_NE(table(), before);
    EXPECT_TRUE(loadgamedata(game));
    EXPECT_EQ(table(), before);
    EXPECT_EQ(game.state.money, 99); // only the share records come from the file
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(ShareDataTest, emptyAndLongerFiles) {
    const QByteArray start = table();
    writeFile(dir, "qoshares.dat", {});
    EXPECT_FALSE(loadgamedata(game));
    EXPECT_EQ(table(), start);

    playSomeDays(game.state);
    const QByteArray played = table();
    startFreePlay(game.state);
    writeFile(dir, "qoshares.dat", played + QByteArray(500, '\x7f'));
    EXPECT_TRUE(loadgamedata(game));
    EXPECT_EQ(table(), played);
    EXPECT_TRUE(messages.log.empty());
}

// A short, missing or unreadable file is reported and leaves every record as it was.
TEST_F(ShareDataTest, badFilesChangeNothing) {
    EXPECT_FALSE(loadgamedata(game));
    playSomeDays(game.state);
    writeFile(dir, "qoshares.dat", table().left(19 * 2076 + 2075));
    startFreePlay(game.state);
    const QByteArray start = table();
    EXPECT_FALSE(loadgamedata(game));
    EXPECT_EQ(table(), start);
    const QString file = game.folder.sharesFile();
    EXPECT_EQ(messages.texts(),
              QStringList({test::errorWithFile("File not found", file),
                           test::errorWithFile("Read beyond end of file", file)}));
    EXPECT_EQ(messages.log[1].kind, Messages::Kind::Error);
}

TEST_F(ShareDataTest, failedSaveIsReported) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("qoshares.dat"));
    savegamedata(game);
    EXPECT_EQ(messages.texts(),
              QStringList({test::errorWithFile("File access denied", game.folder.sharesFile())}));
}
