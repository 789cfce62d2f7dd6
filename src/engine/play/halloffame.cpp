#include "play/halloffame.h"

#include "market/calendar.h"

#include <QStringList>
#include <QUrl>

#include <algorithm>

namespace quotara {
namespace {

QString keyOf(int list) {
    return list == kTwoPlayerFame ? QStringLiteral("HallOfFame/twoplayer")
                                  : QStringLiteral("HallOfFame/level%1").arg(list + 1);
}

// A name in a value of the settings: nothing in it can be taken for a separator or be trimmed.
QString encoded(const QString& name) {
    return QString::fromLatin1(QUrl::toPercentEncoding(name));
}
QString decoded(const QString& text) {
    return QUrl::fromPercentEncoding(text.toLatin1());
}

// "profit,worth,days,date,name,opponent"; the date ISO or empty.
QString entryText(const FameEntry& e) {
    return QStringList{
        QString::number(e.profit), QString::number(e.worth),
        QString::number(e.days),   e.won.isValid() ? e.won.toString(Qt::ISODate) : QString(),
        encoded(e.name),           encoded(e.opponent)}
        .join(QLatin1Char(','));
}

bool readEntry(const QString& text, FameEntry& e) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 6) return false;
    bool ok[3] = {};
    e.profit = parts[0].toLongLong(&ok[0]);
    e.worth = parts[1].toLongLong(&ok[1]);
    e.days = parts[2].toInt(&ok[2]);
    e.won = QDate::fromString(parts[3], Qt::ISODate);
    e.name = decoded(parts[4]);
    e.opponent = decoded(parts[5]);
    return ok[0] && ok[1] && ok[2] && e.days >= 0 && (parts[3].isEmpty() || e.won.isValid());
}

// Days since the calendar's start: the game has no leap years.
std::int64_t dayNumber(const GameDate& d) {
    int before = 0;
    for (int m = 1; m < d.month; ++m)
        before += monthLength(m);
    return std::int64_t{d.year} * kYearDays + before + d.day;
}

// End Days from the game's first day to today; the record says where the game began.
int daysPlayed(const GameState& s) {
    const PlayRecord& r = s.record;
    if (!r.start && r.days.empty()) return 0;
    const GameDate first = r.start ? r.start->date : r.days.front().date;
    return static_cast<int>(std::max<std::int64_t>(0, dayNumber(gameDate(s)) - dayNumber(first)));
}

} // namespace

QString fameListName(int list) {
    if (list == kTwoPlayerFame) return QStringLiteral("Two players");
    return levelHeading(list);
}

bool betterResult(const FameEntry& a, const FameEntry& b) {
    if (a.profit != b.profit) return a.profit > b.profit;
    if (a.days != b.days) return a.days < b.days;
    // A result with no date is the oldest.
    const qint64 aDay = a.won.isValid() ? a.won.toJulianDay() : 0;
    const qint64 bDay = b.won.isValid() ? b.won.toJulianDay() : 0;
    return aDay < bDay;
}

const std::vector<FameEntry>& HallOfFame::list(int list) const {
    static const std::vector<FameEntry> none;
    return list >= 0 && list < kFameLists ? lists_[static_cast<std::size_t>(list)] : none;
}

bool HallOfFame::empty() const {
    return std::all_of(lists_.begin(), lists_.end(), [](const auto& l) { return l.empty(); });
}

int HallOfFame::add(int list, const FameEntry& entry) {
    if (list < 0 || list >= kFameLists) return -1;
    std::vector<FameEntry>& l = lists_[static_cast<std::size_t>(list)];
    // After every result at least as good: the first to reach a result keeps its place.
    const auto at =
        std::upper_bound(l.begin(), l.end(), entry,
                         [](const FameEntry& a, const FameEntry& b) { return betterResult(a, b); });
    const auto place = static_cast<int>(at - l.begin());
    if (place >= kFameListSize) return -1;
    l.insert(at, entry);
    if (l.size() > kFameListSize) l.resize(kFameListSize);
    return place;
}

void HallOfFame::clear() {
    for (auto& l : lists_)
        l.clear();
    unread_.clear();
}

int HallOfFame::read(const Settings& settings) {
    clear();
    const QString kept = settings.value(kUnreadKey);
    if (!kept.isEmpty()) unread_ = kept.split(QLatin1Char(';'));
    int found = 0;
    for (int list = 0; list < kFameLists; ++list) {
        const QString value = settings.value(keyOf(list));
        if (value.isEmpty()) continue;
        for (const QString& text : value.split(QLatin1Char(';'))) {
            FameEntry e;
            if (readEntry(text, e)) {
                add(list, e);
            } else {
                unread_ << keyOf(list).section(QLatin1Char('/'), 1) + QLatin1Char(':') + text;
                ++found;
            }
        }
    }
    return found;
}

std::vector<std::pair<QString, QString>> HallOfFame::values() const {
    std::vector<std::pair<QString, QString>> out;
    for (int list = 0; list < kFameLists; ++list) {
        QStringList entries;
        for (const FameEntry& e : lists_[static_cast<std::size_t>(list)])
            entries << entryText(e);
        out.emplace_back(keyOf(list), entries.join(QLatin1Char(';')));
    }
    out.emplace_back(kUnreadKey, unread_.join(QLatin1Char(';')));
    return out;
}

FameResult fameResult(const GameState& s, const LevelVerdict& verdict, const QDate& today) {
    FameResult r;
    if (!verdict.won) return r;
    r.entry.won = today;
    r.entry.days = daysPlayed(s);
    if (verdict.twoPlayer) {
        const PlayerOutcome& winner = verdict.players[verdict.winner == 2 ? 1 : 0];
        const PlayerOutcome& loser = verdict.players[verdict.winner == 2 ? 0 : 1];
        r.list = kTwoPlayerFame;
        r.entry.name = winner.name;
        r.entry.opponent = loser.name;
        r.entry.worth = winner.worth;
        r.entry.profit = winner.profit;
        return r;
    }
    const int level = levelOf(s);
    if (level == kNoLevel) return r;
    r.list = level == kDefaultLevel ? 0 : level;
    r.entry.name = s.username.toQString();
    r.entry.worth = verdict.worth;
    r.entry.profit = verdict.profit;
    return r;
}

QString newBestText(int list) {
    return QStringLiteral("A new best for %1!")
        .arg(list == kTwoPlayerFame ? QStringLiteral("two players") : fameListName(list));
}

} // namespace quotara
