// The saved-state file across versions of the game, and the checks that keep out of a game what
// play cannot give it.

#include "market/calendar.h"
#include "play/endofday.h"
#include "play/record.h"
#include "play/savegame.h"
#include "play/session.h"
#include "play/startup.h"
#include "shipped/news.h"
#include "state/install.h"
#include "state/sharefile.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/sessionviews.h"
#include "trading/performance.h"
#include "trading/trade.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <tuple>
#include <utility>

using namespace quotara;

namespace {

const QString kFixtures = QStringLiteral(QUOTARA_SETUP_FIXTURES);
const QStringList kSaveFiles = {"savegame.shr", "savegame.ply", "savegame.sta"};

// The program as a player starts it, on a data folder of its own with the shipped news.
struct StateProgram {
    explicit StateProgram(const QString& path) : game(clock, messages, DataFolder(path)) {
        installDataFolder(game.folder, shippedNewsFile());
        session.startUp();
        messages.log.clear();
    }
    test::FakeClock clock{1234, 777};
    test::RecordingMessages messages;
    Game game;
    GameState& s = game.state;
    QStringList steps;
    test::RecordingSessionViews views{steps, s};
    Session session{game, views};
};

} // namespace

// Saved by the first version with a state file: Level 1 started as "Morgan", Anglian, Centrica
// and Railtrack bought (Centrica partly sold again) through the trade dialog's rules, and End
// Day pressed to 16 January 1999, the day after the unemployment headline.
TEST(SavedVersions, aVersion1GameLoadsAsItWasSavedAndSavesTheSameBytes) {
    QTemporaryDir tmp;
    const QString folder = tmp.filePath("quotara");
    StateProgram run(folder);
    for (const QString& name : kSaveFiles)
        ASSERT_TRUE(QFile::copy(kFixtures + "/v1/" + name, folder + "/" + name));

    ASSERT_TRUE(run.session.loadGame());
    EXPECT_EQ(run.messages.texts(), QStringList{"Game loaded successfully."});
    const GameState& s = run.s;
    EXPECT_EQ(dateText(s), "Date - 16th January 1999");
    EXPECT_EQ(s.daycount, 16);
    EXPECT_EQ(s.money, 10030);
    EXPECT_EQ(s.username.toQString(), "Morgan");
    EXPECT_EQ(run.session.newGame().appliedLevel, 0);
    EXPECT_EQ(s.target, 15001);
    EXPECT_EQ(s.endmonth, 2);
    for (int i = 0; i < kShareCount; ++i) {
        const auto [owned, cost] = i == 2    ? std::pair{400, 3468}
                                   : i == 9  ? std::pair{1000, 1180}
                                   : i == 17 ? std::pair{20, 312}
                                             : std::pair{0, 0};
        EXPECT_EQ(s.shares[i].owned, owned) << i;
        EXPECT_EQ(s.shares[i].cost, cost) << i;
    }
    const std::pair<const HeadlineSlot*, int> inForce[] = {
        {&s.headlines1, 6}, {&s.headlines2, 17}, {&s.headlines4, 45}};
    for (const auto& [slot, item] : inForce) {
        EXPECT_EQ(slot->number, item);
        EXPECT_FALSE(slot->caption.isEmpty());
        EXPECT_EQ(slot->caption, s.newsitems[item].text.toQString());
    }
    EXPECT_EQ(s.headline4days, 2);
    // Saved before the record was kept: the record starts at the load.
    EXPECT_TRUE(s.record.trades.empty());
    ASSERT_EQ(s.record.days.size(), 1u);
    EXPECT_EQ(s.record.days[0].date, (GameDate{16, 1, 1999}));
    EXPECT_EQ(s.record.days[0].cash, 10030);

    // Nothing of it was lost or changed on the way: saved again, the share files are the same
    // and so are the state file's version-1 fields, which later versions follow.
    ASSERT_TRUE(run.session.saveGame());
    for (const QString& name : kSaveFiles) {
        const QByteArray saved = test::contentOf(kFixtures + "/v1/" + name);
        const QByteArray again = test::contentOf(folder + "/" + name);
        if (name != "savegame.sta" || kStateFileVersion == 1) {
            EXPECT_EQ(again, saved) << name.toStdString();
            continue;
        }
        EXPECT_EQ(again.left(4), saved.left(4));
        EXPECT_EQ(again.mid(10, 385 - 18), saved.mid(10, 385 - 18));
    }
}

