// The record of the game being played: it follows the portfolio day by day and trade by trade,
// and starts again with each new game.

#include "play/levels.h"
#include "play/newgamereset.h"
#include "play/record.h"
#include "support/marketgame.h"
#include "trading/performance.h"
#include "trading/portfolio.h"
#include "trading/recordcsv.h"
#include "trading/trade.h"

#include <gtest/gtest.h>

using namespace quotara;

namespace {

struct Record : ::testing::Test {
    test::MarketGame m{43200000, 7919};
    GameState& s = m.s;
    NoDayViews views;

    void SetUp() override {
        m.fillNewsTexts();
        loadStartValues(s);
        // Level 1: £15000, worth £15001 by 1st February.
        s.money = s.startmoney = 15000;
        s.target = 15001;
        s.endday = 1;
        s.endmonth = 2;
        newgamereset(s);
    }
    bool trade(const QString& caption, int share, const char* quantity) {
        return tradeOk(m.game, caption, share, QString::fromLatin1(quantity)).completed;
    }
    void expectTodayAsPortfolio() {
        ASSERT_FALSE(s.record.days.empty());
        const DayClose& today = s.record.days.back();
        EXPECT_EQ(today.date, gameDate(s));
        EXPECT_EQ(today.cash, s.money);
        EXPECT_EQ(today.worth, totalWorth(s));
        EXPECT_EQ(today.holdings, totalWorth(s) - s.money);
    }
};

TEST_F(Record, followsThePortfolioThroughTradesAndEndDays) {
    expectTodayAsPortfolio();
    std::vector<DayClose> closes{s.record.days.back()};
    for (int day = 0; day < 20; ++day) {
        if (day % 3 == 0) {
            ASSERT_TRUE(trade(kBuyCaption, day % kShareCount, "40"));
        }
        if (day % 5 == 4) {
            ASSERT_TRUE(trade(kSellCaption, day / 3 * 3, "15")); // the last bought
        }
        expectTodayAsPortfolio();
        closes.back() = s.record.days.back(); // today's entry follows today's trades
        endofday(m.game, views);
        expectTodayAsPortfolio();
        closes.push_back(s.record.days.back());
    }
    // One entry per day, each as the portfolio stood when the next day began.
    EXPECT_EQ(s.record.days, closes);
    ASSERT_EQ(s.record.days.size(), 21u);
    EXPECT_EQ(s.record.days[20].date, (GameDate{21, 1, 1999}));
}

TEST_F(Record, tradesKeepWhatTheDialogSettled) {
    s.shares[3].price = 250; // spread 2p
    ASSERT_TRUE(trade(kBuyCaption, 3, "100"));
    ASSERT_TRUE(trade(kSellCaption, 3, "40"));
    ASSERT_EQ(s.record.trades.size(), 2u);
    const TradeEntry& bought = s.record.trades[0];
    EXPECT_EQ(bought.side, TradeSide::Buy);
    EXPECT_EQ(bought.name, s.shares[3].name);
    EXPECT_EQ(bought.quantity, 100);
    EXPECT_EQ(bought.price, 252);
    EXPECT_EQ(bought.total, 252);
    EXPECT_EQ(bought.cashAfter, 15000 - 252);
    const TradeEntry& sold = s.record.trades[1];
    EXPECT_EQ(sold.side, TradeSide::Sell);
    EXPECT_EQ(sold.price, 248);
    EXPECT_EQ(sold.total, 99); // 40 x 248p = £99.20
    EXPECT_EQ(sold.cashAfter, s.money);
}

TEST_F(Record, refusedTradesLeaveNoEntry) {
    EXPECT_FALSE(trade(kBuyCaption, 0, "0"));
    EXPECT_FALSE(trade(kSellCaption, 0, "5"));
    EXPECT_FALSE(trade(kBuyCaption, 0, "10x"));
    EXPECT_TRUE(s.record.trades.empty());
}

TEST_F(Record, aNewGameStartsANewRecord) {
    ASSERT_TRUE(trade(kBuyCaption, 0, "10"));
    endofday(m.game, views);
    newgamereset(s);
    EXPECT_TRUE(s.record.trades.empty());
    ASSERT_EQ(s.record.days.size(), 1u);
    EXPECT_EQ(s.record.days[0].date, (GameDate{1, 1, 1999}));
    EXPECT_EQ(s.record.days[0].worth, s.money);
}

// Free play buys on its first day: the record still counts from the £15000 it started with,
// not from the first day's worth after the spread.
TEST_F(Record, startsFromTheMoneyTheGameStartedWithWhateverTheFirstDayTrades) {
    freePlayValues(s);
    newgamereset(s);
    for (int share : {0, 5, 11})
        ASSERT_TRUE(trade(kBuyCaption, share, "300"));
    for (int day = 0; day < 5; ++day)
        endofday(m.game, views);
    EXPECT_EQ(recordStart(s), 15000);
    EXPECT_TRUE(
        summaryText(s, "Free play")
            .startsWith("Free play - profit so far " + signedPounds(totalWorth(s) - 15000)));
    EXPECT_TRUE(recordCsv(s.record).contains("\nstart,1999-01-01,,,,,,15000.00,0.00,15000.00,\n"));
}

// Losses read "-£90" in the summary, as people write them.
TEST_F(Record, summaryCountsDaysLeftProfitAndTheBestAndWorstDay) {
    s.record.days = {{{1, 1, 1999}, 15000, 0, 15000},
                     {{2, 1, 1999}, 5000, 10210, 15210},
                     {{3, 1, 1999}, 5000, 9888, 14888}};
    s.day = 3;
    EXPECT_EQ(summaryText(s, "Level 1"),
              "Level 1 - target £15001 - 29 days left - profit so far -£112 - best day £210 on "
              "2nd January 1999 - worst day -£322 on 3rd January 1999");
}

// The window counts the best and worst day as the record grows; a day moved by today's trades
// and another game's record must give what counting the whole record gives.
TEST_F(Record, bestAndWorstCountedAsTheRecordGrowsMatchTheWholeCount) {
    DayMoves moves;
    const auto same = [&](const char* when) {
        const BestWorst grown = moves.takeIn(s.record.days), whole = bestAndWorstDays(s.record);
        ASSERT_EQ(grown.best.has_value(), whole.best.has_value()) << when;
        if (!whole.best) return;
        EXPECT_EQ(grown.best->date, whole.best->date) << when;
        EXPECT_EQ(grown.best->change, whole.best->change) << when;
        EXPECT_EQ(grown.worst->date, whole.worst->date) << when;
        EXPECT_EQ(grown.worst->change, whole.worst->change) << when;
    };
    same("at the start");
    for (int day = 0; day < 12; ++day) {
        ASSERT_TRUE(trade(day % 2 ? kSellCaption : kBuyCaption, 4, "200"));
        same("after a trade");
        endofday(m.game, views);
        same("after End Day");
    }
    // Today's trades make today the worst day, then undo it.
    s.record.days.back().worth -= 5000;
    same("today moved down");
    s.record.days.back().worth += 5000;
    same("today moved back");
    newgamereset(s);
    endofday(m.game, views);
    same("another game");
}

TEST_F(Record, dateArithmeticCrossesMonthsAndYears) {
    EXPECT_EQ(daysBetween({31, 1, 1999}, {1, 2, 1999}), 1);
    EXPECT_EQ(daysBetween({31, 12, 1999}, {1, 1, 2000}), 1);
    EXPECT_EQ(isoDate({5, 3, 2001}), "2001-03-05");
}

} // namespace
