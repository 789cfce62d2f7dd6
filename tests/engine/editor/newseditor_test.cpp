#include "editor/newseditor.h"
#include "editor/newsfile.h"
#include "market/sharecalc.h"
#include "shipped/news.h"
#include "state/game.h"
#include "support/fakes.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quotara;
using test::contentOf;
using test::writeFile;

namespace {

struct EditorTest : ::testing::Test {
    QTemporaryDir dir;
    test::FakeClock clock;
    test::RecordingMessages messages;
    Game game{clock, messages, DataFolder(dir.path())};
    NewsEditor editor{game};

    Tnewsitem& item(int n) { return game.state.newsitems[n]; }
    void moveTo(int n) {
        editor.loadeditor();
        while (editor.currentitem() < n)
            editor.next();
    }
    QByteArray shipped() {
        const auto bytes = shippedNewsFile();
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }
};

} // namespace

TEST_F(EditorTest, showsAnItemAsItsControlsDo) {
    Tnewsitem& n = item(7);
    n.text.assign(QStringLiteral("Oil price soars"));
    n.affect[0] = -1;
    n.affect[1] = 2;
    n.affect[8] = -2;
    n.probcode = 4;
    moveTo(7);
    const EditorView v = editor.editloadtoscreen();
    EXPECT_EQ(v.caption, "News item number 7 :");
    EXPECT_EQ(v.text, "Oil price soars");
    EXPECT_EQ(v.ftseIndex, 1);
    EXPECT_EQ(v.sectorIndex, 0); // every showing starts at sector 1
    EXPECT_EQ(v.sectorAffectIndex, 4);
    EXPECT_EQ(v.probabilityIndex, 3);
    EXPECT_FALSE(v.specialNumber);
    EXPECT_EQ(editor.sectorchange(7), 0); // Oils, nothing stored
    EXPECT_EQ(n.affect[8], -2);
}

// A fresh item shows "1%" but stays 0 until the list is changed; values without a list entry
// leave the selection alone.
TEST_F(EditorTest, freshAndOutOfRangeItems) {
    const EditorView fresh = editor.loadeditor();
    EXPECT_EQ(fresh.caption, "News item number 1 :");
    EXPECT_EQ(fresh.probabilityIndex, 0);
    EXPECT_EQ(fresh.ftseIndex, 2);
    EXPECT_EQ(item(1).probcode, 0);
    EXPECT_EQ(editor.special(0), false);
    EXPECT_EQ(item(1).probcode, 1);

    item(2).affect[0] = 3;
    item(2).affect[1] = -7;
    item(2).probcode = 42;
    const EditorView odd = editor.next();
    EXPECT_FALSE(odd.ftseIndex);
    EXPECT_FALSE(odd.sectorAffectIndex);
    EXPECT_FALSE(odd.probabilityIndex);
}

TEST_F(EditorTest, headlineIsCutTo200Characters) {
    moveTo(3);
    editor.newsupdate(QString(250, u'x'));
    EXPECT_EQ(item(3).text.len, 200);
    editor.newsupdate(QStringLiteral("Bank rate £ up"));
    EXPECT_EQ(item(3).text.toQString(), "Bank rate £ up");
    EXPECT_EQ(item(3).text.chars[10], '\xA3'); // one byte of the Western code page
}

TEST_F(EditorTest, specialNumberRoundTripsAndBadNumbersAreRefused) {
    moveTo(5);
    item(5).probcode = 3;
    EXPECT_TRUE(editor.special(kSpecialIndex));
    EXPECT_EQ(item(5).probcode, 3); // choosing "Special" stores nothing by itself
    editor.specialeval(QStringLiteral("7"));
    EXPECT_EQ(item(5).probcode, 107);
    editor.next();
    const EditorView back = editor.last();
    EXPECT_EQ(back.probabilityIndex, kSpecialIndex);
    EXPECT_EQ(back.specialNumber, "7");

    editor.specialeval(QStringLiteral("")); // an emptied box keeps the code
    EXPECT_EQ(item(5).probcode, 107);
    for (const char* bad : {"x", "-", "7a", " 7"})
        editor.specialeval(QString::fromLatin1(bad));
    EXPECT_EQ(item(5).probcode, 107);
    EXPECT_EQ(
        messages.texts(),
        QStringList({"'x' is not a valid integer value", "'-' is not a valid integer value",
                     "'7a' is not a valid integer value", "' 7' is not a valid integer value"}));
    EXPECT_EQ(messages.log[0].kind, Messages::Kind::Error);

    editor.specialeval(QStringLiteral("-1"));
    EXPECT_EQ(item(5).probcode, 99);
    editor.specialeval(QStringLiteral("99"));
    EXPECT_EQ(item(5).probcode, 199);
}

TEST_F(EditorTest, nextAndLastStayWithin1To200AndOnlyMove) {
    EXPECT_EQ(editor.last().item, 1);
    for (int i = 0; i < 205; ++i)
        editor.next();
    EXPECT_EQ(editor.currentitem(), 200);
    EXPECT_EQ(editor.editloadtoscreen().caption, "News item number 200 :");

    // The FTSE effect is stored when it is chosen, on item 200 as anywhere; Last keeps it.
    editor.updateftsetag(4);
    EXPECT_EQ(item(200).affect[0], 2);
    editor.next();
    editor.last();
    EXPECT_EQ(item(200).affect[0], 2);
    EXPECT_EQ(item(199).affect[0], 0);
}

