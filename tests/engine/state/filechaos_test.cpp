// Every file the game writes, its save cut short after any number of bytes as a full disk
// would, is left exactly as it was before the save, with nothing else left beside it.

#include "editor/newseditor.h"
#include "editor/newsfile.h"
#include "editor/sharedata.h"
#include "play/levels.h"
#include "play/savegame.h"
#include "play/startup.h"
#include "state/recordfile.h"
#include "state/sharefile.h"
#include "support/fakes.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace quotara;

namespace {

// The write budget for one save; lifted again whatever happens.
class DiskSpace {
  public:
    explicit DiskSpace(std::int64_t bytes) { setWriteBudgetForTests(bytes); }
    ~DiskSpace() { setWriteBudgetForTests(-1); }
};

// Every 1/50th of the bytes, and each side of every record boundary and of the end.
std::vector<std::int64_t> cutPoints(std::int64_t total, std::int64_t record) {
    std::vector<std::int64_t> ks;
    for (std::int64_t k = 0; k < total; k += std::max<std::int64_t>(1, total / 50))
        ks.push_back(k);
    for (std::int64_t edge = record; edge <= total; edge += record)
        for (std::int64_t k : {edge - 1, edge, edge + 1})
            if (k < total) ks.push_back(k);
    std::sort(ks.begin(), ks.end());
    ks.erase(std::unique(ks.begin(), ks.end()), ks.end());
    return ks;
}

struct Save {
    const char* what;
    QStringList files;  // what the save writes
    std::int64_t bytes; // in all
    std::int64_t record;
    std::function<void()> run;
    QString saidOnSuccess; // empty: nothing
};

} // namespace

TEST(FileChaos, aSaveCutShortLeavesEveryOldFileAsItWas) {
    QTemporaryDir dir;
    test::FakeClock clock;
    test::RecordingMessages messages;
    Game game(clock, messages, DataFolder(dir.path()));
    startFreePlay(game.state);
    for (int n = 1; n <= kNewsCount; ++n)
        game.state.newsitems[n].text.assign(QStringLiteral("Item %1").arg(n));
    NewGame ng;
    NewsEditor editor(game);
    const DataFolder& folder = game.folder;

    const Save saves[] = {
        {"news file",
         {folder.newsFile()},
         std::int64_t(kNewsFileSize),
         Tnewsitem::kSize,
         [&] { editor.Button5Click(); },
         {}},
        {"share data file",
         {folder.sharesFile()},
         std::int64_t(kShareFileSize),
         Tshare::kSize,
         [&] { savegamedata(game); },
         {}},
        {"saved game",
         {folder.savedSharesFile(), folder.savedPlayersFile(), folder.savedStateFile()},
         std::int64_t(2 * kShareFileSize +
                      encodeStateFile(game.state, {}, shareFileImage(game.state.shares)).size()),
         Tshare::kSize,
         [&] { savegame(game, ng); },
         QStringLiteral("Game saved successfully.")},
    };
    for (const Save& save : saves) {
        QStringList names;
        for (const QString& file : save.files) {
            const QString name = QFileInfo(file).fileName();
            test::writeFile(dir, name, "the old " + name.toUtf8());
            names << name;
        }
        QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

        for (std::int64_t k : cutPoints(save.bytes, save.record)) {
            messages.log.clear();
            {
                DiskSpace space(k);
                save.run();
            }
            ASSERT_EQ(messages.texts().size(), 1) << save.what << " cut at " << k;
            ASSERT_TRUE(messages.texts()[0].startsWith("Disk full"))
                << save.what << " cut at " << k;
            for (const QString& name : names)
                ASSERT_EQ(test::contentOf(dir.filePath(name)), "the old " + name.toUtf8())
                    << save.what << " cut at " << k;
            ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before)
                << save.what << " cut at " << k;
        }

        // With room for every byte the save goes through.
        messages.log.clear();
        {
            DiskSpace space(save.bytes);
            save.run();
        }
        EXPECT_EQ(messages.texts(),
                  save.saidOnSuccess.isEmpty() ? QStringList{} : QStringList{save.saidOnSuccess})
            << save.what;
        for (const QString& name : names)
            EXPECT_NE(test::contentOf(dir.filePath(name)), "the old " + name.toUtf8()) << save.what;
    }
}
