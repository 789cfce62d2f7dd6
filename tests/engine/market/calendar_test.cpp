#include "market/calendar.h"
#include "play/endofday.h"
#include "support/marketgame.h"

#include <gtest/gtest.h>

using namespace quotara;

namespace {

GameState& onDate(GameState& s, int day, int month, int year) {
    s.day = static_cast<std::uint8_t>(day);
    s.month = static_cast<std::uint8_t>(month);
    s.year = static_cast<std::uint16_t>(year);
    return s;
}

} // namespace

TEST(Calendar, namesTheMonthsAndNothingOutside) {
    EXPECT_EQ(monthname(1), "January");
    EXPECT_EQ(monthname(9), "September");
    EXPECT_EQ(monthname(12), "December");
    EXPECT_TRUE(monthname(0).isEmpty());
    EXPECT_TRUE(monthname(13).isEmpty());
}

TEST(Calendar, dateTextCarriesTheOrdinalSuffix) {
    auto s = std::make_unique<GameState>();
    EXPECT_EQ(dateText(onDate(*s, 1, 1, 1999)), "Date - 1st January 1999");
    const std::pair<int, const char*> cases[] = {
        {2, "nd"},  {3, "rd"},  {4, "th"},  {11, "th"}, {12, "th"}, {13, "th"}, {20, "th"},
        {21, "st"}, {22, "nd"}, {23, "rd"}, {24, "th"}, {30, "th"}, {31, "st"}};
    for (auto [day, suffix] : cases)
        EXPECT_EQ(dateText(onDate(*s, day, 3, 2000)),
                  QStringLiteral("Date - %1%2 March 2000").arg(day).arg(suffix))
            << day;
}

TEST(Calendar, rollsOverAtTheEndOfEachMonth) {
    struct Case {
        int day, month, nextDay, nextMonth;
    };
    const Case cases[] = {{31, 1, 1, 2},   {28, 2, 1, 3},  {30, 4, 1, 5},
                          {30, 6, 1, 7},   {31, 8, 1, 9},  {30, 9, 1, 10},
                          {30, 11, 1, 12}, {15, 5, 16, 5}, {30, 1, 31, 1}};
    auto s = std::make_unique<GameState>();
    for (const auto& c : cases) {
        onDate(*s, c.day, c.month, 1999);
        s->daycount = 100;
        advanceDay(*s);
        EXPECT_EQ(s->day, c.nextDay) << c.day << "/" << c.month;
        EXPECT_EQ(s->month, c.nextMonth) << c.day << "/" << c.month;
        EXPECT_EQ(s->year, 1999);
        EXPECT_EQ(s->daycount, 101);
    }
}

TEST(Calendar, newYearResetsHistoryAndRestartsHighAndLow) {
    auto s = std::make_unique<GameState>();
    onDate(*s, 31, 12, 1999);
    s->daycount = 365;
    for (int i = 0; i < kShareCapacity; ++i) {
        Tshare& share = s->shares[i];
        share.price = static_cast<std::uint16_t>(500 + i);
        share.high = 900;
        share.low = 100;
        std::fill(share.history.begin(), share.history.end(), 7);
    }
    advanceDay(*s);
    EXPECT_EQ(dateText(*s), "Date - 1st January 2000");
    EXPECT_EQ(s->daycount, 1);
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& share = s->shares[i];
        EXPECT_EQ(share.high, 500 + i);
        EXPECT_EQ(share.low, 500 + i);
        for (int d = 1; d <= 365; ++d)
            ASSERT_EQ(share.history[d], 0) << "share " << i << " day " << d;
        EXPECT_EQ(share.history[366], 7); // beyond the calendar's year
    }
    // Record 20 is no game share.
    EXPECT_EQ(s->shares[20].history[1], 7);
    EXPECT_EQ(s->shares[20].high, 900);
}

TEST(StatusTexts, moneyAndUserPanels) {
    EXPECT_EQ(moneyPanelText(15000), "Money - £15000");
    EXPECT_EQ(moneyPanelText(0), "Money - £0");
    EXPECT_EQ(moneyPanelText(-12), "Money - £-12");
    auto s = std::make_unique<GameState>();
    EXPECT_EQ(userPanelText(*s), "User - ");
    s->username.assign(std::string_view("ABCDEFGHIJKLMNOPQRST")); // 20, the most a name holds
    EXPECT_EQ(userPanelText(*s), "User - ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(userPanelText(*s).size(), 27);
}

TEST(ClockTick, reseedsThenShowsTheShareRandom19Picks) {
    test::MarketGame g(45'296'789);
    g.startFreePlay();
    g.s.money = 14321;
    Random replica = test::seeded(45'296'789);
    const auto i = replica(19);
    g.s.shares[i].name.assign(std::string_view("Br Steel"));
    g.s.shares[i].price = 97;
    g.s.shares[i].change = -4;

    const ClockTick tick = timeTick(g.game);
    EXPECT_EQ(tick.moneyPanel, "Money - £14321");
    EXPECT_EQ(tick.pricesPanel, "Br Steel 97 -4");
    EXPECT_EQ(g.clock.reads, 1);
    EXPECT_EQ(g.game.random.seed(), replica.seed());

    g.s.shares[i].change = 0;
    g.game.random.setSeed(12345); // the tick does not depend on the seed before it
    EXPECT_EQ(timeTick(g.game).pricesPanel, "Br Steel 97 +0");
}

TEST(ClockTick, aFullLengthNameKeepsItsSpace) {
    test::MarketGame g(777);
    for (int i = 0; i < kShareCount; ++i) {
        g.s.shares[i].name.assign(std::string_view(std::string(40, 'N')));
        g.s.shares[i].price = 1134;
        g.s.shares[i].change = 12;
    }
    EXPECT_EQ(timeTick(g.game).pricesPanel, QString(40, 'N') + " 1134 +12");
}
