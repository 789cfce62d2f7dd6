#include "play/twoplayer.h"

#include "state/money.h"
#include "trading/portfolio.h"

namespace quotara {

void beginTwoPlayer(GameState& s) {
    s.player = 1;
    // Both start alike: the design's parked slots would give player 2 no cash at all.
    s.p1money = s.money;
    s.p2money = s.money;
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& share = s.shares[i];
        share.p1owned = share.p2owned = 0;
        share.p1cost = share.p2cost = 0;
    }
}

QString playerName(const GameState& s, int player) {
    return (player == 2 ? s.p2name : s.p1name).toQString();
}

std::int64_t playerWorth(const GameState& s, int player) {
    if (player == s.player) return totalWorth(s);
    std::int64_t worth = player == 2 ? s.p2money : s.p1money;
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& share = s.shares[i];
        const std::int32_t owned = player == 2 ? share.p2owned : share.p1owned;
        if (owned != 0) worth += poundsRound(std::int64_t{owned} * share.price);
    }
    return worth;
}

const std::array<PlayUntil, kPlayUntilCount>& playUntilChoices() {
    static const std::array<PlayUntil, kPlayUntilCount> choices = {{
        {QStringLiteral("one month"), 1, 2},
        {QStringLiteral("three months"), 1, 4},
        {QStringLiteral("six months"), 1, 7},
        {QStringLiteral("one year"), 1, 1},
        {QStringLiteral("no end"), 0, 0},
    }};
    return choices;
}

int playUntilRow(const GameState& s) {
    const auto& choices = playUntilChoices();
    for (int row = 0; row < kPlayUntilCount; ++row)
        if (choices[row].endday == s.endday && choices[row].endmonth == s.endmonth) return row;
    return kNoEnd;
}

namespace {

QString resultLine(const PlayerOutcome& p) {
    return p.profit < 0 ? QStringLiteral("%1: worth %2, a loss of %3")
                              .arg(p.name, poundsText(p.worth), poundsText(-p.profit))
                        : QStringLiteral("%1: worth %2, a profit of %3")
                              .arg(p.name, poundsText(p.worth), poundsText(p.profit));
}

} // namespace

LevelVerdict twoPlayerVerdict(const GameState& s) {
    LevelVerdict v;
    v.twoPlayer = true;
    for (int player : {1, 2}) {
        PlayerOutcome& p = v.players[player - 1];
        p.name = playerName(s, player);
        p.worth = playerWorth(s, player);
        p.profit = p.worth - kTwoPlayerMoney;
    }
    const std::int64_t lead = v.players[0].worth - v.players[1].worth;
    v.winner = lead > 0 ? 1 : lead < 0 ? 2 : 0;
    if (v.winner == 0) {
        v.message =
            QStringLiteral("A draw! You are both worth %1.").arg(poundsText(v.players[0].worth));
    } else {
        const PlayerOutcome& w = v.players[v.winner - 1];
        v.worth = w.worth;
        v.profit = w.profit;
        v.won = true;
        v.message =
            QStringLiteral("%1 wins by %2!").arg(w.name, poundsText(lead < 0 ? -lead : lead));
    }
    v.endtext = v.message + QLatin1Char('\n') + resultLine(v.players[0]) + QLatin1Char('\n') +
                resultLine(v.players[1]);
    return v;
}

} // namespace quotara