// Saved by version 2, the first with the record: Level 1 started as "Rowan", Boots bought on
// 1 January and partly sold again on 7 January beside a purchase of Halifax, Royal Bank bought
// on 19 January, End Day pressed to 20 January 1999.
TEST(SavedVersions, aVersion2GameLoadsWithItsRecordAndSavesTheSameBytes) {
    QTemporaryDir tmp;
    const QString folder = tmp.filePath("quotara");
    StateProgram run(folder);
    for (const QString& name : kSaveFiles)
        ASSERT_TRUE(QFile::copy(kFixtures + "/v2/" + name, folder + "/" + name));

    ASSERT_TRUE(run.session.loadGame());
    const GameState& s = run.s;
    EXPECT_EQ(dateText(s), "Date - 20th January 1999");
    EXPECT_EQ(s.money, 4730);
    EXPECT_EQ(s.username.toQString(), "Rowan");
    EXPECT_EQ(run.session.newGame().appliedLevel, 0);
    EXPECT_EQ((std::pair{s.shares[4].owned, s.shares[4].cost}), (std::pair{200, 1172}));
    EXPECT_EQ((std::pair{s.shares[11].owned, s.shares[11].cost}), (std::pair{1000, 8780}));
    EXPECT_EQ((std::pair{s.shares[18].owned, s.shares[18].cost}), (std::pair{50, 304}));
    ASSERT_EQ(s.record.days.size(), 20u);
    // Its first day was noted after the Boots purchase and no start was kept: the record counts
    // from the level's starting money, as version 2 did.
    EXPECT_FALSE(s.record.start);
    EXPECT_LT(s.record.days.front().worth, 15000);
    EXPECT_EQ(recordStart(s), 15000);
    EXPECT_EQ(s.record.days.back().date, (GameDate{20, 1, 1999}));
    EXPECT_EQ(s.record.days.back().worth, 14010);
    ASSERT_EQ(s.record.trades.size(), 4u);
    const TradeEntry& sale = s.record.trades[2];
    EXPECT_EQ(sale.date, (GameDate{7, 1, 1999}));
    EXPECT_EQ((std::tuple{sale.share, sale.side, sale.quantity, sale.price, sale.total}),
              (std::tuple{std::uint8_t{4}, TradeSide::Sell, 100, 572, 572}));
    EXPECT_EQ(sale.cashAfter, 5034);

    // Saved again: the share files are the same, and so are the state file's version-2 fields
    // up to the trades, whose items have a field of version 3 (who traded).
    ASSERT_TRUE(run.session.saveGame());
    for (const QString& name : kSaveFiles) {
        const QByteArray saved = test::contentOf(kFixtures + "/v2/" + name);
        const QByteArray again = test::contentOf(folder + "/" + name);
        if (name != "savegame.sta") {
            EXPECT_EQ(again, saved) << name.toStdString();
            continue;
        }
        EXPECT_EQ(again.left(4), saved.left(4));
        const qsizetype days = 4 + 20 * 24; // the count, then 20 days of 24 bytes
        EXPECT_EQ(again.mid(10, 385 - 18 + days), saved.mid(10, 385 - 18 + days));
    }
    // ... and the game comes back the same from it.
    StateProgram again(folder);
    ASSERT_TRUE(again.session.loadGame());
    EXPECT_EQ(again.s.record, s.record);
    EXPECT_EQ(again.s.goldbarcount, s.goldbarcount);
}

namespace {

// A game in March with holdings and every headline slot used, as a save finds it.
struct StateFileChecks : ::testing::Test {
    StateFileChecks() {
        startFreePlay(s);
        for (int n = 1; n <= kNewsCount; ++n)
            s.newsitems[n].text.assign(QStringLiteral("Item %1").arg(n));
        NoDayViews none;
        for (int d = 0; d < 70; ++d)
            endofday(game, none);
        s.username.assign(std::string_view("Petra"));
    }
    StateFileCheck::Result check(const std::function<void(GameState&)>& change) {
        auto changed = std::make_unique<GameState>(s);
        change(*changed);
        const auto image = shareFileImage(changed->shares);
        return checkStateFile(encodeStateFile(*changed, {}, image), image).result;
    }

    test::FakeClock clock{1234, 777};
    test::RecordingMessages messages;
    Game game{clock, messages, DataFolder::none()};
    GameState& s = game.state;
};

using Result = StateFileCheck::Result;
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

} // namespace