TEST_F(EditorTest, everySectorEffectIsStoredWaterIncluded) {
    moveTo(9);
    item(9).probcode = 104;
    item(9).used = 1;
    for (int s = 0; s < 12; ++s)
        editor.updatesectortag(s, s % 5);
    for (int s = 0; s < 12; ++s)
        EXPECT_EQ(editor.sectorchange(s), s % 5) << s;
    EXPECT_EQ(item(9).affect[12], -1);
    // Water's effect lives in the record beside probcode and used, which keep their values.
    EXPECT_EQ(item(9).probcode, 104);
    EXPECT_EQ(item(9).used, 1);
}

// An edit is the live item: once it is in force as a headline, the price engine reads the new
// effects, Water's included, from the next End Day on.
TEST_F(EditorTest, editsMovePricesFromTheNextEndDay) {
    moveTo(4);
    editor.updateftsetag(0);
    editor.updatesectortag(11, 4);
    editor.updatesectortag(0, 1);
    game.state.headlines1.number = 4;
    EXPECT_EQ(newsScore(game.state, 0), -2);
    EXPECT_EQ(newsScore(game.state, 12), 2);
    EXPECT_EQ(newsScore(game.state, 1), -1);
}

// The designer's round trip: every field changed, saved, and loaded into a new game the same.
TEST_F(EditorTest, editsSavedAndLoadedIntoANewGameAreTheSame) {
    writeFile(dir, "qonews.dat", shipped());
    ASSERT_TRUE(editor.Button4Click());
    moveTo(12);
    editor.newsupdate(QStringLiteral("Water shortage hits the south"));
    editor.updateftsetag(0);
    editor.updatesectortag(11, 0);
    editor.updatesectortag(2, 3);
    editor.special(kSpecialIndex);
    editor.specialeval(QStringLiteral("12"));
    editor.next();
    editor.special(4);
    editor.Button5Click();
    EXPECT_TRUE(messages.log.empty());

    const QByteArray saved = contentOf(game.folder.newsFile());
    ASSERT_EQ(saved.size(), qsizetype(kNewsFileSize));
    test::RecordingMessages otherMessages;
    Game other{clock, otherMessages, DataFolder(dir.path())};
    NewsEditor otherEditor{other};
    ASSERT_TRUE(otherEditor.Button4Click());
    const Tnewsitem& n = other.state.newsitems[12];
    EXPECT_EQ(n.text.toQString(), "Water shortage hits the south");
    EXPECT_EQ(n.affect[0], -2);
    EXPECT_EQ(n.affect[12], -2);
    EXPECT_EQ(n.affect[3], 1);
    EXPECT_EQ(n.probcode, 112);
    EXPECT_EQ(other.state.newsitems[13].probcode, 5);
    EXPECT_EQ(encodeNewsTable(other.state.newsitems), encodeNewsTable(game.state.newsitems));

    // Only the edited items differ from the shipped file.
    for (int k = 1; k <= kNewsCount; ++k) {
        const bool same = saved.mid((k - 1) * 256, 256) == shipped().mid((k - 1) * 256, 256);
        EXPECT_EQ(same, k != 12 && k != 13) << k;
    }
}

// "Load news items" is all or nothing; a good load shows the current item again.
TEST_F(EditorTest, loadingNewsReplacesTheWholeTableOrNothing) {
    item(1).text.assign(QStringLiteral("Mine"));
    EXPECT_FALSE(editor.Button4Click());
    const QString news = game.folder.newsFile();
    EXPECT_EQ(messages.texts(), QStringList({test::errorWithFile("File not found", news)}));

    const QString path = writeFile(dir, "qonews.dat", shipped().left(199 * 256 + 10));
    EXPECT_FALSE(editor.Button4Click());
    EXPECT_EQ(messages.texts().last(), test::errorWithFile("Read beyond end of file", news));
    EXPECT_EQ(item(1).text.toQString(), "Mine");
    EXPECT_TRUE(item(2).text.empty());

    writeFile(dir, "qonews.dat", {});
    EXPECT_TRUE(editor.Button4Click());
    EXPECT_EQ(item(1).text.toQString(), "Mine");

    moveTo(42);
    writeFile(dir, "qonews.dat", shipped() + QByteArray(300, 'z'));
    const auto shown = editor.Button4Click();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->item, 42);
    const QByteArray file = shipped();
    EXPECT_EQ(encodeNewsTable(game.state.newsitems),
              std::vector<std::uint8_t>(file.begin(), file.end()));
    EXPECT_EQ(messages.log.size(), 2u);
}

// A folder in the news file's place cannot be replaced: the failure is reported.
TEST_F(EditorTest, failedSaveIsReported) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("qonews.dat"));
    editor.Button5Click();
    EXPECT_EQ(messages.texts(),
              QStringList({test::errorWithFile("File access denied", game.folder.newsFile())}));
    EXPECT_TRUE(QFileInfo(dir.filePath("qonews.dat")).isDir());
}
