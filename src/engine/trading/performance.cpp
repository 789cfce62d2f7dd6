#include "trading/performance.h"

#include "market/calendar.h"
#include "state/money.h"
#include "trading/graph.h"

namespace quotara {

namespace {

// Day of the year 1..365 of a date; months outside the calendar count as January.
int dayOfYear(const GameDate& d) {
    const int month = d.month >= 1 && d.month <= 12 ? d.month : 1;
    return kMonthStart[month] + d.day - 1;
}

} // namespace

int daysBetween(const GameDate& from, const GameDate& to) {
    return (to.year - from.year) * kYearDays + dayOfYear(to) - dayOfYear(from);
}

std::int64_t recordStart(const GameState& state) {
    if (state.startmoney > 0) return state.startmoney;
    if (state.record.start) return state.record.start->worth;
    return state.record.days.empty() ? 0 : state.record.days.front().worth;
}

std::optional<GameDate> deadlineDate(const GameState& state) {
    if (state.endday == 0) return std::nullopt;
    const GameDate first =
        state.record.days.empty() ? gameDate(state) : state.record.days.front().date;
    GameDate deadline{state.endday, state.endmonth, first.year};
    // A game of a year ends on the day it began, a year on.
    if (deadline.key() <= first.key()) ++deadline.year;
    return deadline;
}

QString dateWords(const GameDate& d) {
    return QString::number(d.day) + ordinalSuffix(d.day) + QLatin1Char(' ') + monthname(d.month) +
           QLatin1Char(' ') + QString::number(d.year);
}

QString isoDate(const GameDate& d) {
    return QStringLiteral("%1-%2-%3")
        .arg(d.year, 4, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.day, 2, 10, QLatin1Char('0'));
}

BestWorst bestAndWorstDays(const PlayRecord& record) {
    BestWorst bw;
    for (std::size_t i = 1; i < record.days.size(); ++i) {
        const DayMove move{record.days[i].date, record.days[i].worth - record.days[i - 1].worth};
        if (!bw.best || move.change > bw.best->change) bw.best = move;
        if (!bw.worst || move.change < bw.worst->change) bw.worst = move;
    }
    return bw;
}

const BestWorst& DayMoves::takeIn(const std::vector<DayClose>& days) {
    const bool grown = settledDays_ >= 1 && days.size() >= settledDays_ && days.front() == first_ &&
                       days[settledDays_ - 1] == lastSettled_;
    if (!grown) {
        settled_ = {};
        settledDays_ = days.empty() ? 0 : 1;
        if (!days.empty()) first_ = days.front();
    }
    const auto count = [](BestWorst& bw, const DayClose& before, const DayClose& day) {
        const DayMove move{day.date, day.worth - before.worth};
        if (!bw.best || move.change > bw.best->change) bw.best = move;
        if (!bw.worst || move.change < bw.worst->change) bw.worst = move;
    };
    for (; settledDays_ + 1 < days.size(); ++settledDays_)
        count(settled_, days[settledDays_ - 1], days[settledDays_]);
    if (settledDays_ >= 1) lastSettled_ = days[settledDays_ - 1];
    all_ = settled_;
    if (days.size() >= 2) count(all_, days[days.size() - 2], days.back());
    return all_;
}

QStringList summaryParts(const GameState& state, const QString& levelName, const BestWorst& bw) {
    QStringList parts{levelName};
    const bool two = !state.record.secondDays.empty();
    if (const auto deadline = deadlineDate(state)) {
        if (!two) parts << QStringLiteral("target ") + signedPounds(state.target);
        const int left = daysBetween(gameDate(state), *deadline);
        parts << (left == 1 ? QStringLiteral("1 day left")
                            : QString::number(std::max(left, 0)) + QStringLiteral(" days left"));
    }
    const std::vector<DayClose>& days = state.record.days;
    if (days.empty()) return parts;
    if (two) {
        // Each player's profit today, and who leads.
        const QString names[2] = {state.p1name.toQString(), state.p2name.toQString()};
        const std::int64_t worth[2] = {days.back().worth, state.record.secondDays.back().worth};
        for (int p : {0, 1})
            parts << names[p] + QStringLiteral(": profit so far ") +
                         signedPounds(worth[p] - recordStart(state));
        const std::int64_t lead = worth[0] - worth[1];
        parts << (lead == 0
                      ? QStringLiteral("%1 and %2 are level").arg(names[0], names[1])
                      : QStringLiteral("%1 leads by %2")
                            .arg(names[lead > 0 ? 0 : 1], signedPounds(lead > 0 ? lead : -lead)));
        return parts;
    }
    parts << QStringLiteral("profit so far ") +
                 signedPounds(days.back().worth - recordStart(state));
    if (bw.best) {
        parts << QStringLiteral("best day ") + signedPounds(bw.best->change) +
                     QStringLiteral(" on ") + dateWords(bw.best->date);
        parts << QStringLiteral("worst day ") + signedPounds(bw.worst->change) +
                     QStringLiteral(" on ") + dateWords(bw.worst->date);
    }
    return parts;
}

QString summaryText(const GameState& state, const QString& levelName) {
    return summaryParts(state, levelName, bestAndWorstDays(state.record))
        .join(QStringLiteral(" - "));
}

} // namespace quotara
