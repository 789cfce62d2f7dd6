#include "editor/newsfile.h"
#include "shipped/news.h"
#include "state/install.h"
#include "support/files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quotara;
using test::contentOf;

TEST(Install, firstStartCreatesTheFolderWithTheShippedNewsFile) {
    QTemporaryDir tmp;
    const DataFolder folder(tmp.filePath("home/.local/share/quotara"));
    EXPECT_EQ(installDataFolder(folder, shippedNewsFile()), "");
    const auto shipped = shippedNewsFile();
    EXPECT_EQ(contentOf(folder.newsFile()),
              QByteArray(reinterpret_cast<const char*>(shipped.data()), qsizetype(shipped.size())));

    // From then on the folder is the player's: nothing is written again.
    QFile own(folder.newsFile());
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("mine");
    own.close();
    EXPECT_EQ(installDataFolder(folder, shippedNewsFile()), "");
    EXPECT_EQ(contentOf(folder.newsFile()), "mine");
}

// A news file removed from the folder comes back as on the first start; the saved games
// beside it stay.
TEST(Install, aMissingNewsFileIsPutBack) {
    QTemporaryDir tmp;
    const DataFolder folder(tmp.path());
    QFile save(folder.savedSharesFile());
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write("kept");
    save.close();
    EXPECT_EQ(installDataFolder(folder, shippedNewsFile()), "");
    auto state = std::make_unique<GameState>();
    EXPECT_FALSE(loadNewsFile(*state, folder.newsFile()).isError());
    EXPECT_FALSE(state->newsitems[1].text.empty());
    EXPECT_EQ(contentOf(folder.savedSharesFile()), "kept");
}

TEST(Install, reportsAFolderThatCannotBeMade) {
    QTemporaryDir tmp;
    QFile blocker(tmp.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_NE(installDataFolder(DataFolder(blocker.fileName() + "/quotara"), shippedNewsFile()),
              "");
    // A file where the folder should be is reported too, not taken for the folder.
    EXPECT_NE(installDataFolder(DataFolder(blocker.fileName()), shippedNewsFile()), "");
}
