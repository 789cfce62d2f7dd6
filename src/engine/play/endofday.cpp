#include "play/endofday.h"

#include "market/calendar.h"
#include "market/headlines.h"
#include "market/indices.h"
#include "market/sharecalc.h"
#include "play/levels.h"
#include "play/record.h"
#include "play/turnchange.h"
#include "play/twoplayer.h"
#include "state/money.h"
#include "trading/portfolio.h"

#include <algorithm>

namespace quotara {

DayResult endofday(Game& game, DayViews& views) {
    GameState& s = game.state;
    const std::uint8_t turn = s.player;
    const bool handedOver = turnchange(game);
    if (s.player != turn) views.turnChanged();
    if (handedOver) return DayResult::HandedOver;

    headline4countdown(s);
    advanceDay(s);

    // The order of the draws is part of the game: Dow, Hang Seng, FTSE, each share.
    dowStep(game);
    hangsengStep(game);
    ftseStep(game);
    const double marketfactor = marketFactor(s);
    const SectorNews news = sectorNews(s);
    for (int i = 0; i < kShareCount; ++i)
        sharecalc(game, i, marketfactor, news);
    recordClosingPrices(s);
    recordDay(s);
    views.refresh();

    if (s.day == 15) unemployment(game);

    // Tomorrow's news: what moves prices at the next close.
    headlineload(game);
    views.newsDrawn();

    if (isDeadline(s)) views.levelEnded(twoPlayerTurns(s) ? twoPlayerVerdict(s) : goalcheck(game));
    return DayResult::DayEnded;
}

void advanceDay(GameState& s) {
    s.day = static_cast<std::uint8_t>(s.day + 1);
    s.daycount = static_cast<std::uint16_t>(s.daycount + 1);
    dayeval(s);
}

void recordClosingPrices(GameState& s) {
    if (s.daycount < 1 || s.daycount > Tshare::kHistoryDays) return;
    for (int i = 0; i < kShareCount; ++i)
        s.shares[i].history[s.daycount] = s.shares[i].price;
}

void unemployment(Game& game) {
    GameState& s = game.state;
    const std::int64_t u = roundHalfEven(s.unemployed * 0.001);
    // A figure driven below zero over a very long game must not ask for a negative draw.
    const std::int64_t v = std::max<std::int64_t>(0, roundHalfEven(4 * u * 0.01));
    const std::int64_t drawn = game.random(static_cast<std::uint32_t>(v));
    s.unemployedchange = static_cast<std::int32_t>((drawn - roundHalfEven(v * 0.5)) * 1000);
    game.messages.show(Messages::Kind::Information,
                       QStringLiteral("Unemployment figures for the last month : ") +
                           changeText(s.unemployedchange));
    s.unemployed += s.unemployedchange;
    headline4setup(s);
}

bool isDeadline(const GameState& s) {
    return s.endday != 0 && s.day == s.endday && s.month == s.endmonth;
}

LevelVerdict goalcheck(Game& game) {
    GameState& s = game.state;
    LevelVerdict verdict;

    verdict.worth = totalWorth(s);
    verdict.profit = verdict.worth - s.startmoney;
    verdict.message = (verdict.worth >= s.startmoney ? QStringLiteral("You made a profit of £")
                                                     : QStringLiteral("You made a loss of £")) +
                      QString::number(verdict.profit);
    game.messages.show(Messages::Kind::Plain, verdict.message);

    verdict.won = verdict.worth >= s.target;
    if (verdict.won) {
        // A level pays its bar once, ever, whatever game was loaded on the way; values of no
        // level pay once until another level is chosen.
        const int level = levelInForce(s);
        const bool paidBefore = level >= 0 ? (s.levelswon >> level & 1) != 0 : s.goldwon != 0;
        if (!paidBefore && s.goldbarcount < kMostGoldBars) ++s.goldbarcount;
        if (level >= 0) s.levelswon = static_cast<std::uint16_t>(s.levelswon | 1u << level);
        verdict.endtext =
            paidBefore
                ? QStringLiteral("Congratulations! You reached the target again, but this level "
                                 "has already paid its gold bar. Play a different level to try "
                                 "and get another gold bar")
                : QStringLiteral("Congratulations! You win a gold bar! Play a different level "
                                 "to try and get another gold bar");
        s.goldwon = 1;
    } else {
        // The profit this level asks for: a fixed "£1000" told Level 5 (£500) or Level 12
        // (£10000) a wrong target.
        verdict.endtext = QStringLiteral("Unlucky! Try again, and if you can make a profit of £") +
                          QString::number(static_cast<std::int64_t>(s.target) - s.startmoney) +
                          QStringLiteral(" or more, you'll win a gold bar");
    }
    verdict.goldbars = QString::number(s.goldbarcount) + QStringLiteral(" goldbars");
    return verdict;
}

} // namespace quotara