TEST_F(StateFileChecks, refusesAsDamagedWhatPlayCannotGive) {
    const std::pair<const char*, std::function<void(GameState&)>> cases[] = {
        {"31 February", [](GameState& g) { g.day = 31, g.month = 2; }},
        {"29 February", [](GameState& g) { g.day = 29, g.month = 2; }},
        {"31 April", [](GameState& g) { g.day = 31, g.month = 4; }},
        {"day 0", [](GameState& g) { g.day = 0; }},
        {"month 13", [](GameState& g) { g.month = 13; }},
        {"year 65535, whose new year wraps", [](GameState& g) { g.year = 65535; }},
        {"a year before the game's", [](GameState& g) { g.year = 1998; }},
        {"daycount 366", [](GameState& g) { g.daycount = 366; }},
        {"a deadline of 30 February", [](GameState& g) { g.endday = 30, g.endmonth = 2; }},
        {"a deadline day without a month", [](GameState& g) { g.endday = 5, g.endmonth = 0; }},
        {"negative cash", [](GameState& g) { g.money = -1; }},
        {"unemployed that the next month overflows",
         [](GameState& g) { g.unemployed = kInt32Max; }},
        {"negative unemployed", [](GameState& g) { g.unemployed = -1; }},
        {"an unemployment change beyond any month's",
         [](GameState& g) { g.unemployedchange = 40'000'001; }},
        {"a Dow move beyond its widest band", [](GameState& g) { g.dowchange = 250; }},
        {"a Hang Seng move beyond its widest band", [](GameState& g) { g.hangchange = -401; }},
        {"a negative FTSE", [](GameState& g) { g.ftse = -1; }},
        {"interest not a number", [](GameState& g) { g.interest = std::nan(""); }},
        {"inflation of 101 %", [](GameState& g) { g.inflation = 101; }},
        {"two players and one name",
         [](GameState& g) {
             g.twoplayer = 1, g.player = 1, g.p1name.assign(std::string_view("A"));
         }},
        {"player 3", [](GameState& g) { g.player = 3; }},
        {"a name of 21 characters", [](GameState& g) { g.username.len = 21; }},
        {"slot 4 holding no unemployment item", [](GameState& g) { g.headline4item = 41; }},
        {"slot 4 in force for 4 days", [](GameState& g) { g.headline4days = 4; }},
        {"a caption shown without its number",
         [](GameState& g) { g.headlines1.number = -1, g.headlines1.caption = "x"; }},
        {"item 201", [](GameState& g) { g.headline2item = 201; }},
        {"a recorded worth that is not cash and holdings",
         [](GameState& g) { g.record.days.back().worth += 1; }},
        {"a recorded day of 30 February",
         [](GameState& g) {
             g.record.days.back().date = {30, 2, 1999};
         }},
        {"a trade of no shares", [](GameState& g) { g.record.trades.back().quantity = 0; }},
        {"a trade of share 20", [](GameState& g) { g.record.trades.back().share = 20; }},
    };
    ASSERT_TRUE(tradeOk(game, kBuyCaption, 3, "10").completed);
    ASSERT_EQ(check([](GameState&) {}), Result::Valid);
    for (const auto& [what, change] : cases)
        EXPECT_EQ(check(change), Result::Damaged) << what;
}

TEST_F(StateFileChecks, theRecordComesBackWithTheGame) {
    ASSERT_TRUE(tradeOk(game, kBuyCaption, 3, "100").completed);
    ASSERT_TRUE(tradeOk(game, kSellCaption, 3, "40").completed);
    NoDayViews none;
    endofday(game, none);
    s.record.secondDays = {s.record.days.front(), s.record.days.back()}; // as with two players
    const auto image = shareFileImage(s.shares);
    const StateFileCheck check = checkStateFile(encodeStateFile(s, {}, image), image);
    ASSERT_EQ(check.result, Result::Valid);
    auto loaded = std::make_unique<GameState>();
    loaded->record.days.resize(3); // what the game played before the load had
    loaded->record.secondDays.resize(3);
    applyStateFile(check, *loaded);
    ASSERT_EQ(loaded->record.trades.size(), 2u);
    EXPECT_EQ(loaded->record.days.size(), 72u);
    EXPECT_EQ(loaded->record, s.record);
}

// The far ends of what play reaches load, and the next End Days cannot overflow from there.
TEST_F(StateFileChecks, theFarEndsOfPlayLoadAndPlayOn) {
    s.day = 14, s.month = 12, s.year = 65534, s.daycount = 348;
    s.unemployed = 2'000'000'000;
    s.money = kInt32Max;
    s.ftse = kInt32Max, s.ftsechange = -kInt32Max;
    s.dow = 0, s.dowchange = -200;
    s.hangchange = 499;
    s.headline4days = std::numeric_limits<std::int32_t>::min();
    s.twoplayer = 1; // chosen in the new-game window during a game, no names given
    const auto image = shareFileImage(s.shares);
    const StateFileCheck check = checkStateFile(encodeStateFile(s, {}, image), image);
    ASSERT_EQ(check.result, Result::Valid);

    GameState& g = game.state;
    g = GameState{};
    applyStateFile(check, g);
    EXPECT_EQ(g.unemployed, 2'000'000'000);
    NoDayViews none;
    for (int d = 0; d < 18; ++d) // the 15th, then into the new year
        endofday(game, none);
    EXPECT_LE(g.unemployed, 2'040'000'000);
    EXPECT_EQ(dateText(g), "Date - 1st January 65535");
}
