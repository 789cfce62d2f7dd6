#include "market/calendar.h"

#include "state/money.h"

namespace quotara {

QString monthname(int month) {
    static const char* const kNames[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    if (month < 1 || month > 12) return {};
    return QString::fromLatin1(kNames[month - 1]);
}

int monthLength(int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? kDays[month - 1] : 0;
}

QString ordinalSuffix(int day) {
    switch (day) {
    case 1:
    case 21:
    case 31:
        return QStringLiteral("st");
    case 2:
    case 22:
        return QStringLiteral("nd");
    case 3:
    case 23:
        return QStringLiteral("rd");
    default:
        return QStringLiteral("th");
    }
}

QString dateText(const GameState& s) {
    return QStringLiteral("Date - ") + QString::number(s.day) + ordinalSuffix(s.day) +
           QLatin1Char(' ') + monthname(s.month) + QLatin1Char(' ') + QString::number(s.year);
}

namespace {

void newYear(GameState& s) {
    s.year = static_cast<std::uint16_t>(s.year + 1);
    s.daycount = 1;
    s.month = 1;
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& share = s.shares[i];
        std::fill(share.history.begin() + 1, share.history.begin() + 1 + kYearDays, 0);
        share.high = share.price;
        share.low = share.price;
    }
}

} // namespace

void dayeval(GameState& s) {
    const int m = s.month;
    if ((m == 4 || m == 6 || m == 9 || m == 11) && s.day == 31) {
        s.day = 1;
        ++s.month;
    } else if ((m == 1 || m == 3 || m == 5 || m == 7 || m == 8 || m == 10 || m == 12) &&
               s.day == 32) {
        s.day = 1;
        ++s.month;
        if (s.month == 13) newYear(s);
    } else if (m == 2 && s.day == 29) {
        s.day = 1;
        ++s.month;
    }
}

QString moneyPanelText(std::int32_t money) {
    return QStringLiteral("Money - ") + poundsText(money);
}

QString userPanelText(const GameState& s) {
    // In a two-player game the panel names whose turn it is.
    const bool turns = s.twoplayer == 1 && (s.player == 1 || s.player == 2);
    const PString<20>& name = !turns ? s.username : s.player == 1 ? s.p1name : s.p2name;
    return (QStringLiteral("User - ") + name.toQString()).left(27);
}

ClockTick timeTick(Game& game) {
    const GameState& s = game.state;
    ClockTick tick;
    tick.moneyPanel = moneyPanelText(s.money);
    game.random.reseed(game.clock);
    const Tshare& share = s.shares[game.random(19)];
    tick.pricesPanel = (share.name.toQString() + QLatin1Char(' ')).left(41) +
                       QString::number(share.price) + QLatin1Char(' ') + changeText(share.change);
    return tick;
}

} // namespace quotara
