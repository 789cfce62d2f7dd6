#include "trading/recordcsv.h"

#include "state/recordfile.h"
#include "trading/performance.h"

namespace quotara {

namespace {

// A field as RFC 4180 wants it: quoted when it holds a comma, a quote or a line break. A share
// name from someone else's saved game could start like a formula, which a spreadsheet would
// run; the apostrophe makes it text there.
QByteArray field(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    if (!utf8.isEmpty() && QByteArrayView("=+-@\t\r").contains(utf8.front())) utf8.prepend('\'');
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r'))
        return utf8;
    utf8.replace("\"", "\"\"");
    return '"' + utf8 + '"';
}

QByteArray number(std::int64_t pounds) {
    return poundsAndPence(pounds * 100).toLatin1();
}

void appendTrade(QByteArray& out, const TradeEntry& t, const QByteArray& player) {
    out += "trade," + isoDate(t.date).toLatin1() + ',' + field(t.name.toQString()) + ',' +
           (t.side == TradeSide::Buy ? "buy," : "sell,") + QByteArray::number(t.quantity) + ',' +
           poundsAndPence(t.price).toLatin1() + ',' + number(t.total) + ',' + number(t.cashAfter) +
           ",,," + player + '\n';
}

void appendDay(QByteArray& out, const DayClose& d, const char* type, const QByteArray& player) {
    out += type + isoDate(d.date).toLatin1() + ",,,,,," + number(d.cash) + ',' +
           number(d.holdings) + ',' + number(d.worth) + ',' + player + '\n';
}

} // namespace

QByteArray recordCsvHeader() {
    return QByteArrayLiteral(
        "type,date,share,action,quantity,price,total,cash,holdings,worth,player");
}

QString poundsAndPence(std::int64_t pence) {
    const std::uint64_t magnitude =
        pence < 0 ? 0 - static_cast<std::uint64_t>(pence) : static_cast<std::uint64_t>(pence);
    return QStringLiteral("%1%2.%3")
        .arg(pence < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QByteArray recordCsv(const PlayRecord& record, const RecordPlayers& players) {
    // Player 2's days are on player 1's dates; any other (from a damaged file) is left out.
    const bool two = !record.secondDays.empty();
    const QByteArray first = field(players.first), second = field(players.second);
    const QByteArray firstDays = two ? first : QByteArray();
    const auto playerOf = [&](const TradeEntry& t) {
        return t.player == 1 ? first : t.player == 2 ? second : QByteArray();
    };
    QByteArray out = recordCsvHeader() + '\n';
    out.reserve(static_cast<qsizetype>(
        70 * (record.days.size() + record.secondDays.size() + record.trades.size() + 2)));
    if (record.start) {
        appendDay(out, *record.start, "start,", firstDays);
        if (two) appendDay(out, *record.start, "start,", second); // both start alike
    }
    auto trade = record.trades.begin();
    auto other = record.secondDays.begin();
    for (const DayClose& d : record.days) {
        for (; trade != record.trades.end() && trade->date.key() <= d.date.key(); ++trade)
            appendTrade(out, *trade, playerOf(*trade));
        appendDay(out, d, "day,", firstDays);
        for (; other != record.secondDays.end() && other->date.key() <= d.date.key(); ++other)
            if (other->date == d.date) appendDay(out, *other, "day,", second);
    }
    for (; trade != record.trades.end(); ++trade)
        appendTrade(out, *trade, playerOf(*trade));
    return out;
}

QString writeRecordCsv(const PlayRecord& record, const QString& path,
                       const RecordPlayers& players) {
    const QByteArray bytes = recordCsv(record, players);
    const FileError error = writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        std::size_t(bytes.size())));
    return error.isError() ? error.reason() : QString();
}

} // namespace quotara
